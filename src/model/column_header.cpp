#include "model/column_header.h"

#include <algorithm>

namespace orv {
namespace {

// The 0-based position of the word's first character, before any move right.
long wantedStart(const HeaderWord& word) {
    const long first = static_cast<long>(word.column.first) - 1;
    const long spare = static_cast<long>(word.column.width) - static_cast<long>(word.text.size());
    switch (word.align) {
        case HeaderAlign::Right:
            return first + spare;
        case HeaderAlign::Centre:
            // Floor division, so that a word wider than its column leans left as it does within.
            return first + (spare >= 0 ? spare / 2 : (spare - 1) / 2);
        case HeaderAlign::Left:
            break;
    }
    return first;
}

}  // namespace

std::string columnHeader(std::initializer_list<HeaderWord> words) {
    std::string header;
    for (const HeaderWord& word : words) {
        const long earliest = header.empty() ? 0 : static_cast<long>(header.size()) + 1;
        header.resize(static_cast<std::size_t>(std::max(wantedStart(word), earliest)), ' ');
        header += word.text;
    }
    return header;
}

}  // namespace orv
