#include "ui/application_setup.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QStyleFactory>
#include <QTranslator>

namespace orv {

void setUpApplication(QApplication& application) {
    application.setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    application.setQuitOnLastWindowClosed(false);
    auto* qtTexts = new QTranslator(&application);
    if (qtTexts->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                      QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        application.installTranslator(qtTexts);
    }
}

}  // namespace orv
