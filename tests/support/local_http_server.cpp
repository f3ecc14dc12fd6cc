#include "support/local_http_server.h"

#include <sys/socket.h>

#include <QTcpSocket>
#include <algorithm>
#include <memory>
#include <stdexcept>

namespace orv::test {
namespace {

const QByteArray kHeadEnd = QByteArrayLiteral("\r\n\r\n");

QByteArray statusLine(int status) {
    return "HTTP/1.1 " + QByteArray::number(status) + (status == 200 ? " OK" : " Error") + "\r\n";
}

// Closes at once with a reset instead of the usual end of the connection.
void resetConnection(QTcpSocket* socket) {
    socket->flush();
    const linger now{1, 0};
    ::setsockopt(int(socket->socketDescriptor()), SOL_SOCKET, SO_LINGER, &now, sizeof now);
    socket->abort();
}

}  // namespace

LocalHttpServer::LocalHttpServer() {
    if (!server_.listen(QHostAddress::LocalHost)) {
        throw std::runtime_error("the local HTTP server cannot listen");
    }
    QObject::connect(&server_, &QTcpServer::newConnection, [this] {
        while (QTcpSocket* socket = server_.nextPendingConnection()) {
            serve(socket);
        }
    });
}

QString LocalHttpServer::address() const {
    return QStringLiteral("http://127.0.0.1:%1").arg(server_.serverPort());
}

void LocalHttpServer::answer(const QString& path, const HttpAnswer& answer) {
    answers_.insert(path, answer);
}

int LocalHttpServer::requestsFor(const QString& path) const {
    const QByteArray requestLine = "GET " + path.toLatin1() + " HTTP/";
    return int(std::count_if(requests.begin(), requests.end(),
                             [&](const QByteArray& head) { return head.startsWith(requestLine); }));
}

QByteArray LocalHttpServer::header(const QByteArray& head, const QByteArray& name) {
    for (const QByteArray& line : head.split('\n')) {
        const qsizetype colon = line.indexOf(':');
        if (colon > 0 && line.left(colon).compare(name, Qt::CaseInsensitive) == 0) {
            return line.mid(colon + 1).trimmed();
        }
    }
    return {};
}

void LocalHttpServer::serve(QTcpSocket* socket) {
    QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
    auto received = std::make_shared<QByteArray>();
    QObject::connect(socket, &QTcpSocket::readyRead, socket, [this, socket, received] {
        *received += socket->readAll();
        const qsizetype end = received->indexOf(kHeadEnd);
        if (end >= 0) {
            const QByteArray head = received->left(end);
            received->clear();
            requests << head;
            respond(socket, head);
        }
    });
}

void LocalHttpServer::respond(QTcpSocket* socket, const QByteArray& head) {
    const QList<QByteArray> requestLine = head.left(head.indexOf("\r\n")).split(' ');
    const QString path = requestLine.size() > 1 ? QString::fromLatin1(requestLine[1]) : QString();
    const HttpAnswer answer = answers_.value(path, HttpAnswer{404, "Not Found", -1, false});
    if (answer.silent) {
        return;
    }
    QByteArray answerHead = statusLine(answer.status);
    if (answer.lengthAnnounced) {
        const qint64 length =
            answer.announcedLength >= 0 ? answer.announcedLength : answer.body.size();
        answerHead += "Content-Length: " + QByteArray::number(length) + "\r\n";
    }
    if (!answer.contentEncoding.isEmpty()) {
        answerHead += "Content-Encoding: " + answer.contentEncoding + "\r\n";
    }
    answerHead += "Content-Type: " + answer.contentType + "\r\nConnection: close\r\n\r\n";
    socket->write(answerHead +
                  (answer.cutAfter >= 0 ? answer.body.left(answer.cutAfter) : answer.body));
    if (answer.reset) {
        resetConnection(socket);
    } else {
        socket->disconnectFromHost();
    }
}

}  // namespace orv::test
