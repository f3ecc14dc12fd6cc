#pragma once
// The secondary windows exist once each. The first command creates the window, centres it on the
// screen and shows it, not modal, on top of the main window; the same command while it is open
// only brings it to the front, as it is; closing it discards it, so that the next command builds
// it afresh.

#include <QDialog>
#include <QPointer>
#include <QWidget>

namespace orv {

// Makes a new window one that is discarded when closed, sizes it to its contents (unless it was
// given a size of its own) and centres it.
void prepareWindow(QWidget& window);

// Prepares a new window, then shows it in front, with the keyboard.
void presentWindow(QWidget& window);

// Brings an open window to the front and gives it the keyboard.
void bringToFront(QWidget& window);

template <class Window>
class SingleWindow {
public:
    // The open window brought to the front, or a new one from make() (a callable giving a new
    // Window*, parented to the main window) presented.
    template <class Make>
    Window& open(Make&& make) {
        if (window_) {
            bringToFront(*window_);
            return *window_;
        }
        window_ = make();
        presentWindow(*window_);
        return *window_;
    }

    // The same for a dialog shown modally (the Station window at the first start): returns once
    // the new window is closed, or at once when the window was already open.
    template <class Make>
    void openModal(Make&& make) {
        if (window_) {
            bringToFront(*window_);
            return;
        }
        window_ = make();
        prepareWindow(*window_);
        window_->exec();
    }

    // The window while it is open, else nullptr.
    Window* current() const { return window_.data(); }

private:
    QPointer<Window> window_;
};

}  // namespace orv
