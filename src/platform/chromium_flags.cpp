#include "platform/chromium_flags.h"

#include <sstream>

namespace orv {
namespace {

bool hasFlag(std::string_view flags, std::string_view flag) {
    std::istringstream words{std::string(flags)};
    std::string word;
    while (words >> word) {
        if (word == flag) {
            return true;
        }
    }
    return false;
}

void addFlag(std::string& flags, std::string_view flag) {
    if (hasFlag(flags, flag)) {
        return;
    }
    if (!flags.empty()) {
        flags += ' ';
    }
    flags += flag;
}

}  // namespace

std::string chromiumFlags(std::string_view current, bool runningAsRoot, bool offscreen) {
    std::string flags(current);
    if (runningAsRoot) {
        addFlag(flags, "--no-sandbox");
    }
    if (offscreen) {
        addFlag(flags, "--disable-gpu");
    }
    return flags;
}

}  // namespace orv
