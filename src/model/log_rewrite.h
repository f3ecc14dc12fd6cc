#pragma once
// Changes to a station's log. The log is never edited in place: each change reads the whole log,
// places, replaces or leaves out lines by the rules below, and puts the result in the log's place
// through a scratch file (rewriteFile), so the log is always its old or its new version.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>
#include <vector>

#include "model/safe_file_write.h"

namespace orv {

// Scratch files in the program folder.
inline constexpr std::string_view kScratchFile = "Temporaire.txt";
inline constexpr std::string_view kInsertScratchFile = "Temporaire6.txt";

// The placement number of a text: its first five characters read as a leading number (digits,
// optionally a decimal point and more digits, optionally E or D followed by digits); reading stops
// at the first other character, and a text that does not begin with a digit reads as 0.
double placementNumber(std::string_view text);

// A point in time of a log line, comparable with < and ==: the date of columns 41-48 ("JJ/MM/AA",
// day, month, year; 50-99 is 19xx and 00-49 is 20xx) and the time of columns 50-54 ("HH:MM").
// Day and month are taken as written, without a calendar check.
struct LogDateTime {
    int year = 0;
    int month = 0;
    int day = 0;
    int hour = 0;
    int minute = 0;
    auto operator<=>(const LogDateTime&) const = default;
};

// Nothing when a date or time character is not a digit, or the line is too short to hold them.
std::optional<LogDateTime> logDateTime(std::string_view logLine);

// The copy rules, on the lines of the log in memory.

enum class RewriteRule { Append, Insert, Replace, Remove };

// The new line goes just before the first line whose placement number is greater than its own,
// else at the end.
std::vector<std::string> withLineAppended(std::vector<std::string> lines, std::string_view newLine);

// The new line goes just before the first line whose date-time is later than or equal to its own,
// else at the end. A line whose date-time cannot be read (a blank line, say) is passed over and
// keeps its place; a new line whose own date-time cannot be read goes at the end.
std::vector<std::string> withLineInserted(std::vector<std::string> lines, std::string_view newLine);

// Every line equal to oldLine (whole text, case counts) becomes newLine; when none is equal,
// newLine goes at the end (rewriteLog never gets there: it refuses a missing oldLine first).
std::vector<std::string> withLinesReplaced(std::vector<std::string> lines, std::string_view newLine,
                                           std::string_view oldLine);

// Every line equal to line (whole text, case counts) is left out.
std::vector<std::string> withLinesRemoved(std::vector<std::string> lines, std::string_view line);

// The lines after the rule: line is the new line (Append, Insert, Replace) or the line to remove
// (Remove); oldLine is used by Replace only.
std::vector<std::string> linesAfterRule(std::vector<std::string> lines, RewriteRule rule,
                                        std::string_view line, std::string_view oldLine = {});

// Whether the lines still hold the line a rule looks for: the old line of Replace, the line of
// Remove (whole text, case counts). Append and Insert look for none.
bool holdsLineOfRule(const std::vector<std::string>& lines, RewriteRule rule, std::string_view line,
                     std::string_view oldLine = {});

// The rewrite of the log file itself.
enum class RewriteStatus {
    Done,
    LogFull,      // the log already holds kMaxListRows lines: nothing is written
    LineMissing,  // the line to replace or remove is no longer in the log: nothing is written
    Failed,       // a file step failed (error says which): the log is untouched
};

struct RewriteResult {
    RewriteStatus status = RewriteStatus::Done;
    std::error_code error;
};

// Reads the log at logPath, applies the rule and writes the result through the rule's scratch file
// ("Temporaire6.txt" for Insert, "Temporaire.txt" for the others) by rewriteFile: a log that is a
// link is rewritten where it points, a missing, unreadable or read-only log fails untouched.
// Replace and Remove refuse with LineMissing when the log, read under the folder's write lock, no
// longer holds their line (the file was changed behind the program's back): the QSO the operator
// chose is not there to change. Append and Insert refuse with LogFull when the log already holds
// kMaxListRows lines, so the log always stays loadable.
RewriteResult rewriteLog(const std::filesystem::path& logPath, RewriteRule rule,
                         std::string_view line, std::string_view oldLine = {},
                         FileSystemCalls& calls = systemFileCalls());

}  // namespace orv
