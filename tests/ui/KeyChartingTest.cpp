// Charting from the keyboard: one key per choice, the same path as a click.
#include "storage/MatchFile.h"
#include "support/Harness.h"
#include "support/TempDir.h"
#include "support/WindowTest.h"
#include "ui/KeyMap.h"
#include "ui/KeyMapDialog.h"

namespace courtlog::ui {
namespace {

// A whole match with every kind of mark, as the keys a charter presses: "E" stands for Esc.
// A wins every game, so the match ends after three sets.
// clang-format off
const std::string kChart = "A" "S" "2RNCJ" "IVGF" "F"   // A serves: ace, service winner, ...
                           "D" "ZXF" "LF" "PTF"          // B serves: a double fault, ...
                           "HF" "OF" "2EF" "MNCF"        // Esc takes back a second serve
                           + std::string(15 * 4, 'F');  // games 3 to 17, each to love
// clang-format on

// The same choices made through the form's handlers, written out apart from the key map: where
// a key stands in its row is the option or button it chooses; a blank holds a place no key has.
void enter(MainForm& f, char key) {
    const std::pair<Panel, std::string_view> options[] = {{Panel::Servizio, "12"},
                                                          {Panel::DirittoRovescio, " IR"},
                                                          {Panel::Colpo, "MVZLPNHO"},
                                                          {Panel::ErroreVincente, " CGXT"}};
    for (const auto& [panel, keys] : options) {
        if (key == 'E') {
            f.SelectOption(panel, 0);  // every panel back to its first option
        } else if (keys.find(key) != keys.npos) {
            f.SelectOption(panel, static_cast<int>(keys.find(key)));
        }
    }
    const std::string_view outcomes = " ADS", points = "FJ";
    if (outcomes.find(key) != outcomes.npos) {
        f.AceDoppioFallo_Click(static_cast<int>(outcomes.find(key)));
    } else if (points.find(key) != points.npos) {
        f.PuntoGiocatore_Click(static_cast<int>(points.find(key)));
    }
}

using KeyCharting = testing::WindowTest;

TEST_F(KeyCharting, AMatchChartedByKeysSavesTheSameFileAsTheSameClicks) {
    testing::TempDir dir;
    platform.saveChoices.push_back({dir.file("keys.clg"), "keys.clg"});  // asked at the end
    testing::Harness core;
    for (char k : kChart) {
        QTest::keyClick(&window, k == 'E' ? Qt::Key_Escape : static_cast<Qt::Key>(k));
        enter(core.form, k);
    }
    ASSERT_TRUE(window.form().score().over);
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
            const QString name = controlName(b);  // empty is any name to findChild
            if (auto* control = name.isEmpty() ? nullptr : window.findChild<QWidget*>(name)) {
                EXPECT_TRUE(control->toolTip().endsWith("Tasto: " + keyName(b)));
                EXPECT_EQ(control->accessibleDescription(), "Tasto: " + keyName(b));
            } else {
                EXPECT_EQ(b.action, KeyAction::Clear);
            }
        }
    }
    EXPECT_EQ(keys.size(), 22);
    // Hints only on the controls the keys press: one on the window would show on every label.
    const QWidgetList all = window.findChildren<QWidget*>() << &window;
    EXPECT_EQ(std::ranges::count_if(all, [](auto* w) { return w->toolTip().contains("Tasto"); }),
              21);
}

// Letters typed into the round list or the menu bar stay there and chart nothing; Esc, which the
// closed list has no use for, still takes the point's choices back. Elsewhere the keys chart.
TEST_F(KeyCharting, LettersTypedIntoTheRoundListOrTheMenusStayThere) {
    auto* turno = find<QComboBox>("Turno");
    turno->setFocus();
    QString rounds;
    for (char k : std::string_view("sfo12")) {
        turno->view()->keyboardSearch({});  // each key a search of its own, as typed apart
        QTest::keyClick(turno, k);
        rounds += QString::number(window.form().Turno.selected());
    }
    EXPECT_EQ(rounds, "67412");
    window.form().SelectOption(Panel::Servizio, 1);
    QTest::keyClick(turno, Qt::Key_Escape);
    EXPECT_EQ(window.form().Servizio.selected(), 0);
    for (const char* focus : {"NomeGiocatore_0", "Colpo_0", "AceDoppioFallo_1"}) {
        find(focus)->setFocus();
        QTest::keyClick(&window, 'f');
    }
    QTest::keyClick(&window, Qt::Key_Alt);
    QTest::keyClick(QApplication::focusWidget(), 'f');  // the menu bar opens "&File"
    ASSERT_TRUE(QTest::qWaitForWindowExposed(find<QMenu>("File")));
    QTest::keyClick(QApplication::activePopupWidget(), 'j');
    EXPECT_EQ(window.form().points().count(), 3);
}

}  // namespace
}  // namespace courtlog::ui
