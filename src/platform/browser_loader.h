#pragma once

#include <QString>
#include <memory>

#include "platform/browser.h"

namespace orv {

struct LoadedBrowser {
    std::unique_ptr<Browser> browser;  // nullptr when the browser component could not be loaded
    QString error;                     // then why, in the system's words
};

// A browser whose page area is a child of parent. The first call loads the browser component
// (QtWebEngine, 150 MB of library and an OpenGL context shared with it), which a program that
// only logs QSOs never loads.
LoadedBrowser loadBrowser(QWidget* parent, BrowserEvents events);

}  // namespace orv
