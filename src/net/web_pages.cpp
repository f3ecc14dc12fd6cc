#include "net/web_pages.h"

#include <charconv>

namespace orv {
namespace {

constexpr std::string_view kSchemeEnd = "://";

bool validBand(int index) {
    return index >= 0 && index < int(kClusterBands.size());
}

}  // namespace

std::string clusterPagePath(int bandIndex) {
    const std::string_view code = kClusterBands[validBand(bandIndex) ? bandIndex : 0].pageCode;
    const bool wholeRange = code == "euhf" || code == "euvhf";
    return std::string(wholeRange ? "/" : "/ww") + std::string(code) + "cw.html";
}

int clusterBandIndex(std::string_view stored) {
    const std::size_t start = stored.find_first_not_of(" \t");
    if (start == std::string_view::npos) {
        return 0;
    }
    stored.remove_prefix(start);
    int index = 0;
    const auto [end, error] = std::from_chars(stored.data(), stored.data() + stored.size(), index);
    return error == std::errc{} && validBand(index) ? index : 0;
}

std::string siteHost(std::string_view address) {
    const std::size_t schemeEnd = address.find(kSchemeEnd);
    if (schemeEnd == std::string_view::npos) {
        return std::string(address);
    }
    std::string_view host = address.substr(schemeEnd + kSchemeEnd.size());
    host = host.substr(0, host.find('/'));
    // An IPv6 host is written in brackets, its colons inside them.
    const std::size_t portFrom = host.starts_with('[') ? host.find(']') : 0;
    const std::size_t colon = host.find(':', portFrom == std::string_view::npos ? 0 : portFrom);
    return std::string(host.substr(0, colon));
}

}  // namespace orv
