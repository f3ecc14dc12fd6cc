#pragma once
// The two web pages the program shows in its embedded browser: the DX-cluster spots of one band
// and the award's rules. Each address setting gives a site (scheme, host, optional port); these
// rules give the page on it.

#include <array>
#include <string>
#include <string_view>

namespace orv {

// One entry of the cluster window's band list: the item shown and the code of its page.
struct ClusterBand {
    std::string_view item;
    std::string_view pageCode;
};

// In the order of the list; the index counts from 0 and is what the settings keep. Unlike the
// main window's bands: no "5.0 Mhz", and "All HF" and "All VHF" at both ends.
inline constexpr std::array<ClusterBand, 13> kClusterBands{{
    {"All HF", "euhf"},
    {"1.8 Mhz", "160"},
    {"3.5 Mhz", "80"},
    {"7.0 Mhz", "40"},
    {"10 Mhz", "30"},
    {"14 Mhz", "20"},
    {"18 Mhz", "17"},
    {"21 Mhz", "15"},
    {"24 Mhz", "12"},
    {"28 Mhz", "10"},
    {"50 Mhz", "6"},
    {"144 Mhz", "2"},
    {"All VHF", "euvhf"},
}};

// The path of a band's spot page: "/euhfcw.html" and "/euvhfcw.html" for the two "All" pages,
// "/ww" + code + "cw.html" for one band. An index outside the list gives the first band's page.
std::string clusterPagePath(int bandIndex);

// The band to select from the stored "bande Cluster": its leading number, as the sibling program
// that shares the key reads it ("11", " 11", "11 Mhz" are 11); no number, or a number outside the
// list (that program's list may be longer), selects the first band.
int clusterBandIndex(std::string_view stored);

// The path and query of the rules page on the award's site.
inline constexpr std::string_view kRulesPagePath = "/index.php?mod=reglement";

// The host of a site address ("http://cluster.example:8080" gives "cluster.example"), which the
// cluster window names in its title; the text itself when it has no "://".
std::string siteHost(std::string_view address);

}  // namespace orv
