#include "ui/context/report_output.h"

#include <QStringList>

#include "ui/kit/text_codec.h"

namespace orv {
namespace {

const QString kSaved = QStringLiteral("Fichier enregistré sous le nom : ");
const QString kPrintFailed =
    QStringLiteral("L'impression n'a pas pu se faire : vérifiez l'imprimante choisie.");

}  // namespace

LogDate localToday(const Clock& clock) {
    const ClockReading now = clock.localNow();
    return {now.year, now.month, now.day};
}

void saveReport(WindowContext& context, QWidget* window, const std::string& fileName,
                std::string_view content) {
    if (context.log.saveFile(fileName, content)) {
        context.services.messages.inform(window, kSaved + fromCp1252(fileName));
    }
}

void printReport(WindowContext& context, QWidget* window, const std::vector<std::string>& lines) {
    QStringList shown;
    shown.reserve(qsizetype(lines.size()));
    for (const std::string& line : lines) {
        shown << fromCp1252(line);
    }
    if (context.services.printer.print(window, shown) == PrintOutcome::Failed) {
        context.services.messages.inform(window, kPrintFailed);
    }
}

}  // namespace orv
