#pragma once
// The main window's own texts: title, captions, tool tips, mode items (the bands are the model's,
// model/band_labels.h; the list's header stands beside its rows, in model/list_row.h).

#include <QString>
#include <QStringList>

#include "ui/map/map_credit.h"

namespace orv::main_text {

inline const QString kRevision = QStringLiteral(" 1.0.3");
inline const QString kTitlePrefix =
    QStringLiteral("ORV PC   Diplome des Patrimoines Français Rèvision ");
inline const QStringList kVersionHistory = {
    QStringLiteral("V1.0.0   le 05/03/2021 creation"),
    QStringLiteral("V1.0.1   le 13/03/2021 Ajout detail d'une référence"),
    QStringLiteral("V1.0.2   le 27/11/2021 Nouveau Cluster"),
    QStringLiteral("V1.0.3   le 07/12/2022 correction bug 'Erreur 53'"),
};

inline const QStringList kModes = {"SSB", "CW", "FM"};

inline const QString kListHelp = QStringLiteral(
    "Un click sur un QSO pour l'afficher ou le supprimer, un double click pour l'editer");
// What a screen reader is told of the log list and its frame, in place of the mouse's help.
inline const QString kLogName = QStringLiteral("Log de la station");
inline const QString kListKeys =
    QStringLiteral("QSO du log, les flèches affichent un QSO, Entrée l'ouvre pour le modifier");

inline const QString kStationBannerLabel = QStringLiteral("INDICATIF DE LA STATION  : ");
inline const QString kEntryFrame = QStringLiteral("Saisie ou modification d'un QSO");
inline const QString kEntryModeLabel = QStringLiteral("Mode de saisie");
inline const QString kNewQso = QStringLiteral("Saisie QSO");
inline const QString kModifyQso = QStringLiteral("Modification QSO");
inline const QString kInsertQso = QStringLiteral("Insertion QSO");

inline const QString kBandLabel = QStringLiteral("Bande");
inline const QString kCallsignLabel = QStringLiteral("Indicatif");
inline const QString kFirstNameLabel = QStringLiteral("Prénom (optionnel)");
inline const QString kReferenceLabel = QStringLiteral("Ref Patrimoine");
inline const QString kDepartementLabel = QStringLiteral("Dpt");
inline const QString kDateLabel = QStringLiteral("Date");
inline const QString kTimeLabel = QStringLiteral("Heure UTC");
inline const QString kModeLabel = QStringLiteral("Mode");
inline const QString kReportReceivedLabel = QStringLiteral("RST R");
inline const QString kReportSentLabel = QStringLiteral("RST E");
inline const QString kSiteNameLabel = QStringLiteral("Nom du Patrimoine (optionnel)");
inline const QString kQslLabel = QStringLiteral("QSL");
// The site's name as a screen reader tells it among the fields the program filled in.
inline const QString kSiteNameTold = QStringLiteral("Nom du Patrimoine");

inline const QString kCommitButton = QStringLiteral("Valider le QSO");
inline const QString kClearButton = QStringLiteral("Annuler saisie en cours");
inline const QString kDeleteButton = QStringLiteral("Supprimer un QSO");
inline const QString kDeleteTip =
    QStringLiteral("Permet d'annuler la saisie d'un Code Postal contacté");
inline const QString kInsertButton = QStringLiteral("Inserer un QSO");
inline const QString kSearchButton = QStringLiteral("Rechercher un QSO");
inline const QString kDetailButton = QStringLiteral("Detail Référence");

// Clock displays before their first refresh.
inline const QString kUtcClockDesign = QStringLiteral("12:35 TU");
inline const QString kLocalClockDesign = QStringLiteral("12:20 Loc");
inline const QString kDateDesign = QStringLiteral("02/02/08");

}  // namespace orv::main_text

namespace orv::main_text {

// Loading the log, and the first-name memory written at each commit.
inline const QString kLoadError = QStringLiteral("Erreur N° ");
inline const QString kMissingLogSuffix = QStringLiteral("_PC.log");
inline const QString kTooManyLines = QStringLiteral(
    "Le fichier %1_PC.log contient plus de 99999 lignes : ORV_PC ne peut pas "
    "l'afficher. Le fichier n'a pas été modifié.");
inline const QString kFirstNamesNotWritten =
    QStringLiteral("La liste des prénoms n'a pas pu être mise à jour (%1).");

// Aide menu.
inline const QString kAboutPrefix = QStringLiteral("ORV_PC  Révision ");
inline const QString kAboutFooter =
    QStringLiteral("ORV_PC, carnet de trafic du Diplome des Patrimoines Français. ") + kMapCredit;

}  // namespace orv::main_text
