#include "ui/tools/detail_window.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "model/reference_list.h"
#include "ui/kit/field_colours.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/widget_kit.h"

namespace orv {
namespace {

const QString kTitle = QStringLiteral("Détail d'une référence Patrimoine");
const QString kReferenceCaption = QStringLiteral("Référence du Patrimoine:");
const QString kNameCaption = QStringLiteral("Nom du Patrimoine :");
const QString kNumberCaption = QStringLiteral("Numéro du Patrimoine :");
const QString kCommuneCaption = QStringLiteral("Commune :");
const QString kNothingFound = QStringLiteral("pas de détails trouvés pour cette référence");

QLineEdit* detailField(const char* name, const QString& caption) {
    auto* field = new QLineEdit;
    nameControl(field, name, caption);
    field->setReadOnly(true);
    field->setMinimumWidth(380);
    setFieldColour(field, kLightYellow);
    return field;
}

}  // namespace

DetailWindow::DetailWindow(WindowContext& context)
    : QDialog(context.mainWindow), context_(context) {
    setObjectName(QStringLiteral("Detail"));
    setWindowTitle(kTitle);

    auto* frame1 = named<QGroupBox>("Frame1");
    auto* frame1Layout = new QVBoxLayout(frame1);
    QLabel* title = namedLabel("Label2", kTitle);
    setBold(title);
    frame1Layout->addWidget(title, 0, Qt::AlignHCenter);

    Ref_P_ = detailField("Ref_P", kReferenceCaption);
    Nom_P_ = detailField("Nom_P", kNameCaption);
    Num_P_ = detailField("Num_P", kNumberCaption);
    Com_P_ = detailField("Com_P", kCommuneCaption);
    auto* frame2 = named<QGroupBox>("Frame2");
    auto* fields = new QFormLayout(frame2);
    fields->addRow(namedLabel("Label4", kReferenceCaption), Ref_P_);
    fields->addRow(namedLabel("Label5", kNameCaption), Nom_P_);
    fields->addRow(namedLabel("Label6", kNumberCaption), Num_P_);
    fields->addRow(namedLabel("Label3", kCommuneCaption), Com_P_);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(frame1);
    layout->addWidget(frame2);
}

void DetailWindow::showFor(const std::string& reference) {
    Ref_P_->setText(fromCp1252(reference));
    for (QLineEdit* field : {Nom_P_, Num_P_, Com_P_}) {
        field->clear();
    }
    const FoundSite found = findSite(context_.log.files().referenceList(), reference);
    if (found.outcome == SiteSearch::NoList) {
        context_.services.messages.inform(this, fromUtf8(kListUnreadable));
        return;
    }
    if (found.outcome == SiteSearch::Found) {
        Nom_P_->setText(fromCp1252(found.site.name));
        Num_P_->setText(fromCp1252(found.site.number));
        Com_P_->setText(fromCp1252(communeOf(found.site)));
    }
    if (Nom_P_->text().isEmpty()) {
        context_.services.messages.inform(this, kNothingFound);
    }
}

}  // namespace orv
