#pragma once
// Fetching one address over HTTP, as the reference-list download does.

#include <QByteArray>
#include <QString>
#include <QUrl>
#include <chrono>
#include <functional>

namespace orv {

struct HttpRequest {
    QUrl url;
    // A server that sends nothing for this long ends the transfer (TimedOut).
    std::chrono::milliseconds timeout{30'000};
    // A body growing past this many bytes ends the transfer (TooLarge).
    qint64 maxBytes = 32 * 1024 * 1024;
};

struct HttpReply {
    enum class End {
        Answered,  // the server answered with a status and its whole body (any status)
        NoAnswer,  // no server answered: unknown host, refused connection, network down
        // The server answered but the transfer did not complete: it broke off before the body's
        // announced end, or the body could not be decoded. A body without announced length ends
        // when the connection does, and a reset cannot be told from a close there: the caller
        // checks such a body's own shape.
        Incomplete,
        TimedOut,   // the server stopped sending for longer than the request's timeout
        TooLarge,   // the body grew past the request's maxBytes (it is not kept)
        Cancelled,  // cancel() was called during the transfer
    };
    End end = End::NoAnswer;
    int status = 0;  // the HTTP status code, 0 when no answer came
    QByteArray body;
    QString error;                // the network layer's own words when end is not Answered
    qint64 announcedLength = -1;  // the Content-Length header, -1 when none
    QString contentType{};        // the Content-Type header, empty when none
};

// Called as the body arrives: the bytes received so far and the total announced, -1 when the
// server announced none.
using HttpProgress = std::function<void(qint64 received, qint64 total)>;

class HttpClient {
public:
    virtual ~HttpClient() = default;
    // Fetches the address afresh from its server (never from a cache), with the agent text
    // "VB OpenUrl", and returns once the transfer has ended. Window events are handled meanwhile,
    // so a progress dialog stays live and its Cancel can call cancel().
    virtual HttpReply get(const HttpRequest& request, const HttpProgress& progress = {}) = 0;
    // Ends the transfer under way, if any, as Cancelled.
    virtual void cancel() = 0;
};

}  // namespace orv
