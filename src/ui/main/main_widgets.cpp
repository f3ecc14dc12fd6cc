#include "ui/main/main_widgets.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QMainWindow>
#include <QMenuBar>
#include <QSvgWidget>
#include <QVBoxLayout>

#include "model/band_labels.h"
#include "model/list_row.h"
#include "ui/access/value_label.h"
#include "ui/kit/cp1252_validator.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/list_header.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/widget_kit.h"
#include "ui/main/entry_field_table.h"
#include "ui/main/main_texts.h"

namespace orv {

namespace {

const QColor kDarkGrey{64, 64, 64};
const QColor kRed{255, 0, 0};

EntryLineEdit* entryLine(const char* name) {
    auto* field = named<EntryLineEdit>(name);
    field->setValidator(new Cp1252Validator(field));
    return field;
}

EntryComboBox* entryCombo(const char* name, const QStringList& items) {
    auto* field = named<EntryComboBox>(name);
    field->addItems(items);
    field->setValidator(new Cp1252Validator(field));
    return field;
}

QWidget* bannerFrame(MainWidgets& w) {
    auto* frame = named<QFrame>("Frame1");
    frame->setAutoFillBackground(true);
    QPalette palette = frame->palette();
    palette.setColor(QPalette::Window, kDarkGrey);
    frame->setPalette(palette);
    auto* label = named<QLabel>("Label2", main_text::kStationBannerLabel);
    setTextColour(label, Qt::white);
    w.I_Station = valueLabel("I_Station", main_text::kStationBannerLabel, CaptionSide::Before);
    setTextColour(w.I_Station, kRed);
    QFont big = w.I_Station->font();
    big.setBold(true);
    big.setPointSize(big.pointSize() + 4);
    w.I_Station->setFont(big);
    label->setFont(big);
    auto* layout = new QHBoxLayout(frame);
    layout->addWidget(label);
    layout->addWidget(w.I_Station, 1);
    return frame;
}

QWidget* clockFrames(MainWidgets& w) {
    auto* clocks = new QWidget;
    auto* layout = new QHBoxLayout(clocks);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* frame2 = named<QGroupBox>("Frame2");
    auto* frame2Layout = new QVBoxLayout(frame2);
    w.Label37 = named<QLabel>("Label37", main_text::kUtcClockDesign);
    w.Label34 = named<QLabel>("Label34", main_text::kLocalClockDesign);
    frame2Layout->addWidget(w.Label37);
    frame2Layout->addWidget(w.Label34);
    auto* frame7 = named<QGroupBox>("Frame7");
    auto* frame7Layout = new QVBoxLayout(frame7);
    w.Label33 = named<QLabel>("Label33", main_text::kDateDesign);
    frame7Layout->addWidget(w.Label33);
    for (QLabel* label : {w.Label37, w.Label34, w.Label33}) {
        QFont font = label->font();
        font.setBold(true);
        font.setPointSize(font.pointSize() + 2);
        label->setFont(font);
    }
    layout->addWidget(frame2);
    layout->addWidget(frame7);
    return clocks;
}

QWidget* topRow(MainWidgets& w) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    auto* picture = named<QSvgWidget>("Picture1", QStringLiteral(":/picture1.svg"));
    picture->setFixedSize(96, 64);
    layout->addWidget(bannerFrame(w), 1);
    layout->addWidget(picture);
    layout->addWidget(clockFrames(w));
    return row;
}

// The caption above a field is what a screen reader announces for it (else it would announce the
// frame's caption for every field).
void addField(QGridLayout* grid, int row, int column, const QString& caption, QWidget* field,
              int span = 1) {
    auto* label = new QLabel(caption);
    label->setBuddy(field);
    field->setAccessibleName(caption);
    grid->addWidget(label, row, column, 1, span);
    grid->addWidget(field, row + 1, column, 1, span);
}

QWidget* entryFrame(MainWidgets& w) {
    auto* frame = named<QGroupBox>("Frame3", main_text::kEntryFrame);
    auto* grid = new QGridLayout(frame);
    w.Bande_A = entryCombo("Bande_A", fromCp1252(kBandLabels));
    w.Ind_A = entryLine("Ind_A");
    w.Prenom_A = entryLine("Prenom_A");
    w.Ref_A = entryLine("Ref_A");
    w.Dpt_A = entryLine("Dpt_A");
    w.Date_A = entryLine("Date_A");
    w.Heure_A = entryLine("Heure_A");
    w.Mode_A = entryCombo("Mode_A", main_text::kModes);
    w.RST_A = entryLine("RST_A");
    w.RSTE_A = entryLine("RSTE_A");
    w.Rem_A = entryLine("Rem_A");
    w.QSL_A = named<EntryCheckBox>("QSL_A");
    showDesignState(w);

    addField(grid, 0, 0, main_text::kBandLabel, w.Bande_A);
    addField(grid, 0, 1, main_text::kCallsignLabel, w.Ind_A);
    addField(grid, 0, 2, main_text::kFirstNameLabel, w.Prenom_A);
    addField(grid, 0, 3, main_text::kReferenceLabel, w.Ref_A);
    addField(grid, 0, 4, main_text::kDepartementLabel, w.Dpt_A);
    addField(grid, 0, 5, main_text::kDateLabel, w.Date_A);
    addField(grid, 0, 6, main_text::kTimeLabel, w.Heure_A);
    addField(grid, 2, 0, main_text::kModeLabel, w.Mode_A);
    addField(grid, 2, 1, main_text::kReportReceivedLabel, w.RST_A);
    addField(grid, 2, 2, main_text::kReportSentLabel, w.RSTE_A);
    addField(grid, 2, 3, main_text::kSiteNameLabel, w.Rem_A, 3);
    addField(grid, 2, 6, main_text::kQslLabel, w.QSL_A);

    w.Mode_Aff = valueLabel("Mode_Aff", main_text::kEntryModeLabel, CaptionSide::Before);
    w.Mode_Aff->setText(main_text::kNewQso);
    setTextColour(w.Mode_Aff, kRed);
    setBold(w.Mode_Aff);
    grid->addWidget(named<QLabel>("Label10", main_text::kEntryModeLabel), 0, 7);
    grid->addWidget(w.Mode_Aff, 1, 7);
    grid->setColumnStretch(2, 2);
    grid->setColumnStretch(3, 1);
    // The fields the program fills in come after Mode in the Tab order: Tab and Shift+Tab go
    // between the reference and the mode as when those fields were closed, and from the reports
    // back to the mode through the departement, the date and the time.
    QWidget::setTabOrder(w.Mode_A, w.Dpt_A);
    QWidget::setTabOrder(w.Dpt_A, w.Date_A);
    QWidget::setTabOrder(w.Date_A, w.Heure_A);
    return frame;
}

QWidget* buttonRow(MainWidgets& w) {
    auto* row = new QWidget;
    auto* layout = new QHBoxLayout(row);
    layout->setContentsMargins(0, 0, 0, 0);
    w.Valide_A = namedButton("Valide_A", main_text::kCommitButton);
    w.Efface_A = namedButton("Efface_A", main_text::kClearButton);
    w.Annule_Saisie = namedButton("Annule_Saisie", main_text::kDeleteButton);
    w.Ajout_QSO = namedButton("Ajout_QSO", main_text::kInsertButton);
    w.Rechercher = namedButton("Rechercher", main_text::kSearchButton);
    w.Detail_Ref = namedButton("Detail_Ref", main_text::kDetailButton);
    w.Valide_A->setEnabled(false);
    w.Annule_Saisie->setEnabled(false);
    w.Annule_Saisie->setToolTip(main_text::kDeleteTip);
    for (QPushButton* button :
         {w.Valide_A, w.Efface_A, w.Annule_Saisie, w.Ajout_QSO, w.Rechercher, w.Detail_Ref}) {
        layout->addWidget(button);
    }
    return row;
}

QWidget* listFrame(MainWidgets& w) {
    auto* frame = named<QGroupBox>("L_Communes", main_text::kListHelp);
    frame->setFont(QFont(QStringLiteral("Arial")));
    auto* layout = new QVBoxLayout(frame);
    w.Label_Liste_PC = namedLabel("Label_Liste_PC", QString());
    w.Liste_PC = named<LogListView>("Liste_PC");
    setUpRowList(w.Liste_PC);
    const QString header = fromCp1252(listRowHeader());
    showListHeader(w.Label_Liste_PC, w.Liste_PC, header);
    w.Liste_PC->setSelectionMode(QAbstractItemView::SingleSelection);
    w.Liste_PC->setToolTip(main_text::kListHelp);
    // The frame's caption and the tool tip tell the mouse; a screen reader is told the keys.
    frame->setAccessibleName(main_text::kLogName);
    w.Liste_PC->setAccessibleName(main_text::kListKeys);
    setFieldColour(w.Liste_PC, kLightYellow);
    layout->addWidget(w.Label_Liste_PC);
    layout->addWidget(w.Liste_PC, 1);
    return frame;
}

QAction* menuAction(QMenu* menu, const char* name, const char* caption) {
    QAction* action = menu->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QAction* barAction(QMenuBar* bar, const char* name, const char* caption) {
    QAction* action = bar->addAction(QString::fromUtf8(caption));
    action->setObjectName(QString::fromLatin1(name));
    return action;
}

QMenu* barMenu(QMenuBar* bar, const char* name, const char* caption) {
    QMenu* menu = bar->addMenu(QString::fromUtf8(caption));
    menu->setObjectName(QString::fromLatin1(name));
    menu->menuAction()->setObjectName(QString::fromLatin1(name));
    return menu;
}

// Alt and a title's underlined letter opens its menu, or runs the command of the bar; no two
// titles share their letter, nor two items of a menu.
MainMenus buildMenus(QMenuBar* bar) {
    MainMenus m;
    m.Mnu_Fichier = barMenu(bar, "Mnu_Fichier", "&Fichier");
    m.Mnu_ADIF = menuAction(m.Mnu_Fichier, "Mnu_ADIF", "&Exporter le log au format ADIF");
    m.Mnu_Quitter = menuAction(m.Mnu_Fichier, "Mnu_Quitter", "&Quitter ORV_PC");
    m.Mnu_Date = barMenu(bar, "Mnu_Date", "&Date");
    m.Mnu_Date_Auto = menuAction(m.Mnu_Date, "Mnu_Date_Auto", "&Automatique");
    m.Mnu_Date_Man = menuAction(m.Mnu_Date, "Mnu_Date_Man", "&Manuelle");
    m.Mnu_Date_Auto->setCheckable(true);
    m.Mnu_Date_Man->setCheckable(true);
    m.Mnu_Date_Auto->setChecked(true);
    m.Mnu_New_Indicatif = barAction(bar, "Mnu_New_Indicatif", "S&tation");
    m.Mnu_Liste = barMenu(bar, "Mnu_Liste", "&Liste");
    m.Mnu_L_Contacte = menuAction(m.Mnu_Liste, "Mnu_L_Contacte", "des Patrimoines &contactés");
    m.Mnu_A_Contacter = menuAction(m.Mnu_Liste, "Mnu_A_Contacter", "des Patrimoines à contacte&r");
    m.Mnu_Carte = barMenu(bar, "Mnu_Carte", "&Carte");
    m.Mnu_Carte_Acti_PC =
        menuAction(m.Mnu_Carte, "Mnu_Carte_Acti_PC", "des &départements contactés");
    m.Mnu_Outils = barMenu(bar, "Mnu_Outils", "&Outils");
    m.Mnu_Maj_PC = menuAction(m.Mnu_Outils, "Mnu_Maj_PC", "Mise a jour des &références PC");
    m.Mnu_Maj_Nom_PC =
        menuAction(m.Mnu_Outils, "Mnu_Maj_Nom_PC", "Mise a jour du &nom des Patrimoines du log PC");
    m.Mnu_Adresses = menuAction(m.Mnu_Outils, "Mnu_Adresses", "&Adresses web");
    m.Mnu_Score = barAction(bar, "Mnu_Score", "&Scores");
    m.Mnu_Diplomes = barAction(bar, "Mnu_Diplomes", "Di&plomes");
    m.Mnu_Non_Recue = barAction(bar, "Mnu_Non_Recue", "&QSL's non reçues");
    m.Mnu_Cluster = barAction(bar, "Mnu_Cluster", "Afficher Cl&uster");
    m.Mnu_Reglement = barAction(bar, "Mnu_Reglement", "&Reglement");
    m.Mnu_Aide = barMenu(bar, "Mnu_Aide", "&Aide");
    m.Mnu_Apropos = menuAction(m.Mnu_Aide, "Mnu_Apropos", "A &Propos");
    m.Mnu_Historique = menuAction(m.Mnu_Aide, "Mnu_Historique", "&Historique");
    return m;
}

}  // namespace

MainWidgets buildMainWidgets(QMainWindow& window) {
    MainWidgets w;
    auto* central = new QWidget;
    auto* layout = new QVBoxLayout(central);
    layout->addWidget(topRow(w));
    layout->addWidget(entryFrame(w));
    layout->addWidget(buttonRow(w));
    layout->addWidget(listFrame(w), 1);
    window.setCentralWidget(central);
    w.menus = buildMenus(window.menuBar());
    w.Timer1 = named<QTimer>("Timer1", &window);
    w.Timer1->setInterval(1000);
    return w;
}

}  // namespace orv
