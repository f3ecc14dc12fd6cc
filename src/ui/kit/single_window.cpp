#include "ui/kit/single_window.h"

#include "ui/kit/window_placement.h"

namespace orv {

void prepareWindow(QWidget& window) {
    window.setAttribute(Qt::WA_DeleteOnClose);
    // A window that chose its own size keeps it.
    if (!window.testAttribute(Qt::WA_Resized)) {
        window.adjustSize();
    }
    centreOnScreen(window);
}

void presentWindow(QWidget& window) {
    prepareWindow(window);
    window.show();
    bringToFront(window);
}

void bringToFront(QWidget& window) {
    window.raise();
    window.activateWindow();
}

}  // namespace orv
