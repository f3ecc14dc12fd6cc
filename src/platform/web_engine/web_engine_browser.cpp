// The embedded browser on QtWebEngine, built as a module of its own that the program loads when a
// window first shows a web page (platform/browser_loader.cpp).

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

class WebEngineBrowser final : public Browser {
public:
    WebEngineBrowser(QWidget* parent, const BrowserEvents& events)
        : view_(new QWebEngineView(parent)), events_(std::make_unique<QObject>()) {
        QObject::connect(view_->page(), &QWebEnginePage::loadingChanged, events_.get(),
                         [events](const QWebEngineLoadingInfo& info) { report(events, info); });
        QObject::connect(view_, &QWebEngineView::loadProgress, events_.get(),
                         [events](int percent) { events.loadProgress(percent); });
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
