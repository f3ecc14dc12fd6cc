// The log and the first-name memory under the faults an operator's folder can hold: scratch names
// and logs that are symbolic links, read-only files, and two processes writing at once.

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <functional>

#include "model/contact_memory.h"
#include "model/log_line.h"
#include "model/log_rewrite.h"
#include "model/text_lines.h"
#include "unit/test_support.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

std::string qso(std::string_view callsign, int day) {
    const std::string date = (day < 10 ? "0" : "") + std::to_string(day) + "/01/21";
    return formatLogLine({std::string(callsign), "89", "", "89001", date, "10:00", "SSB", "14 Mhz",
                          "59", "59", "", false})
        .value();
}

const std::string kOldLog = qso("F5AAA", 1) + "\r\n" + qso("F5BBB", 3) + "\r\n";
const std::string kOldMemory = "F5AAA        89 PAUL\r\n";

// One rewrite of each kind, and the scratch name it uses.
struct Operation {
    const char* name;
    const char* file;                               // the file it rewrites, in the data folder
    const char* scratch;                            // its scratch file, beside the file it rewrites
    std::function<bool(const fs::path& file)> run;  // true when it reports success
};

bool succeeded(const RewriteResult& result) {
    return result.status == RewriteStatus::Done;
}

const Operation kOperations[] = {
    {"Ajoute_Ligne", "F4ABC_PC.log", "Temporaire.txt",
     [](const fs::path& log) {
         return succeeded(rewriteLog(log, RewriteRule::Append, qso("F6NEW", 4)));
     }},
    {"Insere_Ligne", "F4ABC_PC.log", "Temporaire6.txt",
     [](const fs::path& log) {
         return succeeded(rewriteLog(log, RewriteRule::Insert, qso("F6NEW", 2)));
     }},
    {"Remplace_Ligne", "F4ABC_PC.log", "Temporaire.txt",
     [](const fs::path& log) {
         return succeeded(rewriteLog(log, RewriteRule::Replace, qso("F6NEW", 1), qso("F5AAA", 1)));
     }},
    {"Supprime_Ligne", "F4ABC_PC.log", "Temporaire.txt",
     [](const fs::path& log) {
         return succeeded(rewriteLog(log, RewriteRule::Remove, qso("F5AAA", 1)));
     }},
    {"Maj_Prenom", "Liste_Prenom.txt", "Temporaire.txt",
     [](const fs::path& memory) {
         return !Maj_Prenom(memory, firstNameKey("F6NEW", "75", "Jean"));
     }},
};

std::string oldContent(const Operation& operation) {
    return operation.file == std::string_view(kFirstNameFile) ? kOldMemory : kOldLog;
}

// The names a folder holds, so that a test sees any file left behind or put in a link's place.
std::vector<std::string> namesIn(const fs::path& folder) {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder)) {
        names.push_back(entry.path().filename().string());
    }
    std::sort(names.begin(), names.end());
    return names;
}

fs::perms permissionsOf(const fs::path& path) {
    return fs::status(path).permissions() & fs::perms::mask;
}

// A scratch name that is a link (to a file beside it, or to nothing) is removed, never written
// through: the file it points to stays as it was and nothing is created where it points.
TEST(FileFaultsTest, ScratchNameThatIsALinkIsNeverFollowed) {
    for (const Operation& operation : kOperations) {
        SCOPED_TRACE(operation.name);
        for (const bool dangling : {false, true}) {
            const test::TempFolder folder;
            test::writeFile(folder / operation.file, oldContent(operation));
            if (!dangling) {
                test::writeFile(folder / "victim.txt", "precious\r\n");
            }
            fs::create_symlink(folder / "victim.txt", folder / operation.scratch);

            EXPECT_TRUE(operation.run(folder / operation.file));

            EXPECT_NE(test::readFile(folder / operation.file), oldContent(operation));
            const std::vector<std::string> expected =
                dangling ? std::vector<std::string>{operation.file}
                         : std::vector<std::string>{operation.file, "victim.txt"};
            EXPECT_EQ(namesIn(folder.path()), expected);
            if (!dangling) {
                EXPECT_EQ(test::readFile(folder / "victim.txt"), "precious\r\n");
            }
        }
    }
}

// Operators keep a log in a synced folder and link it into the data folder: the rewrite goes to
// the file the link points to (through a chain of links too), with its scratch file beside it, and
// the link stays a link.
TEST(FileFaultsTest, FileThatIsALinkIsRewrittenWhereItPoints) {
    for (const Operation& operation : kOperations) {
        SCOPED_TRACE(operation.name);
        for (const bool relative : {false, true}) {
            const test::TempFolder folder;
            fs::create_directories(folder / "data");
            fs::create_directories(folder / "synced" / "logs");
            const fs::path real = folder / "synced" / "logs" / operation.file;
            test::writeFile(real, oldContent(operation));
            const fs::path link = folder / "data" / operation.file;
            if (relative) {
                fs::create_symlink(fs::path("..") / "synced" / "logs" / operation.file,
                                   folder / "synced" / "hop");
                fs::create_symlink(fs::path("..") / "synced" / "hop", link);
            } else {
                fs::create_symlink(real, link);
            }

            EXPECT_TRUE(operation.run(link));

            EXPECT_TRUE(fs::is_symlink(link));
            EXPECT_NE(test::readFile(real), oldContent(operation));
            EXPECT_EQ(namesIn(folder / "data"), std::vector<std::string>{operation.file});
            EXPECT_EQ(namesIn(folder / "synced" / "logs"),
                      std::vector<std::string>{operation.file});
        }
    }
}

