#include <optional>

#include "report/HtmlReport.h"
#include "report/Language.h"
#include "report/MatchSummary.h"
#include "storage/MatchFile.h"
#include "support/TempDir.h"
#include "support/Translators.h"
#include "support/WindowTest.h"
#include "ui/AboutDialog.h"
#include "ui/Look.h"

namespace courtlog::ui {
namespace {

class MainWindowTest : public testing::WindowTest {
protected:
    QString score() {
        return text("Games_0") + "-" + text("Games_1") + " " + text("Punteggio_0") + "-" +
               text("Punteggio_1");
    }
    bool checked(const QString& name) { return find<QRadioButton>(name)->isChecked(); }
    void click(const QString& name, int times = 1) {
        for (int i = 0; i < times; ++i) {
            QTest::mouseClick(find(name), Qt::LeftButton);
        }
    }
    // On the round indicator, which is clickable whatever the caption's width.
    void clickOption(const QString& name) {
        QTest::mouseClick(find(name), Qt::LeftButton, {}, QPoint(7, find(name)->height() / 2));
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(&window, k, mods); }
};

// Positions are set by hand: no control may hide another, and no caption may be cut, in
// Italian or English; texts a third longer are cut with "…" and shown whole in the tooltip.
TEST_F(MainWindowTest, FixedLayoutHasNothingCutOrHiddenInAnyLanguage) {
    // Deuce and break point share a place, as do the set and match points, and a tie-break
    // score sits in the corner of its set's column.
    const auto place = [](QString n) {
        return n.replace("Parità", "BreakPoint")
            .replace(QRegularExpression("^(Set|Match)Point.*"), "SetPoint")
            .replace(QRegularExpression("^TieBreak"), "Set");
    };
    std::optional<testing::Translation> longer;
    for (const char* language : {"it", "en", "longer"}) {
        window.form().Lingua_Click(language == std::string("en") ? 1 : 0);
        if (language == std::string("longer")) {
            longer.emplace(testing::longer);
        }
        window.refresh();
        QCoreApplication::processEvents();
        int cut = 0;
        for (QWidget* child : window.centralWidget()->findChildren<QWidget*>()) {
            QWidget* parent = child->parentWidget();
            if ((parent != window.centralWidget() && !qobject_cast<QGroupBox*>(parent)) ||
                child->isHidden()) {
                continue;  // a part of a control, placed by Qt, or nothing on screen
            }
            SCOPED_TRACE(language + (" " + child->objectName().toStdString()));
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
                EXPECT_TRUE(child->toolTip().startsWith(shown.chopped(1)));
                EXPECT_GT(child->toolTip().split('\n').front().size(), shown.size());
            }
            for (QWidget* other : parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
                EXPECT_TRUE(place(child->objectName()) == place(other->objectName()) ||
                            !child->geometry().intersects(other->geometry()))
                    << "overlaps " << other->objectName().toStdString();
            }
        }
        // Italian and English fit whole; the longer texts do not.
        EXPECT_EQ(cut > 0, language == std::string("longer")) << language;
    }
}

// Names are shown as typed: an ampersand is not taken as a key.
TEST_F(MainWindowTest, NamesServesAndPointsReachTheFormAndTheWindowFollows) {
    platform.inputAnswers = {"Bianchi & Verdi", "Roma"};
    click("NomeGiocatore_1");
    click("NomeTorneo");
    EXPECT_EQ(text("NomeGiocatore_1") + text("NomeTorneo"), "Bianchi & VerdiRoma");
    EXPECT_TRUE(find<QAbstractButton>("PuntoGiocatore_1")->shortcut().isEmpty());
    EXPECT_EQ(find<QGroupBox>("FrameStatistiche_1")->title(), "Statistiche Bianchi && Verdi");
    click("AceDoppioFallo_1");
    click("AceDoppioFallo_2");
    click("PuntoGiocatore_1");
    EXPECT_EQ(text("Aces_0") + text("DoppiFalli_0") + text("PuntiVinti_0") + text("PuntiVinti_1"),
              "1112");
    EXPECT_EQ(find<QScrollBar>("GameScroll")->value(), 3);
    // Every bound widget shows what its field holds: text, colours and visibility.
    for (const NamedField& named : window.form().fields()) {
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
    EXPECT_EQ(window.form().Colpo.selected(), 1);
    EXPECT_TRUE(checked("ErroreVincente_1"));  // the shot marks a winner
    clickOption("ErroreVincente_2");

    click("PuntoGiocatore_0");  // B's unforced error on A's second serve
    EXPECT_EQ(text("ErroriGratuiti_1") + text("PercentualeConSecondaPalla_0"), "1100%");
    EXPECT_TRUE(checked("Servizio_0") && checked("DirittoRovescio_0") && checked("Colpo_0") &&
                checked("ErroreVincente_0"));

    // A word whose value no option holds leaves the whole group unchecked.
    MatchRecord odd = window.form().matchRecord();
    odd.points = {5 << 7};  // an error kind past the last
    window.form().applyMatch(odd);
    window.form().GameStart_Click();
    window.refresh();
    EXPECT_EQ(window.form().ErroreVincente.selected(), -1);
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(checked(QStringLiteral("ErroreVincente_%1").arg(i))) << i;
    }
    clickOption("ErroreVincente_0");
    EXPECT_TRUE(checked("ErroreVincente_0"));

    // The round list shows when it has the focus, as every other control does.
    auto* turno = find<QComboBox>("Turno");
    const QImage unfocused = turno->grab().toImage();
    turno->setFocus();
    EXPECT_TRUE(turno->grab().toImage() != unfocused);
    QTest::keyClick(turno, Qt::Key_Down);
    EXPECT_EQ(window.form().Turno.selected(), 1);
    window.form().Turno.select(5);
    window.refresh();
    EXPECT_EQ(turno->currentIndex(), 5);
}

TEST_F(MainWindowTest, KeysMenusAndTheScrollBarGoThroughTheFormAndThePlatform) {
    testing::TempDir dir;
    window.form().labels.NomeTorneo.setCaption(Text::verbatim("Roma 1/2"));
    click("PuntoGiocatore_0", 2);
    platform.saveChoices.push_back({dir.file("match.clg"), "match.clg"});
    key(Qt::Key_F2);
    EXPECT_TRUE(window.form().matchSaved());
    click("PuntoGiocatore_0", 5);
    platform.openChoices.push_back({dir.file("match.clg"), "match.clg"});
    key(Qt::Key_F3);
    EXPECT_EQ(score(), "0-0 30-0");
    key(Qt::Key_F7);
    EXPECT_EQ(score(), "0-0 15-0");
    key(Qt::Key_F7, Qt::ShiftModifier);
    EXPECT_EQ(score(), "0-0 0-0");
    find<QScrollBar>("GameScroll")->triggerAction(QAbstractSlider::SliderPageStepAdd);
    EXPECT_EQ(score(), "0-0 30-0");
    EXPECT_EQ(find("PuntoGiocatore_0"), QApplication::focusWidget());
    key(Qt::Key_F1);
    EXPECT_EQ(platform.aboutBoxes, 1);

    // The report covers every recorded point, wherever one stands.
    click("PuntoGiocatore_0", 4);
    key(Qt::Key_F7);
    const std::string page = dir.file("r.html");
    platform.saveChoices.push_back({page, "r.html"});
    find<QAction>("FileEsporta")->trigger();
    EXPECT_EQ(platform.saveDialogNames.back(), "Giocatore A-Giocatore B (Roma 1-2).html");
    EXPECT_EQ(testing::TempDir::read(page),
              htmlReport(summarizeMatch(window.form().matchRecord())));
    platform.saveChoices.push_back({page + "/nowhere.html", "nowhere.html"});
    find<QAction>("FileEsporta")->trigger();
    EXPECT_EQ(platform.messages.back(),
              "Impossibile salvare il file nowhere.html: la cartella non esiste");

    // The mark of an option shows what the form accepted, not what Qt toggled.
    click("PuntoGiocatore_0", 43);  // two sets to love: too late for best of three
    find<QAction>("MatchInTreSet")->trigger();
    EXPECT_EQ(platform.messages.size(), 2u);
    EXPECT_FALSE(find<QAction>("MatchInTreSet")->isChecked());

    // Closing with an unsaved match offers the save dialog: a failed save keeps the window open,
    // a cancelled one still closes it.
    platform.saveChoices.push_back({"/nowhere/at/all.clg", "all.clg"});
    EXPECT_FALSE(window.close());
    EXPECT_TRUE(window.isVisible());
    EXPECT_TRUE(window.close());
    EXPECT_EQ(platform.saveDialogNames.size(), 5u);
    EXPECT_FALSE(window.isVisible());
}

// Every change can be taken back and made again by its keys, the menu saying which; Delete takes
// out the point shown as the last one played, never from the round list; Ctrl+S asks for a
// file only the first time.
TEST_F(MainWindowTest, UndoRedoDeleteAndSaveToTheCurrentFileByTheirKeys) {
    auto* undo = find<QAction>("EditUndo");
    auto* redo = find<QAction>("EditRedo");
    EXPECT_FALSE(find<QAction>("GameDelete")->isEnabled());
    key(Qt::Key_Delete);
    EXPECT_EQ(std::tuple(undo->isEnabled(), undo->text(), window.form().points().count()),
              std::tuple(false, QString("Annulla"), 0));
    key(Qt::Key_F);
    key(Qt::Key_F);
    EXPECT_EQ(undo->text(), "Annulla punto");
    key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(score() + " " + redo->text(), "0-0 15-0 Ripeti punto");
    key(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(score(), "0-0 30-0");
    key(Qt::Key_Z, Qt::ControlModifier);
    key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(score(), redo->isEnabled()), std::tuple(QString("0-0 30-0"), false));

    key(Qt::Key_F7);
    key(Qt::Key_Delete);
    EXPECT_EQ(std::tuple(score(), window.form().points().count(), undo->text()),
              std::tuple(QString("0-0 0-0"), 1, QString("Annulla eliminazione")));
    key(Qt::Key_F8);
    find("Turno")->setFocus();
    QTest::keyClick(find("Turno"), Qt::Key_Delete);
    EXPECT_EQ(window.form().points().count(), 1);
    QTest::keyClick(find("Turno"), Qt::Key_Z, Qt::ControlModifier);  // Ctrl still reaches
    EXPECT_EQ(window.form().points().count(), 2);

    testing::TempDir dir;
    platform.saveChoices.push_back({dir.file("m.clg"), "m.clg"});
    key(Qt::Key_S, Qt::ControlModifier);
    key(Qt::Key_J);
    key(Qt::Key_S, Qt::ControlModifier);
    EXPECT_EQ(std::tuple(platform.saveDialogNames.size(), window.form().matchSaved()),
              std::tuple(1u, true));
    EXPECT_EQ(testing::TempDir::read(dir.file("m.clg")), encodeMatch(window.form().matchRecord()));
}

// The line under the statistics says where the user stands, in either language whole up to the
// list's last point; a key that does nothing is told there for a moment.
TEST_F(MainWindowTest, PositionLineAndItsNotices) {
    auto* line = find<QLabel>("Posizione");
    EXPECT_EQ(std::tuple(line->text(), line->accessibleName()),
              std::tuple(QString("Punto 0 di 0"), QString("Dove si è nella partita")));
    for (int i = 0; i < kMaxPoints; ++i) {
        window.form().PuntoGiocatore_Click(i % 2);  // deuce after deuce: no end
    }
    window.form().GameUndo_Click();
    window.refresh();
    EXPECT_EQ(line->palette().color(QPalette::Window), toQColor(colours::Yellow));
    for (const char* shown : {"Punto 999 di 1000 (storico)", "Point 999 of 1000 (history)"}) {
        // The widest the line ever says, in its own type.
        const QString widest = say(
            Text(CL_TEXT("Position", "%1 (storico)"))
                .arg(Text(CL_TEXT("Position", "Punto %1 di %2")).arg(kMaxPoints).arg(kMaxPoints)));
        EXPECT_LE(QFontMetrics(comicSans(9.75)).horizontalAdvance(widest),
                  line->contentsRect().width() - 4);
        EXPECT_EQ(std::tuple(line->text(), line->font().pointSizeF()), std::tuple(shown, 9.75));
        window.form().Lingua_Click(1);
        window.refresh();
    }
    window.form().Lingua_Click(0);

    MatchRecord won = window.form().matchRecord();
    won.points.assign(72, 0);  // three sets to love
    window.form().applyMatch(won);
    window.refresh();
    EXPECT_EQ(line->text(), "Partita finita");
    key(Qt::Key_F);
    EXPECT_EQ(
        std::tuple(line->text(), line->toolTip(), window.form().points().count()),
        std::tuple(QString("Partita finita: il punto non è stato registrato."), QString(), 72));
    QTRY_COMPARE_WITH_TIMEOUT(line->text(), QString("Partita finita"), 5000);
}

TEST(AboutDialog, EnterOrEscapeClosesItAndItsButtonAsksForTheSystemInformation) {
    testing::FakePlatform platform;
    for (Qt::Key closing : {Qt::Key_Return, Qt::Key_Escape}) {
        AboutDialog about(platform, nullptr);
        about.show();
        QTest::keyClick(&about, closing);
        EXPECT_FALSE(about.isVisible());
        QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    }
    EXPECT_EQ(platform.messages.size(), 2u);
}

}  // namespace
}  // namespace courtlog::ui
