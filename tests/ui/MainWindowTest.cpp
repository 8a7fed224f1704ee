#include <gtest/gtest.h>

#include <QAction>
#include <QButtonGroup>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <set>

#include "support/FakePlatform.h"
#include "ui/MainWindow.h"

namespace courtlog::ui {
namespace {

using testing::FakePlatform;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <class W = QWidget>
    W* find(const QString& name) {
        auto* w = window.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }

    QString text(const QString& name) { return find<QLabel>(name)->text(); }
    bool checked(const QString& name) { return find<QRadioButton>(name)->isChecked(); }

    void click(const QString& name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    // On the round indicator, which is inside the clickable part whatever the caption's width.
    void clickOption(const QString& name) {
        QWidget* option = find(name);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(7, option->height() / 2));
    }

    QAction* action(const QString& name) { return find<QAction>(name); }

    // What every bound widget shows must be what the form holds.
    void expectWindowShowsForm() {
        for (const NamedField& named : window.form().fields()) {
            const QString name = QString::fromStdString(named.objectName());
            QWidget* w = find(name);
            const Field& f = *named.field;
            SCOPED_TRACE(name.toStdString());
            EXPECT_EQ(w->isHidden(), !f.visible());
            if (auto* l = qobject_cast<QLabel*>(w)) {
                EXPECT_EQ(l->text().toStdString(), f.caption());
                EXPECT_EQ(l->palette().color(QPalette::Window).rgb(),
                          QColor(redOf(f.back()), greenOf(f.back()), blueOf(f.back())).rgb());
                EXPECT_EQ(l->palette().color(QPalette::WindowText).rgb(),
                          QColor(redOf(f.fore()), greenOf(f.fore()), blueOf(f.fore())).rgb());
            }
        }
    }

    FakePlatform platform;
    MainWindow window{platform};
};

TEST_F(MainWindowTest, WindowHasItsTitleFixedClientAreaAndEveryControl) {
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Courtlog - Versione 1.1"));
    EXPECT_EQ(window.centralWidget()->size(), QSize(546, 527));
    EXPECT_EQ(window.minimumSize(), window.maximumSize());

    for (const NamedField& named : window.form().fields()) {
        EXPECT_NE(window.findChild<QWidget*>(QString::fromStdString(named.objectName())), nullptr)
            << named.objectName();
    }
    for (const char* name :
         {"Label1_10", "Label1_17", "Label3", "Turno", "GameScroll", "FrameButtons_0",
          "FrameServizio_0", "FrameDirittoRovescio_0", "FrameColpo_0", "FrameErroreVincente_0",
          "FramePunto", "AceDoppioFallo_1", "AceDoppioFallo_3", "Colpo_7", "ErroreVincente_4",
          "Label1_19", "Label2_6"}) {
        EXPECT_NE(window.findChild<QWidget*>(QString::fromUtf8(name)), nullptr) << name;
    }
    EXPECT_EQ(text("Label1_10"), QStringLiteral("Torneo:"));
    EXPECT_EQ(text("Label1_18"), QStringLiteral("Punti con 1°/2°:"));
    EXPECT_EQ(text("Label1_19"), QStringLiteral("Punti con 1°/2°:"));
    EXPECT_EQ(find<QGroupBox>("FrameStatistiche_1")->title(),
              QStringLiteral("Statistiche Giocatore B"));
    EXPECT_EQ(find<QAbstractButton>("PuntoGiocatore_0")->text(), QStringLiteral("Giocatore A"));
    auto* turno = find<QComboBox>("Turno");
    ASSERT_EQ(turno->count(), 8);
    EXPECT_EQ(turno->itemText(0), QString());
    EXPECT_EQ(turno->itemText(1), QStringLiteral("1° Turno"));
    EXPECT_EQ(turno->itemText(7), QStringLiteral("Finale"));
    expectWindowShowsForm();
}

// Positions are set by hand, so check that no caption is cut and no control hides another,
// except where controls deliberately share a place.
TEST_F(MainWindowTest, ControlsShowTheirCaptionsWholeAndDoNotOverlap) {
    const std::set<std::set<QString>> sharedPlaces{
        {"Parità", "BreakPoint"}, {"SetPoint_0", "SetPoint_1", "MatchPoint_0", "MatchPoint_1"}};
    auto mayOverlap = [&](const QString& a, const QString& b) {
        for (const auto& place : sharedPlaces) {
            if (place.contains(a) && place.contains(b)) {
                return true;
            }
        }
        // A tie-break score sits in the corner of its set's column.
        auto tieBreakOver = [](const QString& t, const QString& s) {
            return t.startsWith("TieBreak") && s == "Set" + t.mid(8);
        };
        return tieBreakOver(a, b) || tieBreakOver(b, a);
    };

    QList<QWidget*> parents{window.centralWidget()};
    for (QGroupBox* frame : window.centralWidget()->findChildren<QGroupBox*>()) {
        parents.append(frame);
    }
    for (QWidget* parent : parents) {
        const QList<QWidget*> children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* child : children) {
            const QString name = child->objectName();
            SCOPED_TRACE(name.toStdString());
            EXPECT_TRUE(parent->rect().contains(child->geometry())) << "outside its frame";
            const bool hasText = (qobject_cast<QLabel*>(child) != nullptr &&
                                  !qobject_cast<QLabel*>(child)->text().isEmpty()) ||
                                 qobject_cast<QAbstractButton*>(child) != nullptr ||
                                 qobject_cast<QComboBox*>(child) != nullptr;
            if (hasText) {
                EXPECT_LE(child->sizeHint().width(), child->width()) << "caption cut";
                EXPECT_LE(child->sizeHint().height(), child->height() + 2) << "caption cut";
            }
            for (QWidget* other : children) {
                if (other != child && !mayOverlap(name, other->objectName())) {
                    EXPECT_FALSE(child->geometry().intersects(other->geometry()))
                        << "overlaps " << other->objectName().toStdString();
                }
            }
        }
    }
}

