// "Outils > Adresses web": the window's fields, its refusal and its save, and the list update that
// points to it while the list's address is still the first-start default.

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "main_window_fixture.h"

namespace orv::test {
namespace {

using WebAddressWindowTest = MainWindowTest;

TEST_F(WebAddressWindowTest, AddressesAreCheckedSavedAndUsedByTheNextDownload) {
    startWithLog(logText({}));
    w().menus.Mnu_Maj_PC->trigger();
    EXPECT_TRUE(http.requested.isEmpty());
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].contains(QStringLiteral("Outils > Adresses web")));

    w().menus.Mnu_Adresses->trigger();
    w().menus.Mnu_Adresses->trigger();
    QWidget* window = activeWindow(QStringLiteral("Adresses_Web"));
    ASSERT_TRUE(window);
    EXPECT_EQ(openWindowCount(QStringLiteral("Adresses_Web")), 1);
    const auto field = [&](const char* name) { return window->findChild<QLineEdit*>(name); };
    QLineEdit* list = field("Adr_Liste_PC");
    QLineEdit* rules = field("Adr_Reglement");
    EXPECT_EQ(field("Adr_Cluster")->text(), QStringLiteral("http://cluster.velmora.example"));
    ASSERT_TRUE(QTest::qWaitFor([&] { return list->hasFocus(); }));
    QTest::keyClick(list, Qt::Key_Tab);
    EXPECT_TRUE(field("Adr_Cluster")->hasFocus());
    QTest::keyClick(field("Adr_Cluster"), Qt::Key_Tab);
    EXPECT_TRUE(rules->hasFocus());

    // A wrong address is explained by its field's name, which gets the keyboard; nothing is saved.
    messages.messages.clear();
    typeOver(rules, QStringLiteral("http://127.0.0.1/reglement"));
    QTest::mouseClick(list, Qt::LeftButton);
    typeOver(list, QStringLiteral(" http://127.0.0.1:8080/ "));
    pressEnter(list);
    ASSERT_EQ(messages.messages.size(), 1);
    EXPECT_TRUE(messages.messages[0].startsWith(
        QStringLiteral("L'adresse « http://127.0.0.1/reglement » du champ « Reglement » n'est")));
    EXPECT_EQ(storedSetting("Adresses", "Liste PC"), QStringLiteral("http://velmora.example"));

    typeOver(rules, QStringLiteral("https://127.0.0.1:8443"));
    window->findChild<QPushButton*>(QStringLiteral("Enregistrer"))->click();
    EXPECT_TRUE(
        QTest::qWaitFor([] { return openWindow(QStringLiteral("Adresses_Web")) == nullptr; }));
    EXPECT_EQ(storedSetting("Adresses", "Liste PC"), QStringLiteral("http://127.0.0.1:8080"));
    EXPECT_EQ(storedSetting("Adresses", "Reglement"), QStringLiteral("https://127.0.0.1:8443"));
    w().menus.Mnu_Maj_PC->trigger();
    EXPECT_EQ(http.requested, QStringList{"http://127.0.0.1:8080/Velmora/Liste_PC.csv"});
}

}  // namespace
}  // namespace orv::test
