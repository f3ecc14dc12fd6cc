#pragma once
// The award-progress window "Diplome_PC": for each level PC 100 to PC 500, whether the log reaches
// it or how many QSOs are still missing, and for a level reached a "Voir la liste" button that
// chooses the level (Niveau_Diplome) and opens the award list.

#include <QDialog>
#include <array>
#include <functional>

#include "ui/context/window_context.h"

class QLabel;
class QPushButton;

namespace orv {

class AwardWindow final : public QDialog {
    Q_OBJECT

public:
    // openList opens the award list (or brings it to the front) once the level is chosen.
    AwardWindow(WindowContext& context, std::function<void()> openList);

private:
    struct LevelRow {
        QLabel* status = nullptr;
        QLabel* detail = nullptr;
        QPushButton* button = nullptr;
    };

    void applyCount(int count);
    void chooseLevel(int threshold);

    WindowContext& context_;
    std::function<void()> openList_;
    std::array<LevelRow, 5> rows_;
};

}  // namespace orv
