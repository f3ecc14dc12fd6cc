#pragma once
// What the download of the reference list may put in place of "Liste_PC.csv": only a complete
// answer with the HTTP status 200, not announced as a web page, whose text has the shape of a whole
// list (model/list_shape.h). Anything else (no answer, an error page, a cut or endless transfer, a
// foreign page) keeps the list on disk, and the operator is told why.

#include <chrono>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace orv {

// A server that sends nothing for this long is given up.
inline constexpr std::chrono::seconds kDownloadTimeout{30};
// The list holds a few thousand sites, well under a megabyte; an answer beyond this is no list.
inline constexpr std::size_t kMaxListBytes = 8 * 1024 * 1024;

// How a transfer ended, as the HTTP client tells it.
enum class TransferEnd {
    Finished,      // the server's answer arrived to its end
    NoConnection,  // no answer at all: unknown host, refused connection, no network
    TimedOut,      // the server stopped sending for longer than the time-out
    Cancelled,     // the operator pressed Cancel
    TooLarge,      // the answer grew beyond kMaxListBytes and was abandoned
    Interrupted,   // the connection broke during the answer
};

struct ListAnswer {
    TransferEnd end = TransferEnd::Finished;
    int status = 0;  // the HTTP status, 0 without an answer
    std::string body;
    std::optional<std::size_t> announcedLength;  // the length the server announced, if it did
    std::string contentType{};                   // the server's Content-Type, empty when none
};

struct ListVerdict {
    bool accepted = false;
    std::string message;  // why the list on disk is kept (UTF-8); empty when accepted
};

ListVerdict judgeListAnswer(const ListAnswer& answer);

// What the progress dialog shows while the list arrives (UTF-8): "0 octet reçu", "2 octets reçus".
std::string downloadProgressText(std::size_t received, std::optional<std::size_t> total);

// The tail of every message about a failed download (UTF-8).
inline constexpr std::string_view kListKept = " : la liste des Patrimoines actuelle est conservée.";

}  // namespace orv
