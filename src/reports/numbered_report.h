#pragma once
// The numbered report shared by the award list and the confirmed-sites list: the rows of a list
// window numbered from 1 under a heading and a column header, saved as a text file of the data
// folder or printed. Text is Windows-1252.

#include <string>
#include <string_view>
#include <vector>

namespace orv {

// The one-line notice that ends every report, after its own indent.
inline constexpr std::string_view kReportFooterNotice =
    "ORV_PC, carnet de trafic du Diplome des Patrimoines Fran\xE7"
    "ais";

// What a report window puts above its numbered rows, on paper or in its file.
struct ReportHeadings {
    std::string heading;
    std::string columnHeader;
};

// A report of lines as they stand, ended as every report is: in its file, an empty line and the
// footer (24 blanks, the notice), each line ended by CR LF; on paper, two empty lines and the
// footer (21 blanks, the notice).
std::string reportFile(std::vector<std::string> lines);
std::vector<std::string> reportPrintout(std::vector<std::string> lines);

// The report file's content, each line ended by CR LF: the heading, an empty line, the column
// header, an empty line, one line per row (its number right-aligned in 5 characters, a blank, the
// row as it stands), an empty line, then 24 blanks and the notice.
std::string numberedReportFile(const ReportHeadings& headings,
                               const std::vector<std::string>& rows);

// The printed lines: the heading, an empty line, the column header, an empty line, one line per
// row (four blanks, its number right-aligned in 5 characters, a blank, the row), two empty lines,
// then 21 blanks and the notice.
std::vector<std::string> numberedPrintout(const ReportHeadings& headings,
                                          const std::vector<std::string>& rows);

}  // namespace orv
