#pragma once
// The two commands that work on the whole log: "Mise a jour du nom des Patrimoines du log PC"
// (every site name rewritten from the reference list) and "Exporter le log au format ADIF".

#include <optional>
#include <string>
#include <vector>

#include "model/reference_list.h"
#include "ui/context/window_context.h"

namespace orv {

class LogCommands {
public:
    explicit LogCommands(WindowContext& context) : context_(context) {}

    // Rewrites the site names through "Temporaire1.log", reloads the list and says it is done.
    // Without a readable and whole list the log is left as it is and the operator is told why.
    void updateSiteNames();

    // Writes the station's ADIF file beside the log and names it; a file that could not be written
    // is explained instead.
    void exportAdif();

private:
    // The log file read afresh; nothing when it cannot be read (the operator was told).
    std::optional<std::vector<std::string>> readLog();
    void followSelectedQso(const ReferenceList& list);
    void inform(const QString& message);

    WindowContext& context_;
};

}  // namespace orv
