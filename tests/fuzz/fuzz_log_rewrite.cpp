// The rewrite rules against the file they write: the log file after a rewrite holds exactly the
// rule's lines; a new line is placed by its rule, the others keep their order; a line inserted and
// removed again gives the log back.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "fuzz_check.h"
#include "model/log_rewrite.h"
#include "model/text_lines.h"

namespace orv {
namespace {

using Lines = std::vector<std::string>;

// The lines with one copy of line taken out at index.
Lines without(Lines lines, std::size_t index) {
    lines.erase(lines.begin() + static_cast<std::ptrdiff_t>(index));
    return lines;
}

void checkPlacement(const Lines& before, const Lines& after, RewriteRule rule,
                    const std::string& line) {
    std::size_t at = 0;
    while (at < before.size() && after[at] == before[at]) {
        ++at;
    }
    FUZZ_CHECK(after[at] == line);
    FUZZ_CHECK(without(after, at) == before);
    for (std::size_t i = 0; i < at; ++i) {
        if (before[i] == line) {
            continue;  // a copy of the new line: which of the two is "new" cannot be told
        }
        if (rule == RewriteRule::Append) {
            FUZZ_CHECK(placementNumber(before[i]) <= placementNumber(line));
        } else if (const auto own = logDateTime(line); own) {
            const auto when = logDateTime(before[i]);
            FUZZ_CHECK(!when || *when < *own);
        }
    }
}

void checkRule(const Lines& before, const Lines& after, RewriteRule rule, const std::string& line,
               const std::string& oldLine) {
    switch (rule) {
        case RewriteRule::Append:
        case RewriteRule::Insert:
            FUZZ_CHECK(after.size() == before.size() + 1);
            checkPlacement(before, after, rule, line);
            break;
        case RewriteRule::Replace: {
            const bool present = std::find(before.begin(), before.end(), oldLine) != before.end();
            FUZZ_CHECK(after.size() == before.size() + (present ? 0 : 1));
            break;
        }
        case RewriteRule::Remove:
            FUZZ_CHECK(std::find(after.begin(), after.end(), line) == after.end());
            FUZZ_CHECK(after.size() + static_cast<std::size_t>(
                                          std::count(before.begin(), before.end(), line)) ==
                       before.size());
            break;
    }
}

}  // namespace
}  // namespace orv

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace orv;
    FuzzedDataProvider data(bytes, size);
    const auto rule = static_cast<RewriteRule>(data.ConsumeIntegralInRange(0, 3));
    const std::string line = fuzz::oneLine(data.ConsumeRandomLengthString(120));
    const std::string oldLine = fuzz::oneLine(data.ConsumeRandomLengthString(120));
    const std::string content = data.ConsumeRemainingBytesAsString();
    const Lines before = splitLines(content);
    const Lines after = linesAfterRule(before, rule, line, oldLine);
    checkRule(before, after, rule, line, oldLine);

    const std::filesystem::path log = fuzz::scratchFolder() / "F4ABC_PC.log";
    fuzz::writeFile(log, content);
    // A replace or a removal whose line is not there writes nothing.
    const bool found = holdsLineOfRule(before, rule, line, oldLine);
    FUZZ_CHECK(rewriteLog(log, rule, line, oldLine).status ==
               (found ? RewriteStatus::Done : RewriteStatus::LineMissing));
    FUZZ_CHECK(fuzz::readFile(log) == (found ? joinLines(after) : content));

    const bool newLine = std::find(before.begin(), before.end(), line) == before.end();
    if (rule == RewriteRule::Insert && newLine) {
        FUZZ_CHECK(rewriteLog(log, RewriteRule::Remove, line).status == RewriteStatus::Done);
        FUZZ_CHECK(fuzz::readFile(log) == joinLines(before));
    }
    return 0;
}
