#pragma once
// Finding line ends fast. std::string_view::find_first_of("\r\n") looks each byte up in the set
// with its own call, which costs more than all the rest of loading a large log; two memchr calls
// over a short window find the same place many times faster, and the window keeps a file with
// only one kind of line end from being scanned to its end at every line.

#include <algorithm>
#include <cstring>
#include <string_view>

namespace orv {

// The position of the first CR or LF at or after start, or npos.
inline std::size_t findLineEnd(std::string_view text, std::size_t start) {
    constexpr std::size_t kWindow = 256;
    for (std::size_t pos = start; pos < text.size(); pos += kWindow) {
        const char* window = text.data() + pos;
        std::size_t length = std::min(kWindow, text.size() - pos);
        if (const void* lf = std::memchr(window, '\n', length)) {
            length = static_cast<std::size_t>(static_cast<const char*>(lf) - window);
            const void* cr = std::memchr(window, '\r', length);
            return pos +
                   (cr ? static_cast<std::size_t>(static_cast<const char*>(cr) - window) : length);
        }
        if (const void* cr = std::memchr(window, '\r', length)) {
            return pos + static_cast<std::size_t>(static_cast<const char*>(cr) - window);
        }
    }
    return std::string_view::npos;
}

}  // namespace orv
