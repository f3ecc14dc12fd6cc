#include "platform/browser_loader.h"

#include <QCoreApplication>
#include <QDir>
#include <QLibrary>
#include <QOpenGLContext>

// Qt's own setter of the OpenGL context every other context shares (QtGui exports it; its
// declaration stands in a private header).
Q_GUI_EXPORT void qt_gl_set_global_share_context(QOpenGLContext* context);
Q_GUI_EXPORT QOpenGLContext* qt_gl_global_share_context();

namespace orv {
namespace {

// The function the browser module exports (src/platform/web_engine/web_engine_browser.cpp).
using MakeBrowser = Browser* (*)(QWidget* parent, const BrowserEvents* events);
const char kMakeBrowser[] = "orvMakeBrowser";
const QString kModule = QStringLiteral("liborv_browser.so");

// Where the module is, from the program's folder: installed, under the prefix's library folder;
// built, beside the program, or one folder up for the test and benchmark programs.
QStringList moduleCandidates() {
    const QDir program(QCoreApplication::applicationDirPath());
    return {program.filePath(QStringLiteral(ORV_BROWSER_FROM_PROGRAM "/") + kModule),
            program.filePath(kModule), program.filePath(QStringLiteral("../") + kModule)};
}

// The engine draws through an OpenGL context shared with Qt's. Qt makes one at start-up only when
// asked before the application exists, which costs every start; the engine, loaded later, finds
// this one instead, as it would have.
void shareOpenGlContexts() {
    if (qt_gl_global_share_context() != nullptr) {
        return;
    }
    auto* context = new QOpenGLContext(QCoreApplication::instance());
    context->create();
    qt_gl_set_global_share_context(context);
}

MakeBrowser loadModule(QString& error) {
    static MakeBrowser make = nullptr;
    if (make != nullptr) {
        return make;
    }
    shareOpenGlContexts();
    QStringList errors;
    for (const QString& candidate : moduleCandidates()) {
        // Never unloaded: the pages it made live on until their windows close.
        auto* library = new QLibrary(candidate, QCoreApplication::instance());
        make = reinterpret_cast<MakeBrowser>(library->resolve(kMakeBrowser));
        if (make != nullptr) {
            return make;
        }
        errors << library->errorString();
        delete library;
    }
    error = errors.join(QStringLiteral("; "));
    return nullptr;
}

}  // namespace

LoadedBrowser loadBrowser(QWidget* parent, BrowserEvents events) {
    LoadedBrowser loaded;
    if (const MakeBrowser make = loadModule(loaded.error)) {
        loaded.browser.reset(make(parent, &events));
    }
    return loaded;
}

}  // namespace orv
