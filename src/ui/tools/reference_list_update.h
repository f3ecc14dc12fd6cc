#pragma once
// "Mise a jour des références PC": the reference list fetched from the address of the settings
// (Download), put in place of "Liste_PC.csv" only when it is a complete list, then its revision
// compared with the one the station remembers. While the list arrives a progress dialog shows the
// bytes received and lets the operator cancel; a server that stops sending is given up after the
// time-out. The list in place is kept in memory meanwhile, so that what changed can be shown.

#include <QString>
#include <chrono>
#include <optional>

#include "model/reference_list.h"

#include "net/list_download.h"
#include "net/list_revision.h"
#include "ui/context/window_context.h"

namespace orv {

// The list an update found in place and the different one it put there.
struct ListReplacement {
    ReferenceList before;
    ReferenceList after;
};

class ReferenceListUpdate {
public:
    explicit ReferenceListUpdate(WindowContext& context,
                                 std::chrono::milliseconds timeout = kDownloadTimeout);

    // The whole update: download, then the revision check and its message. The lists before and
    // after when the update replaced a list by one of another content; nothing when it failed,
    // brought the same content or found no list in place.
    std::optional<ListReplacement> run();

    // Fetches url and, when the answer is a complete list, writes it whole to the data file
    // saveAs. False when the file was left as it was; the operator has been told why.
    bool Download(const QString& url, const QString& saveAs);

private:
    void checkRevision(ListOnDisk onDisk);

    WindowContext& context_;
    std::chrono::milliseconds timeout_;
};

}  // namespace orv
