#pragma once
// A real HTTP server on 127.0.0.1, in the test's own thread, answering each path as the test
// says, the faults of real servers included: a cut or reset transfer, a wrong length, a body that
// does not decompress, a server that never answers.
// Requests are served while the code under test runs an event loop (as the HTTP client does).

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QTcpServer>

class QTcpSocket;

namespace orv::test {

struct HttpAnswer {
    int status = 200;
    QByteArray body;
    // The whole length is announced but the connection closes after this many bytes of the body.
    qint64 cutAfter = -1;
    // The connection is taken and nothing is ever sent.
    bool silent = false;
    QByteArray contentType = "text/plain";
    // The Content-Length sent: the body's size, or announcedLength when set; none when false (the
    // body then ends with the connection).
    bool lengthAnnounced = true;
    qint64 announcedLength = -1;
    QByteArray contentEncoding{};  // sent as the Content-Encoding header when set ("deflate")
    bool reset = false;            // the connection is reset (RST) after what is sent
};

class LocalHttpServer {
public:
    // Listens on a free port of 127.0.0.1.
    LocalHttpServer();

    // "http://127.0.0.1:" and the port.
    QString address() const;
    // The answer to every request for path ("/Velmora/Liste_PC.csv"); other paths get a 404.
    void answer(const QString& path, const HttpAnswer& answer);

    // The head of every request received (request line and header lines), in order.
    QList<QByteArray> requests;
    // How many requests asked for path.
    int requestsFor(const QString& path) const;

    // The value of a header of a request head, empty when it has none. Names are compared
    // whatever their case, as HTTP has them (Qt 6.8 sends them in lower case).
    static QByteArray header(const QByteArray& head, const QByteArray& name);

private:
    void serve(QTcpSocket* socket);
    void respond(QTcpSocket* socket, const QByteArray& head);

    QTcpServer server_;
    QHash<QString, HttpAnswer> answers_;
};

}  // namespace orv::test
