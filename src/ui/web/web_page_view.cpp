#include "ui/web/web_page_view.h"

#include <QLabel>
#include <QProgressBar>
#include <QShortcut>
#include <QStackedLayout>
#include <QVBoxLayout>

#include "platform/browser_loader.h"
#include "ui/context/web_address_settings.h"
#include "ui/kit/text_codec.h"
#include "ui/kit/widget_kit.h"

namespace orv {
namespace {

const QString kLoading = QStringLiteral("Chargement de la page");
const QString kNotShown = QStringLiteral(
    "La page n'a pas pu être affichée :\n%1\n(%2)\n\nVérifiez la connexion à Internet, et "
    "l'adresse « %3 » du groupe Adresses de PC.ini.");
const QString kEnded = QStringLiteral(
    "La page n'est plus affichée :\n%1\n(%2)\n\nDemandez-la de nouveau pour l'afficher.");
const QString kNoBrowser = QStringLiteral("Le navigateur intégré n'a pas pu être chargé :\n%1");

QLabel* messageLabel() {
    QLabel* label = namedLabel("Message_Page", QString());
    label->setAlignment(Qt::AlignCenter);
    label->setWordWrap(true);
    // The address can be read again and copied, from the keyboard too.
    label->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    return label;
}

}  // namespace

WebPageView::WebPageView(const QString& description, const SettingsStore& settings,
                         const AddressSetting& site, QWidget* parent)
    : QWidget(parent), settings_(settings), site_(site) {
    setObjectName(QStringLiteral("WebBrowser1"));
    progress_ = named<QProgressBar>("Chargement");
    progress_->setAccessibleName(kLoading);
    progress_->setRange(0, 100);
    progress_->hide();
    message_ = messageLabel();

    auto* pages = new QWidget;
    stack_ = new QStackedLayout(pages);
    BrowserEvents events{[this] { started(); },
                         [this](int percent) { progress_->setValue(percent); },
                         [this](bool ok, const QString& reason) { finished(ok, reason); },
                         [this](const QString& reason) { ended(reason); }};
    LoadedBrowser loaded = loadBrowser(pages, std::move(events));
    browser_ = std::move(loaded.browser);
    if (browser_) {
        browser_->view()->setAccessibleName(description);
        stack_->addWidget(browser_->view());
    }
    stack_->addWidget(message_);
    if (!browser_) {
        showMessage(kNoBrowser.arg(loaded.error));
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(progress_);
    layout->addWidget(pages, 1);

    // The page keeps the keys it is given, Escape included: without this the keyboard could not
    // close a window whose page has the focus.
    auto* escape = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    escape->setContext(Qt::WindowShortcut);
    connect(escape, &QShortcut::activated, this, [this] { window()->close(); });
}

WebPageView::~WebPageView() = default;

QString WebPageView::siteAddress() const {
    return addressSetting(settings_, site_);
}

void WebPageView::showPageAt(std::string_view path) {
    const std::string site = siteAddress().toStdString();
    const std::optional<std::string> url = urlOnSite(site, path);
    if (!url) {
        showMessage(fromUtf8(invalidAddressMessage(site_, site)));
        return;
    }
    address_ = QUrl(QString::fromStdString(*url));
    if (browser_) {
        started();
        browser_->navigate(address_);
    }
}

void WebPageView::showMessage(const QString& text) {
    progress_->hide();
    message_->setText(text);
    stack_->setCurrentWidget(message_);
}

QString WebPageView::pageTitle() const {
    return browser_ ? browser_->title() : QString();
}

bool WebPageView::loading() const {
    return progress_->isVisibleTo(this);
}

QString WebPageView::message() const {
    return stack_->currentWidget() == message_ ? message_->text() : QString();
}

void WebPageView::started() {
    progress_->setValue(0);
    progress_->show();
}

void WebPageView::finished(bool ok, const QString& reason) {
    if (ok) {
        progress_->hide();
        stack_->setCurrentWidget(browser_->view());
    } else {
        showMessage(kNotShown.arg(address_.toString(), reason, fromUtf8(site_.key)));
    }
    emit pageFinished(ok);
}

void WebPageView::ended(const QString& reason) {
    showMessage(kEnded.arg(address_.toString(), reason));
    emit pageFinished(false);
}

}  // namespace orv
