#pragma once
// The messages of the QSO entry, exactly as the operator sees them (UTF-8: they are shown, never
// written to a file).

#include <string_view>

#include "model/callsign_messages.h"

namespace orv::msg {

inline constexpr std::string_view kFirstInstallation =
    "\r\nPremiere installation, vous devez entrer votre Indicatif\r\n\r\n";
inline constexpr std::string_view kNoStationYet =
    "\r\n         Premiere installation, vous devez entrer votre Indicatif\r\n\r\n"
    "Pour cela dans la barre des menus allez dans Station puis Nouvel Indicatif.";

inline constexpr std::string_view kFirstNameTooLong = "15 caracteres maxi pour le Prenom";
inline constexpr std::string_view kReferenceTooLong = "5 caracteres pour la reference ex: 89001";
inline constexpr std::string_view kReferenceEmpty = "Entrez une référence";
inline constexpr std::string_view kAlreadyContacted = " Patrimoine deja contacté le ";
inline constexpr std::string_view kAlreadyContactedBand = " sur ";
inline constexpr std::string_view kDepartementTooLong = "2 caracteres maxi pour le Departement";
inline constexpr std::string_view kDateEmpty = "Entrez une date";
inline constexpr std::string_view kDateLength = "8 caracteres pour la date ex: 01/02/08";
inline constexpr std::string_view kDateFormat = "Le format de la date doit etre JJ/MM/AA";
inline constexpr std::string_view kTimeEmpty = "Entrez une Heure";
inline constexpr std::string_view kTimeLength = "5 caracteres pour l'heure ex: 08:45";
inline constexpr std::string_view kTimeFormat = "Le format de l'heure doit etre HH:MM";
inline constexpr std::string_view kModeEmpty = "Entrez un Mode";
inline constexpr std::string_view kModeTooLong = "6 caracteres maxi pour le Mode";
inline constexpr std::string_view kBandEmpty = "Entrez une QRG";
inline constexpr std::string_view kBandTooLong = "7 caracteres maxi pour la QRG";
inline constexpr std::string_view kReportEmpty = "Entrez un Report";
inline constexpr std::string_view kReportTooLong = "3 caracteres maxi pour le Report";
inline constexpr std::string_view kReportValue = "R (de RST)doit etre compris entre 0 et 5";
inline constexpr std::string_view kSiteNameTooLong = "30 caracteres maxi pour le nom du Patrimoine";

// The log holds 3 characters of mode: a longer mode is refused when the QSO is committed.
inline constexpr std::string_view kModeTooLongForLog =
    "3 caracteres maxi pour le Mode dans le log : corrigez le Mode pour enregistrer le QSO";

inline constexpr std::string_view kStationEmpty = "Vous devez entrer un indicatif";
inline constexpr std::string_view kStationTooLong = "12 caracteres maximum pour l'indicatif";
inline constexpr std::string_view kStationCharacters =
    "L'indicatif ne doit comporter que des lettres des chiffres ou le signe '_' ";

inline constexpr std::string_view kConfirmCommit = "Voulez vous enregistrer ces données ?";
inline constexpr std::string_view kClickToEdit = "Cliquez sur une ligne pour l'editer";
inline constexpr std::string_view kClickToDelete = "Cliquez sur une ligne pour l'effacer";
inline constexpr std::string_view kConfirmDelete = "Voulez vous Supprimer ce QSO ?";

}  // namespace orv::msg
