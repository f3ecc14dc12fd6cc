#include "reports/fixed_width.h"

namespace orv {

std::string fixedRow(std::initializer_list<RowPiece> pieces) {
    std::string row;
    for (const RowPiece& piece : pieces) {
        row.append(piece.blanksBefore, ' ');
        const std::string_view kept = piece.value.substr(0, piece.width);
        row += kept;
        if (piece.width != kAsItIs) {
            row.append(piece.width - kept.size(), ' ');
        }
    }
    return row;
}

}  // namespace orv
