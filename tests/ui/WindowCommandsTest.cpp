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
    void points(const char* winners) {
        for (const char* c = winners; *c != '\0'; ++c) {
            QTest::mouseClick(
                window.findChild<QPushButton*>(*c == 'A' ? "PuntoGiocatore_0" : "PuntoGiocatore_1"),
                Qt::LeftButton);
        }
    }
    void key(int k, Qt::KeyboardModifiers mods = Qt::NoModifier) {
        QTest::keyClick(&window, static_cast<Qt::Key>(k), mods);
    }

    FakePlatform platform;
    MainWindow window{platform};
};

TEST_F(WindowCommands, FunctionKeysAndTheScrollBarStepThroughTheMatch) {
    points("AAAAA");
    EXPECT_EQ(score(), "1-0 15-0");
    auto* scroll = window.findChild<QScrollBar*>("GameScroll");
    EXPECT_EQ(scroll->maximum(), 5);
    EXPECT_EQ(scroll->value(), 5);

    key(Qt::Key_F7);
    EXPECT_EQ(score(), "1-0 0-0");
    EXPECT_EQ(scroll->value(), 4);
    key(Qt::Key_F7, Qt::ShiftModifier);
    EXPECT_EQ(score(), "0-0 0-0");
    EXPECT_EQ(text("PuntiVinti_0"), "0");
    key(Qt::Key_F8);
    EXPECT_EQ(score(), "0-0 15-0");
    key(Qt::Key_F8, Qt::ShiftModifier);
    EXPECT_EQ(score(), "1-0 15-0");

    // The bar moved by the user replays to its position.
    scroll->triggerAction(QAbstractSlider::SliderPageStepSub);
    EXPECT_EQ(window.form().CurrentPoint, 0);
    EXPECT_EQ(score(), "0-0 0-0");
    scroll->triggerAction(QAbstractSlider::SliderSingleStepAdd);
    EXPECT_EQ(score(), "0-0 15-0");
    EXPECT_EQ(window.findChild<QWidget*>("PuntoGiocatore_0"), QApplication::focusWidget());
}

TEST_F(WindowCommands, OptionsMenuRefusesAndRescores) {
    points("AAAAAAAAAAAAAAAAAAAAAAAA AAAAAAAAAAAAAAAAAAAAAAAA");  // two sets to love
    window.findChild<QAction*>("MatchInTreSet")->trigger();
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Spiacente, ma la partita sarebbe già finita. Impossibile modificare.");
    EXPECT_FALSE(window.findChild<QAction*>("MatchInTreSet")->isChecked());
    EXPECT_TRUE(window.findChild<QWidget*>("Set4_0")->isVisible());

    window.findChild<QAction*>("TieBreakWhen_0")->trigger();
    EXPECT_TRUE(window.findChild<QAction*>("TieBreakWhen_0")->isChecked());
    EXPECT_FALSE(window.findChild<QAction*>("TieBreakWhen_1")->isChecked());
    EXPECT_EQ(text("Set1_0"), "6");
    EXPECT_EQ(text("Set2_0"), "6");
}

TEST_F(WindowCommands, SaveLoadAndCloseGoThroughTheFileDialogs) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = QDir(dir.path()).filePath("match.clg").toStdString();
    points("ABAB");
    platform.saveChoices.push_back({path, "match.clg"});
    key(Qt::Key_F2);
    ASSERT_EQ(platform.saveDialogNames.size(), 1u);
    EXPECT_EQ(platform.saveDialogNames[0], "Giocatore A-Giocatore B (Nome torneo).clg");
    EXPECT_TRUE(window.form().MatchSaved);

    points("A");
    EXPECT_EQ(score(), "0-0 40-30");
    EXPECT_FALSE(window.form().MatchSaved);
    platform.openChoices.push_back({path, "match.clg"});
    key(Qt::Key_F3);
    EXPECT_EQ(score(), "0-0 30-30");
    EXPECT_EQ(window.form().PointCount, 4);

    // Closing with an unsaved match offers the save dialog; cancelling it still closes.
    points("A");
    window.close();
    EXPECT_EQ(platform.saveDialogNames.size(), 2u);
    EXPECT_FALSE(window.isVisible());
}

TEST_F(WindowCommands, AboutBoxFromTheMenuKeyAndTheCreditLine) {
    key(Qt::Key_F1);
    EXPECT_EQ(platform.aboutBoxes, 1);
    QTest::mouseClick(window.findChild<QWidget*>("Label3"), Qt::LeftButton);
    EXPECT_EQ(platform.aboutBoxes, 2);
}

TEST(AboutDialog, ShowsItsTextsAndClosesWithEnterOrEscape) {
    FakePlatform platform;
    for (Qt::Key closing : {Qt::Key_Return, Qt::Key_Escape}) {
        AboutDialog about(platform, nullptr);
        EXPECT_EQ(about.windowTitle(), QStringLiteral("Informazioni su Courtlog"));
        EXPECT_EQ(about.findChild<QLabel*>("lblTitle")->text(), QStringLiteral("Courtlog"));
        EXPECT_EQ(about.findChild<QLabel*>("lblVersion")->text(), QStringLiteral("Versione 1.1.0"));
        EXPECT_EQ(about.findChild<QLabel*>("lblDescription_1")->text(),
                  QString::fromUtf8(AboutDialog::Description));
        QTimer::singleShot(0, &about, [&about, closing] {
            QTest::keyClick(about.focusWidget() ? about.focusWidget() : &about, closing);
        });
        about.exec();
        EXPECT_FALSE(about.isVisible());
    }

    AboutDialog about(platform, nullptr);
    QTest::mouseClick(about.findChild<QPushButton*>("cmdSysInfo"), Qt::LeftButton);
    ASSERT_EQ(platform.messages.size(), 1u);
    EXPECT_EQ(platform.messages[0].text,
              "Le informazioni sul sistema non sono attualmente disponibili.");
}

}  // namespace
}  // namespace courtlog::ui
