// The two web windows with the real embedded browser, offscreen, against a local HTTP server:
// the cluster page of the band chosen and kept per station, the rules page asked afresh at each
// opening, and the message shown in place of a page that cannot be loaded.

#include <signal.h>

#include <QComboBox>
#include <QLabel>
#include <QPointer>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTest>
#include <QWindow>

#include "main_window_fixture.h"
#include "platform/settings_keys.h"
#include "support/local_http_server.h"
#include "ui/web/web_page_view.h"

namespace orv::test {
namespace {

// The engine's first start on a loaded machine takes a few seconds.
constexpr int kPageWait = 30'000;

QByteArray page(const QString& title) {
    return "<html><head><title>" + title.toUtf8() + "</title></head><body>x</body></html>";
}

class WebWindowsTest : public MainWindowTest {
protected:
    void SetUp() override {
        for (const char* path :
             {"/euhfcw.html", "/ww30cw.html", "/ww2cw.html", "/index.php?mod=reglement"}) {
            server_.answer(
                QString::fromLatin1(path),
                {200, page(QStringLiteral("Page %1").arg(path)), -1, false, "text/html"});
        }
    }

    void startOn(const QString& address) {
        storeSetting(QStringLiteral("Adresses"), QStringLiteral("Cluster"), address);
        storeSetting(QStringLiteral("Adresses"), QStringLiteral("Reglement"), address);
        startWithLog("");
    }

    // The window the command opened, once its page has loaded or given way to a message.
    QWidget* openAndWait(QAction* command, const QString& name) {
        command->trigger();
        QWidget* window = openWindow(name);
        if (window == nullptr) {
            ADD_FAILURE() << name.toStdString() << " did not open";
            return nullptr;
        }
        // The progress bar shows from the command to the page.
        EXPECT_TRUE(pageOf(window)->loading());
        waitForPage(window, [] {});
        return activeWindow(name);
    }

    // The cluster window on the local server, the station's band stored as given (none: absent).
    QWidget* openCluster(const QString& storedBand = {}) {
        startOn(server_.address());
        if (!storedBand.isNull()) {
            storeSetting(settings::stationSection("F4ABC"), settings::kClusterBandKey, storedBand,
                         settings::kClusterApplication);
        }
        return openAndWait(w().menus.Mnu_Cluster, QStringLiteral("Cluster"));
    }

    static QComboBox* bandsOf(QWidget* cluster) {
        return cluster->findChild<QComboBox*>(QStringLiteral("Bande_CL"));
    }

    static WebPageView* pageOf(QWidget* window) {
        return window->findChild<WebPageView*>(QStringLiteral("WebBrowser1"));
    }

    // Runs action, then lets the page load. The engine's work is scheduled on the program's event
    // loop, which must run as in the program: QTest::qWaitFor's pauses would slow it down tenfold.
    template <class Action>
    static void waitForPage(QWidget* window, Action action) {
        QSignalSpy finished(pageOf(window), &WebPageView::pageFinished);
        action();
        EXPECT_TRUE(!pageOf(window)->loading() || finished.wait(kPageWait));
    }

    // The engine's own objects, by class: the tests do not link the engine.
    static QObject* engineObject(QWidget* window, const char* className) {
        for (QObject* child : pageOf(window)->findChildren<QObject*>()) {
            if (child->inherits(className)) {
                return child;
            }
        }
        return nullptr;
    }

    QString storedBand() const {
        return storedSetting(settings::stationSection("F4ABC"), settings::kClusterBandKey,
                             settings::kClusterApplication);
    }