TEST_F(MainWindowTest, ServeButtonsAndPlayerButtonFillTheStatistics) {
    // Player A serves: an ace for A, a double fault of A, then a point won by B on A's first
    // serve.
    click("AceDoppioFallo_1");
    click("AceDoppioFallo_2");
    click("PuntoGiocatore_1");

    EXPECT_EQ(text("PuntiVinti_0"), "1");
    EXPECT_EQ(text("PuntiVinti_1"), "2");
    EXPECT_EQ(text("Aces_0"), "1");
    EXPECT_EQ(text("Aces_1"), "0");
    EXPECT_EQ(text("DoppiFalli_0"), "1");
    EXPECT_EQ(text("DoppiFalli_1"), "0");
    // A served three points, two of them on the first serve, and won one of those two.
    EXPECT_EQ(text("PercentualePrimePalle_0"), "67%");
    EXPECT_EQ(text("PercentualeConPrimaPalla_0"), "50%");
    EXPECT_EQ(text("PercentualeConSecondaPalla_0"), "0%");
    // B has not served.
    EXPECT_EQ(text("PercentualePrimePalle_1"), "0%");
    EXPECT_EQ(text("PercentualeConPrimaPalla_1"), "N/D");
    EXPECT_EQ(text("PercentualeConSecondaPalla_1"), "N/D");
    EXPECT_EQ(find<QScrollBar>("GameScroll")->maximum(), 3);
    EXPECT_EQ(find<QScrollBar>("GameScroll")->value(), 3);
    expectWindowShowsForm();
}

TEST_F(MainWindowTest, PanelChoicesGoIntoThePointAndThePanelStartsAgain) {
    clickOption("Servizio_1");
    clickOption("DirittoRovescio_2");
    clickOption("Colpo_3");  // "Lob" marks a winner
    EXPECT_TRUE(checked("ErroreVincente_1"));
    clickOption("ErroreVincente_2");
    clickOption("Colpo_0");  // "Miss" leaves the error as it was
    EXPECT_TRUE(checked("ErroreVincente_2"));
    EXPECT_TRUE(checked("Servizio_1"));
    EXPECT_TRUE(checked("DirittoRovescio_2"));

    click("PuntoGiocatore_0");

    // B's unforced error, on A's second serve, won by A.
    EXPECT_EQ(text("ErroriGratuiti_1"), "1");
    EXPECT_EQ(text("ColpiVincenti_0"), "0");
    EXPECT_EQ(text("PercentualeConSecondaPalla_0"), "100%");
    EXPECT_EQ(text("PercentualePrimePalle_0"), "0%");
    for (const char* first : {"Servizio_0", "DirittoRovescio_0", "Colpo_0", "ErroreVincente_0"}) {
        EXPECT_TRUE(checked(first)) << first;
    }
    EXPECT_FALSE(checked("Servizio_1"));
    EXPECT_FALSE(checked("ErroreVincente_2"));
}

TEST_F(MainWindowTest, ArrowKeysChooseOptionsLikeClicks) {
    auto* miss = find<QRadioButton>("Colpo_0");
    miss->setFocus();
    QTest::keyClick(miss, Qt::Key_Right);

    EXPECT_TRUE(checked("Colpo_1"));
    EXPECT_EQ(window.form().Colpo.selected(), 1);
    // Choosing a shot by key marks the winner just as a click does.
    EXPECT_TRUE(checked("ErroreVincente_1"));
    EXPECT_EQ(EstraiInfo(window.form().workingWord(), Attr::ErroreVincente), 1);
}

TEST_F(MainWindowTest, APanelWithNoOptionChosenShowsNoneChecked) {
    PointWord word = 0;
    CreaInfo(word, Attr::ErroreVincente, 6);  // beyond the group's buttons
    window.form().showWordInPanel(word);
    window.refresh();
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(checked(QStringLiteral("ErroreVincente_%1").arg(i))) << i;
    }

    clickOption("ErroreVincente_0");
    EXPECT_TRUE(checked("ErroreVincente_0"));
    EXPECT_EQ(window.form().ErroreVincente.selected(), 0);
}

