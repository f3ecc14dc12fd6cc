#include "ui/web/separate_window.h"

#include <QWidget>
#include <QWindow>

namespace orv {

void separateFromMainWindow(QWidget& window, QWidget* mainWindow) {
    if (mainWindow == nullptr) {
        return;
    }
    window.setScreen(mainWindow->screen());
    // Its native window, made now so that it is shown with its transient parent.
    window.winId();
    window.windowHandle()->setTransientParent(mainWindow->windowHandle());
    QObject::connect(mainWindow, &QObject::destroyed, &window, [&window] { delete &window; });
}

}  // namespace orv
