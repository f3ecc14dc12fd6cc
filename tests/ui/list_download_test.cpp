// The reference-list update against a real HTTP server on 127.0.0.1: only a complete list replaces
// Liste_PC.csv; every server fault keeps the old list and tells the operator why.

#include <QApplication>
#include <QProgressBar>
#include <QProgressDialog>
#include <QPushButton>
#include <QTcpServer>
#include <QTimer>

#include "platform/qt_http_client.h"
#include "support/local_http_server.h"
#include "ui/tools/reference_list_update.h"
#include "window_test.h"

namespace orv::test {
namespace {

using namespace std::chrono_literals;

const QString kPath = QStringLiteral("/Velmora/Liste_PC.csv");
const std::string kOldList = "Rev 001 01/01/24;;\r\nPC-89001;Ancien nom;x;1;x;a;b;\r\n";
const QString kKept = QStringLiteral(" : la liste des Patrimoines actuelle est conservée.");

// A list of several thousand bytes, every byte value of Windows-1252 in its names.
QByteArray newList() {
    QByteArray list = "Rev 002 01/06/24;;\r\n";
    for (int i = 0; list.size() < 6000; ++i) {
        list += "PC-89" + QByteArray::number(100 + i) + ";Nom " + char(0x80 + i % 128) + ";x;" +
                QByteArray::number(i) + ";x;a;b;\r\n";
    }
    return list;
}

class ListDownloadTest : public WindowTest {
protected:
    ListDownloadTest() {
        chooseStation("F4ABC");
        writeLog("F4ABC", {});
        writeDataFile("Liste_PC.csv", kOldList);
        storeSetting("Adresses", "Liste PC", server_.address());
        storeSetting("Setup F4ABC", "Revision_Liste_PC", "Rev 001 01/01/24");
    }

    // The update as the menu runs it, on the real network client, with a short time-out.
    void runUpdate() {
        WindowContext& solo = soloContext();
        Services& s = solo.services;
        Services services{s.settings, s.messages,     s.clock,     s.programEnd,
                          s.printer,  networkClient_, s.dataFolder};
        WindowContext context{services, solo.state, solo.log, nullptr};
        ReferenceListUpdate(context, 400ms).run();
    }

    void expectOldListKept(const QString& why) {
        EXPECT_EQ(readDataFile("Liste_PC.csv"), kOldList);
        ASSERT_EQ(messages.messages.size(), 2) << messages.messages.join('|').toStdString();
        EXPECT_EQ(messages.messages[0], why);
        EXPECT_EQ(messages.messages[1],
                  QStringLiteral(
                      "La liste des Patrimoines est à la derniere révision   (Rev 001 01/01/24)"));
    }

