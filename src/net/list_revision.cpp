#include "net/list_revision.h"

#include "model/cp1252.h"
#include "model/list_shape.h"

namespace orv {

RevisionCheck checkRevision(const std::optional<std::string>& listRevision,
                            std::string_view remembered, ListOnDisk onDisk) {
    // A revision line too long to be one is no revision: it is neither shown nor remembered.
    if (!listRevision || listRevision->size() > kMaxRevisionLength) {
        return {"Aucune liste des Patrimoines lisible n'est installée (Liste_PC.csv).", {}};
    }
    const std::string shown = cp1252ToUtf8(*listRevision);
    if (*listRevision == remembered) {
        return {"La liste des Patrimoines est à la derniere révision   (" + shown + ")",
                listRevision};
    }
    if (onDisk == ListOnDisk::KeptAfterFailure) {
        return {};
    }
    return {"La liste des Patrimoines à été mise à jour   " + shown, listRevision};
}

}  // namespace orv
