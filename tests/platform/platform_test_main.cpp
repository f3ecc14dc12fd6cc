// The platform's parts run inside one application, offscreen, as the program's own windows do.

#include <gtest/gtest.h>

#include "app/application_setup.h"

int main(int argc, char** argv) {
    const auto application = orv::makeApplication(argc, argv, orv::Display::OffscreenUnlessSet);
    testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
