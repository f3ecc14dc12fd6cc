#include "model/file_error_text.h"

#include <cerrno>

namespace orv {

std::string fileErrorReason(const std::error_code& error) {
    switch (error.value()) {
        case ENOSPC:
        case EDQUOT:
            return "disque plein";
        case EACCES:
        case EPERM:
        case EROFS:
            return "accès refusé";
        case ENOENT:
            return "fichier introuvable";
        case EISDIR:
            return "un dossier porte ce nom";
        case EEXIST:
        case ENOTDIR:
            return "un fichier porte ce nom";
        case ENOLCK:
        case EOPNOTSUPP:
            return "verrous de fichiers non pris en charge sur ce disque";
        default:
            return "erreur système " + std::to_string(error.value());
    }
}

}  // namespace orv
