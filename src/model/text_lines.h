#pragma once
// Splitting the text files of the program folder into lines. Lines end with CR LF when the program
// writes them; a hand-edited file may also use LF or CR alone, or omit the last line end. Bytes are
// kept as they are (NUL included).

#include <string>
#include <string_view>
#include <vector>

namespace orv {

inline constexpr std::string_view kLineEnd = "\r\n";

// The lines of a whole file's content, without their line ends. An empty content has no line, and
// a line end at the very end of the content does not start another line.
std::vector<std::string> splitLines(std::string_view content);

// The lines joined back, each followed by CR LF.
std::string joinLines(const std::vector<std::string>& lines);

// Calls visit(line) for each line in turn until it returns false; the same line rules as
// splitLines, so a reader can stop early without keeping the whole file.
template <class Visit>
void forEachLine(std::string_view content, Visit&& visit) {
    std::size_t start = 0;
    while (start < content.size()) {
        std::size_t end = content.find_first_of("\r\n", start);
        if (end == std::string_view::npos) {
            visit(content.substr(start));
            return;
        }
        if (!visit(content.substr(start, end - start))) {
            return;
        }
        start = end + ((content[end] == '\r' && end + 1 < content.size() && content[end + 1] == '\n') ? 2 : 1);
    }
}

}  // namespace orv
