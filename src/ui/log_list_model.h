#pragma once
// The rows of the main list. The model keeps the log lines as read and lays out a row (numbered,
// re-spaced) only when it is shown or clicked, so that a log of 99,999 QSOs loads and scrolls at
// once.

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace orv {

class LogListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // One row per log line, in file order.
    void setLines(std::vector<std::string> lines);
    void clear();

    // The row of the list at index (from 0), as the list shows it.
    std::string row(int index) const;
    int count() const { return int(lines_.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<std::string> lines_;
};

}  // namespace orv
