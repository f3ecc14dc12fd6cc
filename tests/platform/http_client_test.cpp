// The HTTP client against a real server on 127.0.0.1: what it sends, and how each way a transfer
// can end is told apart.

#include <gtest/gtest.h>
#include <sys/resource.h>

#include <QTcpServer>
#include <QTcpSocket>
#include <QThread>
#include <QTimer>
#include <fstream>
#include <future>
#include <memory>
#include <thread>

#include "platform/qt_http_client.h"
#include "support/local_http_server.h"
#include "support/memory_http_client.h"

namespace orv {
namespace {

using End = HttpReply::End;
using test::HttpAnswer;
using test::LocalHttpServer;

const QString kPath = QStringLiteral("/Velmora/Liste_PC.csv");

// A body of several reads: every byte value, repeated.
QByteArray largeBody() {
    QByteArray body;
    for (int i = 0; i < 5000; ++i) {
        body += char(i % 256);
    }
    return body;
}

// The process's peak resident memory, as the kernel counts it.
qint64 peakMemoryBytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return qint64(usage.ru_maxrss) * 1024;
}

// Answers one request from a thread of its own with a body that never ends, sent as fast as the
// client takes it, until the client leaves (or 2 GB went out). Gives the server's address.
QString serveEndlessBody(std::jthread& thread) {
    std::promise<quint16> port;
    std::future<quint16> listening = port.get_future();
    thread = std::jthread([port = std::move(port)]() mutable {
        QTcpServer server;
        server.listen(QHostAddress::LocalHost);
        port.set_value(server.serverPort());
        if (!server.waitForNewConnection(5000)) {
            return;
        }
        std::unique_ptr<QTcpSocket> client(server.nextPendingConnection());
        client->waitForReadyRead(5000);
        client->write("HTTP/1.1 200 OK\r\nContent-Type: text/plain\r\n\r\n");
        const QByteArray piece(64 * 1024, 'x');
        for (qint64 sent = 0; sent < (qint64(2) << 30) && client->waitForBytesWritten(5000);
             sent += piece.size()) {
            client->write(piece);
        }
    });
    return QStringLiteral("http://127.0.0.1:%1").arg(listening.get());
}

class HttpClientTest : public ::testing::Test {
protected:
    HttpReply fetch(const QString& path,
                    std::chrono::milliseconds timeout = std::chrono::seconds(5),
                    qint64 maxBytes = 1 << 20) {
        return client_.get({QUrl(server_.address() + path), timeout, maxBytes}, progress_);
    }

