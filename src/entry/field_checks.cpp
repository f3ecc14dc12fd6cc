#include "entry/field_checks.h"

#include <cstddef>

#include "entry/date_time.h"
#include "entry/entry_messages.h"
#include "model/cp1252.h"

namespace orv {

namespace {

using Refusal = std::optional<std::string_view>;

// Fields that must hold something and fit a length: empty first, then the length.
Refusal requiredWithin(std::string_view text, std::size_t limit, std::string_view emptyMessage,
                       std::string_view tooLongMessage) {
    if (text.empty()) {
        return emptyMessage;
    }
    if (text.size() > limit) {
        return tooLongMessage;
    }
    return std::nullopt;
}

// Optional fields: only the length is checked.
Refusal optionalWithin(std::string_view text, std::size_t limit, std::string_view tooLongMessage) {
    if (text.size() > limit) {
        return tooLongMessage;
    }
    return std::nullopt;
}

Refusal checkReference(std::string_view text) {
    if (text.size() > 5) {
        return msg::kReferenceTooLong;
    }
    if (text.empty()) {
        return msg::kReferenceEmpty;
    }
    return std::nullopt;
}

// Exact length, then the form: the log line has fixed columns for the date and the time.
Refusal checkFixedForm(std::string_view text, std::size_t length,
                       int (*formCheck)(std::string_view), std::string_view emptyMessage,
                       std::string_view lengthMessage, std::string_view formMessage) {
    if (text.empty()) {
        return emptyMessage;
    }
    if (text.size() != length) {
        return lengthMessage;
    }
    if (formCheck(text) != 0) {
        return formMessage;
    }
    return std::nullopt;
}

// The R of RST is 0 to 5; a first character that is no digit at all is refused with it.
Refusal checkReport(std::string_view text) {
    if (const Refusal refusal = requiredWithin(text, 3, msg::kReportEmpty, msg::kReportTooLong)) {
        return refusal;
    }
    if (text.front() < '0' || text.front() > '5') {
        return msg::kReportValue;
    }
    return std::nullopt;
}

}  // namespace

std::optional<std::string_view> checkOnEnter(EntryField field, std::string_view text) {
    switch (field) {
        case EntryField::Ind_A:
            return requiredWithin(text, 12, msg::kCallsignEmpty, msg::kCallsignTooLong);
        case EntryField::Prenom_A:
            return optionalWithin(text, 15, msg::kFirstNameTooLong);
        case EntryField::Ref_A:
            return checkReference(text);
        case EntryField::Dpt_A:
            return optionalWithin(text, 2, msg::kDepartementTooLong);
        case EntryField::Date_A:
            return checkFixedForm(text, 8, Controle_Date, msg::kDateEmpty, msg::kDateLength,
                                  msg::kDateFormat);
        case EntryField::Heure_A:
            return checkFixedForm(text, 5, Controle_Heure, msg::kTimeEmpty, msg::kTimeLength,
                                  msg::kTimeFormat);
        case EntryField::Mode_A:
            return requiredWithin(text, 6, msg::kModeEmpty, msg::kModeTooLong);
        case EntryField::Bande_A:
            return requiredWithin(text, 7, msg::kBandEmpty, msg::kBandTooLong);
        case EntryField::RST_A:
        case EntryField::RSTE_A:
            return checkReport(text);
        case EntryField::Rem_A:
            return optionalWithin(text, 30, msg::kSiteNameTooLong);
        case EntryField::QSL_A:
            return std::nullopt;  // a check box: Enter always goes on
    }
    return std::nullopt;
}

std::string alreadyContactedMessage(std::string_view reference, std::string_view date,
                                    std::string_view band) {
    std::string message = cp1252ToUtf8(reference);
    message += msg::kAlreadyContacted;
    message += cp1252ToUtf8(date);
    message += msg::kAlreadyContactedBand;
    message += cp1252ToUtf8(band);
    return message;
}

bool usesAutomaticDate(bool automaticDateChecked, EntryMode mode) {
    return automaticDateChecked && mode == EntryMode::NewQso;
}

char16_t typedCapital(char16_t key) {
    if (key >= u'a' && key <= u'z') {
        return static_cast<char16_t>(key - (u'a' - u'A'));
    }
    return key;
}

}  // namespace orv
