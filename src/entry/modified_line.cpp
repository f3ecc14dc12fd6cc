#include "entry/modified_line.h"

#include "model/cp1252.h"
#include "model/list_row.h"

namespace orv {

std::string lineReplacedByModification(std::string_view row) {
    std::string line = logLineOfRow(row);
    const std::size_t first = log_field::kSiteName.first - 1;
    if (line.size() > first) {
        const std::size_t width = std::min(log_field::kSiteName.width, line.size() - first);
        line.replace(first, width, toUpperCp1252(std::string_view(line).substr(first, width)));
    }
    return line;
}

}  // namespace orv
