#pragma once
// The rows of the main list, kept as the program's own text and turned into Qt text only for the
// rows on screen, so that a log of 99,999 QSOs loads and scrolls at once.

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace orv {

class LogListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    using QAbstractListModel::QAbstractListModel;

    // Replaces every row.
    void setRows(std::vector<std::string> rows);
    void clear();

    const std::string& row(int index) const { return rows_[std::size_t(index)]; }
    int count() const { return int(rows_.size()); }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<std::string> rows_;
};

}  // namespace orv
