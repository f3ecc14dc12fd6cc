#pragma once
// Stands in for the printer in tests and benchmarks: prints to a PDF file without any dialog,
// through the same printing as the real printer, and records what it was asked to print.

#include <QString>

#include "platform/printer.h"

namespace orv {

class PdfPrinter final : public Printer {
public:
    explicit PdfPrinter(QString pdfPath);

    // Cancelled without printing while cancelNext is set, as when the operator cancels the
    // dialog.
    PrintOutcome print(QWidget* parent, const QStringList& lines) override;

    const QString& pdfPath() const { return pdfPath_; }

    bool cancelNext = false;
    int printouts = 0;      // printouts asked for, cancelled ones included
    QStringList lastLines;  // the lines of the last printout made

private:
    QString pdfPath_;
};

}  // namespace orv
