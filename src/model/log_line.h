#pragma once
// The log line: one QSO, one line of a station's log file, 107 characters in fixed columns. Every
// reader and writer of the log goes through these positions.

#include <compare>
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace orv {

inline constexpr std::size_t kLogLineLength = 107;

// A field of the log line: its 1-based first column and its width.
struct LogColumns {
    std::size_t first;
    std::size_t width;
};

namespace log_field {
inline constexpr LogColumns kCallsign{1, 12};
inline constexpr LogColumns kDepartement{14, 2};
// The departement as some readers take it: the code and the two blanks after it.
inline constexpr LogColumns kDepartementPiece{14, 4};
inline constexpr LogColumns kFirstName{19, 15};
inline constexpr LogColumns kReference{35, 5};
inline constexpr LogColumns kDate{41, 8};
inline constexpr LogColumns kTime{50, 5};
inline constexpr LogColumns kMode{56, 3};
inline constexpr LogColumns kBand{60, 7};
inline constexpr LogColumns kReportReceived{68, 3};
inline constexpr LogColumns kReportSent{72, 3};
inline constexpr LogColumns kSiteName{76, 30};
inline constexpr LogColumns kQsl{107, 1};
}  // namespace log_field

// The values of one QSO, Windows-1252 text, as the entry fields hold them.
struct LogRecord {
    std::string callsign;
    std::string departement;
    std::string firstName;
    std::string reference;
    std::string date;  // "JJ/MM/AA"
    std::string time;  // "HH:MM"
    std::string mode;
    std::string band;
    std::string reportReceived;
    std::string reportSent;
    std::string siteName;
    bool qslReceived = false;
    bool operator==(const LogRecord&) const = default;
};

// The 107-character line of a record: each value left-justified and padded with blanks to its
// width, blanks between the fields; the first name in capitals; the site name trimmed of leading
// and trailing blanks, in capitals and cut to 30 characters; "*" in column 107 for a received QSL,
// else a blank. Nothing when any other value is longer than its columns or holds a line end: such a
// record would give a line of another length, which no reader could take back.
std::optional<std::string> formatLogLine(const LogRecord& record);

// A date "JJ/MM/AA" read as day, month and year, and a time "HH:MM". Only the digits are looked
// at, without a calendar check; a two-digit year of 50 to 99 is 19xx, of 00 to 49 is 20xx.
struct LogDate {
    int year = 0;
    int month = 0;
    int day = 0;
    auto operator<=>(const LogDate&) const = default;
};

struct LogTime {
    int hour = 0;
    int minute = 0;
    auto operator<=>(const LogTime&) const = default;
};

// Nothing unless the text has its 8 (or 5) characters with digits in the digit places.
std::optional<LogDate> parseLogDate(std::string_view text);
std::optional<LogTime> parseLogTime(std::string_view text);

// A QSO read back from its log line. The record holds every column by name, trimmed of blanks at
// both ends, except the date and time, which are fixed-width texts taken whole; the departement is
// read from columns 14-17 (the code and the two blanks after it). For a line the program wrote,
// formatLogLine(record) gives the line back exactly. A shorter line gives empty values for the
// columns it lacks; characters beyond column 107 are not read.
struct LoggedQso {
    LogRecord record;
    std::string qslFlag;  // column 107 as it stands: "*", a blank, or empty on a shorter line
    std::optional<LogDate> date;
    std::optional<LogTime> time;
};

LoggedQso readLogLine(std::string_view line);
std::vector<LoggedQso> readLogLines(const std::vector<std::string>& lines);

// The characters at a field's columns, padding included. A field lying wholly or partly beyond the
// end of a shorter line gives what is there, possibly an empty text.
std::string_view readField(std::string_view line, LogColumns field);

// Blanks removed at both ends.
std::string_view trimBlanks(std::string_view text);

// The log of a station: the folder, then the callsign followed by "_PC.log".
std::filesystem::path logPath(const std::filesystem::path& folder, std::string_view callsign);

}  // namespace orv
