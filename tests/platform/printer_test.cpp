// Printing through the real printing path into PDF files, read back with pdftotext.

#include <gtest/gtest.h>

#include <QApplication>
#include <QPrintDialog>
#include <QProcess>
#include <QTimer>
#include <filesystem>

#include "platform/qt_printer.h"
#include "support/pdf_printer.h"
#include "support/temp_folder.h"

namespace orv {
namespace {

// The text of a PDF, page by page (form feed between pages).
QString pdfText(const QString& path) {
    QProcess pdftotext;
    pdftotext.start(QStringLiteral("pdftotext"),
                    {QStringLiteral("-raw"), path, QStringLiteral("-")});
    EXPECT_TRUE(pdftotext.waitForFinished(20'000));
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

QString pathIn(const test::TempFolder& folder, const char* name) {
    return QString::fromStdString((folder / name).string());
}

TEST(PrinterTest, LinesContinueOnTheNextPagesWithNothingLost) {
    test::TempFolder folder;
    PdfPrinter printer(pathIn(folder, "liste.pdf"));
    QStringList lines = {QStringLiteral("   F4ABC Diplome PC_100 du 07/12/26"), QString(),
                         QStringLiteral("       N°   Ref      Dpt   Nom du Site"), QString()};
    for (int i = 1; i <= 150; ++i) {
        lines
            << QStringLiteral("    %1  89%2  ÉGLISE NUMÉRO %1").arg(i, 5).arg(i, 3, 10, QChar('0'));
    }

    ASSERT_EQ(printer.print(nullptr, lines), PrintOutcome::Printed);

    const QStringList pages = pdfText(printer.pdfPath()).split(u'\f', Qt::SkipEmptyParts);
    ASSERT_GE(pages.size(), 2);
    const QString text = pages.join(u'\n');
    EXPECT_TRUE(text.contains(QStringLiteral("F4ABC Diplome PC_100 du 07/12/26")));
    for (int i = 1; i <= 150; ++i) {
        EXPECT_TRUE(text.contains(QStringLiteral("ÉGLISE NUMÉRO %1\n").arg(i))) << i;
    }
    EXPECT_EQ(printer.lastLines, lines);
}

TEST(PrinterTest, CancelledPrintoutWritesNothing) {
    test::TempFolder folder;
    PdfPrinter printer(pathIn(folder, "liste.pdf"));
    printer.cancelNext = true;
    EXPECT_EQ(printer.print(nullptr, {QStringLiteral("ligne")}), PrintOutcome::Cancelled);
    EXPECT_FALSE(std::filesystem::exists(folder / "liste.pdf"));
    EXPECT_EQ(printer.printouts, 1);
}

TEST(PrinterTest, PdfThatCannotBeWrittenFails) {
    test::TempFolder folder;
    PdfPrinter printer(pathIn(folder, "absent/liste.pdf"));
    EXPECT_EQ(printer.print(nullptr, {QStringLiteral("ligne")}), PrintOutcome::Failed);
}

// The operator closes the printer-selection dialog without choosing: nothing is printed.
TEST(QtPrinterTest, CancelInTheDialogPrintsNothing) {
    QtPrinter printer;
    bool dialogShown = false;
    QTimer::singleShot(100, [&dialogShown] {
        if (auto* dialog = qobject_cast<QPrintDialog*>(QApplication::activeModalWidget())) {
            dialogShown = true;
            dialog->reject();
        }
    });
    EXPECT_EQ(printer.print(nullptr, {QStringLiteral("ligne")}), PrintOutcome::Cancelled);
    EXPECT_TRUE(dialogShown);
}

}  // namespace
}  // namespace orv
