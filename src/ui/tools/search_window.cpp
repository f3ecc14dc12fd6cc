#include "ui/tools/search_window.h"

#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QListView>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "entry/field_checks.h"
#include "ui/kit/cp1252_validator.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/list_header.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/text_rows_model.h"
#include "ui/kit/widget_kit.h"

namespace orv {
namespace {

const QString kTitle = QStringLiteral("Rechercher un QSO");
const QString kSearchBy = QStringLiteral("Rechercher un QSO par ...");
const QString kCallsignOption = QStringLiteral("Indicatif");
const QString kReferenceOption = QStringLiteral("N° PC");
const QString kDepartementOption = QStringLiteral("Dpt");
const QString kResultsHelp = QStringLiteral("Double clique sur le QSO pour retour au log");
// What a screen reader is told of the results, in place of the mouse's help.
const QString kResultsKeys = QStringLiteral("QSO trouvés, Entrée ramène au QSO dans le log");
const QString kQuit = QStringLiteral("Quitter");

}  // namespace

SearchWindow::SearchWindow(WindowContext& context, std::function<void(int row)> selectRow)
    : QDialog(context.mainWindow), context_(context), selectRow_(std::move(selectRow)) {
    setObjectName(QStringLiteral("Recherche_Indicatif"));
    setWindowTitle(kTitle);

    auto* frame1 = named<QGroupBox>("Frame1");
    auto* frame1Layout = new QVBoxLayout(frame1);
    QLabel* searchBy = namedLabel("Label3", kSearchBy);
    setBold(searchBy);
    frame1Layout->addWidget(searchBy);

    QGroupBox* frame2 = buildChoices();
    const QFont listFont = rowListFont();
    QLabel* header = namedLabel("Label13", fromUtf8(kSearchHeader));
    header->setFont(listFont);
    buildResults(listFont);
    describeColumns(QSO_Effectues_, header->text());

    QPushButton* quit = namedButton("Command1", kQuit);
    connect(quit, &QPushButton::clicked, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(frame2);
    layout->addWidget(header);
    layout->addWidget(QSO_Effectues_, 1);
    layout->addWidget(quit, 0, Qt::AlignRight);

    fields_[0].field->clear();
    fields_[0].field->setFocus();
}

// The three kinds of search, each an option and its field; the callsign is chosen at first.
QGroupBox* SearchWindow::buildChoices() {
    fields_ = {{{SearchKind::Callsign}, {SearchKind::Reference}, {SearchKind::Departement}}};
    buildField(fields_[0], "Indica", "Option1_1", kCallsignOption);
    buildField(fields_[1], "Data", "Option1_2", kReferenceOption);
    buildField(fields_[2], "Depa", "Option1_3", kDepartementOption);
    auto* frame2 = named<QGroupBox>("Frame2");
    auto* choices = new QGridLayout(frame2);
    for (int i = 0; i < int(fields_.size()); ++i) {
        choices->addWidget(fields_[std::size_t(i)].option, i, 0);
        choices->addWidget(fields_[std::size_t(i)].field, i, 1);
    }
    fields_[0].option->setChecked(true);
    return frame2;
}

void SearchWindow::buildResults(const QFont& font) {
    results_ = new TextRowsModel(this);
    QSO_Effectues_ = new QListView;
    nameControl(QSO_Effectues_, "QSO_Effectues", kResultsKeys);
    QSO_Effectues_->setModel(results_);
    setUpRowList(QSO_Effectues_, font);
    QSO_Effectues_->setToolTip(kResultsHelp);
    QSO_Effectues_->setMinimumSize(820, 260);
    setFieldColour(QSO_Effectues_, kLightYellow);
    QSO_Effectues_->viewport()->installEventFilter(this);
    // Entrée on a result is the keyboard's double click.
    connect(QSO_Effectues_, &QListView::activated, this,
            [this](const QModelIndex& index) { onResultDoubleClicked(index.row()); });
}

void SearchWindow::buildField(SearchField& search, const char* fieldName, const char* optionName,
                              const QString& caption) {
    search.field = new EntryLineEdit;
    nameControl(search.field, fieldName, caption);
    search.field->setValidator(new Cp1252Validator(search.field));
    setFieldColour(search.field, kLightYellow);
    search.field->installEventFilter(this);
    search.field->beforeKey = [this, &search](const QKeyEvent& event) {
        return onKey(search, event);
    };
    search.option = new QRadioButton(caption);
    nameControl(search.option, optionName, caption);
    connect(search.option, &QRadioButton::clicked, search.field,
            [&search] { search.field->setFocus(); });
}

// Coming into a field chooses its kind of search; a double click on a result goes back to the log.
bool SearchWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick && QSO_Effectues_ &&
        watched == QSO_Effectues_->viewport()) {
        const QPoint place = static_cast<QMouseEvent*>(event)->position().toPoint();
        onResultDoubleClicked(QSO_Effectues_->indexAt(place).row());
        return true;
    }
    if (event->type() == QEvent::FocusIn) {
        for (SearchField& search : fields_) {
            if (watched == search.field) {
                search.option->setChecked(true);
            }
        }
    }
    return QDialog::eventFilter(watched, event);
}

KeyAction SearchWindow::onKey(const SearchField& search, const QKeyEvent& event) {
    if (isEnterKey(event)) {
        onEnter(search);
        return KeyAction::swallow();
    }
    if (search.kind == SearchKind::Departement) {
        return KeyAction::pass();
    }
    return mappedKey(event, typedCapital);
}

void SearchWindow::onEnter(const SearchField& search) {
    // The validator keeps out what Windows-1252 cannot hold, so the conversion always succeeds.
    const SearchEntry entry =
        checkSearchEntry(search.kind, toCp1252(search.field->text()).value_or(std::string()));
    if (search.kind == SearchKind::Departement) {
        search.field->setText(fromCp1252(entry.text));
    }
    if (entry.refusal) {
        context_.services.messages.inform(this, fromUtf8(*entry.refusal));
        if (entry.clearField) {
            search.field->clear();
        }
        return;
    }
    Recherche_QSO(search.kind, entry.text);
}

void SearchWindow::Recherche_QSO(SearchKind kind, const std::string& text) {
    found_ = searchLog(context_.log.lines(), kind, text);
    std::vector<std::string> lines;
    lines.reserve(found_.size());
    for (const SearchResult& result : found_) {
        lines.push_back(result.line);
    }
    results_->setRows(std::move(lines));
    if (found_.empty()) {
        context_.services.messages.inform(this, fromUtf8(kNoQsoFound));
    }
    for (const SearchField& search : fields_) {
        search.field->clear();
    }
}

void SearchWindow::onResultDoubleClicked(int result) {
    if (result < 0 || std::size_t(result) >= found_.size()) {
        return;
    }
    selectRow_(int(found_[std::size_t(result)].rowIndex));
    close();
}

}  // namespace orv
