#include "model/log_rewrite.h"

#include <algorithm>
#include <charconv>
#include <limits>

#include "model/list_row.h"
#include "model/log_line.h"
#include "model/text_lines.h"

namespace orv {
namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

std::size_t digitsFrom(std::string_view text, std::size_t pos) {
    while (pos < text.size() && isDigit(text[pos])) {
        ++pos;
    }
    return pos;
}

// The new line placed before the first line that satisfies goesAfter, else at the end.
template <class Predicate>
std::vector<std::string> withLineBeforeFirst(std::vector<std::string> lines,
                                             std::string_view newLine, Predicate goesAfter) {
    lines.emplace(std::find_if(lines.begin(), lines.end(), goesAfter), newLine);
    return lines;
}

}  // namespace

double placementNumber(std::string_view text) {
    text = text.substr(0, 5);
    if (text.empty() || !isDigit(text.front())) {
        return 0;
    }
    std::size_t end = digitsFrom(text, 0);
    if (end < text.size() && text[end] == '.') {
        end = digitsFrom(text, end + 1);
    }
    std::string number(text.substr(0, end));
    if (end + 1 < text.size() &&
        std::string_view("EeDd").find(text[end]) != std::string_view::npos &&
        isDigit(text[end + 1])) {
        number += 'e';
        number += text.substr(end + 1, digitsFrom(text, end + 1) - end - 1);
    }
    double value = 0;
    const auto [ptr, ec] = std::from_chars(number.data(), number.data() + number.size(), value);
    if (ec == std::errc::result_out_of_range) {
        return std::numeric_limits<double>::infinity();
    }
    return value;
}

std::optional<LogDateTime> logDateTime(std::string_view logLine) {
    const auto date = parseLogDate(readField(logLine, log_field::kDate));
    const auto time = parseLogTime(readField(logLine, log_field::kTime));
    if (!date || !time) {
        return std::nullopt;
    }
    return LogDateTime{date->year, date->month, date->day, time->hour, time->minute};
}

std::vector<std::string> withLineAppended(std::vector<std::string> lines,
                                          std::string_view newLine) {
    const double own = placementNumber(newLine);
    return withLineBeforeFirst(std::move(lines), newLine, [own](const std::string& line) {
        return placementNumber(line) > own;
    });
}

std::vector<std::string> withLineInserted(std::vector<std::string> lines,
                                          std::string_view newLine) {
    const auto own = logDateTime(newLine);
    return withLineBeforeFirst(std::move(lines), newLine, [&own](const std::string& line) {
        const auto when = own ? logDateTime(line) : std::nullopt;
        return when && *when >= *own;
    });
}

std::vector<std::string> withLinesReplaced(std::vector<std::string> lines, std::string_view newLine,
                                           std::string_view oldLine) {
    bool replaced = false;
    for (auto& line : lines) {
        if (line == oldLine) {
            line = newLine;
            replaced = true;
        }
    }
    if (!replaced) {
        lines.emplace_back(newLine);
    }
    return lines;
}

std::vector<std::string> withLinesRemoved(std::vector<std::string> lines, std::string_view line) {
    std::erase(lines, line);
    return lines;
}

std::vector<std::string> linesAfterRule(std::vector<std::string> lines, RewriteRule rule,
                                        std::string_view line, std::string_view oldLine) {
    switch (rule) {
        case RewriteRule::Append:
            return withLineAppended(std::move(lines), line);
        case RewriteRule::Insert:
            return withLineInserted(std::move(lines), line);
        case RewriteRule::Replace:
            return withLinesReplaced(std::move(lines), line, oldLine);
        case RewriteRule::Remove:
            return withLinesRemoved(std::move(lines), line);
    }
    return lines;
}

bool holdsLineOfRule(const std::vector<std::string>& lines, RewriteRule rule, std::string_view line,
                     std::string_view oldLine) {
    switch (rule) {
        case RewriteRule::Append:
        case RewriteRule::Insert:
            return true;
        case RewriteRule::Replace:
            return std::ranges::find(lines, oldLine) != lines.end();
        case RewriteRule::Remove:
            return std::ranges::find(lines, line) != lines.end();
    }
    return true;
}

RewriteResult rewriteLog(const std::filesystem::path& logPath, RewriteRule rule,
                         std::string_view line, std::string_view oldLine, FileSystemCalls& calls) {
    RewriteStatus status = RewriteStatus::Done;
    const std::string_view scratchName =
        rule == RewriteRule::Insert ? kInsertScratchFile : kScratchFile;
    const std::error_code error = rewriteFile(
        logPath, scratchName, MissingFile::Fails,
        [&](std::string_view content) -> std::optional<std::string> {
            std::vector<std::string> lines = splitLines(content);
            if (!holdsLineOfRule(lines, rule, line, oldLine)) {
                status = RewriteStatus::LineMissing;
                return std::nullopt;
            }
            const std::size_t before = lines.size();
            lines = linesAfterRule(std::move(lines), rule, line, oldLine);
            // A log the list could not number any more must never be written.
            if (lines.size() > kMaxListRows && lines.size() > before) {
                status = RewriteStatus::LogFull;
                return std::nullopt;
            }
            return joinLines(lines);
        },
        calls);
    if (error) {
        return {RewriteStatus::Failed, error};
    }
    return {status, {}};
}

}  // namespace orv
