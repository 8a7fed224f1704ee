#include <gtest/gtest.h>

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QMessageBox>
#include <QSettings>
#include <QTest>
#include <QTimer>

#include "ui/MainWindow.h"
#include "ui/QtPlatform.h"

namespace courtlog::ui {
namespace {

// Enter takes the default answer and closing a question is a refusal, except that a closed
// residual-points question overwrites, as its first button does.
TEST(QtPlatform, DefaultAndClosingAnswersOfEachQuestion) {
    QWidget owner;
    QtPlatform platform(&owner);
    bool hasIcon = true;
    const auto whenOpen = [&hasIcon](std::optional<Qt::Key> key) {
        QTimer::singleShot(0, [&hasIcon, key] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            auto* box = qobject_cast<QMessageBox*>(modal);
            hasIcon = box == nullptr || box->icon() != QMessageBox::NoIcon;
            key ? QTest::keyClick(modal, *key) : void(modal->close());
        });
    };
    whenOpen(Qt::Key_Return);
    EXPECT_EQ(platform.messageBox("Salvare?", MsgButtons::YesNo), MsgAnswer::Yes);
    EXPECT_FALSE(hasIcon);
    whenOpen(Qt::Key_Escape);
    EXPECT_EQ(platform.messageBox("Salvare?", MsgButtons::YesNo), MsgAnswer::No);
    whenOpen(Qt::Key_Escape);
    EXPECT_EQ(platform.inputBox("Nome", "Cambio nome", "Giocatore A"), "");
    whenOpen(std::nullopt);
    EXPECT_EQ(platform.askResidualPoints(4, true), ResidualAnswer::Overwrite);
}

// The window as the program makes it, with Qt's own dialogs and settings store.
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
        MainWindow window;
        EXPECT_TRUE(window.form().TieBreakWhen[1].checked());
        EXPECT_TRUE(window.form().MatchInCinqueSet.checked());
        window.form().SalvaOpzioni_Click();
    }
    QSettings stored(QStringLiteral("Courtlog"), QStringLiteral("Courtlog"));
    EXPECT_EQ(stored.value("Opzioni/TieBreakWhen").toString(), QStringLiteral("1"));
    EXPECT_EQ(stored.value("Opzioni/MatchInTreSet").toString(), QStringLiteral("False"));
    file.remove();
}

}  // namespace
}  // namespace courtlog::ui
