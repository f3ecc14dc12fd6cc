#pragma once
// What a screen reader needs from every window, put in place once for the whole program before
// the first window opens: the text fields and the value labels answer with what they show, and a
// list that takes the focus tells its current row. A window built from the kit's pieces is heard
// right without more.

class QApplication;

namespace orv {

void installAccessibility(QApplication& application);

}  // namespace orv
