#include "ui/kit/coloured_combo_box.h"

#include <QStyleOptionComboBox>
#include <QStylePainter>

namespace orv {

void ColouredComboBox::paintEvent(QPaintEvent*) {
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    painter.fillRect(
        style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this),
        palette().brush(QPalette::Base));
    painter.drawControl(QStyle::CE_ComboBoxLabel, option);
}

}  // namespace orv
