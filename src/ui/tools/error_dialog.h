#pragma once
// The window "Erreur": the settings name a station whose log file is not in the data folder. Both
// of its ways out end the program; "Initialiser" first forgets the stored callsign so that the
// next start asks for one.

#include <QDialog>

#include "ui/context/program_state.h"
#include "ui/context/services.h"

class QLabel;

namespace orv {

class ErrorDialog final : public QDialog {
    Q_OBJECT

public:
    ErrorDialog(Services& services, const ProgramState& state, QWidget* parent = nullptr);

    // The caption after the callsign on the line naming the missing file.
    void setMissingFileSuffix(const QString& suffix);

protected:
    // The close box and Escape end the program as "Quitter" does: nothing may go on after this
    // dialog.
    void reject() override;

private:
    void initialise();
    void quit();

    Services& services_;
    QLabel* Err_Departement_ = nullptr;
};

}  // namespace orv
