#include <gtest/gtest.h>

#include "model/log_file.h"
#include "model/text_file.h"
#include "model/text_lines.h"
#include "unit/test_support.h"

namespace orv {
namespace {

using Lines = std::vector<std::string>;

std::vector<std::string> fileLines(const std::filesystem::path& path) {
    Lines lines;
    EXPECT_TRUE(forEachFileLine(path, [&lines](std::string_view line) {
        lines.emplace_back(line);
        return true;
    }));
    return lines;
}

struct SplitCase {
    std::string content;
    Lines lines;
};

class SplitTest : public testing::TestWithParam<SplitCase> {};

// The same line rules in memory and from a file.
TEST_P(SplitTest, LinesEndWithCrLfLfOrCr) {
    EXPECT_EQ(splitLines(GetParam().content), GetParam().lines);
    const test::TempFolder folder;
    test::writeFile(folder / "f.txt", GetParam().content);
    EXPECT_EQ(fileLines(folder / "f.txt"), GetParam().lines);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, SplitTest,
    testing::Values(SplitCase{"", {}}, SplitCase{"a", {"a"}}, SplitCase{"a\r\n", {"a"}},
                    SplitCase{"\r\n", {""}}, SplitCase{"a\r\nb", {"a", "b"}},
                    SplitCase{"a\nb\n", {"a", "b"}}, SplitCase{"a\rb\r", {"a", "b"}},
                    SplitCase{"a\r\n\r\nb\n\nc\r\rd", {"a", "", "b", "", "c", "", "d"}},
                    SplitCase{"a\n\rb", {"a", "", "b"}},
                    SplitCase{std::string("a\0b\r\n\0", 6), {std::string("a\0b", 3), {"\0", 1}}}));

TEST(SplitTest, JoinEndsEveryLineWithCrLf) {
    EXPECT_EQ(joinLines({"a", "", "b"}), "a\r\n\r\nb\r\n");
    EXPECT_EQ(joinLines({}), "");
}

// Long contents cross the reader's blocks at every kind of place: inside a line, between CR and
// LF (a 3-byte period meets any power-of-two boundary at each of its offsets), after a lone CR.
TEST(FileLinesTest, LinesSpanningBlocksAreWhole) {
    std::string crLf;
    for (int i = 0; i < 300'000; ++i) {
        crLf += static_cast<char>('a' + i % 26);
        crLf += "\r\n";
    }
    std::string mixed;
    unsigned seed = 12345;
    for (int i = 0; i < 1'000'000; ++i) {
        seed = seed * 1103515245 + 12345;
        const char pick[] = {'\r', '\n', 'x', 'y', '\0', ';'};
        mixed += pick[(seed >> 16) % 6];
    }
    const std::string huge = std::string(5'000'000, 'Z') + "\r\nend";
    const test::TempFolder folder;
    for (const auto& content : {crLf, mixed, huge}) {
        test::writeFile(folder / "big.txt", content);
        EXPECT_EQ(fileLines(folder / "big.txt"), splitLines(content));
    }
    EXPECT_EQ(splitLines(huge).front().size(), 5'000'000u);
}

TEST(FileLinesTest, StopsWhenAskedAndFailsOnMissingFile) {
    const test::TempFolder folder;
    test::writeFile(folder / "f.txt", "1\r\n2\r\n3\r\n");
    int visits = 0;
    EXPECT_TRUE(forEachFileLine(folder / "f.txt", [&visits](std::string_view line) {
        ++visits;
        return line != "2";
    }));
    EXPECT_EQ(visits, 2);
    EXPECT_FALSE(forEachFileLine(folder / "none.txt", [](std::string_view) { return true; }));
    std::error_code error;
    EXPECT_EQ(readWholeFile(folder / "none.txt", error), "");
    EXPECT_EQ(error, std::errc::no_such_file_or_directory);
}

TEST(ReadLogTest, StatusOfEachKindOfFailure) {
    const test::TempFolder folder;
    EXPECT_EQ(readLog(folder / "F4ABC_PC.log").status, LogLoadStatus::Missing);

    const auto folderLoad = readLog(folder.path());
    EXPECT_EQ(folderLoad.status, LogLoadStatus::Unreadable);
    EXPECT_EQ(folderLoad.errorNumber, 75);

    std::filesystem::create_symlink("loop", folder / "loop");
    const auto loopLoad = readLog(folder / "loop");
    EXPECT_EQ(loopLoad.status, LogLoadStatus::Unreadable);
    EXPECT_EQ(loopLoad.errorNumber, 57);

    // Read permission refused: root may read a file whatever its mode, but no one may read the
    // kernel's write-only switches.
    const auto deniedLoad = readLog("/proc/sys/vm/drop_caches");
    EXPECT_EQ(deniedLoad.status, LogLoadStatus::Unreadable);
    EXPECT_EQ(deniedLoad.errorNumber, 70);
}

TEST(ReadLogTest, TooManyLinesBeyondTheLastRowNumber) {
    const test::TempFolder folder;
    std::string content;
    for (std::size_t i = 0; i < 99'999; ++i) {
        content += "x\r\n";
    }
    test::writeFile(folder / "log", content);
    const auto full = readLog(folder / "log");
    EXPECT_EQ(full.status, LogLoadStatus::Loaded);
    EXPECT_EQ(full.lines.size(), 99'999u);
    test::writeFile(folder / "log", content + "x");
    EXPECT_EQ(readLog(folder / "log").status, LogLoadStatus::TooManyLines);
}

TEST(ReadLogTest, HandEditedLogLoadsWithoutChange) {
    const std::string longLine(200, 'L');
    const std::string hugeLine(5'000'000, 'H');
    const std::string nulLine("F4ABC\0\0X", 8);
    const std::string content = "\r\nF4ABC  89\r\n" + longLine +
                                "\n\xC9LODIE \xC0 \xC7"
                                "A\n" +
                                nulLine + "\r\n" + hugeLine + "\r\n\r\nlast";
    const test::TempFolder folder;
    const auto path = folder / "F4ABC_PC.log";
    test::writeFile(path, content);
    std::filesystem::last_write_time(path, std::filesystem::file_time_type{});

    const auto load = readLog(path);
    EXPECT_EQ(load.status, LogLoadStatus::Loaded);
    EXPECT_EQ(load.lines, (Lines{"", "F4ABC  89", longLine,
                                 "\xC9LODIE \xC0 \xC7"
                                 "A",
                                 nulLine, hugeLine, "", "last"}));
    EXPECT_EQ(test::readFile(path), content);
    EXPECT_EQ(std::filesystem::last_write_time(path), std::filesystem::file_time_type{});
    EXPECT_EQ(std::filesystem::directory_iterator(folder.path())->path(), path);
}

}  // namespace
}  // namespace orv
