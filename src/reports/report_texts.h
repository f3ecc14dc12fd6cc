#pragma once
// What names and heads the two saved and printed lists: the file name in the data folder, the
// headings and the column headers (Windows-1252 text), all dated from the day given.

#include <string>
#include <string_view>

#include "model/log_line.h"
#include "reports/numbered_report.h"

namespace orv {

// "07_12_26": day, month and the last two digits of the year, joined by "_".
std::string fileNameDate(const LogDate& day);
// "07/12/26".
std::string printHeadingDate(const LogDate& day);
// "07/12/2026": the short French form with its four-digit year.
std::string fileHeadingDate(const LogDate& day);

struct ReportTexts {
    std::string fileName;  // in the data folder
    ReportHeadings file;   // above the rows of the saved file
    ReportHeadings print;  // above the printed rows
};

// The award list of a level ("PC_100" ... "PC_500"). The file names of PC_400 and PC_500 have two
// underscores before the date: files already saved by operators are named so.
ReportTexts awardListReport(std::string_view callsign, std::string_view level,
                            const LogDate& today);

// The list of contacted and confirmed sites.
ReportTexts confirmedListReport(std::string_view callsign, const LogDate& today);

}  // namespace orv