    static void closeWindow(QWidget* window) {
        window->close();
        QTest::qWait(0);
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    LocalHttpServer server_;
};

TEST_F(WebWindowsTest, ClusterOpensOnceOnTheFirstBandAndShowsItsPage) {
    QWidget* cluster = openCluster();
    ASSERT_NE(cluster, nullptr);
    w().menus.Mnu_Cluster->trigger();

    EXPECT_EQ(openWindowCount(QStringLiteral("Cluster")), 1);
    EXPECT_EQ(cluster->windowTitle(), QStringLiteral("Cluster"));
    EXPECT_EQ(cluster->findChild<QLabel*>(QStringLiteral("Label2"))->text(),
              QStringLiteral("Cluster (127.0.0.1)"));
    QComboBox* bands = bandsOf(cluster);
    ASSERT_EQ(bands->count(), 13);
    EXPECT_EQ(bands->currentText(), QStringLiteral("All HF"));
    EXPECT_TRUE(bands->hasFocus());
    EXPECT_EQ(pageOf(cluster)->pageTitle(), QStringLiteral("Page /euhfcw.html"));
    EXPECT_TRUE(pageOf(cluster)->message().isEmpty());
    EXPECT_EQ(server_.requestsFor(QStringLiteral("/euhfcw.html")), 1);
    EXPECT_EQ(storedBand(), QStringLiteral("0"));
    // Light yellow where the band shows, not the style's paler gradient.
    const QImage drawn = bands->grab().toImage();
    EXPECT_EQ(drawn.pixelColor(drawn.width() / 2, drawn.height() / 2), QColor(255, 255, 192));
}

// "Afficher" from the keyboard: the band chosen is kept for the station and its page asked for,
// again at each press; the next opening starts on that band.
TEST_F(WebWindowsTest, AfficherKeepsTheBandAndAsksItsPageAgain) {
    QWidget* cluster = openCluster(QStringLiteral("4"));
    ASSERT_NE(cluster, nullptr);
    QComboBox* bands = bandsOf(cluster);
    EXPECT_EQ(bands->currentText(), QStringLiteral("10 Mhz"));
    EXPECT_EQ(pageOf(cluster)->pageTitle(), QStringLiteral("Page /ww30cw.html"));

    QTest::keyClick(bands, Qt::Key_End);
    QTest::keyClick(bands, Qt::Key_Up);
    EXPECT_EQ(bands->currentText(), QStringLiteral("144 Mhz"));
    for (int press = 1; press <= 2; ++press) {
        waitForPage(cluster, [&] { pressEnter(bands); });
        EXPECT_EQ(server_.requestsFor(QStringLiteral("/ww2cw.html")), press);
    }
    EXPECT_EQ(pageOf(cluster)->pageTitle(), QStringLiteral("Page /ww2cw.html"));
    EXPECT_EQ(storedBand(), QStringLiteral("11"));

    closeWindow(cluster);
    cluster = openAndWait(w().menus.Mnu_Cluster, QStringLiteral("Cluster"));
    ASSERT_NE(cluster, nullptr);
    EXPECT_EQ(bandsOf(cluster)->currentText(), QStringLiteral("144 Mhz"));
    EXPECT_EQ(server_.requestsFor(QStringLiteral("/ww2cw.html")), 3);
}

TEST_F(WebWindowsTest, RulesPageIsAskedAfreshAtEachOpening) {
    startOn(server_.address());
    for (int opening = 1; opening <= 2; ++opening) {
        QWidget* rules = openAndWait(w().menus.Mnu_Reglement, QStringLiteral("Reglement"));
        ASSERT_NE(rules, nullptr);
        w().menus.Mnu_Reglement->trigger();
        EXPECT_EQ(openWindowCount(QStringLiteral("Reglement")), 1);
        EXPECT_EQ(rules->windowTitle(), QStringLiteral("Règlement PC"));
        EXPECT_EQ(pageOf(rules)->pageTitle(), QStringLiteral("Page /index.php?mod=reglement"));
        EXPECT_EQ(server_.requestsFor(QStringLiteral("/index.php?mod=reglement")), opening);
        closeWindow(rules);
    }
}

// A web window is a window of its own, on top of the main window and closed with it: the main
// window's widget tree gets no page (Qt 6.8 would rebuild the main window), and the callsign field
// has the keyboard again once the operator is back on the main window.
TEST_F(WebWindowsTest, AWebWindowLeavesTheMainWindowAsItWas) {
    startOn(server_.address());
    const QWindow* mainWindow = window_->windowHandle();
    QWidget* rules = openAndWait(w().menus.Mnu_Reglement, QStringLiteral("Reglement"));
    ASSERT_NE(rules, nullptr);
    EXPECT_EQ(window_->findChild<WebPageView*>(), nullptr);
    EXPECT_EQ(rules->windowHandle()->transientParent(), mainWindow);
    closeWindow(rules);
    EXPECT_EQ(window_->windowHandle(), mainWindow);
    window_->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window_.get()));
    EXPECT_TRUE(w().Ind_A->hasFocus());

