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

// Qt's network thread stops reading from the server while this much of the body waits for the
// window's thread: a fast endless body then cannot outrun the size check made as the body is read.
constexpr qint64 kReadBufferBytes = 256 * 1024;

HttpReply::End endOf(const QNetworkReply& reply, const HttpReply& result) {
    const QNetworkReply::NetworkError error = reply.error();
    if (error == QNetworkReply::OperationCanceledError) {
        return HttpReply::End::TimedOut;  // Qt's own ending of a transfer past its timeout
    }
    if (result.status == 0) {
        return HttpReply::End::NoAnswer;
    }
    // Qt reports an HTTP error status (404, 500...) as an error of the reply, yet the server did
    // answer. Any other error (a broken connection, a body that would not decompress) ends a
    // transfer that did not complete, whatever the status.
    const bool answered = error == QNetworkReply::NoError || result.status >= 400;
    const bool whole = result.announcedLength < 0 || result.announcedLength == result.body.size();
    return answered && whole ? HttpReply::End::Answered : HttpReply::End::Incomplete;
}

}  // namespace

HttpReply QtHttpClient::get(const HttpRequest& request, const HttpProgress& progress) {
    aborted_ = false;
    HttpReply result;
    QNetworkReply* reply = network_.get(freshRequest(request));
    reply->setReadBufferSize(kReadBufferBytes);
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
    // Qt drops the length of a body it decompressed: it counted the bytes on the wire.
    const QVariant length = reply->header(QNetworkRequest::ContentLengthHeader);
    result.announcedLength = length.isValid() ? length.toLongLong() : -1;
    result.contentType = reply->header(QNetworkRequest::ContentTypeHeader).toString();
    result.end = aborted_ ? abortedAs_ : endOf(*reply, result);
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