    LocalHttpServer server_;
    QtHttpClient client_;
    HttpProgress progress_;
};

TEST_F(HttpClientTest, WholeBodyComesByteForByteWithItsStatus) {
    const QByteArray body = largeBody();
    server_.answer(kPath, {200, body});
    qint64 lastReceived = -1;
    qint64 lastTotal = -1;
    progress_ = [&](qint64 received, qint64 total) {
        lastReceived = received;
        lastTotal = total;
    };

    const HttpReply reply = fetch(kPath);

    EXPECT_EQ(reply.end, End::Answered);
    EXPECT_EQ(reply.status, 200);
    EXPECT_TRUE(reply.body == body);
    EXPECT_TRUE(reply.error.isEmpty());
    EXPECT_EQ(reply.announcedLength, body.size());
    EXPECT_EQ(reply.contentType, QStringLiteral("text/plain"));
    EXPECT_EQ(lastReceived, body.size());
    EXPECT_EQ(lastTotal, body.size());
    ASSERT_EQ(server_.requests.size(), 1);
    const QByteArray head = server_.requests.front();
    EXPECT_TRUE(head.startsWith("GET /Velmora/Liste_PC.csv HTTP/1.1\r\n"));
    EXPECT_EQ(LocalHttpServer::header(head, "User-Agent"), "VB OpenUrl") << head.toStdString();
    EXPECT_EQ(LocalHttpServer::header(head, "Cache-Control"), "no-cache") << head.toStdString();
}

TEST_F(HttpClientTest, ErrorStatusIsAnAnswerWithItsBody) {
    server_.answer(kPath, {500, "panne"});
    const HttpReply failing = fetch(kPath);
    EXPECT_EQ(failing.end, End::Answered);
    EXPECT_EQ(failing.status, 500);
    EXPECT_EQ(failing.body, QByteArray("panne"));

    const HttpReply missing = fetch(QStringLiteral("/ailleurs"));
    EXPECT_EQ(missing.end, End::Answered);
    EXPECT_EQ(missing.status, 404);
}

// Whatever the status, a body that broke off before its announced length or could not be decoded
// is no answer. (A chunked body cut by the server's close is sometimes finished by Qt as whole, and
// one without length always is: the list's own shape tells those cuts.)
TEST_F(HttpClientTest, TransferQtDidNotCompleteIsIncomplete) {
    const HttpAnswer cases[] = {
        {.body = largeBody(), .cutAfter = 3000},
        {.body = largeBody(), .cutAfter = 3000, .reset = true},
        {.body = "Rev 001;\r\nnot deflated", .contentEncoding = "deflate"},
    };
    for (const HttpAnswer& answer : cases) {
        server_.answer(kPath, answer);
        const HttpReply reply = fetch(kPath);
        EXPECT_EQ(reply.end, End::Incomplete) << reply.error.toStdString();
        EXPECT_EQ(reply.status, 200);
        EXPECT_FALSE(reply.error.isEmpty());
    }
    // Bytes past the announced length are never read.
    server_.answer(kPath, {.body = largeBody(), .announcedLength = 1000});
    const HttpReply shorter = fetch(kPath);
    EXPECT_EQ(shorter.end, End::Answered);
    EXPECT_TRUE(shorter.body == largeBody().left(1000));
}

TEST_F(HttpClientTest, SilentServerTimesOut) {
    server_.answer(kPath, {200, "", -1, true});
    const HttpReply reply = fetch(kPath, std::chrono::milliseconds(300));
    EXPECT_EQ(reply.end, End::TimedOut);
    EXPECT_EQ(reply.status, 0);
}

TEST_F(HttpClientTest, BodyPastTheLimitIsCutOff) {
    server_.answer(kPath, {200, QByteArray(200'000, 'x')});
    const HttpReply reply = fetch(kPath, std::chrono::seconds(5), 50'000);
    EXPECT_EQ(reply.end, End::TooLarge);
    EXPECT_TRUE(reply.body.isEmpty());
}

// The window's thread is slow to take each piece (the progress dialog redraws): Qt's network thread
// must not gather the endless body meanwhile. Memory stays near the 8 MB cap.
TEST_F(HttpClientTest, EndlessBodyIsCutOffWithMemoryNearTheCap) {
    std::jthread server;
    const QString address = serveEndlessBody(server);
    bool stalled = false;
    progress_ = [&stalled](qint64, qint64) {
        if (!std::exchange(stalled, true)) {
            QThread::msleep(300);
        }
    };
    std::ofstream("/proc/self/clear_refs") << "5";  // the peak memory starts again from here
    const qint64 before = peakMemoryBytes();
    EXPECT_EQ(client_.get({QUrl(address + kPath), std::chrono::seconds(5), 8 << 20}, progress_).end,
              End::TooLarge);
    EXPECT_LT(peakMemoryBytes() - before, 40 << 20);
}

TEST_F(HttpClientTest, CancelDuringTheTransferEndsIt) {
    server_.answer(kPath, {200, "", -1, true});
    // The operator's Cancel comes as an event while the client waits.
    QTimer::singleShot(50, [this] { client_.cancel(); });
    const HttpReply reply = fetch(kPath);
    EXPECT_EQ(reply.end, End::Cancelled);
}

TEST_F(HttpClientTest, NoServerIsNoAnswer) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const quint16 port = closed.serverPort();
    closed.close();
    const HttpReply refused =
        client_.get({QUrl(QStringLiteral("http://127.0.0.1:%1/x").arg(port))});
    EXPECT_EQ(refused.end, End::NoAnswer);
    EXPECT_EQ(refused.status, 0);
    EXPECT_FALSE(refused.error.isEmpty());

    const HttpReply unknown = client_.get({QUrl(QStringLiteral("http://nowhere.invalid/x"))});
    EXPECT_EQ(unknown.end, End::NoAnswer);
}

TEST(MemoryHttpClientTest, AnswersStoredAddressesAndRecordsEveryRequest) {
    MemoryHttpClient http;
    http.answer(QStringLiteral("http://127.0.0.1/liste"), 200, "Rev 001;");
    qint64 told = -1;

    const HttpReply known = http.get({QUrl(QStringLiteral("http://127.0.0.1/liste"))},
                                     [&](qint64 r, qint64) { told = r; });
    const HttpReply unknown = http.get({QUrl(QStringLiteral("http://127.0.0.1/autre"))});

    EXPECT_EQ(known.end, End::Answered);
    EXPECT_EQ(known.body, QByteArray("Rev 001;"));
    EXPECT_EQ(told, 8);
    EXPECT_EQ(unknown.end, End::NoAnswer);
    EXPECT_EQ(http.requested, (QStringList{"http://127.0.0.1/liste", "http://127.0.0.1/autre"}));
}

}  // namespace
}  // namespace orv
