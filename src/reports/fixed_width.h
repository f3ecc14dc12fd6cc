#pragma once
// Pieces of the report rows: a value re-padded to the width of its column, so that the rows line
// up in a fixed-pitch font whatever the log line held.

#include <cstddef>
#include <string>
#include <string_view>

namespace orv {

// Appends value padded with blanks, or cut, to exactly width characters.
void appendFixed(std::string& row, std::string_view value, std::size_t width);

// Appends count blanks.
void appendBlanks(std::string& row, std::size_t count);

}  // namespace orv
