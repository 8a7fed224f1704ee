// What the window shows is what the form holds, at every moment and however a choice is made.
#include "support/WindowTest.h"

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
    void toggle(const QString& name) {
        accessible(find(name))
            ->actionInterface()
            ->doAction(QAccessibleActionInterface::toggleAction());
    }
    std::string shown(const char* base, int count) {
        std::string s;
        for (int i = 0; i < count; ++i) {
            const QString name = QStringLiteral("%1_%2").arg(base).arg(i);
            s += find<QRadioButton>(name)->isChecked() ? '1' : '0';
        }
        return s;
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

TEST_F(WindowTruth, AnAssistiveToggleIsRecordedAsAClickWouldBe) {
    toggle("Servizio_1");
    toggle("Colpo_3");  // a lob selects "Vincente" too
    EXPECT_EQ(shown("ErroreVincente", 5), "01000");
    play("B");
    // B's point on a second serve, a lob, a winner; the next point starts clean on screen.
    EXPECT_EQ(window.form().points().at(0), 0x0001 | 0x0002 | 3 << 4 | 1 << 7);
    EXPECT_EQ(shown("Servizio", 2) + shown("Colpo", 8) + shown("ErroreVincente", 5),
              "1010000000"
              "10000");
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

TEST_F(WindowTruth, ABreakPointInTheTensFitsItsLabel) {
    play("BBBAAABABABABABABAB");  // B's tenth break point of the game
    auto* label = find<QLabel>("BreakPoint");
    ASSERT_EQ(label->text(), "Break Point # 10");
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
}

}  // namespace
}  // namespace courtlog::ui
