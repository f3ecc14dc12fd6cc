// The widget tests run real windows offscreen, in one application for the whole program.

#include <gtest/gtest.h>

#include <QApplication>

#include "ui/application_setup.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QApplication application(argc, argv);
    orv::setUpApplication(application);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
