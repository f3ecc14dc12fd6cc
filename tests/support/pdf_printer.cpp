#include "support/pdf_printer.h"

#include <QPrinter>
#include <utility>

#include "platform/print_lines.h"

namespace orv {

PdfPrinter::PdfPrinter(QString pdfPath) : pdfPath_(std::move(pdfPath)) {}

PrintOutcome PdfPrinter::print(QWidget*, const QStringList& lines) {
    ++printouts;
    if (cancelNext) {
        return PrintOutcome::Cancelled;
    }
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdfPath_);
    lastLines = lines;
    return printTextLines(printer, lines) ? PrintOutcome::Printed : PrintOutcome::Failed;
}

}  // namespace orv
