#pragma once
// The rows of a list window, kept as the program's own text and converted only when a row is
// shown, so that a list of 99,999 rows fills and scrolls at once (with uniform row heights).

#include <QAbstractListModel>
#include <string>
#include <vector>

namespace orv {

class TextRowsModel final : public QAbstractListModel {
public:
    using QAbstractListModel::QAbstractListModel;

    void setRows(std::vector<std::string> rows);
    const std::vector<std::string>& rows() const { return rows_; }

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    std::vector<std::string> rows_;
};

}  // namespace orv
