#include "reports/departement_code.h"

namespace orv {
namespace {

constexpr int kNumberCap = 1'000;

}  // namespace

int corsicanNumber(std::string_view departement) {
    if (departement == "2A" || departement == "2a") {
        return kCorsicaSouth;
    }
    if (departement == "2B" || departement == "2b") {
        return kCorsicaNorth;
    }
    return 0;
}

int leadingNumber(std::string_view text) {
    int value = 0;
    for (const char c : text) {
        if (c < '0' || c > '9') {
            break;
        }
        value = value * 10 + (c - '0');
        if (value >= kNumberCap) {
            return kNumberCap;
        }
    }
    return value;
}

int departementNumber(std::string_view departement) {
    const int corsican = corsicanNumber(departement);
    return corsican != 0 ? corsican : leadingNumber(departement);
}

}  // namespace orv
