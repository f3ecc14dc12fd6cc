#include "ui/reports/report_window_kit.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>

#include "ui/context/log_service.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/widget_kit.h"

namespace orv {

std::vector<LoggedQso> loggedQsos(const LogService& log) {
    return readLogLines(log.readFile().lines);
}

QLineEdit* valueBox(const char* name, const QString& caption, const QColor& background) {
    auto* box = new QLineEdit;
    nameControl(box, name, caption);
    box->setReadOnly(true);
    box->setAlignment(Qt::AlignCenter);
    setFieldColour(box, background);
    return box;
}

QLineEdit* addValueRow(QGridLayout& grid, int row, const ValueRow& names) {
    QLabel* label = namedLabel(names.labelName, names.caption);
    QLineEdit* box = valueBox(names.boxName, names.caption, kLightYellow);
    label->setBuddy(box);
    grid.addWidget(label, row, 0);
    grid.addWidget(box, row, 1);
    return box;
}

}  // namespace orv
