#include "ui/kit/field_colours.h"

#include <QLineEdit>
#include <QPalette>

namespace orv {
namespace {

// The palette a revealed field had before, kept on it until it is closed or opened again.
constexpr const char* kPaletteBeforeReveal = "orvPaletteBeforeReveal";

void unreveal(QWidget* field) {
    auto* line = qobject_cast<QLineEdit*>(field);
    if (line == nullptr || !line->property(kPaletteBeforeReveal).isValid()) {
        return;
    }
    line->setPalette(line->property(kPaletteBeforeReveal).value<QPalette>());
    line->setProperty(kPaletteBeforeReveal, QVariant());
    line->setReadOnly(false);
}

}  // namespace

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
    unreveal(field);
    field->setEnabled(false);
    setFieldColour(field, kLightYellow);
}

void readyField(QWidget* field) {
    openField(field);
    setFieldColour(field, kLightGreen);
}

void openField(QWidget* field) {
    unreveal(field);
    field->setEnabled(true);
}

void revealFilledField(QLineEdit* field) {
    if (field->isEnabled()) {
        return;
    }
    QPalette palette = field->palette();
    field->setProperty(kPaletteBeforeReveal, palette);
    for (int role = 0; role < QPalette::NColorRoles; ++role) {
        const auto colourRole = QPalette::ColorRole(role);
        if (colourRole == QPalette::NoRole) {
            continue;
        }
        const QBrush disabled = palette.brush(QPalette::Disabled, colourRole);
        palette.setBrush(QPalette::Active, colourRole, disabled);
        palette.setBrush(QPalette::Inactive, colourRole, disabled);
    }
    field->setPalette(palette);
    field->setReadOnly(true);
    field->setEnabled(true);
}

}  // namespace orv
