#pragma once
// The window "Reglement": the award's rules, as its web site publishes them, in the embedded
// browser. The program keeps no copy: each opening asks the site afresh.

#include <QDialog>

#include "ui/context/window_context.h"

namespace orv {

class RulesWindow final : public QDialog {
    Q_OBJECT

public:
    explicit RulesWindow(WindowContext& context);
};

}  // namespace orv
