#include "ui/tools/web_address_window.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/context/web_address_settings.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/widget_kit.h"

namespace orv {
namespace {

const QString kTitle = QStringLiteral("Adresses web");
const QString kExplanation = QStringLiteral(
    "L'adresse de chaque site : http:// ou https://, le nom du serveur et, s'il le faut, « :port »,"
    " sans chemin.");
const QString kSave = QStringLiteral("Enregistrer");
const QString kCancel = QStringLiteral("Annuler");

// The names of each setting's field and label, in the order of kAddressSettings.
constexpr std::array<std::pair<const char*, const char*>, 3> kFieldNames = {{
    {"Adr_Liste_PC", "Label2"},
    {"Adr_Cluster", "Label3"},
    {"Adr_Reglement", "Label4"},
}};
// Room for an address with a long host name and a port.
constexpr int kFieldCharacters = 45;

}  // namespace

WebAddressWindow::WebAddressWindow(WindowContext& context)
    : QDialog(context.mainWindow), context_(context) {
    setObjectName(QStringLiteral("Adresses_Web"));
    setWindowTitle(kTitle);

    auto* form = new QFormLayout;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const QString caption = fromUtf8(kAddressSettings[i].key);
        fields_[i] = new QLineEdit(addressSetting(context.services.settings, kAddressSettings[i]));
        nameControl(fields_[i], kFieldNames[i].first, caption);
        fields_[i]->setMinimumWidth(fontMetrics().averageCharWidth() * kFieldCharacters);
        QLabel* label = namedLabel(kFieldNames[i].second, caption);
        label->setBuddy(fields_[i]);
        form->addRow(label, fields_[i]);
    }

    QPushButton* save = namedButton("Enregistrer", kSave);
    save->setDefault(true);  // Enter in a field saves
    QPushButton* cancel = namedButton("Annuler", kCancel);
    connect(save, &QPushButton::clicked, this, &WebAddressWindow::save);
    connect(cancel, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(save);
    buttons->addWidget(cancel);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(namedLabel("Label1", kExplanation));
    layout->addLayout(form);
    layout->addLayout(buttons);
    fields_.front()->setFocus();
}

// The first field that holds no address is explained and given the keyboard; nothing is saved
// until all three are addresses.
void WebAddressWindow::save() {
    std::array<QString, 3> addresses;
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        const std::string typed = fields_[i]->text().toStdString();
        const std::optional<std::string> address = normalizedAddress(typed);
        if (!address) {
            context_.services.messages.inform(
                this, fromUtf8(refusedAddressMessage(kAddressSettings[i], typed)));
            fields_[i]->setFocus();
            fields_[i]->selectAll();
            return;
        }
        addresses[i] = QString::fromStdString(*address);
    }
    for (std::size_t i = 0; i < fields_.size(); ++i) {
        saveAddressSetting(context_.services.settings, kAddressSettings[i], addresses[i]);
    }
    close();
}

}  // namespace orv
