#include "app/application_setup.h"

#include <unistd.h>

#include <QIcon>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

#include "platform/chromium_flags.h"
#include "platform/memory_tuning.h"
#include "ui/access/accessibility.h"

// The resources are linked into the ui library, whose initialiser a static link would leave out.
static void loadResources() {
    Q_INIT_RESOURCE(resources);
}

namespace orv {
namespace {

void prepareProcess(Display display) {
    if (display == Display::OffscreenUnlessSet && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    keepMemoryBetweenRewrites();
    const bool offscreen = qgetenv("QT_QPA_PLATFORM") == "offscreen";
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS",
            QByteArray::fromStdString(chromiumFlags(
                qgetenv("QTWEBENGINE_CHROMIUM_FLAGS").toStdString(), geteuid() == 0, offscreen)));
}

// Installed, the program carries Qt's French texts in its own prefix; built, it reads Qt's own.
void installQtFrenchTexts(QApplication& application) {
    const QString folders[] = {
        QCoreApplication::applicationDirPath() + QStringLiteral("/" ORV_TRANSLATIONS_FROM_PROGRAM),
        QLibraryInfo::path(QLibraryInfo::TranslationsPath)};
    auto* qtTexts = new QTranslator(&application);
    for (const QString& folder : folders) {
        if (qtTexts->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          folder)) {
            application.installTranslator(qtTexts);
            return;
        }
    }
}

void setUp(QApplication& application) {
    loadResources();
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    application.setQuitOnLastWindowClosed(false);
    // The desktop shows the menu entry's name and icon for the program's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("orv_pc"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/orv_pc.svg")));
    installQtFrenchTexts(application);
    installAccessibility(application);
}

}  // namespace

std::unique_ptr<QApplication> makeApplication(int& argc, char** argv, Display display) {
    prepareProcess(display);
    auto application = std::make_unique<QApplication>(argc, argv);
    setUp(*application);
    return application;
}

}  // namespace orv
