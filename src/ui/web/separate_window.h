#pragma once
// The cluster and rules windows are top-level windows of their own, outside the main window's
// widget tree. Qt 6.8 draws through the GPU every window whose widget tree holds a browser page,
// and counts a dialog not yet shown as part of its parent's tree: parented to the main window,
// the first page made Qt rebuild the main window, after which none of its fields took the keys
// until a click.

class QWidget;

namespace orv {

// Keeps window, made without a parent, on top of mainWindow (its transient parent) and on its
// screen, and discards it with mainWindow. Called once the window holds its page, so that Qt makes
// its native window for the GPU at once and never anew. Without a main window (a window tried on
// its own), leaves it as it is.
void separateFromMainWindow(QWidget& window, QWidget* mainWindow);

}  // namespace orv
