// The embedded browser on QtWebEngine, built as a module of its own that the program loads when a
// window first shows a web page (platform/browser_loader.cpp).

#include <QCoreApplication>
#include <QWebEngineLoadingInfo>
#include <QWebEngineProfile>
#include <QWebEngineView>
#include <memory>

#include "platform/browser.h"

namespace orv {
namespace {

QString failureReason(const QWebEngineLoadingInfo& info) {
    if (info.errorDomain() == QWebEngineLoadingInfo::HttpStatusCodeDomain) {
        return QStringLiteral("HTTP %1").arg(info.errorCode());
    }
    return info.errorString();
}

QString endReason(QWebEnginePage::RenderProcessTerminationStatus status, int exitCode) {
    switch (status) {
        case QWebEnginePage::NormalTerminationStatus:
            return QStringLiteral("le moteur de la page s'est arrêté");
        case QWebEnginePage::AbnormalTerminationStatus:
            return QStringLiteral("le moteur de la page s'est arrêté en erreur, code %1")
                .arg(exitCode);
        case QWebEnginePage::CrashedTerminationStatus:
            return QStringLiteral("le moteur de la page a planté, code %1").arg(exitCode);
        case QWebEnginePage::KilledTerminationStatus:
            break;
    }
    return QStringLiteral("le moteur de la page a été arrêté par le système, code %1")
        .arg(exitCode);
}

// A page whose script dialogs are answered at once and never shown: shown, each would hold every
// window of the program until answered, and a page may ask again and again. Leaving the page is
// agreed to, so that the next page asked for is always shown; anything else is declined.
class QuietPage final : public QWebEnginePage {
public:
    using QWebEnginePage::QWebEnginePage;

protected:
    void javaScriptAlert(const QUrl&, const QString&) override {}
    bool javaScriptConfirm(const QUrl&, const QString& message) override {
        // The engine asks whether to leave a page that wants to be asked, with these words.
        return message == QCoreApplication::translate(
                              "QWebEnginePage",
                              "Are you sure you want to leave this page? Changes that you made "
                              "may not be saved.");
    }
    bool javaScriptPrompt(const QUrl&, const QString&, const QString&, QString*) override {
        return false;
    }
};

class WebEngineBrowser final : public Browser {
public:
    WebEngineBrowser(QWidget* parent, const BrowserEvents& events)
        : view_(new QWebEngineView(parent)), events_(std::make_unique<QObject>()) {
        view_->setPage(new QuietPage(view_));
        QWebEnginePage* page = view_->page();
        QObject::connect(page, &QWebEnginePage::loadingChanged, events_.get(),
                         [events](const QWebEngineLoadingInfo& info) { report(events, info); });
        QObject::connect(view_, &QWebEngineView::loadProgress, events_.get(),
                         [events](int percent) { events.loadProgress(percent); });
        QObject::connect(page, &QWebEnginePage::renderProcessTerminated, events_.get(),
                         [events](QWebEnginePage::RenderProcessTerminationStatus status,
                                  int exitCode) { events.pageEnded(endReason(status, exitCode)); });
    }

    // The events end first: the page says nothing more while it goes.
    ~WebEngineBrowser() override {
        events_.reset();
        delete view_;
    }

    QWidget* view() override { return view_; }
    void navigate(const QUrl& url) override { view_->load(url); }
    QString title() const override { return view_->title(); }

private:
    static void report(const BrowserEvents& events, const QWebEngineLoadingInfo& info) {
        switch (info.status()) {
            case QWebEngineLoadingInfo::LoadStartedStatus:
                events.loadStarted();
                return;
            case QWebEngineLoadingInfo::LoadSucceededStatus:
            case QWebEngineLoadingInfo::LoadStoppedStatus:
                events.loadFinished(true, {});
                return;
            case QWebEngineLoadingInfo::LoadFailedStatus:
                events.loadFinished(false, failureReason(info));
                return;
        }
    }

    QWebEngineView* view_;
    std::unique_ptr<QObject> events_;
};

// Pages change every minute and are asked for again on each command: nothing is kept, neither on
// disk (the default profile keeps nothing there) nor in a cache.
void prepareProfile() {
    static const bool prepared = [] {
        QWebEngineProfile::defaultProfile()->setHttpCacheType(QWebEngineProfile::NoCache);
        return true;
    }();
    Q_UNUSED(prepared);
}

}  // namespace
}  // namespace orv

extern "C" Q_DECL_EXPORT orv::Browser* orvMakeBrowser(QWidget* parent,
                                                      const orv::BrowserEvents* events) {
    orv::prepareProfile();
    return new orv::WebEngineBrowser(parent, *events);
}
