#pragma once
// The embedded web browser: a page area a window puts in its layout, told which address to show,
// and telling back how the page loads. It is loaded only when a window first shows a page
// (browser_loader.h), so the rest of the program never pays for it. The pages are other people's:
// their script dialogs (alert, confirm, prompt, leaving the page) are answered at once, as
// dismissed, and never shown, so that no page can hold the program's windows.

#include <QString>
#include <QUrl>
#include <functional>

class QWidget;

namespace orv {

struct BrowserEvents {
    std::function<void()> loadStarted;
    std::function<void(int percent)> loadProgress;
    // ok is false for a page that could not be shown (no answer, an HTTP error status); reason
    // then holds the browser's own words for it.
    std::function<void(bool ok, const QString& reason)> loadFinished;
    // The page is gone: the process that showed it ended (reason in the operator's words).
    std::function<void(const QString& reason)> pageEnded;
};

class Browser {
public:
    virtual ~Browser() = default;

    // The page area, a child of the widget given when the browser was made.
    virtual QWidget* view() = 0;
    // Shows the page at url, asked afresh from its server even when it is the page shown.
    virtual void navigate(const QUrl& url) = 0;
    // The title of the page shown, once it has loaded.
    virtual QString title() const = 0;
};

}  // namespace orv
