#pragma once
// The rows of the main list: a view of the station's log as last loaded. A row is laid out
// (numbered, re-spaced) only when it is shown or clicked, so that a log of 99,999 QSOs loads and
// scrolls at once.

#include <QAbstractListModel>
#include <string>

namespace orv {

class LogService;

class LogListModel final : public QAbstractListModel {
    Q_OBJECT

public:
    explicit LogListModel(const LogService& log, QObject* parent = nullptr);

    // The row of the list at index (from 0), as the list shows it.
    std::string row(int index) const;
    // The log line it was made from, as the file held it.
    const std::string& line(int index) const;
    int count() const;

    int rowCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;

private:
    const LogService& log_;
};

}  // namespace orv
