#include <gtest/gtest.h>

#include <cerrno>
#include <chrono>
#include <optional>
#include <thread>

#include "model/folder_lock.h"
#include "model/list_row.h"
#include "model/log_line.h"
#include "model/log_rewrite.h"
#include "model/safe_file_write.h"
#include "unit/test_support.h"

namespace orv {
namespace {

using Lines = std::vector<std::string>;

std::string qso(std::string_view callsign, std::string_view date, std::string_view time) {
    return formatLogLine({std::string(callsign), "89", "", "89001", std::string(date),
                          std::string(time), "SSB", "14 Mhz", "59", "59", "", false})
        .value();
}

TEST(PlacementNumberTest, ReadsTheLeadingNumberOfFiveCharacters) {
    const std::vector<std::pair<std::string, double>> cases = {
        {"3A2XX", 3}, {"1.5E2", 150}, {"12D1x", 120},    {"F4ABC", 0},
        {".5", 0},    {"", 0},        {"123456", 12345}, {"2.5", 2.5},
        {"4E", 4},    {"9e2", 900},   {"7EA", 7},        {"1.23456", 1.234}};
    for (const auto& [text, number] : cases) {
        EXPECT_DOUBLE_EQ(placementNumber(text), number) << text;
    }
}

TEST(LogDateTimeTest, TwoDigitYearsSpanFiftyToFortyNine) {
    EXPECT_EQ(logDateTime(qso("F4ABC", "31/12/99", "23:59")), (LogDateTime{1999, 12, 31, 23, 59}));
    EXPECT_EQ(logDateTime(qso("F4ABC", "01/06/50", "00:00")), (LogDateTime{1950, 6, 1, 0, 0}));
    EXPECT_EQ(logDateTime(qso("F4ABC", "01/06/49", "10:20")), (LogDateTime{2049, 6, 1, 10, 20}));
    EXPECT_FALSE(logDateTime(qso("F4ABC", "1a/06/49", "10:20")));
    EXPECT_FALSE(logDateTime(qso("F4ABC", "01/06/49", "10:2 ")));
    EXPECT_FALSE(logDateTime(""));
    EXPECT_FALSE(logDateTime(qso("F4ABC", "01/06/49", "10:20").substr(0, 53)));
}

struct RuleCase {
    const char* name;
    Lines log;
    std::string line;
    Lines expected;
};

TEST(AppendRuleTest, NewLineGoesBeforeTheFirstGreaterPlacementNumber) {
    const std::vector<RuleCase> cases = {
        {"empty log", {}, "F6NEW", {"F6NEW"}},
        {"all letters", {"F4AAA", "F5BBB"}, "F6NEW", {"F4AAA", "F5BBB", "F6NEW"}},
        {"third line first with a digit",
         {"F4AAA", "0ABCD", "3A2XX", "F5BBB"},
         "F6NEW",
         {"F4AAA", "0ABCD", "F6NEW", "3A2XX", "F5BBB"}},
        {"equal number stays after",
         {"3A2XX", "5B1XX", "7C"},
         "5Z9ZZ",
         {"3A2XX", "5B1XX", "5Z9ZZ", "7C"}},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(withLineAppended(c.log, c.line), c.expected) << c.name;
    }
}

TEST(InsertRuleTest, NewLineGoesInDateAndTimeOrder) {
    const auto a = qso("F4AAA", "01/01/00", "10:00");
    const auto b = qso("F4BBB", "02/01/00", "10:00");
    const auto c = qso("F4CCC", "01/06/49", "10:00");
    const auto y1999 = qso("F6NEW", "31/12/99", "23:59");
    const auto sameAsA = qso("F6NEW", "01/01/00", "10:00");
    const auto y1960 = qso("F6NEW", "01/01/60", "00:00");
    const auto y1950 = qso("F4OLD", "01/06/50", "10:00");
    const auto later = qso("F6NEW", "01/06/49", "10:01");
    const auto noDate = qso("F6NEW", "", "10:00");
    const std::vector<RuleCase> cases = {
        {"empty log", {}, y1999, {y1999}},
        {"1999 before 2000", {a, b}, y1999, {y1999, a, b}},
        {"equal date-time first", {a, b}, sameAsA, {sameAsA, a, b}},
        {"1950 before 1960 before 2049", {y1950, c}, y1960, {y1950, y1960, c}},
        {"later than all", {a, b, c}, later, {a, b, c, later}},
        {"blank line passed over", {"", b}, sameAsA, {"", sameAsA, b}},
        {"unreadable new line at the end", {a, b}, noDate, {a, b, noDate}},
    };
    for (const auto& rule : cases) {
        EXPECT_EQ(withLineInserted(rule.log, rule.line), rule.expected) << rule.name;
    }
}

TEST(ReplaceRemoveRuleTest, EveryEqualLineIsAffected) {
    const Lines log = {"A", "B", "A", "a"};
    EXPECT_EQ(withLinesReplaced(log, "N", "A"), (Lines{"N", "B", "N", "a"}));
    EXPECT_EQ(withLinesReplaced(log, "N", "C"), (Lines{"A", "B", "A", "a", "N"}));
    EXPECT_EQ(withLinesRemoved(log, "A"), (Lines{"B", "a"}));
    EXPECT_EQ(withLinesRemoved(log, "A "), log);
}

enum class Step { None, Open, Write, Flush, Close, Rename, FlushFolder };

// The real calls, except that one step fails, and a record of what was opened and closed.
class FailingCalls : public FileSystemCalls {
public:
    explicit FailingCalls(Step failing = Step::None) : failing_(failing) {}

