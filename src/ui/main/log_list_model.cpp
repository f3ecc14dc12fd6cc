#include "ui/main/log_list_model.h"

#include "model/list_row.h"
#include "ui/context/log_service.h"
#include "ui/kit/text_codec.h"

namespace orv {

LogListModel::LogListModel(const LogService& log, QObject* parent)
    : QAbstractListModel(parent), log_(log) {
    connect(&log, &LogService::aboutToChange, this, [this] { beginResetModel(); });
    connect(&log, &LogService::changed, this, [this] { endResetModel(); });
}

std::string LogListModel::row(int index) const {
    return makeListRow(std::size_t(index) + 1, line(index));
}

const std::string& LogListModel::line(int index) const {
    return log_.lines()[std::size_t(index)];
}

int LogListModel::count() const {
    return int(log_.lines().size());
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
