#pragma once
// The printer: the printed lists ask the operator for a printer, then print their lines.

#include <QStringList>

class QWidget;

namespace orv {

enum class PrintOutcome {
    Printed,
    Cancelled,  // the operator closed the printer-selection dialog: nothing was printed
    Failed,     // the printer (or the PDF file chosen in the dialog) could not be written
};

class Printer {
public:
    virtual ~Printer() = default;
    // Shows the printer-selection dialog, then prints the lines in Courier New bold 9 points, one
    // printed line each, continuing on the next sheet when one is full.
    virtual PrintOutcome print(QWidget* parent, const QStringList& lines) = 0;
};

}  // namespace orv