    const QPointer<QWidget> cluster = openAndWait(w().menus.Mnu_Cluster, QStringLiteral("Cluster"));
    ASSERT_FALSE(cluster.isNull());
    window_.reset();
    EXPECT_TRUE(cluster.isNull());
}

// A page asking without end, and asking again before it is left, leaves every window free and
// the next page shown: its dialogs are answered unseen. A click starts it, as the engine asks
// before leaving only a page the operator has used; a click the page was not ready for is given
// again.
TEST_F(WebWindowsTest, APagesDialogsNeverHoldTheProgram) {
    server_.answer(QStringLiteral("/euhfcw.html"),
                   {200,
                    "<html><body><script>var asking; "
                    "onbeforeunload = function() { return 'Rester ?'; }; "
                    "onclick = function() { if (asking) return; var n = 0; "
                    "asking = setInterval(function() { alert(n); confirm(n); prompt(n); "
                    "document.title = 'essai ' + Math.min(++n, 10); }, 0); };"
                    "</script>x</body></html>",
                    -1, false, "text/html"});
    const ModalCloser closer;
    QWidget* cluster = openCluster();
    ASSERT_NE(cluster, nullptr);
    auto* view = qobject_cast<QWidget*>(engineObject(cluster, "QWebEngineView"));
    ASSERT_NE(view, nullptr);
    const auto asking = [&] { return pageOf(cluster)->pageTitle().startsWith("essai"); };
    for (int click = 0; click < 30 && !asking(); ++click) {
        QTest::mouseClick(view->focusProxy(), Qt::LeftButton, {}, QPoint(20, 20));
        static_cast<void>(QTest::qWaitFor(asking, 1000));
    }
    EXPECT_TRUE(
        QTest::qWaitFor([&] { return pageOf(cluster)->pageTitle() == "essai 10"; }, kPageWait));

    QComboBox* bands = bandsOf(cluster);
    bands->setFocus();
    QTest::keyClick(bands, Qt::Key_End);
    QTest::keyClick(bands, Qt::Key_Up);
    waitForPage(cluster, [&] { pressEnter(bands); });
    EXPECT_EQ(pageOf(cluster)->pageTitle(), QStringLiteral("Page /ww2cw.html"));
    EXPECT_TRUE(closer.closed.isEmpty()) << closer.closed.join(' ').toStdString();
}

// A page whose engine died is explained in its place, and shown again when asked for.
TEST_F(WebWindowsTest, APageThatWentAwayIsExplainedInTheWindow) {
    QWidget* cluster = openCluster();
    ASSERT_NE(cluster, nullptr);
    const QObject* page = engineObject(cluster, "QWebEnginePage");
    ASSERT_NE(page, nullptr);
    QSignalSpy ended(pageOf(cluster), &WebPageView::pageFinished);
    ::kill(pid_t(page->property("renderProcessPid").toLongLong()), SIGKILL);
    ASSERT_TRUE(ended.wait(kPageWait));
    EXPECT_TRUE(pageOf(cluster)->message().startsWith(
        QStringLiteral("La page n'est plus affichée :\n") + server_.address() + "/euhfcw.html\n"))
        << pageOf(cluster)->message().toStdString();

    waitForPage(cluster, [&] { pressEnter(bandsOf(cluster)); });
    EXPECT_EQ(pageOf(cluster)->pageTitle(), QStringLiteral("Page /euhfcw.html"));
    EXPECT_TRUE(pageOf(cluster)->message().isEmpty());
}

// A port of 127.0.0.1 nobody listens on any more.
QString closedAddress() {
    QTcpServer probe;
    probe.listen(QHostAddress::LocalHost);
    const quint16 port = probe.serverPort();
    probe.close();
    return QStringLiteral("http://127.0.0.1:%1").arg(port);
}

// The window says which address it tried, and which setting gives it, instead of a blank page;
// the program goes on.
TEST_F(WebWindowsTest, APageThatCannotBeLoadedIsExplainedInTheWindow) {
    const QString address = closedAddress();
    startOn(address);
    QWidget* rules = openAndWait(w().menus.Mnu_Reglement, QStringLiteral("Reglement"));
    ASSERT_NE(rules, nullptr);
    const QString message = pageOf(rules)->message();
    EXPECT_TRUE(message.startsWith(QStringLiteral("La page n'a pas pu être affichée :\n") +
                                   address +
                                   QStringLiteral("/index.php?mod=reglement\n"
                                                  "(net::ERR_CONNECTION_REFUSED)\n")))
        << message.toStdString();
    EXPECT_TRUE(message.endsWith(QStringLiteral(
        "Vérifiez la connexion à Internet, et l'adresse « Reglement » du groupe Adresses de "
        "PC.ini.")))
        << message.toStdString();
    EXPECT_TRUE(messages.messages.isEmpty());
}

TEST_F(WebWindowsTest, AnHttpErrorIsExplainedInTheWindow) {
    server_.answer(QStringLiteral("/euhfcw.html"), {404, page("absente"), -1, false, "text/html"});
    QWidget* cluster = openCluster();
    ASSERT_NE(cluster, nullptr);
    EXPECT_TRUE(pageOf(cluster)->message().contains(QStringLiteral("(HTTP 404)")))
        << pageOf(cluster)->message().toStdString();
}

TEST_F(WebWindowsTest, AnAddressSettingThatIsNoAddressIsExplainedWithoutAsking) {
    startOn(QStringLiteral("127.0.0.1/cluster"));
    w().menus.Mnu_Cluster->trigger();
    QWidget* cluster = activeWindow(QStringLiteral("Cluster"));
    ASSERT_NE(cluster, nullptr);
    EXPECT_TRUE(pageOf(cluster)->message().startsWith(
        QStringLiteral("L'adresse « 127.0.0.1/cluster » du réglage \"Cluster\"")))
        << pageOf(cluster)->message().toStdString();
    EXPECT_TRUE(server_.requests.isEmpty());
}

}  // namespace
}  // namespace orv::test
