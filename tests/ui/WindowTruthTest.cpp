// What the window shows is what the form holds, at every moment and however a choice is made:
// by a click, a key or an assistive client.
#include "storage/MatchFile.h"
#include "support/Harness.h"
#include "support/TempDir.h"
#include "support/WindowTest.h"
#include "ui/KeyMap.h"
#include "ui/KeyMapDialog.h"

namespace courtlog::ui {
namespace {

QAccessibleInterface* accessible(QObject* o) {
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(o);
    return a ? a : throw std::runtime_error("no accessible interface");
}

class WindowTruth : public testing::WindowTest {
protected:
    // Presses the point button of the winner, A or B, or for '*' the ace of whoever serves.
    void play(std::string_view points) {
        for (char c : points) {
            const char* buttons[] = {"PuntoGiocatore_0", "PuntoGiocatore_1", "AceDoppioFallo_1"};
            find<QPushButton>(buttons[c == '*' ? 2 : c - 'A'])->click();
        }
    }
};

// Notes what a few labels show at the moment each modal box opens.
TEST_F(WindowTruth, EveryQuestionShowsOverTheScreenItSpeaksOf) {
    QStringList seen;
    platform.opening = [&] {
        seen << text("Set1_0") + "-" + text("Set1_1") + " " + text("Games_0") + "-" +
                    text("Games_1") + " " + text("Punteggio_0") + "-" + text("Punteggio_1") +
                    " vinti " + text("PuntiVinti_0") + " ace " + text("Aces_0") +
                    (find("MatchPoint_0")->isHidden() ? "" : " MP");
    };
    window.form().MatchInTreSet_Click();
    platform.messageAnswers = {MsgAnswer::Yes};  // save at the end of the match: cancelled
    play("*" + std::string(47, 'A'));
    window.form().GameClear_Click();
    // A point recorded in the middle: the question about the later points comes after its
    // statistics and before its score.
    play("BBB");
    window.form().GameStart_Click();
    window.refresh();
    play("*");
    EXPECT_EQ(seen, (QStringList{
                        "6-0 0-0 0-0 vinti 48 ace 1",  // "Fine partita! ..."
                        "6-0 0-0 0-0 vinti 48 ace 1",  // its save dialog
                        "6-0 0-0 0-0 vinti 48 ace 1",  // "Sei sicuro ..."
                        "0-0 0-0 0-0 vinti 0 ace 0",   // "Tutti i dati ..."
                        "0-0 0-0 0-0 vinti 0 ace 1",   // the later points
                    }));
}

TEST_F(WindowTruth, AssistiveClientsReadWhatEachLabelIsAndWhatItShows) {
    play("A");
    const std::pair<const char*, const char*> named[] = {
        {"Punteggio_0", "Punteggio Giocatore A|15"},
        {"Set2_1", "Set 2 Giocatore B|0"},
        {"TieBreak1_0", "Tie-break 1 Giocatore A|0"},
        {"PuntiVinti_1", "Punti vinti Giocatore B|0"},
        {"BreakAvuti_0", "Palle break avute Giocatore A|0"},
        {"PalleNuove", "Palle nuove|Palle nuove"},
        {"Turno", "Turno|Finale"}};  // the list by what it is, not by its entry
    find<QComboBox>("Turno")->setCurrentIndex(7);
    for (const auto& [control, expected] : named) {
        QAccessibleInterface* a = accessible(find(control));
        EXPECT_EQ(a->text(QAccessible::Name) + "|" + a->text(QAccessible::Value), expected);
        ASSERT_TRUE(a->textInterface());
        EXPECT_EQ(a->textInterface()->text(0, -1), a->text(QAccessible::Value));
    }

    // Where the user stands in the history.
    play("AA");
    window.form().GameUndo_Click();
    window.refresh();
    auto* scroll = find<QScrollBar>("GameScroll");
    EXPECT_EQ(scroll->toolTip(), "Punto 2 di 3");
    EXPECT_EQ(accessible(scroll)->text(QAccessible::Value), "Punto 2 di 3");
}

TEST_F(WindowTruth, NamesAreRenamedFromTheKeyboardAndShownWholeWhenCut) {
    auto* name = find<QLabel>("NomeGiocatore_0");
    EXPECT_EQ(name->toolTip(), "Clic per cambiare il nome");
    platform.inputAnswers = {"Alejandro Davidovich Fokina", "Anastasia Pavlyuchenkova"};
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Space);
    accessible(find("NomeGiocatore_1"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(platform.inputPrompts.size(), 2u);
    EXPECT_TRUE(name->text().endsWith(QChar(0x2026))) << name->text().toStdString();
    EXPECT_TRUE(name->toolTip().startsWith("Alejandro Davidovich Fokina\n"));
    EXPECT_EQ(accessible(name)->text(QAccessible::Name), "Alejandro Davidovich Fokina");
    auto* button = find<QPushButton>("PuntoGiocatore_1");
    EXPECT_EQ(button->toolTip(), "Anastasia Pavlyuchenkova\nTasto: J");
    // Not the name label's name: a client looking the name up must find the label.
    EXPECT_EQ(accessible(button)->text(QAccessible::Name), "Punto a Anastasia Pavlyuchenkova");
    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width());

    // Enter presses the command button that has the focus.
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(text("Punteggio_1"), "15");
}

// The first server is chosen from items captioned with the players' names, which assistive
// clients read by what they do.
TEST_F(WindowTruth, TheFirstServerItemsShowTheNamesAndAreReadByWhatTheyDo) {
    platform.inputAnswers = {"Dominik & Iga \u015awi\u0105tek"};
    window.form().NomeGiocatore_Click(1);
    window.refresh();
    auto* a = find<QAction>("PrimoAlServizio_0");
    auto* b = find<QAction>("PrimoAlServizio_1");
    EXPECT_EQ(a->text() + "|" + b->text(), "Giocatore A|Dominik && Iga \u015awi\u0105tek");
    QAccessibleInterface* item = accessible(b);
    EXPECT_EQ(item->text(QAccessible::Name) + "|" + item->text(QAccessible::Description),
              "Primo al servizio Giocatore B|Dominik & Iga \u015awi\u0105tek");
    EXPECT_EQ(item->role(), QAccessible::MenuItem);
    item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(b->isChecked());
    EXPECT_FALSE(a->isChecked());
    EXPECT_EQ(window.form().rulesFromMenus().firstServer, 1);
    EXPECT_TRUE(find<QLabel>("Serve_1")->isVisible());
}

TEST_F(WindowTruth, ABreakPointInTheTensFitsItsLabel) {
    play("BBBAAABABABABABABAB");  // B's tenth break point of the game
    auto* label = find<QLabel>("BreakPoint");
    ASSERT_EQ(label->text(), "Break Point # 10");
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
}

// Charting from the keyboard: one key per choice, the same path as a click.
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
        for (const QKeySequence& k : a->shortcuts()) {
            taken.insert(k);
        }
    }
    const QString map =
        KeyMapDialog::page(window.form(), window.menuBar()->findChildren<QAction*>());
    for (const QKeySequence& k : taken) {
        EXPECT_TRUE(map.contains(k.toString(QKeySequence::NativeText).toHtmlEscaped()))
            << "a menu's key not on the map: " << k.toString().toStdString();
    }
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
