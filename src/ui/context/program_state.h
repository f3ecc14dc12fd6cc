#pragma once
// The program-wide values the windows share.

#include <QString>
#include <string>

#include "entry/entry_mode.h"
#include "entry/station_rules.h"

namespace orv {

struct ProgramState {
    std::string stationCallsign{kNoStation};
    // The full text of the list row last clicked (Windows-1252), empty before any click.
    std::string selectedLogLine;
    // The log line that row was made from, exactly as the file held it when it was loaded: the
    // modification and the deletion find the QSO in the file by it.
    std::string selectedFileLine;
    EntryMode entryMode = EntryMode::NewQso;
    // The reference of the selected row, as "Detail Référence" took it for the detail window.
    std::string detailReference;
    // The award level last chosen with a "Voir la liste" button ("PC_100" ... "PC_500"), which
    // names the award list, its file and its printout; empty until then.
    std::string Niveau_Diplome;

    bool hasStation() const { return stationCallsign != kNoStation; }
    // A logged QSO is being modified: the list ignores clicks meanwhile.
    bool modifying() const { return entryMode == EntryMode::Modification; }
};

}  // namespace orv