    LocalHttpServer server_;
    QtHttpClient networkClient_;
};

TEST_F(ListDownloadTest, CompleteListIsWrittenByteForByteAndItsRevisionRemembered) {
    const QByteArray list = newList();
    server_.answer(kPath, {200, list});
    runUpdate();
    EXPECT_TRUE(readDataFile("Liste_PC.csv") == list.toStdString());
    EXPECT_EQ(messages.messages,
              QStringList{
                  QStringLiteral("La liste des Patrimoines à été mise à jour   Rev 002 01/06/24")});
    EXPECT_EQ(storedSetting("Setup F4ABC", "Revision_Liste_PC"),
              QStringLiteral("Rev 002 01/06/24"));
    EXPECT_FALSE(std::filesystem::exists(dataFile("Temporaire.txt")));

    messages.messages.clear();
    runUpdate();
    EXPECT_EQ(messages.messages, QStringList{QStringLiteral(
                                     "La liste des Patrimoines est à la derniere révision   (Rev "
                                     "002 01/06/24)")});
    ASSERT_EQ(server_.requests.size(), 2);
    EXPECT_EQ(LocalHttpServer::header(server_.requests[0], "User-Agent"), "VB OpenUrl");
}

TEST_F(ListDownloadTest, EveryServerFaultKeepsTheOldList) {
    struct Case {
        const char* name;
        HttpAnswer answer;
        QString why;
    };
    const QByteArray page =
        "<!DOCTYPE html>\r\n<html><body>Maintenance&nbsp;; revenez</body></html>";
    const Case cases[] = {
        {"404", {404, page}, QStringLiteral("Le serveur a répondu par l'erreur HTTP 404") + kKept},
        {"500", {500, page}, QStringLiteral("Le serveur a répondu par l'erreur HTTP 500") + kKept},
        {"html",
         {.body = page, .contentType = "text/html; charset=utf-8"},
         QStringLiteral(
             "Le serveur a envoyé une page web, ce n'est pas une liste des Patrimoines") +
             kKept},
        {"cut",
         {200, newList(), 3000},
         QStringLiteral("Le téléchargement a été interrompu (3 000 octets reçus sur %1 %2)")
                 .arg(newList().size() / 1000)
                 .arg(newList().size() % 1000, 3, 10, QChar('0')) +
             kKept},
        // Qt takes this body without length for whole: it stops inside a line.
        {"reset without length",
         {.body = newList(),
          .cutAfter = newList().indexOf("PC-89200") + 5,
          .lengthAnnounced = false,
          .reset = true},
         QStringLiteral("Le fichier reçu s'arrête au milieu d'une ligne, il est incomplet") +
             kKept},
        {"silent",
         {200, "", -1, true},
         QStringLiteral("Le serveur de la liste des Patrimoines ne répond plus (délai de 30 "
                        "secondes dépassé)") +
             kKept},
        {"20 MB",
         {200, "Rev 009;\r\n" + QByteArray(20 * 1024 * 1024, 'x')},
         QStringLiteral("La réponse du serveur dépasse 8 Mo, ce n'est pas une liste des "
                        "Patrimoines") +
             kKept},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        messages.messages.clear();
        server_.answer(kPath, c.answer);
        runUpdate();
        expectOldListKept(c.why);
    }
}

// A station that never updated its list is not told that the list kept after a failure is new.
TEST_F(ListDownloadTest, FailedFirstUpdateIsNotAnnouncedAsAnUpdate) {
    storeSetting("Setup F4ABC", "Revision_Liste_PC", "Rev 000 01/01/12");
    server_.answer(kPath, {404, "Not found"});
    runUpdate();
    EXPECT_EQ(messages.messages,
              QStringList{QStringLiteral("Le serveur a répondu par l'erreur HTTP 404") + kKept});
    EXPECT_EQ(storedSetting("Setup F4ABC", "Revision_Liste_PC"),
              QStringLiteral("Rev 000 01/01/12"));
}

TEST_F(ListDownloadTest, NoServerAtTheAddressIsNoInternetAccess) {
    QTcpServer closed;
    ASSERT_TRUE(closed.listen(QHostAddress::LocalHost));
    const QString refused = QStringLiteral("http://127.0.0.1:%1").arg(closed.serverPort());
    closed.close();
    for (const QString& address : {refused, QStringLiteral("http://nowhere.invalid")}) {
        messages.messages.clear();
        storeSetting("Adresses", "Liste PC", address);
        runUpdate();
        expectOldListKept(QStringLiteral("Attention pas d'acces à Internet"));
    }
}

TEST_F(ListDownloadTest, CancelInTheProgressDialogStopsTheTransfer) {
    server_.answer(kPath, {200, "", -1, true});
    QTimer::singleShot(100, [] {
        for (QWidget* window : QApplication::topLevelWidgets()) {
            if (auto* progress = qobject_cast<QProgressDialog*>(window);
                progress && progress->isVisible()) {
                EXPECT_EQ(progress->findChild<QProgressBar*>()->accessibleName(),
                          QStringLiteral("Téléchargement de la liste des Patrimoines"));
                progress->findChild<QPushButton*>()->click();
            }
        }
    });
    runUpdate();
    expectOldListKept(QStringLiteral("Téléchargement annulé") + kKept);
}

TEST_F(ListDownloadTest, AnAddressThatIsNotOneIsExplainedAndTheListKept) {
    storeSetting("Adresses", "Liste PC", "http://127.0.0.1/Velmora");
    runUpdate();
    EXPECT_EQ(readDataFile("Liste_PC.csv"), kOldList);
    ASSERT_EQ(messages.messages.size(), 2);
    EXPECT_TRUE(messages.messages[0].startsWith(
        QStringLiteral("L'adresse « http://127.0.0.1/Velmora » du réglage \"Liste PC\"")));
    EXPECT_TRUE(server_.requests.isEmpty());
}

}  // namespace
}  // namespace orv::test
