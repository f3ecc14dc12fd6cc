#include "ui/kit/text_rows_model.h"

#include "ui/kit/text_codec.h"

namespace orv {

void TextRowsModel::setRows(std::vector<std::string> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

int TextRowsModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : int(rows_.size());
}

QVariant TextRowsModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || std::size_t(index.row()) >= rows_.size()) {
        return {};
    }
    return fromCp1252(rows_[std::size_t(index.row())]);
}

}  // namespace orv
