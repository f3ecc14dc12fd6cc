#pragma once
// "WebBrowser1", the page area of the cluster and rules windows: the embedded browser, made with
// its window, showing a page of the site an address setting names; a progress bar while the page
// loads; in place of a page that cannot be shown, a short message with the address tried and the
// setting that gives it; and in place of a page that went away, the address and why.

#include <QUrl>
#include <QWidget>
#include <memory>
#include <string_view>

#include "net/web_address.h"
#include "platform/settings_store.h"

class QLabel;
class QProgressBar;
class QStackedLayout;

namespace orv {

class Browser;

class WebPageView final : public QWidget {
    Q_OBJECT

public:
    // description is what a screen reader announces for the page area; site the address setting
    // (group "Adresses" of PC.ini) of the pages shown.
    WebPageView(const QString& description, const SettingsStore& settings,
                const AddressSetting& site, QWidget* parent = nullptr);
    ~WebPageView() override;

    // The address of the site as the setting gives it now.
    QString siteAddress() const;
    // Asks for the page at path on the site afresh, even when it is the one shown; says why in
    // place of the page when the setting is not a valid address.
    void showPageAt(std::string_view path);

    QUrl address() const { return address_; }
    QString pageTitle() const;
    bool loading() const;
    // The message shown in place of the page, empty while a page is shown.
    QString message() const;

signals:
    // The page asked for is shown, or its message is (also when a page shown goes away).
    void pageFinished(bool shown);

private:
    void showMessage(const QString& text);
    void started();
    void finished(bool ok, const QString& reason);
    void ended(const QString& reason);

    const SettingsStore& settings_;
    AddressSetting site_;
    QUrl address_;
    QProgressBar* progress_ = nullptr;
    QLabel* message_ = nullptr;
    QStackedLayout* stack_ = nullptr;
    std::unique_ptr<Browser> browser_;
};

}  // namespace orv
