#pragma once
// The log line: one QSO, one line of a station's log file, 107 characters in fixed columns. Every
// reader and writer of the log goes through these positions.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>

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
};

// The 107-character line of a record: each value left-justified and padded with blanks to its
// width, blanks between the fields; the first name in capitals; the site name trimmed of leading
// and trailing blanks, in capitals and cut to 30 characters; "*" in column 107 for a received QSL,
// else a blank. The caller makes sure every other value fits its width: a longer one would push
// the later columns to the right.
std::string formatLogLine(const LogRecord& record);

// The characters at a field's columns, padding included. A field lying wholly or partly beyond the
// end of a shorter line gives what is there, possibly an empty text.
std::string_view readField(std::string_view line, LogColumns field);

// Blanks removed at both ends.
std::string_view trimBlanks(std::string_view text);

// The log of a station: the folder, then the callsign followed by "_PC.log".
std::filesystem::path logPath(const std::filesystem::path& folder, std::string_view callsign);

}  // namespace orv
