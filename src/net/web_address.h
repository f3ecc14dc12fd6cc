#pragma once
// The program's web addresses are settings (PC.ini, group "Adresses"): each a scheme, a host and an
// optional port, without a path; the program appends the path of what it fetches. The defaults are
// written at the first start so that the operator can see and change them.

#include <optional>
#include <string>
#include <string_view>

namespace orv {

struct AddressSetting {
    std::string_view key;
    std::string_view defaultAddress;
};

inline constexpr std::string_view kAddressSection = "Adresses";
inline constexpr AddressSetting kListAddress{"Liste PC", "http://velmora.example"};
inline constexpr AddressSetting kClusterAddress{"Cluster", "http://cluster.velmora.example"};
inline constexpr AddressSetting kRulesAddress{"Reglement", "http://velmora.example"};
inline constexpr AddressSetting kAddressSettings[] = {kListAddress, kClusterAddress, kRulesAddress};

inline constexpr std::string_view kReferenceListUrlPath = "/Velmora/Liste_PC.csv";

// The address in its usual form ("http" or "https", "://", a host of letters, digits, "-" and ".",
// or an IPv6 address in brackets, then optionally ":" and a port from 1 to 65535), without the
// blanks around it or a final "/". Nothing for any other text, a path included.
std::optional<std::string> normalizedAddress(std::string_view address);

// The address of a document on the site of an address setting; nothing when the setting is not a
// valid address.
std::optional<std::string> urlOnSite(std::string_view address, std::string_view path);

// Why an address setting read from PC.ini is refused (UTF-8, for a message box).
std::string invalidAddressMessage(const AddressSetting& setting, std::string_view address);

// Why an address typed in the window "Adresses web" is refused (UTF-8): names its field.
std::string refusedAddressMessage(const AddressSetting& setting, std::string_view typed);

}  // namespace orv
