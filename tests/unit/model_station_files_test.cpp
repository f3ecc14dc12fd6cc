#include <gtest/gtest.h>

#include "model/station_files.h"

namespace orv {
namespace {

TEST(StationFilesTest, EveryFileLivesDirectlyInTheDataFolder) {
    const StationFiles files("/data/ORV_PC", "F4ABC_P");
    EXPECT_EQ(files.log(), "/data/ORV_PC/F4ABC_P_PC.log");
    EXPECT_EQ(files.adifExport(), "/data/ORV_PC/F4ABC_P_PC.adi");
    EXPECT_EQ(files.firstNames(), "/data/ORV_PC/Liste_Prenom.txt");
    EXPECT_EQ(files.referenceList(), "/data/ORV_PC/Liste_PC.csv");
    EXPECT_EQ(files.inFolder("F4ABC_P_Liste_Patrimoines_07_12_26.txt"),
              "/data/ORV_PC/F4ABC_P_Liste_Patrimoines_07_12_26.txt");
}

}  // namespace
}  // namespace orv
