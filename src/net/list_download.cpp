#include "net/list_download.h"

namespace orv {
namespace {

constexpr std::string_view kNoInternet = "Attention pas d'acces à Internet";

ListVerdict refused(std::string reason) {
    return {false, reason + std::string(kListKept)};
}

// A decimal number with a blank between groups of three digits, as French writes it.
std::string groupedDigits(std::size_t value) {
    const std::string digits = std::to_string(value);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0) {
            grouped += ' ';
        }
        grouped += digits[i];
    }
    return grouped;
}

std::string_view firstLine(std::string_view body) {
    return body.substr(0, body.find_first_of("\r\n"));
}

ListVerdict judgeTransfer(const ListAnswer& answer) {
    switch (answer.end) {
        case TransferEnd::NoConnection:
            return {false, std::string(kNoInternet)};
        case TransferEnd::TimedOut:
            return refused("Le serveur de la liste des Patrimoines ne répond plus (délai de " +
                           std::to_string(kDownloadTimeout.count()) + " secondes dépassé)");
        case TransferEnd::Cancelled:
            return refused("Téléchargement annulé");
        case TransferEnd::TooLarge:
            return refused("La réponse du serveur dépasse " +
                           std::to_string(kMaxListBytes / (1024 * 1024)) +
                           " Mo, ce n'est pas une liste des Patrimoines");
        case TransferEnd::Interrupted:
        case TransferEnd::Finished:
            break;
    }
    return {true, {}};
}

}  // namespace

ListVerdict judgeListAnswer(const ListAnswer& answer) {
    if (ListVerdict transfer = judgeTransfer(answer); !transfer.accepted) {
        return transfer;
    }
    if (answer.status != 200) {
        return refused("Le serveur a répondu par l'erreur HTTP " + std::to_string(answer.status));
    }
    if (answer.end == TransferEnd::Interrupted) {
        std::string reason = "Le téléchargement a été interrompu (" +
                             groupedDigits(answer.body.size()) + " octets reçus";
        if (answer.announcedLength) {
            reason += " sur " + groupedDigits(*answer.announcedLength);
        }
        return refused(reason + ")");
    }
    if (answer.body.empty()) {
        return {false, std::string(kNoInternet)};
    }
    if (firstLine(answer.body).find(';') == std::string_view::npos) {
        return refused(
            "Le fichier reçu n'a pas de ligne de révision, ce n'est pas une liste des "
            "Patrimoines");
    }
    return {true, {}};
}

std::string downloadProgressText(std::size_t received, std::optional<std::size_t> total) {
    std::string text =
        "Téléchargement de la liste des Patrimoines : " + groupedDigits(received) + " octets reçus";
    if (total) {
        text += " sur " + groupedDigits(*total);
    }
    return text;
}

}  // namespace orv
