#include "ui/kit/cp1252_validator.h"

#include <algorithm>

#include "model/cp1252.h"

namespace orv {

bool Cp1252Validator::acceptable(QChar character) {
    const char16_t code = character.unicode();
    const bool control = code < 0x20 || (code >= 0x7F && code <= 0x9F);
    return !control && unicodeToCp1252(code).has_value();
}

QValidator::State Cp1252Validator::validate(QString& input, int&) const {
    return std::all_of(input.cbegin(), input.cend(), acceptable) ? Acceptable : Invalid;
}

}  // namespace orv
