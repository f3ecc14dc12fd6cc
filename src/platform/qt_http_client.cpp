#include "platform/qt_http_client.h"

#include <QEventLoop>
#include <QNetworkReply>
#include <QNetworkRequest>

namespace orv {
namespace {

const QByteArray kAgent = QByteArrayLiteral("VB OpenUrl");

QNetworkRequest freshRequest(const HttpRequest& request) {
    QNetworkRequest network(request.url);
    network.setHeader(QNetworkRequest::UserAgentHeader, kAgent);
    network.setAttribute(QNetworkRequest::CacheLoadControlAttribute,
                         QNetworkRequest::AlwaysNetwork);
    network.setTransferTimeout(int(request.timeout.count()));
    return network;
}

// Qt reports an HTTP error status (404, 500...) as an error of the reply, yet the server did
// answer: the content errors (4xx) and the server errors (5xx).
bool isHttpStatusError(QNetworkReply::NetworkError error) {
    return (error >= QNetworkReply::ContentAccessDenied &&
            error <= QNetworkReply::UnknownContentError) ||
           (error >= QNetworkReply::InternalServerError &&
            error <= QNetworkReply::UnknownServerError);
}

// The body is whole when the server announced no length, or when all of it came.
bool wholeBody(const QNetworkReply& reply, qint64 received) {
    const QVariant announced = reply.header(QNetworkRequest::ContentLengthHeader);
    return !announced.isValid() || announced.toLongLong() == received;
}

HttpReply::End endOf(const QNetworkReply& reply, int status, qint64 received) {
    const QNetworkReply::NetworkError error = reply.error();
    if (error == QNetworkReply::OperationCanceledError) {
        return HttpReply::End::TimedOut;  // Qt's own ending of a transfer past its timeout
    }
    if (status == 0) {
        return HttpReply::End::NoAnswer;
    }
    if ((error == QNetworkReply::NoError || isHttpStatusError(error)) &&
        wholeBody(reply, received)) {
        return HttpReply::End::Answered;
    }
    return HttpReply::End::Incomplete;
}

}  // namespace

HttpReply QtHttpClient::get(const HttpRequest& request, const HttpProgress& progress) {
    aborted_ = false;
    HttpReply result;
    QNetworkReply* reply = network_.get(freshRequest(request));
    reply_ = reply;
    QEventLoop loop;
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    QObject::connect(reply, &QNetworkReply::readyRead, &loop, [&] {
        result.body += reply->readAll();
        if (result.body.size() > request.maxBytes) {
            result.body.clear();
            abortedAs_ = HttpReply::End::TooLarge;
            aborted_ = true;
            reply->abort();
        }
    });
    if (progress) {
        QObject::connect(reply, &QNetworkReply::downloadProgress, &loop, progress);
    }
    if (!reply->isFinished()) {
        loop.exec();
    }
    if (!aborted_) {
        result.body += reply->readAll();
    }
    result.status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    result.end = aborted_ ? abortedAs_ : endOf(*reply, result.status, result.body.size());
    if (result.end != HttpReply::End::Answered) {
        result.error = reply->errorString();
    }
    reply->deleteLater();
    reply_.clear();
    return result;
}

void QtHttpClient::cancel() {
    if (reply_ && reply_->isRunning()) {
        abortedAs_ = HttpReply::End::Cancelled;
        aborted_ = true;
        reply_->abort();
    }
}

}  // namespace orv