    int createNew(const char* path, unsigned mode) override {
        if (fails(Step::Open)) {
            return -1;
        }
        opened.emplace_back(path);
        ++openFiles;
        return real().createNew(path, mode);
    }
    int writeAll(int fd, std::string_view data) override {
        if (failing_ == Step::Write) {
            real().writeAll(fd, data.substr(0, data.size() / 2));
            errno = ENOSPC;
            return -1;
        }
        return real().writeAll(fd, data);
    }
    int flushToDisk(int fd) override { return fails(Step::Flush) ? -1 : real().flushToDisk(fd); }
    int close(int fd) override {
        --openFiles;
        const int result = real().close(fd);
        return fails(Step::Close) ? -1 : result;
    }
    int rename(const char* from, const char* to) override {
        return fails(Step::Rename) ? -1 : real().rename(from, to);
    }
    int flushFolder(const char* folder) override {
        return fails(Step::FlushFolder) ? -1 : real().flushFolder(folder);
    }
    int remove(const char* path) override { return real().remove(path); }

    std::vector<std::string> opened;
    int openFiles = 0;

private:
    static FileSystemCalls& real() { return systemFileCalls(); }
    bool fails(Step step) const {
        errno = EIO;
        return failing_ == step;
    }

    Step failing_;
};

// The whole new content, whatever the old one was.
std::error_code writeWhole(const std::filesystem::path& path, std::string_view scratchName,
                           std::string_view content, FileSystemCalls& calls = systemFileCalls()) {
    return rewriteFile(
        path, scratchName, MissingFile::Fails,
        [content](std::string_view) { return std::optional<std::string>(content); }, calls);
}

TEST(RewriteFileTest, AFailureBeforeTheRenameLeavesTheOldFile) {
    for (const Step step : {Step::Open, Step::Write, Step::Flush, Step::Close, Step::Rename}) {
        const test::TempFolder folder;
        test::writeFile(folder / "log", "old\r\n");
        FailingCalls calls(step);
        const auto error = writeWhole(folder / "log", "scratch", "new", calls);
        const int expected = step == Step::Write ? ENOSPC : EIO;
        EXPECT_EQ(error, std::error_code(expected, std::generic_category()));
        EXPECT_EQ(test::readFile(folder / "log"), "old\r\n");
        EXPECT_EQ(std::filesystem::directory_iterator(folder.path())->path(), folder / "log");
        EXPECT_EQ(calls.openFiles, 0);
    }
}

TEST(RewriteFileTest, FolderFlushFailureAfterTheRenameStillSucceeds) {
    const test::TempFolder folder;
    test::writeFile(folder / "log", "old\r\n");
    FailingCalls calls(Step::FlushFolder);
    EXPECT_FALSE(writeWhole(folder / "log", "scratch", "new\r\n", calls));
    EXPECT_EQ(test::readFile(folder / "log"), "new\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "scratch"));
}

TEST(RewriteFileTest, StaleScratchFileIsReplaced) {
    const test::TempFolder folder;
    test::writeFile(folder / "log", "old\r\n");
    test::writeFile(folder / "scratch", std::string(100'000, '\xFF'));
    std::filesystem::permissions(folder / "scratch", std::filesystem::perms::owner_read);
    EXPECT_FALSE(writeWhole(folder / "log", "scratch", "new\r\n"));
    EXPECT_EQ(test::readFile(folder / "log"), "new\r\n");
    EXPECT_FALSE(std::filesystem::exists(folder / "scratch"));
}

TEST(CreateEmptyFileTest, NeverEmptiesAnExistingFile) {
    const test::TempFolder folder;
    EXPECT_FALSE(createEmptyFile(folder / "F4ABC_PC.log"));
    EXPECT_EQ(std::filesystem::file_size(folder / "F4ABC_PC.log"), 0u);
    test::writeFile(folder / "F4ABC_PC.log", "QSO\r\n");
    EXPECT_EQ(createEmptyFile(folder / "F4ABC_PC.log"), std::errc::file_exists);
    EXPECT_EQ(test::readFile(folder / "F4ABC_PC.log"), "QSO\r\n");
}

TEST(RewriteLogTest, RewritesThroughTheRuleScratchFile) {
    const test::TempFolder folder;
    const auto log = folder / "F4ABC_PC.log";
    test::writeFile(log, "F4AAA\n3A2XX");  // hand-edited: LF only, no final line end
    FailingCalls calls;
    EXPECT_EQ(rewriteLog(log, RewriteRule::Append, "F6NEW", {}, calls).status, RewriteStatus::Done);
    EXPECT_EQ(test::readFile(log), "F4AAA\r\nF6NEW\r\n3A2XX\r\n");
    EXPECT_EQ(rewriteLog(log, RewriteRule::Insert, "F6INS", {}, calls).status, RewriteStatus::Done);
    EXPECT_EQ(rewriteLog(log, RewriteRule::Replace, "F6REP", "F6INS", calls).status,
              RewriteStatus::Done);
    EXPECT_EQ(rewriteLog(log, RewriteRule::Remove, "F4AAA", {}, calls).status, RewriteStatus::Done);
    EXPECT_EQ(test::readFile(log), "F6NEW\r\n3A2XX\r\nF6REP\r\n");
    EXPECT_EQ(calls.opened,
              (std::vector<std::string>{folder / "Temporaire.txt", folder / "Temporaire6.txt",
                                        folder / "Temporaire.txt", folder / "Temporaire.txt"}));
    EXPECT_EQ(std::filesystem::directory_iterator(folder.path())->path(), log);
}

TEST(RewriteLogTest, MissingLogOrFailedStepLeavesTheFolderAsItWas) {
    const test::TempFolder folder;
    const auto log = folder / "F4ABC_PC.log";
    const auto missing = rewriteLog(log, RewriteRule::Append, "F6NEW");
    EXPECT_EQ(missing.status, RewriteStatus::Failed);
    EXPECT_EQ(missing.error, std::errc::no_such_file_or_directory);
    EXPECT_TRUE(std::filesystem::is_empty(folder.path()));

    test::writeFile(log, "F4AAA\r\n");
    FailingCalls failingRename(Step::Rename);
    EXPECT_EQ(rewriteLog(log, RewriteRule::Remove, "F4AAA", {}, failingRename).status,
              RewriteStatus::Failed);
    EXPECT_EQ(test::readFile(log), "F4AAA\r\n");
    EXPECT_EQ(std::filesystem::directory_iterator(folder.path())->path(), log);
}

TEST(RewriteLogTest, FullLogRefusesAnotherLine) {
    const test::TempFolder folder;
    const auto log = folder / "F4ABC_PC.log";
    std::string content;
    for (std::size_t i = 0; i < kMaxListRows; ++i) {
        content += "F4AAA\r\n";
    }
    test::writeFile(log, content);
    for (const auto rule : {RewriteRule::Append, RewriteRule::Insert}) {
        EXPECT_EQ(rewriteLog(log, rule, "F6NEW").status, RewriteStatus::LogFull);
    }
    EXPECT_EQ(test::readFile(log), content);
    EXPECT_EQ(rewriteLog(log, RewriteRule::Replace, "F6NEW", "F4AAA").status, RewriteStatus::Done);
    EXPECT_EQ(test::readFile(log).size(), content.size());
}

// The QSO to replace or remove was changed or removed behind the program's back: nothing is
// written, not even the line endings of a hand-edited log.
TEST(RewriteLogTest, ALineNoLongerInTheLogIsNeitherReplacedNorRemoved) {
    const test::TempFolder folder;
    const auto log = folder / "F4ABC_PC.log";
    test::writeFile(log, "F4AAA\nF4BBB");
    FailingCalls calls;
    for (const std::string_view gone : {"F4CCC", "f4aaa", "F4AAA "}) {
        EXPECT_EQ(rewriteLog(log, RewriteRule::Replace, "F6NEW", gone, calls).status,
                  RewriteStatus::LineMissing);
        EXPECT_EQ(rewriteLog(log, RewriteRule::Remove, gone, {}, calls).status,
                  RewriteStatus::LineMissing);
    }
    EXPECT_TRUE(calls.opened.empty());
    EXPECT_EQ(test::readFile(log), "F4AAA\nF4BBB");
}

// The line is looked for in the log as it stands once the folder's write lock is held, so that a
// change made meanwhile by another program is seen.
TEST(RewriteLogTest, TheLineIsLookedForUnderTheWriteLock) {
    const test::TempFolder folder;
    const auto log = folder / "F4ABC_PC.log";
    test::writeFile(log, "F4AAA\r\nF4BBB\r\n");
    std::optional<FolderWriteLock> otherProgram(std::in_place, folder.path());
    RewriteResult result;
    std::thread replace([&] { result = rewriteLog(log, RewriteRule::Replace, "F6NEW", "F4AAA"); });
    std::this_thread::sleep_for(std::chrono::milliseconds(50));  // the rewrite waits for the lock
    test::writeFile(log, "F4BBB\r\n");
    otherProgram.reset();
    replace.join();
    EXPECT_EQ(result.status, RewriteStatus::LineMissing);
    EXPECT_EQ(test::readFile(log), "F4BBB\r\n");
}

}  // namespace
}  // namespace orv
