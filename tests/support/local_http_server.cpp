#include "support/local_http_server.h"

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
    const QByteArray sent = answer.cutAfter >= 0 ? answer.body.left(answer.cutAfter) : answer.body;
    socket->write(statusLine(answer.status) +
                  "Content-Length: " + QByteArray::number(answer.body.size()) + "\r\n" +
                  "Content-Type: " + answer.contentType + "\r\nConnection: close\r\n\r\n" + sent);
    socket->disconnectFromHost();
}

}  // namespace orv::test
