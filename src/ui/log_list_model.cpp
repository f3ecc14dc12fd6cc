#include "ui/log_list_model.h"

#include "ui/text_codec.h"

namespace orv {

void LogListModel::setRows(std::vector<std::string> rows) {
    beginResetModel();
    rows_ = std::move(rows);
    endResetModel();
}

void LogListModel::clear() {
    setRows({});
}

int LogListModel::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : count();
}

QVariant LogListModel::data(const QModelIndex& index, int role) const {
    if (role != Qt::DisplayRole || !index.isValid() || index.row() >= count()) {
        return {};
    }
    return fromCp1252(row(index.row()));
}

}  // namespace orv
