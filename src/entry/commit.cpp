#include "entry/commit.h"

#include <array>
#include <cstddef>

#include "entry/entry_messages.h"

namespace orv {

namespace {

constexpr std::size_t kSiteNameWidth = log_field::kSiteName.width;

// One value of the log line that must fit its columns, and how a longer one is refused. The date
// and time must fill theirs: "Automatique" chosen in the middle of a QSO empties the date, and a
// QSO without its date would be lost to every count by date.
struct FittedValue {
    std::string LogRecord::*value;
    std::size_t width;
    EntryField field;
    std::string_view message;
    std::string_view emptyMessage = {};  // set for the values that must fill their columns
};

// In log order, so the operator is sent to the first field of the line to correct. The entry
// allows 6 characters of mode but the log holds 3, hence its own message.
constexpr std::array<FittedValue, 10> kFittedValues{{
    {&LogRecord::callsign, log_field::kCallsign.width, EntryField::Ind_A, msg::kCallsignTooLong},
    {&LogRecord::departement, log_field::kDepartement.width, EntryField::Dpt_A,
     msg::kDepartementTooLong},
    {&LogRecord::firstName, log_field::kFirstName.width, EntryField::Prenom_A,
     msg::kFirstNameTooLong},
    {&LogRecord::reference, log_field::kReference.width, EntryField::Ref_A, msg::kReferenceTooLong},
    {&LogRecord::date, log_field::kDate.width, EntryField::Date_A, msg::kDateLength,
     msg::kDateEmpty},
    {&LogRecord::time, log_field::kTime.width, EntryField::Heure_A, msg::kTimeLength,
     msg::kTimeEmpty},
    {&LogRecord::mode, log_field::kMode.width, EntryField::Mode_A, msg::kModeTooLongForLog},
    {&LogRecord::band, log_field::kBand.width, EntryField::Bande_A, msg::kBandTooLong},
    {&LogRecord::reportReceived, log_field::kReportReceived.width, EntryField::RST_A,
     msg::kReportTooLong},
    {&LogRecord::reportSent, log_field::kReportSent.width, EntryField::RSTE_A, msg::kReportTooLong},
}};

}  // namespace

std::optional<CommitRefusal> checkCommit(const LogRecord& fields) {
    for (const FittedValue& fitted : kFittedValues) {
        const std::size_t size = (fields.*fitted.value).size();
        const bool mustFill = !fitted.emptyMessage.empty();
        if (mustFill && size == 0) {
            return CommitRefusal{fitted.field, fitted.emptyMessage};
        }
        if (size > fitted.width || (mustFill && size != fitted.width)) {
            return CommitRefusal{fitted.field, fitted.message};
        }
    }
    return std::nullopt;
}

std::string siteNameAfterCommit(std::string_view siteName) {
    const std::string_view trimmed = trimBlanks(siteName);
    if (trimmed.size() > kSiteNameWidth) {
        return std::string(trimmed.substr(0, kSiteNameWidth));
    }
    // Rem_A is written back only when the name is cut; otherwise it keeps what was typed.
    return std::string(siteName);
}

RewriteChoice chooseRewrite(EntryMode mode, bool automaticDateChecked) {
    if (mode == EntryMode::Modification) {
        return RewriteChoice::Replace;
    }
    if (automaticDateChecked && mode == EntryMode::NewQso) {
        return RewriteChoice::Append;
    }
    return RewriteChoice::Insert;
}

}  // namespace orv
