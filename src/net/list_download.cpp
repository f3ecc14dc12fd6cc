#include "net/list_download.h"

#include <algorithm>
#include <cctype>

#include "model/list_shape.h"

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

// "1 octet reçu", "12 380 octets reçus": French takes the singular below two.
std::string bytesReceived(std::size_t count) {
    return groupedDigits(count) + (count < 2 ? " octet reçu" : " octets reçus");
}

// text/html or application/xhtml+xml, whatever their parameters and case.
bool isWebPageType(std::string_view contentType) {
    std::string type(contentType.substr(0, contentType.find(';')));
    std::erase_if(type, [](unsigned char c) { return std::isspace(c); });
    std::transform(type.begin(), type.end(), type.begin(),
                   [](unsigned char c) { return char(std::tolower(c)); });
    return type == "text/html" || type == "application/xhtml+xml";
}

ListVerdict notAList(const std::string& what) {
    return refused(what + ", ce n'est pas une liste des Patrimoines");
}

ListVerdict judgeShape(const ListAnswer& answer) {
    if (isWebPageType(answer.contentType)) {
        return notAList("Le serveur a envoyé une page web");
    }
    switch (listShapeFault(answer.body)) {
        case ListShapeFault::None:
            break;
        case ListShapeFault::WebPage:
            return notAList("Le fichier reçu est une page web");
        case ListShapeFault::NoRevision:
            return notAList("Le fichier reçu n'a pas de ligne de révision");
        case ListShapeFault::RevisionTooLong:
            return notAList("La révision du fichier reçu dépasse " +
                            std::to_string(kMaxRevisionLength) + " caractères");
        case ListShapeFault::NoSite:
            return notAList("Le fichier reçu ne contient aucun Patrimoine");
        case ListShapeFault::LastLineCut:
            return refused("Le fichier reçu s'arrête au milieu d'une ligne, il est incomplet");
    }
    return {true, {}};
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
            return notAList("La réponse du serveur dépasse " +
                            std::to_string(kMaxListBytes / (1024 * 1024)) + " Mo");
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
        std::string reason =
            "Le téléchargement a été interrompu (" + bytesReceived(answer.body.size());
        if (answer.announcedLength) {
            reason += " sur " + groupedDigits(*answer.announcedLength);
        }
        return refused(reason + ")");
    }
    if (answer.body.empty()) {
        return {false, std::string(kNoInternet)};
    }
    return judgeShape(answer);
}

std::string downloadProgressText(std::size_t received, std::optional<std::size_t> total) {
    std::string text = "Téléchargement de la liste des Patrimoines : " + bytesReceived(received);
    if (total) {
        text += " sur " + groupedDigits(*total);
    }
    return text;
}

}  // namespace orv
