#include "ui/context/log_service.h"

#include "model/file_error_text.h"
#include "model/safe_file_write.h"
#include "model/text_lines.h"
#include "platform/message_boxes.h"
#include "ui/kit/text_codec.h"

namespace orv {
namespace {

const QString kLogFull =
    QStringLiteral("Le log contient déjà 99999 QSO, le maximum : le QSO n'a pas été enregistré.");
const QString kLogNotWritten =
    QStringLiteral("Le log n'a pas pu être enregistré (%1) : il n'a pas été modifié.");
const QString kQsoNoLongerInLog = QStringLiteral(
    "Ce QSO n'est plus dans le fichier %1 (modifié en dehors d'ORV_PC) : le log n'a pas été "
    "modifié.");
const QString kFileNotSaved = QStringLiteral("Le fichier %1 n'a pas pu être enregistré (%2).");

QString fileName(const std::filesystem::path& path) {
    return QString::fromStdU16String(path.filename().u16string());
}

}  // namespace

LogService::LogService(std::filesystem::path dataFolder, const ProgramState& state,
                       MessageBoxes& messages)
    : dataFolder_(std::move(dataFolder)), state_(state), messages_(messages) {}

StationFiles LogService::files() const {
    return StationFiles(dataFolder_, state_.stationCallsign);
}

LogLoad LogService::readFile() const {
    return readLog(files().log());
}

bool LogService::Charge_Log() {
    emit aboutToChange();
    // The old lines go first, so that their memory takes the new ones.
    lines_ = {};
    LogLoad load = readFile();
    lines_ = std::move(load.lines);
    emit changed();
    if (load.status != LogLoadStatus::Loaded) {
        emit loadFailed(load.status, load.errorNumber);
        return false;
    }
    return true;
}

std::error_code LogService::Cree_Log() {
    return createEmptyFile(files().log());
}

bool LogService::logExists() const {
    std::error_code error;
    return std::filesystem::exists(files().log(), error);
}

WriteOutcome LogService::Ajoute_Ligne(std::string_view newLine) {
    return rewrite(RewriteRule::Append, newLine);
}

WriteOutcome LogService::Insere_Ligne(std::string_view newLine) {
    return rewrite(RewriteRule::Insert, newLine);
}

WriteOutcome LogService::Remplace_Ligne(std::string_view newLine, std::string_view oldLine) {
    return rewrite(RewriteRule::Replace, newLine, oldLine);
}

WriteOutcome LogService::Supprime_Ligne(std::string_view line) {
    return rewrite(RewriteRule::Remove, line);
}

WriteOutcome LogService::replaceAllLines(const std::vector<std::string>& lines) {
    const std::error_code error =
        rewriteFile(files().log(), kNamesScratchFile, MissingFile::Fails,
                    [&lines](std::string_view) { return joinLines(lines); });
    if (error) {
        explain(kLogNotWritten.arg(fromUtf8(fileErrorReason(error))));
        return WriteOutcome::NotWritten;
    }
    return reloadAfterWrite();
}

bool LogService::saveFile(std::string_view name, std::string_view content) {
    const std::error_code error =
        rewriteFile(files().inFolder(name), kScratchFile, MissingFile::ReadsAsEmpty,
                    [content](std::string_view) { return std::string(content); });
    if (error) {
        explain(kFileNotSaved.arg(fromCp1252(name), fromUtf8(fileErrorReason(error))));
        return false;
    }
    return true;
}

WriteOutcome LogService::rewrite(RewriteRule rule, std::string_view line,
                                 std::string_view oldLine) {
    const RewriteResult result = rewriteLog(files().log(), rule, line, oldLine);
    switch (result.status) {
        case RewriteStatus::Done:
            return reloadAfterWrite();
        case RewriteStatus::LogFull:
            explain(kLogFull);
            break;
        case RewriteStatus::LineMissing:
            explain(kQsoNoLongerInLog.arg(fileName(files().log())));
            break;
        case RewriteStatus::Failed:
            explain(kLogNotWritten.arg(fromUtf8(fileErrorReason(result.error))));
            break;
    }
    return WriteOutcome::NotWritten;
}

WriteOutcome LogService::reloadAfterWrite() {
    if (!Charge_Log()) {
        return WriteOutcome::Ending;
    }
    emit rewritten();
    return WriteOutcome::Written;
}

void LogService::explain(const QString& message) {
    messages_.inform(messageParent_, message);
}

}  // namespace orv
