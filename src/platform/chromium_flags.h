#pragma once

#include <string>
#include <string_view>

namespace orv {

// The command-line flags of the embedded browser's engine (QTWEBENGINE_CHROMIUM_FLAGS): those
// already set, then "--no-sandbox" when running as root (the engine's sandbox refuses root and
// the browser window would close at once) and "--disable-gpu" on the offscreen platform, which
// has no GPU; a flag already there is not added twice.
std::string chromiumFlags(std::string_view current, bool runningAsRoot, bool offscreen);

}  // namespace orv