// A file made read-only means "do not change it": the rewrite is refused as an access denied,
// whoever runs the program, and the file keeps its content and its permissions.
TEST(FileFaultsTest, ReadOnlyFileIsRefusedAndKept) {
    const test::TempFolder folder;
    test::writeFile(folder / "F4ABC_PC.log", kOldLog);
    test::writeFile(folder / kFirstNameFile, kOldMemory);
    fs::permissions(folder / "F4ABC_PC.log", fs::perms(0444));
    fs::permissions(folder / kFirstNameFile, fs::perms(0440));

    const RewriteResult result =
        rewriteLog(folder / "F4ABC_PC.log", RewriteRule::Append, qso("F6NEW", 4));
    EXPECT_EQ(result.status, RewriteStatus::Failed);
    EXPECT_EQ(result.error, std::errc::permission_denied);
    EXPECT_EQ(Maj_Prenom(folder / kFirstNameFile, firstNameKey("F6NEW", "75", "Jean")),
              std::errc::permission_denied);

    EXPECT_EQ(test::readFile(folder / "F4ABC_PC.log"), kOldLog);
    EXPECT_EQ(test::readFile(folder / kFirstNameFile), kOldMemory);
    EXPECT_EQ(permissionsOf(folder / "F4ABC_PC.log"), fs::perms(0444));
    EXPECT_EQ(permissionsOf(folder / kFirstNameFile), fs::perms(0440));
    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{"F4ABC_PC.log", std::string(kFirstNameFile)}));
}

// The new file takes the old one's permission bits, whatever the process's umask.
TEST(FileFaultsTest, RewrittenFileKeepsItsPermissionBits) {
    for (const Operation& operation : kOperations) {
        SCOPED_TRACE(operation.name);
        for (const auto mode :
             {fs::perms(0600), fs::perms(0640), fs::perms(0664), fs::perms(0606)}) {
            const test::TempFolder folder;
            test::writeFile(folder / operation.file, oldContent(operation));
            fs::permissions(folder / operation.file, mode);

            EXPECT_TRUE(operation.run(folder / operation.file));

            EXPECT_EQ(permissionsOf(folder / operation.file), mode);
        }
    }
}

// Two processes each commit QSOs (first name, then log line) into the same folder at the same
// time: every QSO and every first name of both ends up in the files, each line whole.
TEST(FileFaultsTest, TwoConcurrentWritersLoseNothing) {
    constexpr int kQsosEach = 25;
    const test::TempFolder folder;
    const fs::path log = folder / "F4ABC_PC.log";
    const fs::path memory = folder / kFirstNameFile;
    std::string content;
    for (int i = 0; i < 2'000; ++i) {
        content += qso("F5OLD", 1 + i % 28) + "\r\n";
    }
    test::writeFile(log, content);
    auto callsign = [](int writer, int i) {
        return "F" + std::to_string(writer + 1) + "W" + std::to_string(100 + i);
    };
    std::vector<pid_t> writers;
    for (int writer = 0; writer < 2; ++writer) {
        const pid_t pid = ::fork();
        ASSERT_GE(pid, 0);
        if (pid == 0) {
            bool ok = true;
            for (int i = 0; i < kQsosEach; ++i) {
                ok &= !Maj_Prenom(memory, firstNameKey(callsign(writer, i), "89", "Jean"));
                const auto rule = i % 2 == 0 ? RewriteRule::Append : RewriteRule::Insert;
                ok &= succeeded(rewriteLog(log, rule, qso(callsign(writer, i), 28)));
            }
            ::_exit(ok ? 0 : 1);
        }
        writers.push_back(pid);
    }
    for (const pid_t pid : writers) {
        int status = 0;
        ASSERT_EQ(::waitpid(pid, &status, 0), pid);
        EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    }

    const std::vector<std::string> logLines = splitLines(test::readFile(log));
    const std::vector<std::string> memoryLines = splitLines(test::readFile(memory));
    EXPECT_EQ(logLines.size(), 2'000u + 2 * kQsosEach);
    EXPECT_EQ(memoryLines.size(), 2u * kQsosEach);
    for (int writer = 0; writer < 2; ++writer) {
        for (int i = 0; i < kQsosEach; ++i) {
            const std::string line = qso(callsign(writer, i), 28);
            EXPECT_EQ(std::count(logLines.begin(), logLines.end(), line), 1) << line;
            const std::string key = firstNameKey(callsign(writer, i), "89", "Jean");
            EXPECT_EQ(std::count(memoryLines.begin(), memoryLines.end(), key), 1) << key;
        }
    }
    for (const std::string& line : logLines) {
        EXPECT_EQ(line.size(), kLogLineLength);
    }
    EXPECT_EQ(namesIn(folder.path()),
              (std::vector<std::string>{"F4ABC_PC.log", std::string(kFirstNameFile)}));
}

}  // namespace
}  // namespace orv
