#pragma once

class QWidget;

namespace orv {

// Centres a window on its screen: left = (screen width - window width) / 2 and top likewise, in
// integer division.
void centreOnScreen(QWidget& window);

}  // namespace orv
