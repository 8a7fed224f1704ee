#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTest>
#include <QTimer>
#include <functional>

#include "ui/MainWindow.h"
#include "ui/QtPlatform.h"

namespace courtlog::ui {
namespace {

// Runs `act` on the modal window as soon as the platform has opened it.
void whenModalOpens(std::function<void(QWidget*)> act) {
    QTimer::singleShot(0, [act = std::move(act)] {
        QWidget* modal = QApplication::activeModalWidget();
        ASSERT_NE(modal, nullptr);
        act(modal);
    });
}

TEST(QtPlatform, QuestionsAnswerYesOnEnterAndNoWhenClosed) {
    QWidget owner;
    QtPlatform platform(&owner);

    QString title;
    bool hasIcon = true;
    whenModalOpens([&](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        ASSERT_NE(box, nullptr);
        title = box->windowTitle();
        hasIcon = box->icon() != QMessageBox::NoIcon;
        QTest::keyClick(box, Qt::Key_Return);
    });
    EXPECT_EQ(platform.messageBox("Salvare la partita?", MsgButtons::YesNo), MsgAnswer::Yes);
    EXPECT_EQ(title, QStringLiteral("Courtlog"));
    EXPECT_FALSE(hasIcon);

    whenModalOpens([&](QWidget* modal) {
        title = modal->windowTitle();
        QTest::keyClick(modal, Qt::Key_Escape);
    });
    EXPECT_EQ(platform.messageBox("Salvare la partita?", MsgButtons::YesNo, "Attenzione"),
              MsgAnswer::No);
    EXPECT_EQ(title, QStringLiteral("Attenzione"));
}

TEST(QtPlatform, CancelledInputIsEmptyAndAClosedResidualQuestionOverwrites) {
    QWidget owner;
    QtPlatform platform(&owner);

    whenModalOpens([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Escape); });
    EXPECT_EQ(platform.inputBox("Inserire il nuovo nome", "Cambio nome", "Giocatore A"), "");

    whenModalOpens([](QWidget* modal) { QTest::keyClick(modal, Qt::Key_Return); });
    EXPECT_EQ(platform.inputBox("Inserire il nuovo nome", "Cambio nome", "Giocatore A"),
              "Giocatore A");

    whenModalOpens([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(platform.askResidualPoints(4, true), ResidualAnswer::Overwrite);
}

TEST(QtPlatform, SettingsAreTextByApplicationSectionAndKey) {
    QWidget owner;
    QtPlatform platform(&owner);
    EXPECT_EQ(platform.getSetting("CourtlogTest", "Opzioni", "TieBreakWhen"), std::nullopt);
    platform.saveSetting("CourtlogTest", "Opzioni", "TieBreakWhen", "2");
    platform.saveSetting("CourtlogTest", "Opzioni", "MatchInTreSet", "True");
    EXPECT_EQ(platform.getSetting("CourtlogTest", "Opzioni", "TieBreakWhen"), "2");
    EXPECT_EQ(platform.getSetting("CourtlogTest", "Opzioni", "MatchInTreSet"), "True");
    EXPECT_EQ(platform.getSetting("CourtlogTest", "Altro", "TieBreakWhen"), std::nullopt);
    // Nothing in the registry here, and no such program to start.
    Registry::Key key = 0;
    EXPECT_NE(
        platform.registry().RegOpenKeyExA(
            Registry::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", 0x2003F, key),
        Registry::Success);
    EXPECT_FALSE(platform.fileExists("/no/such/MSINFO32.EXE"));
}

TEST(QtPlatform, ASettingsFileThatCannotBeReadGivesTheDefaultsAndIsWrittenClean) {
    QWidget owner;
    QtPlatform platform(&owner);
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + "/CourtlogBroken";
    QDir().mkpath(folder);
    QFile file(folder + "/CourtlogBroken.conf");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("[Opzioni\n\x01\x02=\xff\xfe\nTieBreakWhen=\"2\n[[[\n");
    file.close();

    // Whatever the store makes of the damaged text, it is only text, read without harm...
    const auto damaged = platform.getSetting("CourtlogBroken", "Opzioni", "TieBreakWhen");
    EXPECT_NE(damaged, std::optional<std::string>("2"));
    // ... and a value saved afterwards reads back clean.
    platform.saveSetting("CourtlogBroken", "Opzioni", "TieBreakWhen", "1");
    EXPECT_EQ(platform.getSetting("CourtlogBroken", "Opzioni", "TieBreakWhen"), "1");

    // A folder where the file should be: nothing can be read or written, nothing breaks.
    QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME") + "/CourtlogFolder/CourtlogFolder.conf");
    EXPECT_EQ(platform.getSetting("CourtlogFolder", "Opzioni", "MatchInTreSet"), std::nullopt);
    platform.saveSetting("CourtlogFolder", "Opzioni", "MatchInTreSet", "True");
}

TEST(QtPlatform, WindowStartsWithFreshOptionsOverBrokenStoredOnes) {
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + "/Courtlog";
    QDir().mkpath(folder);
    QFile file(folder + "/Courtlog.conf");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(
        "[Opzioni]\nTieBreakWhen=9\nMatchInTreSet=forse\nDisabilitaParziale=@Invalid()\n"
        "SalvaOpzioniInUscita=\"\"\n");
    file.close();
    {
        MainWindow window;  // with Qt's own settings store
        MainForm& form = window.form();
        EXPECT_TRUE(form.TieBreakWhen[1].checked());
        EXPECT_TRUE(form.MatchInCinqueSet.checked());
        EXPECT_FALSE(form.DisabilitaParziale.checked());
        form.SalvaOpzioni_Click();
    }
    QSettings stored(QStringLiteral("Courtlog"), QStringLiteral("Courtlog"));
    EXPECT_EQ(stored.value("Opzioni/TieBreakWhen").toString(), QStringLiteral("1"));
    EXPECT_EQ(stored.value("Opzioni/MatchInTreSet").toString(), QStringLiteral("False"));
    EXPECT_EQ(stored.value("Opzioni/DisabilitaParziale").toString(), QStringLiteral("False"));
    QFile::remove(folder + "/Courtlog.conf");
}

}  // namespace
}  // namespace courtlog::ui
