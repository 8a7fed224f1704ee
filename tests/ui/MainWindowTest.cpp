// The main window: its layout, its controls and keys, and what it shows of the form.
#include <QPdfWriter>
#include <optional>
#include <set>

#include "form/Version.h"
#include "report/HtmlReport.h"
#include "report/MatchSummary.h"
#include "storage/MatchFile.h"
#include "support/MatchBuilder.h"
#include "support/TempDir.h"
#include "support/Translators.h"
#include "support/WindowTest.h"
#include "ui/ColourButton.h"
#include "ui/KeyMap.h"
#include "ui/KeyMapDialog.h"
#include "ui/Look.h"
#include "ui/Palette.h"

namespace courtlog::ui {
namespace {

class MainWindowTest : public testing::WindowTest {
protected:
    // Both players' figures of a row, as "15-30".
    QString both(const QString& row) { return text(row + "_0") + "-" + text(row + "_1"); }
    QString score() { return both("Games") + " " + both("Punteggio"); }
    bool checked(const QString& name) { return find<QRadioButton>(name)->isChecked(); }
    void click(const QString& name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    // On the round indicator, which is clickable whatever the caption's width.
    void clickOption(const QString& name) {
        QTest::mouseClick(find(name), Qt::LeftButton, {}, QPoint(7, find(name)->height() / 2));
    }
    // Presses the winner's point button, or the serve's outcome, for points as lettered() reads
    // them.
    void play(std::string_view points) {
        for (const testing::Marks& m : testing::lettered(points)) {
            find<QPushButton>(m.outcome ? QStringLiteral("AceDoppioFallo_%1").arg(m.outcome)
                                        : QStringLiteral("PuntoGiocatore_%1").arg(m.winner))
                ->click();
        }
    }
    QAccessibleInterface* a11y(QObject* o) { return QAccessible::queryAccessibleInterface(o); }
};

// Positions are set by hand at 100% and the window draws them at any scale: no control may hide
// another, and no caption may be cut, in Italian or English; texts a third longer are cut with
// "…" and shown whole in the tooltip and to assistive clients.
TEST_F(MainWindowTest, LayoutHasNothingCutOrHiddenAtAnyScaleInAnyLanguage) {
    // Each face is asked for by the name it is installed under: a missing one sends the first use
    // of every size through a search of all the fonts for its stand-in, at every start.
    for (const QFont& face : {comicSans(9), timesNewRoman(9)}) {
        EXPECT_EQ(QFontInfo(face).family().toStdString(), face.family().toStdString());
    }
    // Deuce and break point share a place, as do the set and match points, and a tie-break
    // score sits in the corner of its set's column.
    const auto place = [](QString n) {
        return n.replace("Parità", "BreakPoint")
            .replace(QRegularExpression("^(Set|Match)Point.*"), "SetPoint")
            .replace(QRegularExpression("^TieBreak"), "Set");
    };
    // At 100% the drawn places and type, what is under the heading row 16 lower; at 150% the
    // same by their edges.
    const auto drawn = [&] {
        QStringList places;
        for (const char* n : {"MainForm", "Label1_10", "Intestazione_1", "Punteggio_0",
                              "FrameButtons_0", "GameScroll", "Label3"}) {
            const QRect r = find(n)->geometry();
            places << QString::asprintf("%d,%d,%d,%d/%d", r.x(), r.y(), r.width(), r.height(),
                                        find(n)->font().pixelSize());
        }
        return places.join(' ');
    };
    EXPECT_EQ(drawn(),
              "0,0,546,543/12 6,4,80,30/21 304,38,44,16/11 192,56,52,34/27 6,134,314,358/12 "
              "292,497,248,18/12 6,521,314,18/11");
    const int menu = window.height() - find("MainForm")->height();
    std::optional<testing::Translation> longer;
    for (const auto& [language, scale] : std::vector<std::pair<std::string, double>>{
             {"it", 1}, {"en", 1.5}, {"longer", 2}, {"it", 2}, {"en", 1}, {"longer", 1.5}}) {
        window.form().Lingua_Click(language == "en" ? 1 : 0);
        language == "longer" ? void(longer.emplace(testing::longer)) : longer.reset();
        window.refresh();
        // Wider than the scale: the picture is centred on the area's colour.
        window.resize(std::lround(546 * scale) + 40, std::lround(543 * scale) + menu);
        QCoreApplication::processEvents();
        EXPECT_EQ(std::tuple(window.scale(), find("Picture")->x(),
                             window.centralWidget()->grab().toImage().pixelColor(5, 5)),
                  std::tuple(scale, 20, toQColor(colours::DarkGreen)));
        if (scale == 1.5) {
            EXPECT_EQ(drawn(),
                      "0,0,819,815/18 9,6,120,45/31 456,57,66,24/16 288,84,78,51/40 "
                      "9,201,471,537/18 438,746,372,27/18 9,782,471,27/16");
        }
        int cut = 0;
        QWidget* area = find("MainForm");
        for (QWidget* child : area->findChildren<QWidget*>()) {
            QWidget* parent = child->parentWidget();
            if ((parent != area && !qobject_cast<QGroupBox*>(parent)) || child->isHidden()) {
                continue;  // a part of a control, placed by Qt, or nothing on screen
            }
            SCOPED_TRACE(language + std::to_string(scale) + child->objectName().toStdString());
            EXPECT_TRUE(parent->rect().contains(child->geometry())) << "outside its frame";
            auto* l = qobject_cast<QLabel*>(child);
            if (l ? !l->text().isEmpty()
                  : qobject_cast<QAbstractButton*>(child) || qobject_cast<QComboBox*>(child)) {
                const QRect drawn(child->pos(), child->sizeHint() - QSize(0, 2));
                EXPECT_TRUE(child->geometry().contains(drawn)) << "caption drawn beyond its place";
            }
            // A label's or a button's text, or a frame's title.
            const QString shown =
                child->property("text").toString() + child->property("title").toString();
            if (shown.endsWith(QChar(u'…'))) {
                ++cut;
                for (const QString& whole :
                     {child->toolTip().split('\n').front(), a11y(child)->text(QAccessible::Name)}) {
                    EXPECT_TRUE(whole.startsWith(shown.chopped(1)) && whole.size() > shown.size());
                }
            }
            // The text as its type draws it, not only the place the widget asks for.
            const QFontMetrics type(child->font());
            EXPECT_TRUE(!l || l->text().isEmpty() ||
                        (type.boundingRect(l->text()).width() <=
                             l->contentsRect().width() - std::max(l->indent(), 0) &&
                         type.height() <= l->height() + 2));
            for (QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                EXPECT_TRUE(place(child->objectName()) == place(other->objectName()) ||
                            !child->geometry().intersects(other->geometry()))
                    << "overlaps " << other->objectName().toStdString();
            }
        }
        // Italian and English fit whole; the longer texts do not.
        EXPECT_EQ(cut > 0, language == "longer") << language;
    }
}

// The View menu's zooms and keys size the window as far as the screen allows; its place and
// zoom are stored at once and read back, on the screen, by the next window.
TEST_F(MainWindowTest, ZoomsSizeTheWindowAndItsPlaceIsStoredAtOnce) {
    const QSize drawn = window.size();
    // The settings say where the window is and at what scale.
    const auto stored = [&] {
        const QRect r = window.geometry();
        return platform.settings["Courtlog/Opzioni/Finestra"] ==
                   QString::asprintf("%d,%d,%d,%d", r.x(), r.y(), r.width(), r.height())
                       .toStdString() &&
               platform.settings["Courtlog/Opzioni/Zoom"] ==
                   std::to_string(std::lround(window.scale() * 100));
    };
    find<QAction>("Zoom125")->trigger();
    EXPECT_EQ(std::tuple(window.scale(), find<QAction>("Zoom125")->isChecked(), stored()),
              std::tuple(1.25, true, true));
    key(Qt::Key_0, Qt::ControlModifier);
    EXPECT_EQ(
        std::tuple(window.size(), window.scale(), find<QAction>("Zoom100")->isChecked(), stored()),
        std::tuple(drawn, 1.0, true, true));
    key(Qt::Key_Equal, Qt::ControlModifier);
    const double in = window.scale();
    key(Qt::Key_Minus, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(in, window.scale()), std::tuple(1.25, 1.0));
    // Larger than the screen: as large as it holds.
    find<QAction>("Zoom200")->trigger();
    EXPECT_EQ(window.frameGeometry().size(), window.screen()->availableGeometry().size());
    // A size dragged between zooms draws its own scale and marks none.
    window.resize(drawn + QSize(60, 60));
    EXPECT_TRUE(QTest::qWaitFor(stored));
    EXPECT_EQ(std::tuple(window.scale(), find<QAction>("Zoom100")->isChecked(),
                         find<QAction>("Zoom125")->isChecked()),
              std::tuple(606 / 546.0, false, false));
    const QRect place = window.geometry();
    ui::MainWindow next(platform);
    next.show();
    EXPECT_TRUE(QTest::qWaitForWindowExposed(&next));
    EXPECT_EQ(std::tuple(next.geometry(), next.scale()), std::tuple(place, window.scale()));
    platform.settings["Courtlog/Opzioni/Finestra"] = "90000,90000,5000,5000";
    platform.settings.erase("Courtlog/Opzioni/Zoom");
    // Off every screen and larger than any: the whole of the screen there is.
    EXPECT_EQ(ui::MainWindow(platform).geometry(), window.screen()->availableGeometry());
}

// Names are shown as typed (the labels by the check of every field below): an ampersand is not
// taken as a key.
TEST_F(MainWindowTest, NamesServesAndPointsReachTheFormAndTheWindowFollows) {
    platform.inputAnswers = {"Bianchi & Verdi", "Roma"};
    click("NomeGiocatore_1");
    click("NomeTorneo");
    EXPECT_TRUE(find<QAbstractButton>("PuntoGiocatore_1")->shortcut().isEmpty());
    EXPECT_EQ(find<QGroupBox>("FrameStatistiche_1")->title(), "Statistiche Bianchi && Verdi");
    click("AceDoppioFallo_1");
    click("AceDoppioFallo_2");
    click("PuntoGiocatore_1");
    EXPECT_EQ(text("Aces_0") + text("DoppiFalli_0") + both("PuntiVinti"), "111-2");
    EXPECT_EQ(find<QScrollBar>("GameScroll")->value(), 3);
    // Every bound widget shows what its field holds: text, colours and visibility.
    for (const NamedField& named : window.form().view().board.fields()) {
        QWidget* w = find(QString::fromStdString(named.objectName()));
        SCOPED_TRACE(named.objectName());
        EXPECT_EQ(w->isHidden(), !named.field->visible());
        if (auto* l = qobject_cast<QLabel*>(w)) {
            EXPECT_EQ(l->text().toStdString(), named.field->caption());
            EXPECT_EQ(l->palette().color(QPalette::Window), toQColor(named.field->back()));
            EXPECT_EQ(l->palette().color(QPalette::WindowText), toQColor(named.field->fore()));
        }
    }
}

// Choices the program makes are shown without running the handlers a user's choice runs.
TEST_F(MainWindowTest, PanelOptionsByClickOrKeyGoIntoThePointAndThePanelStartsAgain) {
    clickOption("Servizio_1");
    clickOption("DirittoRovescio_2");
    find("Colpo_0")->setFocus();
    QTest::keyClick(find("Colpo_0"), Qt::Key_Right);  // an arrow key chooses like a click
    EXPECT_EQ(window.form().view().Colpo.selected(), 1);
    EXPECT_TRUE(checked("ErroreVincente_1"));  // the shot marks a winner
    clickOption("ErroreVincente_2");

    click("PuntoGiocatore_0");  // B's unforced error on A's second serve
    EXPECT_EQ(text("ErroriGratuiti_1") + text("PercentualeConSecondaPalla_0"), "1100%");
    EXPECT_TRUE(checked("Servizio_0") && checked("DirittoRovescio_0") && checked("Colpo_0") &&
                checked("ErroreVincente_0"));

    // A word whose value no option holds leaves the whole group unchecked.
    MatchRecord odd = window.form().session().record();
    odd.points = {5 << 7};  // an error kind past the last
    window.form().applyMatch(odd);
    window.form().goTo(0);
    window.refresh();
    // Had the form taken the word for an option, the window would show that one checked.
    EXPECT_EQ(find<QRadioButton>("ErroreVincente_0")->group()->checkedButton(), nullptr);
    clickOption("ErroreVincente_0");
    EXPECT_TRUE(checked("ErroreVincente_0"));

    // The round list shows when it has the focus, as every other control does.
    auto* turno = find<QComboBox>("Turno");
    const QImage unfocused = turno->grab().toImage();
    turno->setFocus();
    EXPECT_TRUE(turno->grab().toImage() != unfocused);
    window.form().Turno_Click(5);
    window.refresh();
    EXPECT_EQ(turno->currentIndex(), 5);
}

TEST_F(MainWindowTest, KeysMenusAndTheScrollBarGoThroughTheFormAndThePlatform) {
    testing::TempDir dir;
    platform.inputAnswers.push_back("Roma 1/2");
    window.form().NomeTorneo_Click();
    play("AA");
    platform.saveChoices.push_back({dir.file("match.clg"), "match.clg"});
    key(Qt::Key_F2);  // read back by F3
    play("AAAAA");
    platform.openChoices.push_back({dir.file("match.clg"), "match.clg"});
    key(Qt::Key_F3);
    EXPECT_EQ(score(), "0-0 30-0");
    // What F7 and Shift+F7 change on screen is the end-to-end run's; the scroll bar goes back
    // to the end from the start.
    key(Qt::Key_F7, Qt::ShiftModifier);
    find<QScrollBar>("GameScroll")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(score(), "0-0 30-0");
    EXPECT_EQ(find("PuntoGiocatore_0"), QApplication::focusWidget());
    key(Qt::Key_F1);
    EXPECT_EQ(platform.aboutBoxes, 1);

    // The report covers every recorded point, wherever one stands.
    play("AAAA");
    key(Qt::Key_F7);
    const std::string page = dir.file("r.html");
    platform.saveChoices.push_back({page, "r.html"});
    find<QAction>("FileEsporta")->trigger();
    EXPECT_EQ(platform.saveDialogNames.back(), "Giocatore A-Giocatore B (Roma 1-2).html");
    EXPECT_EQ(testing::TempDir::read(page),
              htmlReport(summarizeMatch(window.form().session().record())));
    platform.saveChoices.push_back({page + "/nowhere.html", "nowhere.html"});
    find<QAction>("FileEsporta")->trigger();
    EXPECT_EQ(platform.messages.back(),
              "Impossibile salvare il file nowhere.html: la cartella non esiste");

    // The mark of an option shows what the form accepted, not what Qt toggled.
    play(std::string(43, 'A'));                 // two sets to love: too late for best of three
    find<QAction>("MatchInTreSet")->trigger();  // refused, as the form's test shows
    EXPECT_FALSE(find<QAction>("MatchInTreSet")->isChecked());

    // Closing with an unsaved match offers the save dialog: a failed save keeps the window open,
    // a cancelled one still closes it.
    platform.saveChoices.push_back({"/nowhere/at/all.clg", "all.clg"});
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.close());
    EXPECT_EQ(platform.saveDialogNames.size(), 5u);
}

// Every change can be taken back and made again by its keys, the menu saying which; Delete takes
// out the point shown as the last one played, never from the round list.
TEST_F(MainWindowTest, UndoRedoAndDeleteByTheirKeys) {
    auto* undo = find<QAction>("EditUndo");
    auto* redo = find<QAction>("EditRedo");
    EXPECT_FALSE(find<QAction>("GameDelete")->isEnabled());
    key(Qt::Key_Delete);
    EXPECT_EQ(std::tuple(undo->isEnabled(), undo->text(), window.form().session().points().count()),
              std::tuple(false, QString("Annulla"), 0));
    QTest::keySequence(&window, QKeySequence("F, F, Ctrl+Z"));
    EXPECT_EQ(score() + " " + redo->text(), "0-0 15-0 Ripeti punto");
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(score(), "0-0 30-0");
    QTest::keySequence(&window, QKeySequence("Ctrl+Z, Ctrl+Y"));
    EXPECT_EQ(std::tuple(score(), redo->isEnabled()), std::tuple(QString("0-0 30-0"), false));

    QTest::keySequence(&window, QKeySequence("F7, Del"));
    EXPECT_EQ(std::tuple(score(), window.form().session().points().count(), undo->text()),
              std::tuple(QString("0-0 0-0"), 1, QString("Annulla eliminazione")));
    key(Qt::Key_F8);
    find("Turno")->setFocus();
    QTest::keyClick(find("Turno"), Qt::Key_Delete);
    EXPECT_EQ(window.form().session().points().count(), 1);
    QTest::keyClick(find("Turno"), Qt::Key_Z, Qt::ControlModifier);  // Ctrl still reaches
    EXPECT_EQ(window.form().session().points().count(), 2);
}

// The title, as the window system shows it, names the open file and marks an unsaved match
// with "*", through changes, saves, undo back to the save and loads, in either language.
TEST_F(MainWindowTest, TheTitleNamesTheOpenFileAndMarksAnUnsavedMatch) {
    testing::TempDir dir;
    const std::string name = "partita [*].courtlog";  // Qt's mark in a name stays as typed
    platform.saveChoices = {{dir.file(name), name}};
    platform.openChoices = {{dir.file(name), name}};
    QStringList seen{window.windowHandle()->title()};
    for (const char* keys : {"F", "Ctrl+S", "J", "Ctrl+Z", "Ctrl+Y", "Ctrl+S", "J", "F3"}) {
        QTest::keySequence(&window, QKeySequence(QString::fromLatin1(keys)));
        seen << window.windowHandle()->title();
    }
    const QString program =
        QStringLiteral("Courtlog - Versione %1.%2").arg(kVersionMajor).arg(kVersionMinor);
    const QString saved = "partita [*].courtlog - " + program,
                  changed = "partita [*].courtlog* - " + program;
    EXPECT_EQ(seen, (QStringList{program, program + "*", saved, changed, saved, changed, saved,
                                 changed, saved}));
    // A change of language is no change to the match: still saved, nothing new to undo. Ctrl+S
    // asked for a file only the first time.
    choose(1);
    EXPECT_EQ(std::tuple(window.windowHandle()->title(), find<QAction>("EditUndo")->text(),
                         platform.saveDialogNames.size()),
              std::tuple(QString(saved).replace("Versione", "Version"), QString("Undo"), 1u));
}

// The line under the statistics says where the user stands, in either language whole up to the
// list's last point; a key that does nothing is told there for a moment.
TEST_F(MainWindowTest, PositionLineAndItsNotices) {
    auto* line = find<QLabel>("Posizione");
    EXPECT_EQ(std::tuple(line->text(), line->accessibleName()),
              std::tuple(QString("Punto 0 di 0"), QString("Dove si è nella partita")));
    // B's break points of the game fit their label, the second and the tenth; then deuce after
    // deuce: no end.
    auto* label = find<QLabel>("BreakPoint");
    play("BBBA");
    EXPECT_EQ(label->text(), "Break Point # 2");
    play("AABABABABABABAB");
    EXPECT_EQ(label->text(), "Break Point # 10");
    EXPECT_LE(label->fontMetrics().horizontalAdvance(label->text()), label->width());
    for (int i = 19; i < kMaxPoints; ++i) {
        window.form().PuntoGiocatore_Click(1 - i % 2);
    }
    window.form().goTo(window.form().session().points().current() - 1);
    window.refresh();
    EXPECT_EQ(line->palette().color(QPalette::Window), toQColor(colours::Yellow));
    // The scroll bar says the same to assistive clients, as does its tooltip.
    auto* scroll = find<QScrollBar>("GameScroll");
    EXPECT_EQ(a11y(scroll)->text(QAccessible::Value) + "|" + scroll->toolTip(),
              "Punto 999 di 1000|Punto 999 di 1000");
    for (const char* shown : {"Punto 999 di 1000 (storico)", "Point 999 of 1000 (history)"}) {
        // The widest the line ever says, in its own type.
        const QString widest = say(
            Text(CL_TEXT("Position", "%1 (storico)"))
                .arg(Text(CL_TEXT("Position", "Punto %1 di %2")).arg(kMaxPoints).arg(kMaxPoints)));
        EXPECT_LE(QFontMetrics(comicSans(9.75)).horizontalAdvance(widest),
                  line->contentsRect().width() - 4);
        EXPECT_EQ(std::tuple(line->text(), line->font().pixelSize()), std::tuple(shown, 13));
        window.form().Lingua_Click(1);
        window.refresh();
    }
    window.form().Lingua_Click(0);

    MatchRecord won = window.form().session().record();
    won.points.assign(72, 0);  // three sets to love
    window.form().applyMatch(won);
    window.refresh();
    key(Qt::Key_F);
    EXPECT_EQ(
        std::tuple(line->text(), line->toolTip(), window.form().session().points().count()),
        std::tuple(QString("Partita finita: il punto non è stato registrato."), QString(), 72));
    QTRY_COMPARE_WITH_TIMEOUT(line->text(), QString("Partita finita"), 5000);
}

// A recovery folder that is a file is said from the start in a band under the menu bar, read as
// an alert; the window grows by the band and what it draws moves down unchanged, until a
// write works.
TEST_F(MainWindowTest, TheNoticeBandGrowsTheWindowWhileItIsShown) {
    testing::TempDir dir;
    testing::TempDir::write(dir.file("recovery"), "x");
    platform.recovery = dir.file("recovery");
    QWidget* area = find("MainForm");
    QWidget* band = find("Avviso");
    const auto placed = [&] { return std::tuple(window.size(), area->mapTo(&window, QPoint())); };
    const auto before = placed();
    window.start("");
    QCoreApplication::processEvents();
    const QPoint down(0, band->height());
    const QString said = find<QLabel>("AvvisoTesto")->text();
    EXPECT_EQ(
        std::tuple(placed(), a11y(band)->role(), find("AvvisoChiudi")->isVisible(),
                   platform.messages.size(), band->height() > 20,
                   said.contains(": il percorso non indica una cartella\n")),
        std::tuple(std::tuple(std::get<0>(before) + QSize(0, down.y()), std::get<1>(before) + down),
                   QAccessible::AlertMessage, false, 0u, true, true));
    std::filesystem::remove(dir.file("recovery"));
    play("A");
    QTRY_COMPARE(std::tuple(placed(), band->isHidden()), std::tuple(before, true));
}

// Notes what a few labels show at the moment each modal box opens.
TEST_F(MainWindowTest, EveryQuestionShowsOverTheScreenItSpeaksOf) {
    QStringList seen;
    platform.opening = [&] {
        seen << both("Set1") + " " + score() + " vinti " + text("PuntiVinti_0") + " ace " +
                    text("Aces_0") + (find("MatchPoint_0")->isHidden() ? "" : " MP");
    };
    window.form().chooseRule("bestOf", 0);
    platform.messageAnswers = {MsgAnswer::Yes};  // save at the end of the match: cancelled
    play("*" + std::string(47, 'A'));
    window.form().GameClear_Click();
    // A point recorded in the middle: the question about the later points comes after its
    // statistics and before its score.
    play("BBB");
    window.form().goTo(0);
    window.refresh();
    play("*");
    // "Fine partita! ...", its save dialog, "Sei sicuro ...", "Tutti i dati ...", the later
    // points.
    EXPECT_EQ(seen.join('|'),
              "6-0 0-0 0-0 vinti 48 ace 1|6-0 0-0 0-0 vinti 48 ace 1|6-0 0-0 0-0 vinti 48 ace 1|"
              "0-0 0-0 0-0 vinti 0 ace 0|0-0 0-0 0-0 vinti 0 ace 1");
}

// Assistive clients read what each label is and what it shows, and what each scoreboard column
// counts (as the tooltip says it). Names are given from the keyboard
// or by an assistive client; one that is cut is shown whole in the tooltip and to assistive
// clients. The first server is chosen from items captioned with the players' names, which
// assistive clients read by what they do.
TEST_F(MainWindowTest, AssistiveClientsReadTheLabelsAndTheNamesGivenWithoutTheMouse) {
    const std::pair<const char*, const char*> named[] = {
        {"Set2_1", "Set 2 Giocatore B|0|Set 2|Set 2"},
        {"TieBreak1_0", "Tie-break 1 Giocatore A|0|Set 1|Set 1"},
        {"Punteggio_0", "Punteggio Giocatore A|0|Punti|Punti"},
        {"BreakAvuti_0", "Palle break avute Giocatore A|0||"},
        {"PalleNuove", "Palle nuove|Palle nuove||"}};
    for (const auto& [control, expected] : named) {
        QAccessibleInterface* a = a11y(find(control));
        // Their text interface is what the assistive client's end-to-end run reads.
        EXPECT_EQ(a->text(QAccessible::Name) + "|" + a->text(QAccessible::Value) + "|" +
                      a->text(QAccessible::Description) + "|" + find(control)->toolTip(),
                  expected);
    }

    auto* name = find<QLabel>("NomeGiocatore_0");
    EXPECT_EQ(name->toolTip(), "Clic per cambiare il nome");
    const QString b = "Anastasia Pavlyuchenkova & Iga \u015awi\u0105tek";
    platform.inputAnswers = {"Alejandro Davidovich Fokina", b.toStdString()};
    name->setFocus();
    QTest::keyClick(name, Qt::Key_Space);
    a11y(find("NomeGiocatore_1"))
        ->actionInterface()
        ->doAction(QAccessibleActionInterface::pressAction());
    QTRY_COMPARE(platform.inputPrompts.size(), 2u);
    EXPECT_TRUE(name->text().endsWith(QChar(0x2026))) << name->text().toStdString();
    EXPECT_TRUE(name->toolTip().startsWith("Alejandro Davidovich Fokina\n"));
    EXPECT_EQ(a11y(name)->text(QAccessible::Name), "Alejandro Davidovich Fokina");
    auto* button = find<QPushButton>("PuntoGiocatore_1");
    EXPECT_EQ(button->toolTip(), b + "\nTasto: J");
    // Not the name label's name: a client looking the name up must find the label.
    EXPECT_EQ(a11y(button)->text(QAccessible::Name), "Punto a " + b);
    EXPECT_LE(button->fontMetrics().horizontalAdvance(button->text()), button->width());

    auto* first = find<QAction>("PrimoAlServizio_0");
    auto* second = find<QAction>("PrimoAlServizio_1");
    EXPECT_EQ(first->text() + "|" + second->text(),
              "Alejandro Davidovich Fokina|" + QString(b).replace("&", "&&"));
    QAccessibleInterface* item = a11y(second);
    EXPECT_EQ(item->text(QAccessible::Name) + "|" + item->text(QAccessible::Description),
              "Primo al servizio Giocatore B|" + b);
    item->actionInterface()->doAction(QAccessibleActionInterface::pressAction());
    QTRY_VERIFY(second->isChecked());
    EXPECT_EQ(std::tuple(first->isChecked(), window.form().session().rules().firstServer,
                         find<QLabel>("Serve_1")->isVisible()),
              std::tuple(false, 1, true));

    // Enter presses the command button that has the focus.
    button->setFocus();
    QTest::keyClick(button, Qt::Key_Return);
    EXPECT_EQ(text("Punteggio_1"), "15");
}

// Every text of the window, at every position of a match that shows each marker and colour, is
// drawn in a pair of the contrast table, and each pair of the table is drawn; in high contrast, a
// choice stored at once, each reaches 4.5:1. The winner shows across the indicators at the end.
TEST_F(MainWindowTest, HighContrastDrawsEveryTextAtFourAndAHalfToOne) {
    EXPECT_NEAR(contrastRatio(colours::Yellow, colours::Teal), 2.1, 0.05);  // the sets' today
    window.form().chooseRule("bestOf", 0);
    play("BBBAAAAA aaaaa aaaaaa");  // break point, deuce, sets won, new balls, match point
    EXPECT_EQ(text("Vincitore") + "|" + a11y(find("Vincitore"))->text(QAccessible::Name),
              "Vince Giocatore A 2-0|Vince Giocatore A 2-0");
    // Off, on, off again: then on, as the next start finds it.
    for (const bool high : {false, true, false}) {
        std::set<std::pair<Colour, Colour>> table, drawn;
        for (const ContrastPair& p : contrastPairs()) {
            const Colours c = high ? p.high : p.described;
            table.emplace(c.fore, c.back);
            EXPECT_TRUE(!high || contrastRatio(c.fore, c.back) >= 4.5) << colourToHex(c.fore);
        }
        for (int k = window.form().session().points().count(); k >= 0; --k) {
            find<QScrollBar>("GameScroll")->setValue(k);
            // A text on the ground of its own or of its frame; a platform's button draws its own.
            for (QWidget* w : window.centralWidget()->findChildren<QWidget*>()) {
                const QString shown =
                    w->property("text").toString() + w->property("title").toString();
                if (w->isVisible() && !shown.isEmpty() &&
                    (!qobject_cast<QPushButton*>(w) || qobject_cast<ColourButton*>(w))) {
                    QWidget* ground = w->autoFillBackground() ? w : w->parentWidget();
                    drawn.emplace(fromQColor(w->palette().color(w->foregroundRole())),
                                  fromQColor(ground->palette().window().color()));
                }
            }
        }
        EXPECT_EQ(drawn, table) << high;
        find<QAction>("AltoContrasto")->trigger();
    }
    MainForm next(platform);
    next.Form_Load();
    EXPECT_TRUE(next.view().menus.AltoContrasto.checked());
}

// In doubles each side's two names take a line each, a Tab stop each, read by whose they are
// with the whole name as their value; each is in the largest type that fits (a 25-character
// name whole), the server's bold. Side B's row moves down by A's second line, what is under the
// scoreboard by both, and singles comes back as it was drawn. The serving menu moves the bold.
TEST_F(MainWindowTest, DoublesShowsFourNamesAndMovesWhatIsUnderThemUnchanged) {
    QWidget* area = find("MainForm");
    QWidget* focus = QApplication::focusWidget();
    const QImage singles = area->grab().toImage();
    std::vector<std::pair<QWidget*, QRect>> drawn;
    for (QWidget* w : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        drawn.emplace_back(w, w->geometry());
    }
    const int height = window.height();
    find<QAction>("Doppio")->trigger();
    QTRY_COMPARE(window.height(), height + 36);
    QStringList moved;  // otherwise than their row
    for (const auto& [w, was] : drawn) {
        if (w->geometry() != was.translated(0, was.top() >= 134 ? 36 : was.top() >= 94 ? 18 : 0)) {
            moved << w->objectName();
        }
    }
    EXPECT_EQ(moved,
              QStringList({"NomeGiocatore_0", "Compagno_0", "NomeGiocatore_1", "Compagno_1"}));

    const QString whole = "Pierre-Hugues Herbert Jr.",
                  longer = "Anastasia Pavlyuchenkova & Iga Świątek";
    platform.inputAnswers = {longer.toStdString(), whole.toStdString()};
    click("Compagno_1");
    QStringList names;
    find("NomeGiocatore_0")->setFocus();
    for (QWidget* w; names.size() < 4; QTest::keyClick(w, Qt::Key_Tab)) {
        w = QApplication::focusWidget();
        names << QString::asprintf("%s %d+%d ", qPrintable(w->objectName()), w->y(), w->height()) +
                     a11y(w)->text(QAccessible::Name) + "=" + a11y(w)->text(QAccessible::Value) +
                     QString(" %1%2").arg(w->font().pixelSize()).arg(w->font().bold() ? "b" : "");
    }
    EXPECT_EQ(names.join('|'),
              "NomeGiocatore_0 56+26 Giocatore A1=Giocatore A1 21b|"
              "Compagno_0 82+26 Giocatore A2=Giocatore A2 21|"
              "NomeGiocatore_1 112+26 Giocatore B1=Giocatore B1 21|"
              "Compagno_1 138+26 Giocatore B2=" +
                  longer + " 11");
    QTest::keyClick(find("Compagno_0"), Qt::Key_Space);  // from the keyboard
    auto* order = find<QAction>("AlServizio_2");
    order->trigger();
    EXPECT_EQ(
        std::tuple(text("Compagno_0"), text("Compagno_1").endsWith(QChar(u'…')),
                   find("Compagno_1")->toolTip().startsWith(longer + '\n'), order->text(),
                   find("Compagno_0")->font().bold(),
                   find<QMenu>("AlServizio")->menuAction()->isEnabled()),
        std::tuple(whole, true, true,
                   whole + ", Giocatore B1, Giocatore A1, " + QString(longer).replace("&", "&&"),
                   true, true));
    find<QAction>("Doppio")->trigger();
    QTRY_COMPARE(window.height(), height);
    focus->setFocus();
    EXPECT_EQ(std::tuple(area->grab().toImage() == singles,
                         find<QMenu>("AlServizio")->menuAction()->isEnabled()),
              std::tuple(true, false));
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

TEST_F(MainWindowTest, AMatchChartedByKeysSavesTheMarksTheKeysName) {
    testing::TempDir dir;
    platform.saveChoices.push_back({dir.file("keys.clg"), "keys.clg"});  // asked at the end
    for (char k : kChart) {
        QTest::keyClick(&window, k == 'E' ? Qt::Key_Escape : static_cast<Qt::Key>(k));
    }
    // The points written out apart from the key map, by the options' places in their groups;
    // a shot marks a winner until an error is chosen.
    // clang-format off
    const testing::Marks points[] = {
        {.outcome = 1}, {.outcome = 3}, {.winner = 1, .second = 1, .stroke = 2, .shot = 5, .ending = 1},
        {.stroke = 1, .shot = 1, .ending = 2}, {},
        {.outcome = 2}, {.shot = 2, .ending = 3}, {.shot = 3, .ending = 1}, {.shot = 4, .ending = 4},
        {.shot = 6, .ending = 1}, {.shot = 7, .ending = 1}, {}, {.shot = 5, .ending = 1}};
    // clang-format on
    testing::MatchBuilder expected;
    for (const testing::Marks& m : points) {
        expected.point(m);
    }
    // Saved only if the keys took the match to its end.
    EXPECT_EQ(decodeMatch(testing::TempDir::read(dir.file("keys.clg"))).match.points,
              expected.play(std::string(15, 'a')).record().points);
}

TEST_F(MainWindowTest, EveryKeyIsItsOwnAndNamedWhereItActs) {
    std::set<int> keys;
    QSet<QKeySequence> taken;
    const QString map =
        KeyMapDialog::page(window.form(), window.menuBar()->findChildren<QAction*>());
    for (const QAction* a : window.findChildren<QAction*>()) {
        for (const QKeySequence& k : a->shortcuts()) {
            taken.insert(k);
            EXPECT_TRUE(map.contains(k.toString(QKeySequence::NativeText).toHtmlEscaped()))
                << "a menu's key not on the map: " << k.toString().toStdString();
        }
    }
    for (const KeyGroup& group : keyGroups()) {
        for (const KeyBinding& b : group.keys) {
            SCOPED_TRACE(keyName(b).toStdString());
            EXPECT_TRUE(keys.insert(b.key).second) << "a key with two uses";
            // Without Alt, so never a menu's access key; and no menu item's shortcut.
            EXPECT_EQ(b.key & Qt::KeyboardModifierMask, 0);
            EXPECT_NE(taken.contains(QKeySequence(b.key)), b.action != KeyAction::Video);
            EXPECT_TRUE(map.contains(QStringLiteral("<b>%1</b></td><td>%2")
                                         .arg(keyName(b), choiceName(b, window.form()))));
            const QString name = controlName(b);  // empty is any name to findChild
            if (b.action == KeyAction::Video) {
                // The Video menu's item is the key, whichever window is active.
                auto* item = window.menuBar()->findChild<QAction*>(name);
                ASSERT_NE(item, nullptr);
                EXPECT_EQ(std::tuple(item->shortcut(), item->shortcutContext(), item->text()),
                          std::tuple(QKeySequence(b.key), Qt::ApplicationShortcut,
                                     choiceName(b, window.form())));
            } else if (auto* control =
                           name.isEmpty() ? nullptr : window.findChild<QWidget*>(name)) {
                EXPECT_TRUE(control->toolTip().endsWith("Tasto: " + keyName(b)));
                EXPECT_EQ(control->accessibleDescription(), "Tasto: " + keyName(b));
            } else {
                EXPECT_EQ(b.action, KeyAction::Clear);
            }
        }
    }
    EXPECT_EQ(keys.size(), 34u);
    // Hints only on the controls the keys press: one on the window would show on every label.
    const QWidgetList all = window.findChildren<QWidget*>() << &window;
    EXPECT_EQ(std::ranges::count_if(all, [](auto* w) { return w->toolTip().contains("Tasto"); }),
              21);
    // "Tasti rapidi" opens one key map beside the window, which charts on: the keys chart, and
    // the menus' keys work, while the map is the active window.
    find<QAction>("HelpTasti")->trigger();
    find<QAction>("HelpTasti")->trigger();
    auto* keyMap = find<KeyMapDialog>("TastiRapidi");
    EXPECT_EQ(std::tuple(keyMap->isModal(), window.findChildren<KeyMapDialog*>().size(),
                         keyMap->frameGeometry().intersects(window.frameGeometry())),
              std::tuple(false, qsizetype{1}, false));
    keyMap->activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), keyMap);
    QTest::keySequence(QApplication::focusWidget(), QKeySequence("J, F, Ctrl+Z"));
    EXPECT_EQ(score(), "0-0 0-15");  // A's point undone
    // Printed on one page (A4, the writer's own) in either language; on screen, narrowed to
    // the room beside the window, no key's name broken in its cell.
    for (int language : {0, 1}) {
        choose(language);
        QBuffer pdf;
        pdf.open(QIODevice::WriteOnly);
        keyMap->print(std::make_unique<QPdfWriter>(&pdf).get());
        EXPECT_EQ(QString(pdf.data()).count(QRegularExpression("/Type\\s*/Page\\b")), 1);
        for (QTextBlock b = keyMap->findChild<QTextBrowser*>()->document()->begin(); b.isValid();
             b = b.next()) {
            const QTextTable* t = QTextCursor(b).currentTable();
            EXPECT_TRUE(!t || t->cellAt(b.position()).column() > 0 || b.layout()->lineCount() == 1);
        }
    }
}

// A round chosen from the open list, with the mouse or with Enter, gives the keys back to where
// they were before the list opened: the next F charts a point instead of choosing "Finale".
// Letters typed into the round list, reached by Tab, or the menu bar stay there and chart nothing;
// Esc, which the closed list has no use for, still takes the point's choices back. Elsewhere the
// keys chart.
TEST_F(MainWindowTest, TheRoundListAndTheMenusKeepTheirKeysAndGiveThemBack) {
    auto* turno = find<QComboBox>("Turno");
    for (const bool mouse : {true, false}) {
        find("Colpo_2")->setFocus();
        QTest::mouseClick(turno, Qt::LeftButton);
        QWidget* list = turno->view()->window();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(list));
        if (mouse) {
            QTest::qWait(QApplication::doubleClickInterval() + 100);  // a hand is no faster
            const QRect third = turno->view()->visualRect(turno->model()->index(3, 0));
            QTest::mouseClick(turno->view()->viewport(), Qt::LeftButton, {}, third.center());
        } else {
            QTest::keyClick(turno->view(), Qt::Key_Down);
            QTest::keyClick(turno->view(), Qt::Key_Return);
        }
        ASSERT_TRUE(QTest::qWaitFor([list] { return !list->isVisible(); }) &&
                    QTest::qWaitForWindowActive(&window));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F);
        EXPECT_EQ(std::tuple(window.form().view().Turno.selected(),
                             window.form().session().points().count(), QApplication::focusWidget()),
                  std::tuple(mouse ? 3 : 4, mouse ? 1 : 2, find("Colpo_2")));
    }

    find("NomeTorneo")->setFocus();
    QTest::keyClick(&window, Qt::Key_Tab);  // reached as the keyboard reaches it
    ASSERT_EQ(QApplication::focusWidget(), turno);
    QString rounds;
    for (char k : std::string_view("sfo12")) {
        turno->view()->keyboardSearch({});  // each key a search of its own, as typed apart
        QTest::keyClick(turno, k);
        rounds += QString::number(window.form().view().Turno.selected());
    }
    EXPECT_EQ(rounds, "67412");
    window.form().SelectOption(Panel::Servizio, 1);
    QTest::keyClick(turno, Qt::Key_Escape);
    EXPECT_EQ(window.form().view().Servizio.selected(), 0);
    for (const char* focus : {"NomeGiocatore_0", "Colpo_0", "AceDoppioFallo_1"}) {
        find(focus)->setFocus();
        QTest::keyClick(&window, 'f');
    }
    QTest::keyClick(&window, Qt::Key_Alt);
    QTest::keyClick(QApplication::focusWidget(), 'f');  // the menu bar opens "&File"
    ASSERT_TRUE(QTest::qWaitForWindowExposed(find<QMenu>("File")));
    QTest::keyClick(QApplication::activePopupWidget(), 'j');
    EXPECT_EQ(window.form().session().points().count(), 5);  // three more
}

}  // namespace
}  // namespace courtlog::ui
