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

}  // namespace orv
