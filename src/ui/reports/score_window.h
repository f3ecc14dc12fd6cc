#pragma once
// The scores window "Score_PC": QSOs on the scored bands, how many are confirmed and in how many
// departements, computed from the log file once, when the window opens.

#include <QDialog>

#include "ui/context/window_context.h"

class QLineEdit;

namespace orv {

class ScoreWindow final : public QDialog {
    Q_OBJECT

public:
    explicit ScoreWindow(WindowContext& context);

private:
    QLineEdit* HF_CT_ = nullptr;
    QLineEdit* HF_CF_ = nullptr;
    QLineEdit* HF_Dpt_ = nullptr;
};

}  // namespace orv
