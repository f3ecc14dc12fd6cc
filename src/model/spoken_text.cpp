#include "model/spoken_text.h"

namespace orv {
namespace {

// Appends the words of text, one blank between two of them.
void appendWords(std::string& out, std::string_view text) {
    bool blank = !out.empty();
    for (const char c : text) {
        if (c == ' ') {
            blank = !out.empty();
            continue;
        }
        if (blank) {
            out += ' ';
            blank = false;
        }
        out += c;
    }
}

}  // namespace

std::string spokenValue(std::string_view value, std::string_view caption, CaptionSide side) {
    std::string spoken;
    appendWords(spoken, side == CaptionSide::Before ? caption : value);
    appendWords(spoken, side == CaptionSide::Before ? value : caption);
    return spoken;
}

std::string spokenFilledFields(const std::vector<ToldField>& fields) {
    std::string spoken;
    for (const ToldField& field : fields) {
        if (field.value.find_first_not_of(' ') == std::string_view::npos) {
            continue;
        }
        if (!spoken.empty()) {
            spoken += ", ";
        }
        spoken += spokenValue(field.value, field.caption, CaptionSide::Before);
    }
    return spoken;
}

}  // namespace orv
