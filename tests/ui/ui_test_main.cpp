// The widget tests run real windows offscreen, in one application for the whole program.

#include <gtest/gtest.h>

#include "app/application_setup.h"

int main(int argc, char** argv) {
    const auto application = orv::makeApplication(argc, argv, orv::Display::OffscreenUnlessSet);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
