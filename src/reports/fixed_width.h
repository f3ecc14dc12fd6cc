#pragma once
// The report rows: values re-padded to the widths of their columns, so that the rows line up in a
// fixed-pitch font whatever the log line held.

#include <cstddef>
#include <initializer_list>
#include <string>
#include <string_view>

namespace orv {

// A piece of a row: the blanks before it, then its value padded with blanks, or cut, to exactly
// width characters; kAsItIs leaves the value as it stands.
inline constexpr std::size_t kAsItIs = std::string_view::npos;

struct RowPiece {
    std::size_t blanksBefore;
    std::string_view value;
    std::size_t width;
};

std::string fixedRow(std::initializer_list<RowPiece> pieces);

}  // namespace orv
