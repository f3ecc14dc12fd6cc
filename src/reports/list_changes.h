#pragma once
// What an update of the reference list changed: the sites it brought ("Nouveaux"), those whose
// name it changed ("Renommés") and those it withdrew ("Retirés"), each told apart by reference
// whatever its letter case, and marked when the station's log holds a QSO with it. The comparison
// only reads: it changes neither the log nor the list. Text is Windows-1252.

#include <optional>
#include <string>
#include <vector>

#include "model/reference_list.h"

namespace orv {

struct ChangedSite {
    ReferenceSite site;
    bool inLog = false;
};

struct RenamedSite {
    std::string reference;  // as the new list writes it
    std::string oldName;
    std::string newName;
    bool inLog = false;
};

struct ListChanges {
    std::optional<std::string> oldRevision;
    std::optional<std::string> newRevision;
    std::vector<ChangedSite> added;      // in the new list's order
    std::vector<RenamedSite> renamed;    // in the new list's order
    std::vector<ChangedSite> withdrawn;  // in the old list's order

    // The sites of the three groups that the log holds.
    int concerned() const;
    // Whether the site-names update would change names in the log.
    bool renamedInLog() const;
};

// A name changes when its text differs in any way, letter case and blanks included.
ListChanges compareLists(const ReferenceList& before, const ReferenceList& after,
                         const std::vector<std::string>& logLines);

// "12 nouveaux, 3 renommés, 1 retiré ; 2 de votre log concernés".
std::string listChangesCountLine(const ListChanges& changes);

// What the mark of a row means, under the count line.
inline constexpr std::string_view kInLogLegend = "* : Patrimoine pr\xE9sent dans votre log";

// "Rev 004 01/03/24 remplacée par Rev 005 01/06/24"; nothing unless both revisions are known.
std::optional<std::string> revisionChangeLine(const ListChanges& changes);

// The three groups, each a heading with its count, then its rows: the mark ("*" when the log
// holds the site, else a blank), the reference (5), the name (30, cut or padded), then the
// commune, or for a renamed site its old name (30) then its new one.
std::vector<std::string> listChangesRows(const ListChanges& changes);

}  // namespace orv
