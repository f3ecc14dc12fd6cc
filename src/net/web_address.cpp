#include "net/web_address.h"

#include <algorithm>
#include <charconv>

#include "model/log_line.h"

namespace orv {
namespace {

constexpr std::string_view kSchemeEnd = "://";
constexpr std::string_view kAddressForm =
    "doit être de la forme http://serveur ou https://serveur:port, sans chemin.";

bool isHostCharacter(char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c == '-' ||
           c == '.';
}

bool isIpv6Character(char c) {
    return (c >= 'a' && c <= 'f') || (c >= 'A' && c <= 'F') || (c >= '0' && c <= '9') || c == ':' ||
           c == '.';
}

bool validHost(std::string_view host) {
    if (host.size() > 2 && host.front() == '[' && host.back() == ']') {
        return std::all_of(host.begin() + 1, host.end() - 1, isIpv6Character);
    }
    return !host.empty() && host.front() != '.' && host.front() != '-' &&
           std::all_of(host.begin(), host.end(), isHostCharacter);
}

bool validPort(std::string_view port) {
    unsigned value = 0;
    const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
    return error == std::errc{} && end == port.data() + port.size() && port.size() <= 5 &&
           value >= 1 && value <= 65'535;
}

// The place of the ":" before the port, or npos; the colons of an IPv6 host are inside brackets.
std::size_t portSeparator(std::string_view hostAndPort) {
    const std::size_t colon = hostAndPort.rfind(':');
    const std::size_t bracket = hostAndPort.rfind(']');
    return colon != std::string_view::npos && (bracket == std::string_view::npos || colon > bracket)
               ? colon
               : std::string_view::npos;
}

}  // namespace

std::optional<std::string> normalizedAddress(std::string_view address) {
    address = trimBlanks(address);
    if (address.ends_with('/')) {
        address.remove_suffix(1);
    }
    const std::size_t schemeEnd = address.find(kSchemeEnd);
    if (schemeEnd == std::string_view::npos) {
        return std::nullopt;
    }
    const std::string_view scheme = address.substr(0, schemeEnd);
    const std::string_view hostAndPort = address.substr(schemeEnd + kSchemeEnd.size());
    const std::size_t colon = portSeparator(hostAndPort);
    const bool portOk = colon == std::string_view::npos || validPort(hostAndPort.substr(colon + 1));
    if ((scheme != "http" && scheme != "https") || !portOk ||
        !validHost(hostAndPort.substr(0, colon))) {
        return std::nullopt;
    }
    return std::string(address);
}

std::optional<std::string> urlOnSite(std::string_view address, std::string_view path) {
    std::optional<std::string> url = normalizedAddress(address);
    if (url) {
        *url += path;
    }
    return url;
}

std::string invalidAddressMessage(const AddressSetting& setting, std::string_view address) {
    return "L'adresse « " + std::string(address) + " » du réglage \"" + std::string(setting.key) +
           "\" (groupe Adresses de PC.ini) n'est pas valide : elle " + std::string(kAddressForm) +
           " Corrigez-la dans Outils > Adresses web.";
}

std::string refusedAddressMessage(const AddressSetting& setting, std::string_view typed) {
    const std::string field = "« " + std::string(setting.key) + " »";
    const std::string what = trimBlanks(typed).empty()
                                 ? "Le champ " + field + " est vide : l'adresse "
                                 : "L'adresse « " + std::string(typed) + " » du champ " + field +
                                       " n'est pas valide : elle ";
    return what + std::string(kAddressForm) + " Aucune adresse n'a été enregistrée.";
}

}  // namespace orv
