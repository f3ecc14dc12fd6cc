#include "ui/reports/missing_qsl_window.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QListView>
#include <QPushButton>
#include <QVBoxLayout>

#include "entry/field_checks.h"
#include "reports/missing_qsls.h"
#include "ui/kit/cp1252_validator.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/text_rows_model.h"
#include "ui/kit/widget_kit.h"

namespace orv {
namespace {

const QString kTitle = QStringLiteral("QSL's non reçues");
const QString kTitleOf = QStringLiteral("QSL's non reçues de ");
const QString kFrom = QStringLiteral("QSL's non reçues de");
const QString kClick = QStringLiteral("Cliquez");
const QString kHere = QStringLiteral("ICI");
const QString kToShow = QStringLiteral("pour les afficher");

constexpr int kResultRowWidth = 92;  // a result row and a little margin
constexpr int kShownRows = 20;

}  // namespace

MissingQslWindow::MissingQslWindow(WindowContext& context)
    : QDialog(context.mainWindow), context_(context) {
    setObjectName(QStringLiteral("Multi_QSL"));
    setWindowTitle(kTitle);

    Label2_ = namedLabel("Label2", kTitle);
    setBold(Label2_);
    QLabel* from = namedLabel("Label3", kFrom);
    Indicatif_ = new EntryLineEdit;
    nameControl(Indicatif_, "Indicatif", kFrom);
    Indicatif_->setValidator(new Cp1252Validator(Indicatif_));
    Indicatif_->beforeKey = [this](const QKeyEvent& event) { return onKey(event); };
    from->setBuddy(Indicatif_);
    Recherche_ = namedButton("Recherche", kHere);
    Recherche_->setAccessibleDescription(kToShow);
    connect(Recherche_, &QPushButton::clicked, this, &MissingQslWindow::search);

    rows_ = new TextRowsModel(this);
    Liste_PC_ = named<QListView>("Liste_PC");
    Liste_PC_->setAccessibleName(kTitle);
    Liste_PC_->setModel(rows_);
    setUpRowList(Liste_PC_);
    // Room for a whole result row and a screenful of them.
    const QFontMetrics rowFont = Liste_PC_->fontMetrics();
    Liste_PC_->setMinimumSize(rowFont.horizontalAdvance(QString(kResultRowWidth, u'M')),
                              kShownRows * rowFont.lineSpacing());

    auto* sentence = new QHBoxLayout;
    sentence->addWidget(from);
    sentence->addWidget(Indicatif_);
    sentence->addWidget(namedLabel("Label6", kClick));
    sentence->addWidget(Recherche_);
    sentence->addWidget(namedLabel("Label1", kToShow));
    sentence->addStretch(1);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label2_, 0, Qt::AlignHCenter);
    layout->addLayout(sentence);
    layout->addWidget(Liste_PC_, 1);
    Indicatif_->setFocus();
}

KeyAction MissingQslWindow::onKey(const QKeyEvent& event) {
    if (isEnterKey(event)) {
        search();
        Recherche_->setFocus();
        return KeyAction::swallow();
    }
    return mappedKey(event, typedCapital);
}

void MissingQslWindow::search() {
    const QString typed = Indicatif_->text();
    const std::string searched = cp1252Text(typed);
    if (const std::optional<std::string_view> refusal = missingQslSearchRefusal(searched)) {
        context_.services.messages.inform(this, fromUtf8(*refusal));
        return;
    }
    Label2_->setText(kTitleOf + typed);
    rows_->setRows(missingQslRows(searched, context_.log.lines()));
}

}  // namespace orv
