#include "ui/application_setup.h"

#include <QApplication>
#include <QIcon>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

namespace orv {

namespace {

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

}  // namespace

void setUpApplication(QApplication& application) {
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    application.setQuitOnLastWindowClosed(false);
    // The desktop shows the menu entry's name and icon for the program's windows.
    QGuiApplication::setDesktopFileName(QStringLiteral("orv_pc"));
    QApplication::setWindowIcon(QIcon(QStringLiteral(":/orv_pc.svg")));
    installQtFrenchTexts(application);
}

}  // namespace orv
