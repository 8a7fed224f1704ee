// Charting from the keyboard: one key per choice, the same path as a click.
#include <gtest/gtest.h>

#include <QAction>
#include <QSet>
#include <QTest>

#include "storage/MatchFile.h"
#include "support/FakePlatform.h"
#include "support/Harness.h"
#include "support/TempDir.h"
#include "ui/KeyMap.h"
#include "ui/KeyMapDialog.h"
#include "ui/MainWindow.h"

namespace courtlog::ui {
namespace {

// A whole match with every kind of mark, as the keys a charter presses: "E" stands for Esc.
// A wins every game, so the match ends after three sets.
std::string chart() {
    std::string keys = "A" "S" "2RNCJ" "IVGF" "F"   // A serves: ace, service winner, ...
                       "D" "ZXF" "LF" "PTF"          // B serves: a double fault, ...
                       "HF" "OF" "2EF" "MNCF";       // Esc takes back a second serve
    for (int game = 3; game < 18; ++game) {
        keys += "FFFF";
    }
    return keys;
}

// The same choices made through the form's handlers, written out apart from the key map.
void enter(MainForm& f, char key) {
    const std::string shots = "MVZLPNHO";
    const std::string endings = " CGXT";
    if (key == '1' || key == '2') {
        f.SelectOption(Panel::Servizio, key - '1');
    } else if (key == 'A' || key == 'D' || key == 'S') {
        f.AceDoppioFallo_Click(key == 'A' ? 1 : key == 'D' ? 2 : 3);
    } else if (key == 'I' || key == 'R') {
        f.SelectOption(Panel::DirittoRovescio, key == 'I' ? 1 : 2);
    } else if (shots.find(key) != std::string::npos) {
        f.SelectOption(Panel::Colpo, static_cast<int>(shots.find(key)));
    } else if (endings.find(key) != std::string::npos) {
        f.SelectOption(Panel::ErroreVincente, static_cast<int>(endings.find(key)));
    } else if (key == 'F' || key == 'J') {
        f.PuntoGiocatore_Click(key == 'F' ? 0 : 1);
    } else if (key == 'E') {
        for (Panel p : {Panel::Servizio, Panel::DirittoRovescio, Panel::Colpo,
                        Panel::ErroreVincente}) {
            f.SelectOption(p, 0);
        }
    }
}

class KeyCharting : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    testing::FakePlatform platform;
    MainWindow window{platform};
};

TEST_F(KeyCharting, AMatchChartedByKeysSavesTheSameFileAsTheSameClicks) {
    testing::TempDir dir;
    platform.saveChoices.push_back({dir.file("keys.clg"), "keys.clg"});  // asked at the end
    for (char k : chart()) {
        QTest::keyClick(&window, k == 'E' ? Qt::Key_Escape : static_cast<Qt::Key>(k));
    }
    ASSERT_TRUE(window.form().MatchOver);

    testing::Harness core;
    for (char k : chart()) {
        enter(core.form, k);
    }
    EXPECT_EQ(testing::TempDir::read(dir.file("keys.clg")), encodeMatch(core.form.matchRecord()));
}

TEST_F(KeyCharting, EveryKeyIsItsOwnAndNamedWhereItActs) {
    QSet<int> keys;
    QSet<QKeySequence> taken;
    for (const QAction* a : window.findChildren<QAction*>()) {
        taken.insert(a->shortcut());
    }
    const QString map = KeyMapDialog::page(window.form());
    for (const KeyGroup& group : keyGroups()) {
        for (const KeyBinding& b : group.keys) {
            SCOPED_TRACE(keyName(b).toStdString());
            EXPECT_FALSE(keys.contains(b.key)) << "a key with two uses";
            keys.insert(b.key);
            // Without Alt, so never a menu's access key; and no menu item's shortcut.
            EXPECT_EQ(b.key & Qt::KeyboardModifierMask, 0);
            EXPECT_FALSE(taken.contains(QKeySequence(b.key)));
            EXPECT_TRUE(map.contains(QStringLiteral("<b>%1</b></td><td>%2")
                                         .arg(keyName(b), choiceName(b, window.form()))));
            if (auto* control = window.findChild<QWidget*>(controlName(b))) {
                EXPECT_TRUE(control->toolTip().endsWith("Tasto: " + keyName(b)));
                EXPECT_EQ(control->accessibleDescription(), "Tasto: " + keyName(b));
            } else {
                EXPECT_EQ(b.action, KeyAction::Clear);
            }
        }
    }
    EXPECT_EQ(keys.size(), 22);
}

}  // namespace
}  // namespace courtlog::ui
