// The detailed statistics window: one, beside the main window, at the position it shows.
#include <QAccessibleTableInterface>
#include <QPrinter>

#include "report/DetailedStatistics.h"
#include "storage/MatchLoading.h"
#include "support/WindowTest.h"
#include "ui/StatisticsWindow.h"

namespace courtlog::ui {
namespace {

class StatisticsWindowTest : public testing::WindowTest {
protected:
    // A point every half minute.
    void click(const QString& name, int times = 1) {
        for (int i = 0; i < times; ++i) {
            platform.clock += 30'000;
            QTest::mouseClick(find(name), Qt::LeftButton);
        }
    }
    // F6 on the main window, which then takes the keys again.
    StatisticsWindow* open() {
        key(Qt::Key_F6);
        window.activateWindow();
        EXPECT_TRUE(QTest::qWaitForWindowActive(&window));
        return find<StatisticsWindow>("StatisticheDettagliate");
    }

    // Each tab as the window shows it: title, times, then each table's caption and its grid
    // with the headers, the name of the rows in the corner.
    QStringList shown() {
        QStringList out;
        auto* tabs = find<QTabWidget>("Tratti");
        for (int s = 0; s < tabs->count(); ++s) {
            out << tabs->tabText(s) << find<QLabel>(QStringLiteral("Tempi_%1").arg(s))->text();
            const QString place = QStringLiteral("%1_%2").arg(s);
            for (int t = 0;
                 auto* table = window.findChild<QTableWidget*>("Tabella_" + place.arg(t)); ++t) {
                out << find<QLabel>("Didascalia_" + place.arg(t))->text();
                for (int r = -1; r < table->rowCount(); ++r) {
                    for (int c = -1; c < table->columnCount(); ++c) {
                        out << (r < 0 && c < 0
                                    ? table->findChild<QAbstractButton*>()->accessibleName()
                                : r < 0 ? table->horizontalHeaderItem(c)->text()
                                : c < 0 ? table->verticalHeaderItem(r)->text()
                                        : table->item(r, c)->text());
                    }
                }
            }
        }
        return out;
    }
    // The same drawn from the model at the form's position, with the scoreboard's names.
    QStringList expected() {
        const auto said = [](const std::vector<Text>& texts) {
            QStringList l;
            std::ranges::transform(texts, std::back_inserter(l), say);
            return l;
        };
        const MainForm& form = window.form();
        QStringList out;
        for (const StretchTables& stretch : detailedTables(
                 form.session().statistics(), {form.view().board.NomeGiocatore[0].text(),
                                               form.view().board.NomeGiocatore[1].text()})) {
            out << say(stretch.title) << said(stretch.times).join('\n');
            for (const FigureTable& table : stretch.tables) {
                out << say(table.caption) << said(table.headers);
                for (const auto& row : table.rows) {
                    out << said(row);
                }
            }
        }
        return out;
    }
};

// F6 opens the window, where each figure is read with its row and its column, in a table named
// by its caption; Tab goes from the tab bar through the tables, in the order shown, to the
// buttons.
TEST_F(StatisticsWindowTest, F6OpensOneWindowReadByItsHeadersThatFollowsThePositionAndLanguage) {
    click("AceDoppioFallo_1");
    // At the screen's right edge: the window opens on the left, narrowed to the room there.
    window.move(window.screen()->availableGeometry().right() - window.frameGeometry().width(), 0);
    key(Qt::Key_F6);
    auto* statistics = find<StatisticsWindow>("StatisticheDettagliate");
    EXPECT_EQ(std::pair(statistics->isModal(), statistics->frameGeometry().right() + 1),
              std::pair(false, window.frameGeometry().left()));
    // Of A's shots, which count nothing yet, only the total shows unless all are asked for.
    QHeaderView* shots = find<QTableWidget>("Tabella_0_1")->verticalHeader();
    EXPECT_EQ(shots->hiddenSectionCount(), shots->count() - 1);
    find<QCheckBox>("RigheAZero")->click();
    statistics->activateWindow();  // as by a click
    QTRY_COMPARE(QApplication::activeWindow(), statistics);
    QStringList order;
    for (int i = 0; i < 5; ++i) {
        QWidget* focus = QApplication::focusWidget();
        order << (qobject_cast<QTabBar*>(focus) ? "tab bar" : focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    EXPECT_EQ(order,
              QStringList({"tab bar", "Tabella_0_0", "Tabella_0_1", "Tabella_0_2", "Stampa"}));
    QAccessibleInterface* a = QAccessible::queryAccessibleInterface(find("Tabella_0_0"));
    EXPECT_EQ(a->text(QAccessible::Name), "Punti, servizio e palle break");
    QAccessibleTableCellInterface* ace = a->tableInterface()->cellAt(3, 1)->tableCellInterface();
    // Qt makes a new header cell on every call and leaves it to the caller; registering each
    // hands it to Qt's cache, which frees it.
    QStringList headers;
    for (const auto& cells : {ace->rowHeaderCells(), ace->columnHeaderCells()}) {
        for (QAccessibleInterface* cell : cells) {
            QAccessible::uniqueId(cell);
            headers << cell->text(QAccessible::Name);
        }
    }
    EXPECT_EQ(headers, QStringList({"Ace", "Giocatore B"}));

    open();
    EXPECT_EQ(shown(), expected());

    // The main window still charts, and the figures follow each point at once; F6 again raises
    // the same window.
    find<QAction>("OraDeiPunti")->trigger();
    click("AceDoppioFallo_1");
    EXPECT_EQ(shown(), expected());
    EXPECT_EQ(std::tuple(open(), window.findChildren<StatisticsWindow*>().size(),
                         shots->hiddenSectionCount()),
              std::tuple(statistics, qsizetype{1}, 0));
    click("PuntoGiocatore_0", 22);  // the first set, to love
    click("PuntoGiocatore_1");
    EXPECT_EQ(text("PunteggioServizio"), "6-0 0-0 0-15 · al servizio Giocatore A");
    EXPECT_TRUE(find<QLabel>("Tempi_0")->text().contains("0:30"));  // every gap
    EXPECT_EQ(shown(), expected());

    // Back through the history: fewer sets, and the figures of the points before the position.
    QTest::keySequence(&window, QKeySequence("Shift+F7, F8"));
    EXPECT_EQ(shown(), expected());
    find<QScrollBar>("GameScroll")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(shown(), expected());

    // The names the scoreboard shows head the columns.
    platform.inputAnswers = {"Rossi"};
    click("NomeGiocatore_0");
    EXPECT_EQ(shown(), expected());

    // Closed, it is left alone until it opens again, then shows where the user stands.
    statistics->close();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    key(Qt::Key_F7, Qt::ShiftModifier);
    EXPECT_EQ(find<QTableWidget>("Tabella_0_0")->item(3, 0)->text(), "2");  // the aces
    open();
    EXPECT_EQ(shown(), expected());

    // Another language: the window's own texts and the tables' at once.
    choose(1);
    EXPECT_EQ(statistics->windowTitle() + find<QPushButton>("Stampa")->text() + "|" +
                  text("PunteggioServizio"),
              "Detailed statistics&Print...|0-0 0-0 · Rossi serving");
    EXPECT_EQ(shown(), expected());
}

// A double click or Enter on a cell asks for the points the model lists for its first number,
// with what it counts, as its tooltip says; the longest run asks nothing.
TEST_F(StatisticsWindowTest, EveryCountPlaysThePointsTheModelListsForIt) {
    platform.openChoices.push_back({COURTLOG_SAMPLES_DIR "/best-of-three-tiebreak.clg", "m.clg"});
    key(Qt::Key_F3);
    QSignalSpy played(open(), &StatisticsWindow::playRequested);
    const MatchSession& session = window.form().session();
    const MatchStatistics m = session.statistics();
    const auto model = [&](const StretchStatistics& s, int player, Figure f, QString label) {
        const auto p = pointsBehind(session.points().played(), session.rules(), s, player, f);
        return QVariantList{QVariant::fromValue(QList<int>(p.begin(), p.end())), label};
    };
    // B's backhand unforced errors in set 2, by a double click as a user's: Qt's test sends the
    // second click alone. Then A's service points won, "won/played", by Enter.
    auto* tabs = find<QTabWidget>("Tratti");
    tabs->setCurrentIndex(2);
    auto* shots = find<QTableWidget>("Tabella_2_2");
    const QPoint cell = shots->visualItemRect(shots->item(1, 1)).center();
    QTest::mouseClick(shots->viewport(), Qt::LeftButton, {}, cell);
    QTest::mouseDClick(shots->viewport(), Qt::LeftButton, {}, cell);
    tabs->setCurrentIndex(0);
    auto* figures = find<QTableWidget>("Tabella_0_0");
    figures->setCurrentCell(15, 0);
    QTest::keyClick(figures, Qt::Key_Return);
    figures->setCurrentCell(1, 0);
    QTest::keyClick(figures, Qt::Key_Enter);
    EXPECT_EQ(
        played,
        (QList<QVariantList>{
            model(m.sets[1], 1,
                  {.shots = &ShotCounts::unforcedErrors, .among = Figure::Among::Stroke, .kind = 2},
                  "Errore gratuito, Rovescio — Giocatore B, Set 2"),
            model(m.match, 0, {.own = &PlayerStatistics::servicePointsWon},
                  "Punti vinti al servizio — Giocatore A, Partita")}));
    EXPECT_EQ(std::pair(shots->item(1, 1)->toolTip(), figures->item(15, 0)->toolTip()),
              std::pair(QString("Doppio clic o Invio: rivedi questi punti"), QString()));

    // In doubles, a column of the players' serve table plays the points that player served:
    // here B2's service points won.
    window.form().chooseRule("doubles", 1);
    window.refresh();
    auto* served = find<QTableWidget>("Tabella_0_1");
    served->setCurrentCell(6, 3);
    QTest::keyClick(served, Qt::Key_Return);
    EXPECT_EQ(played.back(),
              model(session.statistics().match, 3, {.served = &ServeStatistics::servicePointsWon},
                    "Punti vinti al servizio — Giocatore B2, Partita"));
}

// The printed page keeps every table and says in words what each chart shows, which a text
// document cannot draw, instead of spilling the charts' labels.
TEST(PrintablePage, ChartsGiveWayToTheirDescriptions) {
    const std::string html =
        "<p>a</p><svg class=\"g\" aria-label=\"Course\" width=\"9\"><text>15"
        "</text></svg><table/><svg><text>30</text>\n</svg>";
    EXPECT_EQ(printablePage(html), "<p>a</p><p><i>Course</i></p><table/><p><i></i></p>");
}

// The window's "Stampa" of the matches whose printed pages report.PrintedPages counts and
// reads, into the folder it names.
TEST(PrintedReport, FitsItsPages) {
    QTemporaryDir scratch;
    const QString dir = qEnvironmentVariable("COURTLOG_PRINTS", scratch.path());
    for (const auto& [name, most] : {std::pair{"one-set", 3}, std::pair{"five-sets", 8}}) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setPageSize(QPageSize(QPageSize::A4));
        printer.setOutputFileName(dir + "/" + name + "-window.pdf");  // a PDF by its name
        QTextDocument page;
        const std::string file = COURTLOG_SAMPLES_DIR "/print/" + std::string(name) + ".courtlog";
        layOutForPrinter(page, summarizeMatch(loadMatchFile(file).record), printer);
        page.print(&printer);
        // One set's figures are the match's: its own table would print them twice.
        EXPECT_EQ(std::pair(page.pageCount() <= most, page.toPlainText().contains("Set per set")),
                  std::pair(true, most == 8))
            << name;
    }
}

}  // namespace
}  // namespace courtlog::ui
