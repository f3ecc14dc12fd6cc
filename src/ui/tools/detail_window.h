#pragma once
// The window "Detail": what the reference list says about the site of the selected QSO, its
// reference, name, number and commune. It only reads the list; asked again while it is open, it is
// filled again for the new reference.

#include <QDialog>
#include <string>

#include "ui/context/window_context.h"

class QLineEdit;

namespace orv {

class DetailWindow final : public QDialog {
    Q_OBJECT

public:
    explicit DetailWindow(WindowContext& context);

    // Shows the site of reference (as taken from the list row, untrimmed), or says that the list
    // holds nothing for it.
    void showFor(const std::string& reference);

private:
    WindowContext& context_;
    QLineEdit* Ref_P_ = nullptr;
    QLineEdit* Nom_P_ = nullptr;
    QLineEdit* Num_P_ = nullptr;
    QLineEdit* Com_P_ = nullptr;
};

}  // namespace orv
