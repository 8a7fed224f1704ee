#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>

#include "report/HtmlReport.h"
#include "report/MatchSummary.h"
#include "support/FakePlatform.h"
#include "support/TempDir.h"
#include "ui/AboutDialog.h"
#include "ui/MainWindow.h"

namespace courtlog::ui {
namespace {

// Keys pressed on the active window, so the menus' shortcuts are what runs the commands.
class WindowCommands : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QString text(const char* name) { return window.findChild<QLabel*>(name)->text(); }
    QString score() {
        return text("Games_0") + "-" + text("Games_1") + " " + text("Punteggio_0") + "-" +
               text("Punteggio_1");
    }
    void points(int count) {
        for (int i = 0; i < count; ++i)
            QTest::mouseClick(window.findChild<QPushButton*>("PuntoGiocatore_0"), Qt::LeftButton);
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(&window, k, mods); }
    QAction* action(const char* name) { return window.findChild<QAction*>(name); }

    testing::FakePlatform platform;
    MainWindow window{platform};
};

TEST_F(WindowCommands, FunctionKeysAndTheScrollBarStepThroughTheMatch) {
    points(5);
    auto* scroll = window.findChild<QScrollBar*>("GameScroll");
    key(Qt::Key_F7);
    EXPECT_EQ(score() + " " + QString::number(scroll->value()), "1-0 0-0 4");
    key(Qt::Key_F7, Qt::ShiftModifier);
    EXPECT_EQ(score(), "0-0 0-0");
    key(Qt::Key_F8);
    EXPECT_EQ(score(), "0-0 15-0");
    scroll->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(score(), "0-0 0-0");
    EXPECT_EQ(window.findChild<QWidget*>("PuntoGiocatore_0"), QApplication::focusWidget());
}

// The mark shows what the form accepted, not what Qt toggled.
TEST_F(WindowCommands, AnOptionTheMatchRefusesKeepsItsMark) {
    points(48);  // two sets to love: too late for best of three
    action("MatchInTreSet")->trigger();
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(action("MatchInTreSet")->isChecked());
}

TEST_F(WindowCommands, SaveLoadCloseAndAboutGoThroughThePlatform) {
    QTemporaryDir dir;
    const std::string path = dir.filePath("match.clg").toStdString();
    points(2);
    platform.saveChoices.push_back({path, "match.clg"});
    key(Qt::Key_F2);
    EXPECT_TRUE(window.form().MatchSaved);
    points(1);
    platform.openChoices.push_back({path, "match.clg"});
    key(Qt::Key_F3);
    EXPECT_EQ(score(), "0-0 30-0");
    key(Qt::Key_F1);
    EXPECT_EQ(platform.aboutBoxes, 1);
    // Closing with an unsaved match offers the save dialog; cancelling it still closes.
    points(1);
    window.close();
    EXPECT_EQ(platform.saveDialogNames.size(), 2u);
    EXPECT_FALSE(window.isVisible());
}

TEST(AboutDialog, EnterOrEscapeClosesItAndItsButtonAsksForTheSystemInformation) {
    testing::FakePlatform platform;
    for (Qt::Key closing : {Qt::Key_Return, Qt::Key_Escape}) {
        AboutDialog about(platform, nullptr);
        about.show();
        // The whole description is readable, none of it cut off at the bottom.
        const auto* text = about.findChild<QLabel*>("lblDescription_1");
        EXPECT_LE(text->heightForWidth(text->width()), text->height());
        QTest::keyClick(&about, closing);
        EXPECT_FALSE(about.isVisible());
        QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    }
    EXPECT_EQ(platform.messages.size(), 2u);
}

TEST_F(WindowCommands, ExportWritesThePageOfTheWholeMatch) {
    QTemporaryDir dir;
    window.form().NomeTorneo.setCaption("Roma 1/2");
    points(6);
    key(Qt::Key_F7);  // the report covers every recorded point, wherever one stands
    const std::string page = (dir.path() + "/r.html").toStdString();
    platform.saveChoices.push_back({page, "r.html"});
    action("FileEsporta")->trigger();
    EXPECT_EQ(platform.saveDialogNames.back(), "Giocatore A-Giocatore B (Roma 1-2).html");
    EXPECT_EQ(testing::TempDir::read(page),
              htmlReport(summarizeMatch(window.form().matchRecord())));

    platform.saveChoices.push_back({page + "/nowhere.html", "nowhere.html"});
    action("FileEsporta")->trigger();
    EXPECT_EQ(platform.texts().back(),
              "Impossibile salvare il file nowhere.html: la cartella non esiste");
}

}  // namespace
}  // namespace courtlog::ui
