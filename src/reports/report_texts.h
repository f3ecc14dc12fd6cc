#pragma once
// What names and heads the two saved and printed lists: the file name in the data folder, the
// headings and the column headers (Windows-1252 text), all dated from the day given.

#include <string>
#include <string_view>
#include <vector>

#include "model/log_line.h"
#include "reports/list_changes.h"
#include "reports/numbered_report.h"
#include "reports/sites_to_work.h"

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

// The sites still to work for a choice: CALLSIGN_A_Contacter_89_JJ_MM_AA.txt ("Tous" for every
// departement; a character of the departement that has no place in a file name becomes "_").
ReportTexts sitesToWorkReport(std::string_view callsign, const HuntChoice& choice,
                              const LogDate& today);

// What an update of the list changed: CALLSIGN_Changements_Liste_PC_JJ_MM_AA.txt, the same lines
// in the file and on paper (before the footer every report ends with).
struct ListChangesReport {
    std::string fileName;
    std::vector<std::string> lines;
};

ListChangesReport listChangesReport(std::string_view callsign, const ListChanges& changes,
                                    const LogDate& today);

}  // namespace orv
