#include "reports/fixed_width.h"

namespace orv {

void appendFixed(std::string& row, std::string_view value, std::size_t width) {
    const std::string_view kept = value.substr(0, width);
    row += kept;
    row.append(width - kept.size(), ' ');
}

void appendBlanks(std::string& row, std::size_t count) {
    row.append(count, ' ');
}

}  // namespace orv
