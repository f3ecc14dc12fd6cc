#include "ui/access/accessibility.h"

#include <QApplication>
#include <QLineEdit>

#include "ui/access/accessible_text_field.h"
#include "ui/access/current_row_announcer.h"
#include "ui/access/value_label.h"

namespace orv {
namespace {

// Asked by Qt for each class of an object, its own first, before Qt's own answers.
QAccessibleInterface* accessibleOf(const QString& className, QObject* object) {
    if (className == QLatin1String("QLineEdit")) {
        return new AccessibleTextField(static_cast<QLineEdit*>(object));
    }
    if (className == QLatin1String("QLabel")) {
        return AccessibleValueLabel::of(object);
    }
    return nullptr;
}

}  // namespace

void installAccessibility(QApplication& application) {
    QAccessible::installFactory(accessibleOf);
    application.installEventFilter(new CurrentRowAnnouncer(&application));
}

}  // namespace orv
