#pragma once
// Stands in for the network in tests: answers each address from memory, records every request.

#include <QHash>
#include <QStringList>

#include "platform/http_client.h"

namespace orv {

class MemoryHttpClient final : public HttpClient {
public:
    // The reply stored for the address (progress told once, with the whole body), or NoAnswer
    // for an address without one.
    HttpReply get(const HttpRequest& request, const HttpProgress& progress = {}) override;
    void cancel() override { ++cancels; }

    // A complete answer of the server at url.
    void answer(const QString& url, int status, const QByteArray& body);

    QHash<QString, HttpReply> replies;  // by address, as QUrl::toString() gives it
    QStringList requested;              // every address asked for, in order
    int cancels = 0;
};

}  // namespace orv
