#pragma once
// The column header of a fixed-pitch list: each word of the header placed over the column of the
// rows it names, so that drawn in the rows' font it stands over that column.

#include <initializer_list>
#include <string>
#include <string_view>

#include "model/log_line.h"

namespace orv {

enum class HeaderAlign { Left, Right, Centre };

struct HeaderWord {
    std::string_view text;  // Windows-1252
    LogColumns column;      // the row columns it names
    HeaderAlign align = HeaderAlign::Left;
};

// The header line: blanks, and each word at its column (its first character on the column's
// first, its last on the column's last, or centred on it, as aligned). A word that would start
// before column 1 or touch the word before it is moved right, so that the words stay apart.
std::string columnHeader(std::initializer_list<HeaderWord> words);

}  // namespace orv
