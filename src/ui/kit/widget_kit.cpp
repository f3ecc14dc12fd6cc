#include "ui/kit/widget_kit.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QLabel>
#include <QListView>
#include <QPushButton>

namespace orv {

void nameControl(QWidget* control, const char* name, const QString& accessibleName) {
    control->setObjectName(QString::fromLatin1(name));
    control->setAccessibleName(accessibleName);
}

QLabel* namedLabel(const char* name, const QString& text) {
    auto* label = named<QLabel>(name, text);
    label->setTextFormat(Qt::PlainText);
    return label;
}

QPushButton* namedButton(const char* name, const QString& caption) {
    auto* button = new QPushButton(caption);
    nameControl(button, name, caption);
    button->setAutoDefault(true);
    return button;
}

void setBold(QWidget* widget, bool bold) {
    QFont font = widget->font();
    font.setBold(bold);
    widget->setFont(font);
}

void setTextColour(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::WindowText, colour);
    widget->setPalette(palette);
}

QFont fixedPitchFont(const QString& family, int pointSize) {
    QFont font(family, pointSize);
    if (!QFontInfo(font).fixedPitch()) {
        font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
        font.setPointSize(pointSize);
    }
    return font;
}

QFont rowListFont() {
    return fixedPitchFont(QStringLiteral("Terminal"), 9);
}

void setUpRowList(QListView* list, const QFont& font) {
    list->setFont(font);
    list->setUniformItemSizes(true);
    list->setEditTriggers(QAbstractItemView::NoEditTriggers);
}

}  // namespace orv
