// What runs before the application exists, and the clock's beat.

#include <gtest/gtest.h>

#include <QTest>
#include <QTimer>

#include "platform/chromium_flags.h"
#include "platform/system_clock.h"

namespace orv {
namespace {

TEST(ChromiumFlagsTest, AddsWhatTheBrowserNeedsOnce) {
    struct Case {
        const char* current;
        bool root;
        bool offscreen;
        const char* flags;
    };
    const Case cases[] = {
        {"", false, false, ""},
        {"", true, false, "--no-sandbox"},
        {"", false, true, "--disable-gpu"},
        {"", true, true, "--no-sandbox --disable-gpu"},
        {"--lang=fr", true, false, "--lang=fr --no-sandbox"},
        {"--no-sandbox", true, true, "--no-sandbox --disable-gpu"},
        {"--no-sandboxes", true, false, "--no-sandboxes --no-sandbox"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(chromiumFlags(c.current, c.root, c.offscreen), c.flags) << c.current;
    }
}

TEST(SystemClockTest, BeatsWithTheWindowsTimer) {
    SystemClock clock;
    QTimer timer;
    timer.setInterval(10);
    int beats = 0;
    clock.startTicking(timer, [&beats] { ++beats; });
    EXPECT_TRUE(timer.isActive());
    EXPECT_TRUE(QTest::qWaitFor([&beats] { return beats >= 2; }, 2000));
}

}  // namespace
}  // namespace orv
