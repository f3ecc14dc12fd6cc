#include "platform/qt_message_boxes.h"

#include <QMessageBox>

namespace orv {

namespace {

const QString kTitle = QStringLiteral("ORV_PC");

// Plain text: the program's messages carry line breaks and quotes that must show as they are.
QMessageBox::StandardButton showBox(QWidget* parent, const QString& text,
                                    QMessageBox::StandardButtons buttons) {
    QMessageBox box(QMessageBox::NoIcon, kTitle, text, buttons, parent);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}

}  // namespace

void QtMessageBoxes::inform(QWidget* parent, const QString& text) {
    showBox(parent, text, QMessageBox::Ok);
}

bool QtMessageBoxes::ask(QWidget* parent, const QString& text) {
    return showBox(parent, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

}  // namespace orv
