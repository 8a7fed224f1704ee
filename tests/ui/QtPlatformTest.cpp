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

void writeConfig(const QString& app, const QByteArray& text) {
    const QString folder = qEnvironmentVariable("XDG_CONFIG_HOME") + "/" + app;
    QDir().mkpath(folder);
    QFile file(folder + "/" + app + ".conf");
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
}

// Enter takes the default answer and closing a question is a refusal; inputs alike, except
// that a closed residual-points question overwrites, as its first button does.
TEST(QtPlatform, DefaultAndClosingAnswersOfEachQuestion) {
    QWidget owner;
    QtPlatform platform(&owner);
    bool hasIcon = true;
    const auto press = [&](Qt::Key key) {
        whenModalOpens([&hasIcon, key](QWidget* modal) {
            auto* box = qobject_cast<QMessageBox*>(modal);
            hasIcon = box == nullptr || box->icon() != QMessageBox::NoIcon;
            QTest::keyClick(modal, key);
        });
    };
    press(Qt::Key_Return);
    EXPECT_EQ(platform.messageBox("Salvare?", MsgButtons::YesNo), MsgAnswer::Yes);
    EXPECT_FALSE(hasIcon);
    press(Qt::Key_Escape);
    EXPECT_EQ(platform.messageBox("Salvare?", MsgButtons::YesNo), MsgAnswer::No);
    press(Qt::Key_Escape);
    EXPECT_EQ(platform.inputBox("Nome", "Cambio nome", "Giocatore A"), "");
    press(Qt::Key_Return);
    EXPECT_EQ(platform.inputBox("Nome", "Cambio nome", "Giocatore A"), "Giocatore A");

    whenModalOpens([](QWidget* modal) { modal->close(); });
    EXPECT_EQ(platform.askResidualPoints(4, true), ResidualAnswer::Overwrite);
}

TEST(QtPlatform, SettingsAreKeptByApplicationSectionAndKeyAndADamagedFileDoesNoHarm) {
    QWidget owner;
    QtPlatform platform(&owner);
    platform.saveSetting("CourtlogTest", "Opzioni", "TieBreakWhen", "2");
    EXPECT_EQ(platform.getSetting("CourtlogTest", "Opzioni", "TieBreakWhen"), "2");
    EXPECT_EQ(platform.getSetting("CourtlogTest", "Altro", "TieBreakWhen"), std::nullopt);

    writeConfig("CourtlogBroken", "[Opzioni\n\x01\x02=\xff\xfe\nTieBreakWhen=\"2\n[[[\n");
    EXPECT_NE(platform.getSetting("CourtlogBroken", "Opzioni", "TieBreakWhen"), "2");
    platform.saveSetting("CourtlogBroken", "Opzioni", "TieBreakWhen", "1");
    EXPECT_EQ(platform.getSetting("CourtlogBroken", "Opzioni", "TieBreakWhen"), "1");

    // A folder where the file should be: nothing can be read or written, nothing breaks.
    QDir().mkpath(qEnvironmentVariable("XDG_CONFIG_HOME") + "/CourtlogFolder/CourtlogFolder.conf");
    EXPECT_EQ(platform.getSetting("CourtlogFolder", "Opzioni", "MatchInTreSet"), std::nullopt);
    platform.saveSetting("CourtlogFolder", "Opzioni", "MatchInTreSet", "True");
}

// The window as the program makes it, with Qt's own dialogs and settings store.
TEST(QtPlatform, WindowStartsWithFreshOptionsOverBrokenStoredOnes) {
    writeConfig("Courtlog",
                "[Opzioni]\nTieBreakWhen=9\nMatchInTreSet=forse\nDisabilitaParziale=@Invalid()\n"
                "SalvaOpzioniInUscita=\"\"\n");
    {
        MainWindow window;
        EXPECT_TRUE(window.form().TieBreakWhen[1].checked());
        EXPECT_TRUE(window.form().MatchInCinqueSet.checked());
        window.form().SalvaOpzioni_Click();
    }
    QSettings stored(QStringLiteral("Courtlog"), QStringLiteral("Courtlog"));
    EXPECT_EQ(stored.value("Opzioni/TieBreakWhen").toString(), QStringLiteral("1"));
    EXPECT_EQ(stored.value("Opzioni/MatchInTreSet").toString(), QStringLiteral("False"));
    QFile::remove(qEnvironmentVariable("XDG_CONFIG_HOME") + "/Courtlog/Courtlog.conf");
}

}  // namespace
}  // namespace courtlog::ui
