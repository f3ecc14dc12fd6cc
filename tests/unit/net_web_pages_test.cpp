#include <gtest/gtest.h>

#include "net/web_address.h"
#include "net/web_pages.h"

namespace orv {
namespace {

// Every item of the list with the page it selects, and the two rules behind the paths: the "All"
// pages have no "ww", every single band has.
TEST(ClusterPagesTest, EachBandOfTheListHasItsPage) {
    const std::pair<std::string_view, std::string_view> expected[] = {
        {"All HF", "/euhfcw.html"},   {"1.8 Mhz", "/ww160cw.html"}, {"3.5 Mhz", "/ww80cw.html"},
        {"7.0 Mhz", "/ww40cw.html"},  {"10 Mhz", "/ww30cw.html"},   {"14 Mhz", "/ww20cw.html"},
        {"18 Mhz", "/ww17cw.html"},   {"21 Mhz", "/ww15cw.html"},   {"24 Mhz", "/ww12cw.html"},
        {"28 Mhz", "/ww10cw.html"},   {"50 Mhz", "/ww6cw.html"},    {"144 Mhz", "/ww2cw.html"},
        {"All VHF", "/euvhfcw.html"},
    };
    ASSERT_EQ(kClusterBands.size(), std::size(expected));
    for (std::size_t index = 0; index < kClusterBands.size(); ++index) {
        EXPECT_EQ(kClusterBands[index].item, expected[index].first) << index;
        EXPECT_EQ(clusterPagePath(int(index)), expected[index].second) << index;
    }
}

TEST(ClusterPagesTest, AnIndexOutsideTheListShowsTheFirstBand) {
    for (int index : {-1, 13, 1000}) {
        EXPECT_EQ(clusterPagePath(index), "/euhfcw.html") << index;
    }
}

// The stored index is read as its leading number, as the sibling program sharing the key reads
// it; whatever is no index of this list selects "All HF".
TEST(ClusterPagesTest, StoredBandIndexReadsItsLeadingNumber) {
    const std::pair<std::string_view, int> cases[] = {
        {"0", 0},
        {"11", 11},
        {"12", 12},
        {" 4", 4},
        {"\t7", 7},
        {"11 Mhz", 11},
        {"3.7", 3},
        {"13", 0},
        {"-1", 0},
        {"", 0},
        {"abc", 0},
        {"   ", 0},
        {"99999999999999", 0},
        {"+3", 0},
    };
    for (const auto& [stored, index] : cases) {
        EXPECT_EQ(clusterBandIndex(stored), index) << '"' << stored << '"';
    }
}

TEST(ClusterPagesTest, TheTitleNamesTheSiteHost) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {"http://cluster.velmora.example", "cluster.velmora.example"},
        {"http://127.0.0.1:8080", "127.0.0.1"},
        {"https://dx.example/", "dx.example"},
        {"http://[::1]:8080", "[::1]"},
        {"http://[::1]", "[::1]"},
        {"cluster.example", "cluster.example"},
    };
    for (const auto& [address, host] : cases) {
        EXPECT_EQ(siteHost(address), host) << address;
    }
}

// The page addresses as the windows build them from their address settings.
TEST(WebPagesTest, PagesAreThePathsOnTheSitesOfTheSettings) {
    EXPECT_EQ(urlOnSite(kClusterAddress.defaultAddress, clusterPagePath(11)),
              "http://cluster.velmora.example/ww2cw.html");
    EXPECT_EQ(urlOnSite("http://127.0.0.1:8080/", clusterPagePath(4)),
              "http://127.0.0.1:8080/ww30cw.html");
    EXPECT_EQ(urlOnSite(kRulesAddress.defaultAddress, kRulesPagePath),
              "http://velmora.example/index.php?mod=reglement");
    EXPECT_EQ(urlOnSite("velmora.example/regles", kRulesPagePath), std::nullopt);
}

}  // namespace
}  // namespace orv
