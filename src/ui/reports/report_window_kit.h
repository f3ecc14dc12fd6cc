#pragma once
// What the award and report windows share: the log read afresh into its QSOs when a window opens,
// and the read-only value boxes with their captions (today's date for the reports' names is in
// ui/context/report_output.h).

#include <QColor>
#include <QString>
#include <vector>

#include "model/log_line.h"

class QGridLayout;
class QLineEdit;

namespace orv {

class LogService;

// The QSOs of the station's log file as it stands; none when the file is missing, unreadable or
// too long for the list, so that the window shows zeros and the program goes on.
std::vector<LoggedQso> loggedQsos(const LogService& log);

// A box showing a value the operator reads but does not type: read-only, its text centred on the
// background given. Its accessible name is the caption read beside it.
QLineEdit* valueBox(const char* name, const QString& caption, const QColor& background);

struct ValueRow {
    const char* labelName;
    const char* boxName;
    QString caption;
};

// A caption label and its light yellow value box, side by side on a row of the grid.
QLineEdit* addValueRow(QGridLayout& grid, int row, const ValueRow& names);

}  // namespace orv
