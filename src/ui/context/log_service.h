#pragma once
// The station's log as one service: the data folder's file names for the current station, the
// log as last loaded (Charge_Log), the rewrites that change it (Ajoute_Ligne, Insere_Ligne,
// Remplace_Ligne, Supprime_Ligne, the whole log replaced), each followed by the reload, and the
// files saved beside it. A failed file step is explained to the operator here, once for every
// window. The rules themselves (layouts, copy rules, crash-safe replace) are the model's.

#include <QObject>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

#include "model/log_file.h"
#include "model/log_rewrite.h"
#include "model/station_files.h"
#include "ui/context/program_state.h"

class QWidget;

namespace orv {

class MessageBoxes;

enum class WriteOutcome {
    Written,     // the log holds the change and lines() show it
    NotWritten,  // the operator was told why; the log is as it was
    Ending,      // the log could not be reloaded and the program is ending: do nothing more
};

class LogService final : public QObject {
    Q_OBJECT

public:
    // The files are those of state's station callsign at the time of each call.
    LogService(std::filesystem::path dataFolder, const ProgramState& state, MessageBoxes& messages);

    // The window over which failures are explained.
    void setMessageParent(QWidget* parent) { messageParent_ = parent; }

    StationFiles files() const;

    // The log as last loaded: every line of the file in file order, as the file held it.
    const std::vector<std::string>& lines() const { return lines_; }

    // The log file read afresh, for the windows that read the file itself when they open;
    // lines() are left as they are.
    LogLoad readFile() const;

    // Loads the log into lines(). On failure lines() are empty and loadFailed() tells why (the
    // main window then explains it and ends the program); false is returned.
    bool Charge_Log();

    // Creates the empty log of the current station; an existing log is never emptied.
    std::error_code Cree_Log();
    bool logExists() const;

    // The rewrites of the log, each ending with the reload and rewritten(). Remplace_Ligne and
    // Supprime_Ligne find their QSO by its whole line in the file as it stands under the folder's
    // write lock; when the file no longer holds it (changed behind the program's back) the operator
    // is told and nothing is written.
    WriteOutcome Ajoute_Ligne(std::string_view newLine);
    WriteOutcome Insere_Ligne(std::string_view newLine);
    WriteOutcome Remplace_Ligne(std::string_view newLine, std::string_view oldLine);
    WriteOutcome Supprime_Ligne(std::string_view line);
    // The whole log replaced by lines, through the scratch file "Temporaire1.log".
    WriteOutcome replaceAllLines(const std::vector<std::string>& lines);

    // Writes a file of the data folder whole (a report, the ADIF export): it holds either its
    // old or its new content. False when it could not be written; the operator was told why.
    bool saveFile(std::string_view fileName, std::string_view content);

signals:
    // Around every load: lines() change between the two.
    void aboutToChange();
    void changed();
    // After a rewrite and its reload: the windows showing the log select its last row.
    void rewritten();
    void loadFailed(orv::LogLoadStatus status, int errorNumber);

private:
    WriteOutcome rewrite(RewriteRule rule, std::string_view line, std::string_view oldLine = {});
    WriteOutcome reloadAfterWrite();
    void explain(const QString& message);

    std::filesystem::path dataFolder_;
    const ProgramState& state_;
    MessageBoxes& messages_;
    QWidget* messageParent_ = nullptr;
    std::vector<std::string> lines_;
};

}  // namespace orv
