#pragma once
// What the entry chain and the list actions ask of the main window: the rewrites of the log, each
// ending with the list reloaded and its last row selected, and the reset of the entry area.

#include <string>

namespace orv {

enum class WriteOutcome {
    Written,     // the log holds the change and the list shows it
    NotWritten,  // the operator was told why; the log is as it was
    Ending,      // the log could not be reloaded and the program is ending: do nothing more
};

class LogOperations {
public:
    virtual ~LogOperations() = default;
    virtual WriteOutcome Ajoute_Ligne(const std::string& newLine) = 0;
    virtual WriteOutcome Insere_Ligne(const std::string& newLine) = 0;
    virtual WriteOutcome Remplace_Ligne(const std::string& newLine, const std::string& oldLine) = 0;
    virtual WriteOutcome Supprime_Ligne(const std::string& line) = 0;
    virtual void Init_Saisie() = 0;
    // Selects the station's stored band and mode in the entry lists.
    virtual void restoreBandAndMode() = 0;
    virtual bool automaticDate() const = 0;
};

}  // namespace orv
