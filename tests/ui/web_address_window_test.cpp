// "Outils > Adresses web": the window's fields in Tab order, a refusal that saves nothing, the save
// used at once by the list update, which points to the window while its address is the default.

#include <QLineEdit>
#include <QTest>

#include "main_window_fixture.h"

namespace orv::test {
namespace {

using WebAddressWindowTest = MainWindowTest;

TEST_F(WebAddressWindowTest, AddressesAreCheckedSavedAndUsedByTheNextDownload) {
    startWithLog(logText({}));
    w().menus.Mnu_Maj_PC->trigger();
    EXPECT_TRUE(http.requested.isEmpty());
    EXPECT_TRUE(messages.messages.value(0).contains(QStringLiteral("Outils > Adresses web")));

    w().menus.Mnu_Adresses->trigger();
    w().menus.Mnu_Adresses->trigger();
    QWidget* window = activeWindow(QStringLiteral("Adresses_Web"));
    ASSERT_TRUE(window);
    EXPECT_EQ(openWindowCount(QStringLiteral("Adresses_Web")), 1);
    auto* list = window->findChild<QLineEdit*>(QStringLiteral("Adr_Liste_PC"));
    auto* cluster = window->findChild<QLineEdit*>(QStringLiteral("Adr_Cluster"));
    auto* rules = window->findChild<QLineEdit*>(QStringLiteral("Adr_Reglement"));
    EXPECT_EQ(cluster->text(), QStringLiteral("http://cluster.velmora.example"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->hasFocus(); }));
    QTest::keyClick(list, Qt::Key_Tab);
    QTest::keyClick(cluster, Qt::Key_Tab);
    typeOver(rules, QStringLiteral("http://127.0.0.1/reglement"));
    QTest::mouseClick(list, Qt::LeftButton);
    typeOver(list, QStringLiteral(" http://127.0.0.1:8080/ "));
    messages.messages.clear();
    pressEnter(list);
    EXPECT_TRUE(messages.messages.value(0).startsWith(
        QStringLiteral("L'adresse « http://127.0.0.1/reglement » du champ « Reglement » n'est")));
    EXPECT_EQ(storedSetting("Adresses", "Liste PC"), QStringLiteral("http://velmora.example"));

    typeOver(rules,
             QStringLiteral("https://127.0.0.1:8443"));  // the refused field has the keyboard
    pressEnter(rules);
    EXPECT_TRUE(QTest::qWaitFor([] { return !openWindow(QStringLiteral("Adresses_Web")); }));
    EXPECT_EQ(storedSetting("Adresses", "Reglement"), QStringLiteral("https://127.0.0.1:8443"));
    w().menus.Mnu_Maj_PC->trigger();
    EXPECT_EQ(http.requested, QStringList{"http://127.0.0.1:8080/Velmora/Liste_PC.csv"});
}

}  // namespace
}  // namespace orv::test
