#include "platform/qt_printer.h"

#include <QPrintDialog>

#include "platform/print_lines.h"

namespace orv {

PrintOutcome QtPrinter::print(QWidget* parent, const QStringList& lines) {
    QPrintDialog dialog(&printer_, parent);
    if (dialog.exec() != QDialog::Accepted) {
        return PrintOutcome::Cancelled;
    }
    return printTextLines(printer_, lines) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

}  // namespace orv
