#include "ui/tools/list_changes_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "reports/report_texts.h"
#include "ui/context/report_output.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/text_rows_model.h"
#include "ui/kit/widget_kit.h"
#include "ui/tools/log_commands.h"

namespace orv {
namespace {

const QString kCaption = QStringLiteral("Changements de la liste des Patrimoines");
const QString kSave = QStringLiteral("Enregistrer");
const QString kPrint = QStringLiteral("Imprimer");
const QString kUpdateNames = QStringLiteral("Mettre à jour les noms du log");
const QString kQuit = QStringLiteral("Quitter");

}  // namespace

ListChangesWindow::ListChangesWindow(WindowContext& context)
    : QDialog(context.mainWindow), context_(context) {
    setObjectName(QStringLiteral("Changements_Liste"));
    setWindowTitle(kCaption);

    QLabel* title = namedLabel("Label1", kCaption);
    setBold(title);
    Label2_ = namedLabel("Label2", QString());
    Compt_C_ = namedLabel("Compt_C", QString());
    setBold(Compt_C_);
    QLabel* legend = namedLabel("Label3", fromCp1252(kInLogLegend));

    rows_ = new TextRowsModel(this);
    Liste_Changements_ = named<QListView>("Liste_Changements");
    Liste_Changements_->setModel(rows_);
    setUpRowList(Liste_Changements_);
    // A list is announced by its own name only (a label beside it does not name it).
    Liste_Changements_->setAccessibleName(kCaption);
    Liste_Changements_->setAccessibleDescription(legend->text());
    Liste_Changements_->setMinimumSize(760, 360);

    QPushButton* save = namedButton("Enregistrer", kSave);
    QPushButton* print = namedButton("Imprimer", kPrint);
    Maj_Noms_ = namedButton("Maj_Noms", kUpdateNames);
    QPushButton* quit = namedButton("Command1", kQuit);
    connect(save, &QPushButton::clicked, this, &ListChangesWindow::save);
    connect(print, &QPushButton::clicked, this, &ListChangesWindow::print);
    connect(Maj_Noms_, &QPushButton::clicked, this,
            [this] { LogCommands(context_).updateSiteNames(); });
    connect(quit, &QPushButton::clicked, this, &QDialog::close);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* button : {save, print, Maj_Noms_}) {
        buttons->addWidget(button);
    }
    buttons->addStretch(1);
    buttons->addWidget(quit);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(title, 0, Qt::AlignHCenter);
    layout->addWidget(Label2_, 0, Qt::AlignHCenter);
    layout->addWidget(Compt_C_);
    layout->addWidget(legend);
    layout->addWidget(Liste_Changements_, 1);
    layout->addLayout(buttons);
    Liste_Changements_->setFocus();
}

void ListChangesWindow::showChanges(const ReferenceList& before, const ReferenceList& after) {
    changes_ = compareLists(before, after, context_.log.readFile().lines);
    Label2_->setText(fromCp1252(revisionChangeLine(changes_).value_or(std::string())));
    Compt_C_->setText(fromCp1252(listChangesCountLine(changes_)));
    rows_->setRows(listChangesRows(changes_));
    Maj_Noms_->setVisible(changes_.renamedInLog());
}

void ListChangesWindow::save() {
    const ListChangesReport report = listChangesReport(context_.state.stationCallsign, changes_,
                                                       localToday(context_.services.clock));
    saveReport(context_, this, report.fileName, reportFile(report.lines));
}

void ListChangesWindow::print() {
    const ListChangesReport report = listChangesReport(context_.state.stationCallsign, changes_,
                                                       localToday(context_.services.clock));
    printReport(context_, this, reportPrintout(report.lines));
}

}  // namespace orv
