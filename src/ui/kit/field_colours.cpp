#include "ui/kit/field_colours.h"

#include <QPalette>
#include <QWidget>

namespace orv {

void setFieldColour(QWidget* field, const QColor& colour) {
    QPalette palette = field->palette();
    for (const auto group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Base, colour);
        palette.setColor(group, QPalette::Button, colour);
    }
    field->setPalette(palette);
}

QColor fieldColour(const QWidget* field) {
    return field->palette().color(QPalette::Base);
}

void restField(QWidget* field) {
    field->setEnabled(false);
    setFieldColour(field, kLightYellow);
}

void readyField(QWidget* field) {
    field->setEnabled(true);
    setFieldColour(field, kLightGreen);
}

}  // namespace orv
