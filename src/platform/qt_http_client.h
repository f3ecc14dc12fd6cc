#pragma once

#include <QNetworkAccessManager>
#include <QPointer>

#include "platform/http_client.h"

class QNetworkReply;

namespace orv {

// HTTP through QNetworkAccessManager, with the system's proxy settings. Redirects to a safe
// place are followed.
class QtHttpClient final : public HttpClient {
public:
    HttpReply get(const HttpRequest& request, const HttpProgress& progress = {}) override;
    void cancel() override;

private:
    QNetworkAccessManager network_;
    QPointer<QNetworkReply> reply_;
    HttpReply::End abortedAs_ = HttpReply::End::Cancelled;
    bool aborted_ = false;
};

}  // namespace orv
