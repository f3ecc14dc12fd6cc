#include "ui/tools/log_commands.h"

#include "export/adif.h"
#include "model/list_shape.h"
#include "model/reference_list.h"
#include "model/site_names_update.h"
#include "model/text_file.h"
#include "ui/kit/text_codec.h"

namespace orv {
namespace {

const QString kNamesDone = QStringLiteral("Mise à jour du nom des Patrimoines terminée");
const QString kNoList = QStringLiteral(
    "La liste des Patrimoines Liste_PC.csv est absente, illisible ou incomplète : les noms des "
    "Patrimoines du log n'ont pas été modifiés.");
const QString kLogUnreadable =
    QStringLiteral("Le log %1 n'a pas pu être lu : rien n'a été modifié ni écrit.");
const QString kAdifSaved = QStringLiteral("Le fichier a été enregistré sous le nom : ");

}  // namespace

// A list cut short would blank the names of the sites it lost: the list on disk must be as whole
// as a download that may replace it.
void LogCommands::updateSiteNames() {
    const std::filesystem::path listPath = context_.log.files().referenceList();
    std::error_code error;
    if (listShapeFault(readWholeFile(listPath, error)) != ListShapeFault::None) {
        inform(kNoList);
        return;
    }
    const ReferenceList list = readReferenceList(listPath);
    std::optional<std::vector<std::string>> lines = readLog();
    if (!lines) {
        return;
    }
    if (context_.log.replaceAllLines(withSiteNamesUpdated(std::move(*lines), list)) ==
        WriteOutcome::Written) {
        followSelectedQso(list);
        inform(kNamesDone);
    }
}

// The QSO clicked or being modified is found in the log by its line, which now carries its new
// site name: it follows, so that its modification or deletion still finds it.
void LogCommands::followSelectedQso(const ReferenceList& list) {
    std::string& line = context_.state.selectedFileLine;
    if (!line.empty()) {
        line = withSiteNamesUpdated({line}, list).front();
    }
}

void LogCommands::exportAdif() {
    const std::optional<std::vector<std::string>> lines = readLog();
    if (!lines) {
        return;
    }
    const std::string name = context_.log.files().adifExport().filename().string();
    if (context_.log.saveFile(name, adifContent(context_.state.stationCallsign, *lines))) {
        inform(kAdifSaved + fromCp1252(name));
    }
}

std::optional<std::vector<std::string>> LogCommands::readLog() {
    LogLoad load = context_.log.readFile();
    if (load.status != LogLoadStatus::Loaded) {
        inform(kLogUnreadable.arg(
            QString::fromStdU16String(context_.log.files().log().filename().u16string())));
        return std::nullopt;
    }
    return std::move(load.lines);
}

void LogCommands::inform(const QString& message) {
    context_.services.messages.inform(context_.mainWindow, message);
}

}  // namespace orv
