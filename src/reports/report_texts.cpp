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

}  // namespace orv
