#include "reports/report_texts.h"

namespace orv {
namespace {

std::string twoDigits(int value) {
    const int kept = value % 100;
    return {static_cast<char>('0' + kept / 10), static_cast<char>('0' + kept % 10)};
}

std::string joinedDate(const LogDate& day, std::string_view separator, std::string year) {
    return twoDigits(day.day) + std::string(separator) + twoDigits(day.month) +
           std::string(separator) + year;
}

std::string fourDigits(int year) {
    std::string digits = std::to_string(year);
    return std::string(digits.size() < 4 ? 4 - digits.size() : 0, '0') + digits;
}

bool hasDoubleUnderscore(std::string_view level) {
    return level == "PC_400" || level == "PC_500";
}

// A departement as a part of a file name: letters and digits kept, anything else (a "/" would
// name a folder) made "_".
std::string fileNamePart(std::string_view departement) {
    std::string part(departement);
    for (char& c : part) {
        const bool kept =
            (c >= '0' && c <= '9') || (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
        c = kept ? c : '_';
    }
    return part;
}

}  // namespace

std::string fileNameDate(const LogDate& day) {
    return joinedDate(day, "_", twoDigits(day.year));
}

std::string printHeadingDate(const LogDate& day) {
    return joinedDate(day, "/", twoDigits(day.year));
}

std::string fileHeadingDate(const LogDate& day) {
    return joinedDate(day, "/", fourDigits(day.year));
}

ReportTexts awardListReport(std::string_view callsign, std::string_view level,
                            const LogDate& today) {
    const std::string station(callsign);
    const std::string levelText(level);
    return {
        station + "_Diplome_" + levelText + "_" + (hasDoubleUnderscore(level) ? "_" : "") +
            fileNameDate(today) + ".txt",
        "   " + station + " Liste alphanumerique des Sites PC contact\xE9s au " +
            fileHeadingDate(today),
        "   N\xB0   Ref      Dpt   Nom du Site                     Date    Heure  Indicatif",
        std::string(17, ' ') + station + " Diplome " + levelText + " du " + printHeadingDate(today),
        "       N\xB0   Ref      Dpt   Nom du Site                     Date    Heure   Indicatif",
    };
}

ReportTexts confirmedListReport(std::string_view callsign, const LogDate& today) {
    const std::string station(callsign);
    const std::string heading =
        station + " Liste alphanumerique des Patrimoines contact\xE9s au " + fileHeadingDate(today);
    return {
        station + "_Liste_Patrimoines_" + fileNameDate(today) + ".txt",
        {" " + heading,
         "   N\xB0   Ref        Nom du Patrimoine            Date    Indicatif    QSL"},
        {"     " + heading,
         "        N\xB0  Ref         Nom du Patrimoine           Date   Indicatif     QSL"},
    };
}

ReportTexts sitesToWorkReport(std::string_view callsign, const HuntChoice& choice,
                              const LogDate& today) {
    const std::string station(callsign);
    const std::string title =
        station + " Patrimoines \xE0 contacter (" + huntChoicesText(choice) + ")";
    const std::string departement =
        choice.departement.empty() ? "Tous" : fileNamePart(choice.departement);
    return {
        station + "_A_Contacter_" + departement + "_" + fileNameDate(today) + ".txt",
        {"   " + title + " au " + fileHeadingDate(today), sitesToWorkHeader(0, 5)},
        {std::string(17, ' ') + title + " du " + printHeadingDate(today), sitesToWorkHeader(4, 5)},
    };
}

ListChangesReport listChangesReport(std::string_view callsign, const ListChanges& changes,
                                    const LogDate& today) {
    const std::string station(callsign);
    ListChangesReport report{station + "_Changements_Liste_PC_" + fileNameDate(today) + ".txt",
                             {"   " + station + " Changements de la liste des Patrimoines au " +
                              fileHeadingDate(today)}};
    if (const std::optional<std::string> revisions = revisionChangeLine(changes)) {
        report.lines.push_back("   " + *revisions);
    }
    report.lines.insert(report.lines.end(),
                        {"", listChangesCountLine(changes), std::string(kInLogLegend), ""});
    std::vector<std::string> rows = listChangesRows(changes);
    report.lines.insert(report.lines.end(), std::make_move_iterator(rows.begin()),
                        std::make_move_iterator(rows.end()));
    return report;
}

}  // namespace orv
