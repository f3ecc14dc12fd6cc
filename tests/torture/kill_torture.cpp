// Kill torture: a writer process rewrites a 10,000-line log and the first-name memory with every
// kind of rewrite (append, insert, replace, delete, first-name update), and is killed with SIGKILL
// at random moments. After every kill each file must be, byte for byte, its version before or
// after the operation that was under way; the next writer starts from whichever it finds.
//
// Usage: kill_torture [kills (default 300)] [seed]

#include <signal.h>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <random>
#include <string>
#include <thread>
#include <vector>

#include "model/contact_memory.h"
#include "model/log_line.h"
#include "model/log_rewrite.h"
#include "model/text_lines.h"
#include "support/file_bytes.h"
#include "support/temp_folder.h"

namespace orv {
namespace {

namespace fs = std::filesystem;

constexpr int kLogLines = 10'000;
constexpr int kKnownCallsigns = 500;
// Long enough to cover a whole rewrite of the log, fsync included, on a slow disk.
constexpr int kLongestDelayMicroseconds = 40'000;

enum class Kind { Append, Insert, Replace, Remove, FirstName };

struct Operation {
    Kind kind = Kind::Append;
    std::string line;     // the new line, the line to remove, or the first-name key
    std::string oldLine;  // the line replaced
};

struct Files {
    std::string log;
    std::string memory;
    bool operator==(const Files&) const = default;
};

std::string twoDigits(int value) {
    return {static_cast<char>('0' + value / 10 % 10), static_cast<char>('0' + value % 10)};
}

std::string callsign(int n) {
    return "F" + std::to_string(n % 10) + static_cast<char>('A' + n / 10 % 26) +
           static_cast<char>('A' + n / 260 % 26) + "X";
}

std::string qso(int n, int day, int minute, bool qsl) {
    return formatLogLine({callsign(n), twoDigits(1 + n % 95), "", twoDigits(1 + n % 95) + "001",
                          twoDigits(1 + day % 28) + "/" + twoDigits(1 + day / 28 % 12) + "/21",
                          twoDigits(minute / 60 % 24) + ":" + twoDigits(minute % 60), "SSB",
                          "14 Mhz", "59", "59", "", qsl})
        .value();
}

// Line n of the log the torture starts from, in date order.
std::string initialLine(int n) {
    return qso(n, n / 40, n % 40 * 30, n % 3 == 0);
}

Files initialFiles() {
    std::vector<std::string> log;
    for (int n = 0; n < kLogLines; ++n) {
        log.push_back(initialLine(n));
    }
    std::vector<std::string> memory;
    for (int n = 0; n < kKnownCallsigns; ++n) {
        memory.push_back(firstNameKey(callsign(n), "89", "JEAN"));
    }
    return {joinLines(log), joinLines(memory)};
}

// Operation number index of the run seed: the writer and the checker derive the same one.
Operation operationAt(std::uint64_t seed, std::uint64_t index) {
    std::mt19937_64 random(seed * 1'000'003 + index);
    const auto pick = [&random](int count) {
        return static_cast<int>(random() % static_cast<std::uint64_t>(count));
    };
    const int n = pick(kLogLines);
    switch (static_cast<Kind>(pick(5))) {
        case Kind::Append:
            return {Kind::Append, qso(n, 400, pick(1440), false), {}};
        case Kind::Insert:
            return {Kind::Insert, qso(n, pick(300), pick(1440), false), {}};
        case Kind::Replace:
            return {Kind::Replace, qso(n, n / 40, n % 40 * 30, true), initialLine(n)};
        case Kind::Remove:
            return {Kind::Remove, initialLine(n), {}};
        case Kind::FirstName:
            break;
    }
    const char* names[] = {"PAUL", "JEAN", "ÉLODIE", "", "MARIE-CHRISTINE"};
    return {Kind::FirstName,
            firstNameKey(callsign(pick(2 * kKnownCallsigns)), "75", names[pick(5)]),
            {}};
}

RewriteRule ruleOf(Kind kind) {
    switch (kind) {
        case Kind::Insert:
            return RewriteRule::Insert;
        case Kind::Replace:
            return RewriteRule::Replace;
        case Kind::Remove:
            return RewriteRule::Remove;
        default:
            return RewriteRule::Append;
    }
}

// What the files must hold once the operation is done, computed in memory.
Files applied(Files files, const Operation& operation) {
    if (operation.kind == Kind::FirstName) {
        files.memory = joinLines(withFirstNameKey(splitLines(files.memory), operation.line));
    } else {
        const std::vector<std::string> lines = splitLines(files.log);
        const RewriteRule rule = ruleOf(operation.kind);
        // A QSO replaced or removed before is no longer there to change: the log stays as it is.
        if (holdsLineOfRule(lines, rule, operation.line, operation.oldLine)) {
            files.log = joinLines(linesAfterRule(lines, rule, operation.line, operation.oldLine));
        }
    }
    return files;
}

struct Folder {
    fs::path log;
    fs::path memory;
    Files read() const { return {test::readFile(log), test::readFile(memory)}; }
};

bool rewriteFailed(const fs::path& log, const Operation& operation) {
    const RewriteStatus status =
        rewriteLog(log, ruleOf(operation.kind), operation.line, operation.oldLine).status;
    return status != RewriteStatus::Done && status != RewriteStatus::LineMissing;
}

// The writer: reports each operation's number before starting it, then does it through the file
// layer, for ever, until it is killed.
[[noreturn]] void runWriter(const Folder& folder, std::uint64_t seed, std::uint64_t first,
                            int reportFd) {
    ::prctl(PR_SET_PDEATHSIG, SIGKILL);
    for (std::uint64_t index = first;; ++index) {
        if (::write(reportFd, &index, sizeof index) != sizeof index) {
            ::_exit(2);
        }
        const Operation operation = operationAt(seed, index);
        const bool failed = operation.kind == Kind::FirstName
                                ? static_cast<bool>(Maj_Prenom(folder.memory, operation.line))
                                : rewriteFailed(folder.log, operation);
        if (failed) {
            ::_exit(3);
        }
    }
}

// The number of the last operation the writer started, if any.
std::optional<std::uint64_t> lastStarted(int reportFd) {
    std::optional<std::uint64_t> last;
    std::uint64_t index = 0;
    while (::read(reportFd, &index, sizeof index) == sizeof index) {
        last = index;
    }
    return last;
}

struct Tally {
    int kills = 0;
    int foundBefore = 0;
    int foundAfter = 0;
    int scratchLeft = 0;
    std::uint64_t operationsDone = 0;
};

// Starts a writer at operation next, kills it after a random delay and checks the files. Returns
// false, after saying why, when a file is in neither state.
bool killOnce(const Folder& folder, std::uint64_t seed, std::mt19937_64& random, Files& expected,
              std::uint64_t& next, Tally& tally) {
    int report[2];
    if (::pipe(report) != 0) {
        std::perror("pipe");
        return false;
    }
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(report[0]);
        runWriter(folder, seed, next, report[1]);
    }
    ::close(report[1]);
    std::this_thread::sleep_for(std::chrono::microseconds(random() % kLongestDelayMicroseconds));
    ::kill(pid, SIGKILL);
    int status = 0;
    ::waitpid(pid, &status, 0);
    const std::optional<std::uint64_t> last = lastStarted(report[0]);
    ::close(report[0]);
    ++tally.kills;
    if (!WIFSIGNALED(status)) {
        std::fprintf(stderr, "the writer ended by itself (status %d)\n", status);
        return false;
    }
    const std::uint64_t interrupted = last.value_or(next);
    for (; next < interrupted; ++next) {
        expected = applied(std::move(expected), operationAt(seed, next));
    }
    tally.scratchLeft += fs::exists(folder.log.parent_path() / kScratchFile) ||
                         fs::exists(folder.log.parent_path() / kInsertScratchFile);
    const Files found = folder.read();
    if (found == expected) {
        ++tally.foundBefore;
        return true;
    }
    const Files after = applied(expected, operationAt(seed, interrupted));
    if (found == after) {
        ++tally.foundAfter;
        expected = after;
        next = interrupted + 1;
        return true;
    }
    std::fprintf(stderr,
                 "kill %d, operation %llu: the log (%zu bytes) or Liste_Prenom.txt (%zu bytes) is "
                 "neither its version before (%zu, %zu) nor after (%zu, %zu)\n",
                 tally.kills, static_cast<unsigned long long>(interrupted), found.log.size(),
                 found.memory.size(), expected.log.size(), expected.memory.size(), after.log.size(),
                 after.memory.size());
    return false;
}

int run(int kills, std::uint64_t seed) {
    const test::TempFolder temp("orv_torture");
    const Folder folder{temp / "F4ABC_PC.log", temp / kFirstNameFile};
    Files expected = initialFiles();
    test::writeFile(folder.log, expected.log);
    test::writeFile(folder.memory, expected.memory);
    std::mt19937_64 random(seed);
    std::uint64_t next = 0;
    Tally tally;
    const auto start = std::chrono::steady_clock::now();
    for (int k = 0; k < kills; ++k) {
        if (!killOnce(folder, seed, random, expected, next, tally)) {
            return 1;
        }
    }
    const auto seconds =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf(
        "%d kills (seed %llu) in %.1f s, %llu operations done: each file was its version before "
        "the interrupted operation %d times, after it %d times; %d kills left a scratch file "
        "behind\n",
        tally.kills, static_cast<unsigned long long>(seed), seconds,
        static_cast<unsigned long long>(next), tally.foundBefore, tally.foundAfter,
        tally.scratchLeft);
    return 0;
}

}  // namespace
}  // namespace orv

int main(int argc, char** argv) {
    const int kills = argc > 1 ? std::atoi(argv[1]) : 300;
    const std::uint64_t seed =
        argc > 2 ? std::strtoull(argv[2], nullptr, 10)
                 : static_cast<std::uint64_t>(
                       std::chrono::system_clock::now().time_since_epoch().count());
    return orv::run(kills, seed);
}
