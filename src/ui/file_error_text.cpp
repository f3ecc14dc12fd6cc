#include "ui/file_error_text.h"

#include <cerrno>

namespace orv {

QString fileErrorText(const std::error_code& error) {
    switch (error.value()) {
        case ENOSPC:
        case EDQUOT:
            return QStringLiteral("disque plein");
        case EACCES:
        case EPERM:
        case EROFS:
            return QStringLiteral("accès refusé");
        case ENOENT:
            return QStringLiteral("fichier introuvable");
        case EISDIR:
            return QStringLiteral("un dossier porte ce nom");
        case EEXIST:
        case ENOTDIR:
            return QStringLiteral("un fichier porte ce nom");
        case ENOLCK:
        case EOPNOTSUPP:
            return QStringLiteral("verrous de fichiers non pris en charge sur ce disque");
        default:
            return QStringLiteral("erreur système %1").arg(error.value());
    }
}

}  // namespace orv
