#include "ui/access/current_row_announcer.h"

#include <QAccessible>
#include <QEvent>
#include <QListView>

namespace orv {
namespace {

void announceCurrentRow(QListView* list) {
    const QModelIndex current = list->currentIndex();
    if (!list->hasFocus() || !current.isValid() || !QAccessible::isActive()) {
        return;
    }
    // A list without hidden rows has its rows as its accessible children, in order.
    QAccessibleEvent focus(list, QAccessible::Focus);
    focus.setChild(current.row());
    QAccessible::updateAccessibility(&focus);
}

}  // namespace

bool CurrentRowAnnouncer::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* list = qobject_cast<QListView*>(watched)) {
            // Once Qt has told that the list took the focus (it does so after this event), and
            // once the list has chosen its current row (a list without one takes its first).
            QMetaObject::invokeMethod(
                list, [list] { announceCurrentRow(list); }, Qt::QueuedConnection);
        }
    }
    return QObject::eventFilter(watched, event);
}

}  // namespace orv
