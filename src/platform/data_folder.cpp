#include "platform/data_folder.h"

#include <QDir>
#include <QStandardPaths>

namespace orv {

std::filesystem::path dataFolder() {
    const QString folder =
        QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation) + "/ORV_PC";
    QDir().mkpath(folder);
    return std::filesystem::path(folder.toStdU16String());
}

}  // namespace orv
