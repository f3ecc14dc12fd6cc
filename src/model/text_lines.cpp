#include "model/text_lines.h"

#include <algorithm>

#include "model/line_scan.h"

namespace orv {

std::vector<std::string> splitLines(std::string_view content) {
    std::vector<std::string> lines;
    // Sized once, with room for the line a rewrite adds: growing a vector of 100,000 lines step
    // by step costs more than reading them.
    lines.reserve(std::size_t(std::count(content.begin(), content.end(), '\n')) + 2);
    std::size_t start = 0;
    while (start < content.size()) {
        const std::size_t end = findLineEnd(content, start);
        if (end == std::string_view::npos) {
            lines.emplace_back(content.substr(start));
            break;
        }
        lines.emplace_back(content.substr(start, end - start));
        const bool crLf =
            content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n';
        start = end + (crLf ? 2 : 1);
    }
    return lines;
}

std::string joinLines(const std::vector<std::string>& lines) {
    std::size_t size = 0;
    for (const auto& line : lines) {
        size += line.size() + kLineEnd.size();
    }
    std::string content;
    content.reserve(size);
    for (const auto& line : lines) {
        content += line;
        content += kLineEnd;
    }
    return content;
}

}  // namespace orv
