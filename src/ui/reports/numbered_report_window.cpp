#include "ui/reports/numbered_report_window.h"

#include <algorithm>

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "ui/access/value_label.h"
#include "ui/context/report_output.h"
#include "ui/kit/list_header.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/text_rows_model.h"
#include "ui/kit/widget_kit.h"

namespace orv {
namespace {

constexpr int kShownRows = 20;

const QString kSave = QStringLiteral("Enregistrer");
const QString kPrint = QStringLiteral("Imprimer");
const QString kQuit = QStringLiteral("Quitter");

}  // namespace

NumberedReportWindow::NumberedReportWindow(WindowContext& context, const char* name,
                                           const QString& caption)
    : QDialog(context.mainWindow), context_(context) {
    setObjectName(QString::fromLatin1(name));
    setWindowTitle(caption);

    top_ = new QVBoxLayout;
    Label2_ = namedLabel("Label2", QString());
    rows_ = new TextRowsModel(this);
    Liste_PC_Contacte_ = named<QListView>("Liste_PC_Contacte");
    Liste_PC_Contacte_->setModel(rows_);
    setUpRowList(Liste_PC_Contacte_);
    // A list is announced by its own name only (a label beside it does not name it).
    Liste_PC_Contacte_->setAccessibleName(caption);
    Label2_->setBuddy(Liste_PC_Contacte_);

    Enregistrer_ = namedButton("Enregistrer", kSave);
    Imprimer_ = namedButton("Imprimer", kPrint);
    QPushButton* quit = namedButton("Command1", kQuit);
    Enregistrer_->setEnabled(false);
    Imprimer_->setEnabled(false);
    connect(Enregistrer_, &QPushButton::clicked, this, &NumberedReportWindow::save);
    connect(Imprimer_, &QPushButton::clicked, this, &NumberedReportWindow::print);
    connect(quit, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(Enregistrer_);
    buttons->addWidget(Imprimer_);
    buttons->addStretch(1);
    buttons->addWidget(quit);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top_);
    layout->addWidget(Label2_);
    layout->addWidget(Liste_PC_Contacte_, 1);
    layout->addLayout(buttons);
}

QLabel* NumberedReportWindow::addTitle(const char* name, const QString& text) {
    QLabel* title = namedLabel(name, text);
    setBold(title);
    top_->addWidget(title, 0, Qt::AlignHCenter);
    return title;
}

void NumberedReportWindow::addTopRow(QLayout* row) {
    top_->addLayout(row);
}

QLabel* NumberedReportWindow::addCountLine(const char* countName, const char* captionName,
                                           const QString& caption) {
    QLabel* count = valueLabel(countName, caption, CaptionSide::After);
    setBold(count);
    auto* line = new QHBoxLayout;
    line->addWidget(count);
    line->addWidget(namedLabel(captionName, caption));
    line->addStretch(1);
    top_->addLayout(line);
    return count;
}

void NumberedReportWindow::setColumns(const QFont& font, const QString& header) {
    Liste_PC_Contacte_->setFont(font);
    showListHeader(Label2_, Liste_PC_Contacte_, header);
}

void NumberedReportWindow::showRows(std::vector<std::string> rows) {
    rows_->setRows(std::move(rows));
    fitList();
    Enregistrer_->setEnabled(true);
    Imprimer_->setEnabled(true);
}

// Wide enough for the header and the rows (they share one width), and a screenful of rows high.
void NumberedReportWindow::fitList() {
    int width = QFontMetrics(Label2_->font()).horizontalAdvance(Label2_->text());
    const QFontMetrics rowFont(Liste_PC_Contacte_->font());
    if (!rows().empty()) {
        width = std::max(width, rowFont.horizontalAdvance(fromCp1252(rows().front())));
    }
    const int frame = 2 * Liste_PC_Contacte_->frameWidth();
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    Liste_PC_Contacte_->setMinimumSize(width + frame + scrollBar + rowFont.averageCharWidth(),
                                       kShownRows * rowFont.lineSpacing() + frame);
}

const std::vector<std::string>& NumberedReportWindow::rows() const {
    return rows_->rows();
}

void NumberedReportWindow::save() {
    const ReportTexts texts = reportTexts();
    saveReport(context_, this, texts.fileName, numberedReportFile(texts.file, rows()));
}

void NumberedReportWindow::print() {
    printReport(context_, this, numberedPrintout(reportTexts().print, rows()));
}

}  // namespace orv
