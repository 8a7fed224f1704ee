#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include "support/FakePlatform.h"
#include "ui/AboutDialog.h"
#include "ui/MainWindow.h"

namespace courtlog::ui {
namespace {

using testing::FakePlatform;

// Keys pressed on the active window, so the menus' shortcuts are what runs the commands.
class WindowCommands : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }

    QString text(const char* name) { return window.findChild<QLabel*>(name)->text(); }
    std::string score() {
        return (text("Games_0") + "-" + text("Games_1") + " " + text("Punteggio_0") + "-" +
                text("Punteggio_1"))
            .toStdString();
    }
    void points(int count) {
        while (count-- > 0) {
            QTest::mouseClick(window.findChild<QPushButton*>("PuntoGiocatore_0"), Qt::LeftButton);
        }
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(&window, k, mods);
    }
    QAction* action(const char* name) { return window.findChild<QAction*>(name); }

    FakePlatform platform;
    MainWindow window{platform};
};

TEST_F(WindowCommands, FunctionKeysAndTheScrollBarStepThroughTheMatch) {
    points(5);
    EXPECT_EQ(score(), "1-0 15-0");
    auto* scroll = window.findChild<QScrollBar*>("GameScroll");
    key(Qt::Key_F7);
    EXPECT_EQ(score(), "1-0 0-0");
    EXPECT_EQ(scroll->value(), 4);
    key(Qt::Key_F7, Qt::ShiftModifier);
    EXPECT_EQ(score(), "0-0 0-0");
    key(Qt::Key_F8);
    EXPECT_EQ(score(), "0-0 15-0");

    scroll->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(score(), "0-0 0-0");
    scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(score(), "0-0 15-0");
    EXPECT_EQ(window.findChild<QWidget*>("PuntoGiocatore_0"), QApplication::focusWidget());
}

TEST_F(WindowCommands, OptionMarksAreTheFormsAnswerNotQtsToggle) {
    points(48);  // two sets to love
    action("MatchInTreSet")->trigger();
    EXPECT_EQ(platform.messages.size(), 1u);
    EXPECT_FALSE(action("MatchInTreSet")->isChecked());
    EXPECT_TRUE(window.findChild<QWidget*>("Set4_0")->isVisible());

    action("TieBreakWhen_0")->trigger();
    action("TieBreakWhen_0")->trigger();  // choosing it again keeps it chosen
    EXPECT_TRUE(action("TieBreakWhen_0")->isChecked());
    EXPECT_FALSE(action("TieBreakWhen_1")->isChecked());
}

TEST_F(WindowCommands, SaveLoadCloseAndAboutGoThroughThePlatform) {
    QTemporaryDir dir;
    const std::string path = QDir(dir.path()).filePath("match.clg").toStdString();
    points(2);
    platform.saveChoices.push_back({path, "match.clg"});
    key(Qt::Key_F2);
    EXPECT_EQ(platform.saveDialogNames.size(), 1u);
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

TEST(AboutDialog, ClosesWithEnterOrEscapeAndAsksForTheSystemInformation) {
    FakePlatform platform;
    for (Qt::Key closing : {Qt::Key_Return, Qt::Key_Escape}) {
        AboutDialog about(platform, nullptr);
        QTimer::singleShot(0, &about, [&about, closing] {
            QTest::keyClick(about.focusWidget() ? about.focusWidget() : &about, closing);
        });
        about.exec();
        EXPECT_FALSE(about.isVisible());
    }
    AboutDialog about(platform, nullptr);
    QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    EXPECT_EQ(platform.messages.size(), 1u);
}

}  // namespace
}  // namespace courtlog::ui
