#pragma once
// The texts the program shows around its main window: a second copy started on the same data
// folder, a data folder that cannot be locked, and a daily backup that could not be written.

#include <QString>

namespace orv::app_text {

inline const QString kAlreadyOpen = QStringLiteral(
    "ORV_PC est déjà ouvert : une seule fenêtre ORV_PC peut utiliser le dossier de données\n"
    "%1\n"
    "Revenez à la fenêtre ORV_PC déjà ouverte.");
inline const QString kLockNotTaken = QStringLiteral(
    "ORV_PC ne peut pas démarrer : son verrou ORV_PC.lock n'a pas pu être posé dans le dossier de "
    "données\n%1\n(%2).\n"
    "Sans lui, deux fenêtres ORV_PC pourraient modifier les mêmes fichiers.");
inline const QString kBackupNotWritten = QStringLiteral(
    "La sauvegarde du jour du log n'a pas pu être écrite dans le dossier Sauvegardes (%1).\n"
    "ORV_PC continue sans elle.");

}  // namespace orv::app_text