TEST_F(MainWindowTest, RoundFollowsTheUserAndTheForm) {
    auto* turno = find<QComboBox>("Turno");
    turno->setFocus();
    QTest::keyClick(turno, Qt::Key_Down);
    EXPECT_EQ(window.form().Turno.selected(), 1);

    window.form().Turno.select(5);
    window.refresh();
    EXPECT_EQ(turno->currentText(), QStringLiteral("Quarti di finale"));
}

TEST_F(MainWindowTest, ClickingANameRenamesThePlayerEverywhere) {
    platform.inputAnswers = {"Rossi"};
    click("NomeGiocatore_1");

    ASSERT_EQ(platform.inputPrompts.size(), 1U);
    EXPECT_EQ(platform.inputPrompts[0], "Inserire il nuovo nome|Cambio nome|Giocatore B");
    EXPECT_EQ(text("NomeGiocatore_1"), "Rossi");
    EXPECT_EQ(find<QAbstractButton>("PuntoGiocatore_1")->text(), "Rossi");
    EXPECT_EQ(find<QGroupBox>("FrameStatistiche_1")->title(), "Statistiche Rossi");
    EXPECT_EQ(text("NomeGiocatore_0"), "Giocatore A");

    // Cancelling changes nothing.
    platform.inputAnswers = {""};
    click("NomeGiocatore_1");
    EXPECT_EQ(text("NomeGiocatore_1"), "Rossi");

    // An ampersand in a name is shown, not taken as an access key.
    platform.inputAnswers = {"Bianchi & Verdi"};
    click("NomeGiocatore_0");
    EXPECT_TRUE(find<QAbstractButton>("PuntoGiocatore_0")->shortcut().isEmpty());

    platform.inputAnswers = {"Roma"};
    click("NomeTorneo");
    EXPECT_EQ(text("NomeTorneo"), "Roma");
}

TEST_F(MainWindowTest, MenusHaveTheirShortcutsAndTheFormsCheckMarks) {
    const std::vector<std::pair<const char*, QKeySequence>> items{
        {"FileSave", QKeySequence(Qt::Key_F2)},
        {"FileLoad", QKeySequence(Qt::Key_F3)},
        {"GameStart", QKeySequence(Qt::SHIFT | Qt::Key_F7)},
        {"GameUndo", QKeySequence(Qt::Key_F7)},
        {"GameRedo", QKeySequence(Qt::Key_F8)},
        {"GameEnd", QKeySequence(Qt::SHIFT | Qt::Key_F8)},
        {"GameClear", QKeySequence()},
        {"HelpInfo", QKeySequence(Qt::Key_F1)},
        {"SalvaOpzioni", QKeySequence()},
    };
    for (const auto& [name, shortcut] : items) {
        QAction* a = action(name);
        ASSERT_NE(a, nullptr);
        EXPECT_EQ(a->shortcut(), shortcut) << name;
        EXPECT_TRUE(a->isVisible()) << name;
        EXPECT_TRUE(a->isEnabled()) << name;
    }
    EXPECT_TRUE(action("FileExit")->isEnabled());
    EXPECT_EQ(action("FileExit")->text(), QStringLiteral("&Esci"));
    EXPECT_EQ(action("SalvaOpzioniInUscita")->text(), QStringLiteral("All'&uscita"));

    EXPECT_TRUE(action("MatchInCinqueSet")->isChecked());
    EXPECT_FALSE(action("MatchInTreSet")->isChecked());
    EXPECT_TRUE(action("TieBreakWhen_1")->isChecked());

    window.form().TieBreakWhen[1].setChecked(false);
    window.form().TieBreakWhen[2].setChecked(true);
    window.refresh();
    EXPECT_FALSE(action("TieBreakWhen_1")->isChecked());
    EXPECT_TRUE(action("TieBreakWhen_2")->isChecked());

    // A click on a check item runs the form's handler, which decides the mark.
    QAction* parziale = action("DisabilitaParziale");
    parziale->trigger();
    EXPECT_TRUE(parziale->isChecked());
    EXPECT_TRUE(window.form().DisabilitaParziale.checked());
    parziale->trigger();
    EXPECT_FALSE(parziale->isChecked());
    // Choosing the rule already checked keeps it checked.
    action("TieBreakWhen_2")->trigger();
    EXPECT_TRUE(action("TieBreakWhen_2")->isChecked());
    EXPECT_FALSE(action("TieBreakWhen_0")->isChecked());

    EXPECT_THROW(action("FileExit")->trigger(), testing::ProgramEnded);
}

TEST(MainWindow, BuildsWithQtsOwnDialogs) {
    // The platform is made before the window it belongs to has finished building.
    MainWindow window;
    EXPECT_EQ(window.windowTitle(), QStringLiteral("Courtlog - Versione 1.1"));
}

}  // namespace
}  // namespace courtlog::ui
