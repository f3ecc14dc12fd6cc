// Blind operators log with a screen reader: every control of every window must be announced by
// the caption a sighted operator reads for it, and every label by what it shows. The walk opens
// every window the main window's commands open and lists each control a screen reader could not
// name, and each label whose name hides its value. Then the text fields, which a screen reader
// must hear whole.

#include <QAbstractButton>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTest>

#include "main_window_fixture.h"
#include "support/local_http_server.h"
#include "ui/tools/error_dialog.h"

namespace orv::test {
namespace {

// What a screen reader announces for the control: the label that names it (a relation, the way
// a drop-down list is named on Linux, where its own name is the item shown), else its own name.
// Qt also gives the caption of the frame around a field, as a label and, when the field has no
// name, as its name: that names the frame, not the field.
QString announcedName(QWidget* control) {
    QAccessibleInterface* accessible = QAccessible::queryAccessibleInterface(control);
    if (accessible == nullptr) {
        return {};
    }
    for (const auto& [label, relation] : accessible->relations(QAccessible::Label)) {
        if (qobject_cast<QGroupBox*>(label->object()) == nullptr &&
            !label->text(QAccessible::Name).isEmpty()) {
            return label->text(QAccessible::Name);
        }
    }
    if (qobject_cast<QComboBox*>(control) != nullptr) {
        return {};
    }
    const QString name = accessible->text(QAccessible::Name);
    const auto* frame = qobject_cast<QGroupBox*>(control->parentWidget());
    const auto* button = qobject_cast<QAbstractButton*>(control);
    const bool frameCaption = frame != nullptr && name == frame->title() &&
                              control->accessibleName().isEmpty() &&
                              (button == nullptr || button->text() != name);
    return frameCaption ? QString() : name;
}

// A control is what the keyboard can reach; a part of a larger control (the text field of a
// drop-down list, the drawing area of a web page, which takes the focus for it) is announced as
// that control.
QWidget* controlOf(QWidget* widget, const QWidget* window) {
    QWidget* control = widget;
    for (QWidget* up = widget->parentWidget(); up != nullptr && up != window;
         up = up->parentWidget()) {
        if ((up->focusPolicy() & Qt::TabFocus) != 0 || up->focusProxy() == control) {
            control = up;
        }
    }
    return control;
}

// "window/objectName (class)" of every control without a name.
QStringList unnamedControls(QWidget* window) {
    QStringList unnamed;
    QList<QWidget*> controls;
    for (QWidget* widget : window->findChildren<QWidget*>()) {
        if ((widget->focusPolicy() & Qt::TabFocus) != 0 &&
            !controls.contains(controlOf(widget, window))) {
            controls << controlOf(widget, window);
        }
    }
    for (QWidget* control : controls) {
        if (announcedName(control).isEmpty()) {
            unnamed << QStringLiteral("%1/%2 (%3)")
                           .arg(window->objectName(), control->objectName(),
                                control->metaObject()->className());
        }
    }
    return unnamed;
}

// "window/objectName: text" of every label whose name does not say what it shows.
QStringList labelsHidingTheirText(QWidget* window) {
    QStringList hiding;
    for (QLabel* label : window->findChildren<QLabel*>()) {
        const QString shown = label->text().simplified();
        if (!shown.isEmpty() && !spokenName(label).simplified().contains(shown)) {
            hiding << QStringLiteral("%1/%2: %3")
                          .arg(window->objectName(), label->objectName(), shown);
        }
    }
    return hiding;
}

class AccessibilityTest : public MainWindowTest {
protected:
    void SetUp() override {
        std::vector<std::string> lines;
        for (int i = 0; i < 100; ++i) {
            lines.push_back(logLine("F5XYZ", "89" + std::to_string(100 + i), "12/03/21", "10:00",
                                    "14 Mhz", i % 2 == 0));
        }
        writeReferenceList({siteLine("89199", "CHATEAU")});
        storeSetting(QStringLiteral("Adresses"), QStringLiteral("Cluster"), server_.address());
        storeSetting(QStringLiteral("Adresses"), QStringLiteral("Reglement"), server_.address());
        startWithLog(logText(lines));
    }

    LocalHttpServer server_;
};

TEST_F(AccessibilityTest, EveryControlOfEveryWindowIsAnnouncedByItsNameEveryLabelByItsText) {
    const MainMenus& m = w().menus;
    const std::pair<QObject*, const char*> commands[] = {
        {m.Mnu_New_Indicatif, "Station"},
        {m.Mnu_L_Contacte, "Aff_Contacte"},
        {m.Mnu_Carte_Acti_PC, "Carte_Acti_PC"},
        {m.Mnu_Score, "Score_PC"},
        {m.Mnu_Non_Recue, "Multi_QSL"},
        {m.Mnu_Cluster, "Cluster"},
        {m.Mnu_Reglement, "Reglement"},
        {w().Rechercher, "Recherche_Indicatif"},
        {w().Detail_Ref, "Detail"},
        {m.Mnu_Diplomes, "Diplome_PC"},
        {m.Mnu_Adresses, "Adresses_Web"},
        {m.Mnu_A_Contacter, "A_Contacter"},
    };
    QStringList unnamed = unnamedControls(window_.get());
    QStringList hiding = labelsHidingTheirText(window_.get());
    QStringList walked;
    for (const auto& [command, name] : commands) {
        if (auto* action = qobject_cast<QAction*>(command)) {
            action->trigger();
        } else {
            qobject_cast<QAbstractButton*>(command)->click();
        }
        if (QWidget* window = activeWindow(QString::fromLatin1(name))) {
            walked << window->objectName();
            unnamed << unnamedControls(window);
            hiding << labelsHidingTheirText(window);
        }
    }
    // The award list opens from the award window's first level, reached with 100 QSOs.
    openWindow(QStringLiteral("Diplome_PC"))
        ->findChild<QAbstractButton*>(QStringLiteral("PC_100"))
        ->click();
    if (QWidget* list = activeWindow(QStringLiteral("Liste_PC"))) {
        walked << list->objectName();
        unnamed << unnamedControls(list);
        hiding << labelsHidingTheirText(list);
    }
    ErrorDialog error(services(), window_->state());
    unnamed << unnamedControls(&error);
    hiding << labelsHidingTheirText(&error);

    EXPECT_EQ(walked.size(), 13);
    EXPECT_EQ(unnamed, QStringList{});
    EXPECT_EQ(hiding, QStringList{});
    EXPECT_TRUE(messages.messages.isEmpty()) << messages.messages.join('\n').toStdString();
}

// Qt 6.4 answers "which run of text shares the attributes at this offset?" with a run of no
// characters, from which Orca builds a range one character short: "59" was heard "5".
TEST_F(AccessibilityTest, FieldTextIsOneRun) {
    for (const QString& text : {QStringLiteral("5"), QStringLiteral("59")}) {
        w().RST_A->setText(text);
        int start = -1;
        int end = -1;
        QAccessible::queryAccessibleInterface(w().RST_A)->textInterface()->attributes(0, &start,
                                                                                      &end);
        EXPECT_EQ(std::pair(start, end), std::pair(0, int(text.size()))) << text.toStdString();
    }
}

}  // namespace
}  // namespace orv::test
