#include <gtest/gtest.h>

#include "model/daily_backup.h"
#include "unit/test_support.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

constexpr CalendarDay kMonday{2024, 3, 4};
constexpr CalendarDay kTuesday{2024, 3, 5};

TEST(DailyBackupTest, NamesTheCopyAfterTheStationAndTheDay) {
    EXPECT_EQ(backupFileName("F4ABC", kMonday), "F4ABC_PC_2024-03-04.log");
    EXPECT_EQ(backupFileName("TM_F5XYZ", {2031, 12, 31}), "TM_F5XYZ_PC_2031-12-31.log");
}

// Only the station's own dated copies count; the oldest go, the 14 newest stay.
TEST(DailyBackupTest, OnlyTheStationsOldestCopiesGo) {
    std::vector<std::string> names = {"F4ABC_P_PC_2020-01-01.log",   "notes.txt",
                                      "F4ABC_PC_2024-03-04.log.bak", "F4ABC_PC_2024-3-4.log",
                                      "F4ABC_PC_latest.log",         "XF4ABC_PC_2020-01-01.log"};
    for (int day = 16; day >= 1; --day) {
        names.push_back(backupFileName("F4ABC", {2024, 2, day}));
    }
    EXPECT_EQ(backupsToRemove(names, "F4ABC"),
              (std::vector<std::string>{"F4ABC_PC_2024-02-01.log", "F4ABC_PC_2024-02-02.log"}));
    EXPECT_EQ(backupsToRemove(names, "F4ABC_P"), std::vector<std::string>{});
    EXPECT_EQ(backupsToRemove(names, "F4ABC", 15),
              std::vector<std::string>{"F4ABC_PC_2024-02-01.log"});
}

class DailyBackupFolderTest : public testing::Test {
protected:
    void SetUp() override { test::writeFile(log_, "QSO 1\r\nQSO 2\r\n"); }

    std::error_code backUp(const CalendarDay& day) {
        return DailyBackup(folder_.path(), "F4ABC", day).wait();
    }
    fs::path copy(const CalendarDay& day) const {
        return folder_ / "Sauvegardes" / backupFileName("F4ABC", day);
    }

    const test::TempFolder folder_;
    const fs::path log_ = folder_ / "F4ABC_PC.log";
};

// The first start of a day copies the log as it was when the program started; later starts that
// day leave the copy as it is; the next day gets its own.
TEST_F(DailyBackupFolderTest, FirstStartOfTheDayCopiesTheLogAsItStood) {
    DailyBackup monday(folder_.path(), "F4ABC", kMonday);
    test::writeFile(log_, "QSO 1\r\nQSO 2\r\nQSO 3\r\n");
    EXPECT_FALSE(monday.wait());
    EXPECT_EQ(test::readFile(copy(kMonday)), "QSO 1\r\nQSO 2\r\n");

    EXPECT_FALSE(backUp(kMonday));
    EXPECT_EQ(test::readFile(copy(kMonday)), "QSO 1\r\nQSO 2\r\n");

    EXPECT_FALSE(backUp(kTuesday));
    EXPECT_EQ(test::readFile(copy(kTuesday)), "QSO 1\r\nQSO 2\r\nQSO 3\r\n");
    EXPECT_EQ(test::readFile(log_), "QSO 1\r\nQSO 2\r\nQSO 3\r\n");
    std::vector<fs::path> names;
    for (const auto& entry : fs::directory_iterator(folder_ / "Sauvegardes")) {
        names.push_back(entry.path());
    }
    EXPECT_EQ(names.size(), 2u);
}

TEST_F(DailyBackupFolderTest, KeepsTheFourteenNewestCopies) {
    fs::create_directory(folder_ / "Sauvegardes");
    for (int day = 1; day <= 20; ++day) {
        test::writeFile(copy({2024, 2, day}), "old");
    }
    test::writeFile(folder_ / "Sauvegardes" / "F5XYZ_PC_2020-01-01.log", "other station");

    EXPECT_FALSE(backUp(kMonday));

    EXPECT_TRUE(fs::exists(copy(kMonday)));
    EXPECT_FALSE(fs::exists(copy({2024, 2, 7})));
    EXPECT_TRUE(fs::exists(copy({2024, 2, 8})));
    EXPECT_TRUE(fs::exists(folder_ / "Sauvegardes" / "F5XYZ_PC_2020-01-01.log"));
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_ / "Sauvegardes"), {}), 15);
}

// Nothing to copy: no log for the station (a first start, a missing log) creates nothing.
TEST_F(DailyBackupFolderTest, StationWithoutALogCopiesNothing) {
    fs::remove(log_);
    EXPECT_FALSE(backUp(kMonday));
    EXPECT_FALSE(fs::exists(folder_ / "Sauvegardes"));
}

// A copy that cannot be written is told to the caller; the log is left as it was.
TEST_F(DailyBackupFolderTest, CopyThatCannotBeWrittenIsReported) {
    test::writeFile(folder_ / "Sauvegardes", "a file in the folder's place");
    EXPECT_TRUE(backUp(kMonday));
    EXPECT_EQ(test::readFile(log_), "QSO 1\r\nQSO 2\r\n");

    fs::remove(folder_ / "Sauvegardes");
    fs::create_directories(copy(kMonday).parent_path() / "Temporaire.txt" / "in the way");
    EXPECT_EQ(backUp(kMonday), std::errc::is_a_directory);
    EXPECT_FALSE(fs::exists(copy(kMonday)));
}

// A log kept elsewhere and linked into the data folder is copied, not its link.
TEST_F(DailyBackupFolderTest, LinkedLogIsCopiedFromWhereItPoints) {
    fs::create_directory(folder_ / "synced");
    fs::rename(log_, folder_ / "synced" / "F4ABC_PC.log");
    fs::create_symlink(folder_ / "synced" / "F4ABC_PC.log", log_);
    EXPECT_FALSE(backUp(kMonday));
    EXPECT_FALSE(fs::is_symlink(copy(kMonday)));
    EXPECT_EQ(test::readFile(copy(kMonday)), "QSO 1\r\nQSO 2\r\n");
}

}  // namespace
}  // namespace orv
