#pragma once

#include <QPrinter>

#include "platform/printer.h"

namespace orv {

// The system's printers through the Qt printer-selection dialog, which also offers printing to a
// PDF file. The choice made in the dialog is kept for the next printout of the run.
class QtPrinter final : public Printer {
public:
    PrintOutcome print(QWidget* parent, const QStringList& lines) override;

private:
    QPrinter printer_{QPrinter::HighResolution};
};

}  // namespace orv
