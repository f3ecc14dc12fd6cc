#include "ui/log_list_model.h"

#include "model/list_row.h"
#include "ui/text_codec.h"

namespace orv {

void LogListModel::setLines(std::vector<std::string> lines) {
    beginResetModel();
    lines_ = std::move(lines);
    endResetModel();
}

void LogListModel::clear() {
    setLines({});
}

std::string LogListModel::row(int index) const {
    return makeListRow(std::size_t(index) + 1, lines_[std::size_t(index)]);
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
