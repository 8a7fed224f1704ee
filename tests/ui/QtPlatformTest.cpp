#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <tuple>

#include "history/ResidualPoints.h"
#include "ui/MainWindow.h"
#include "ui/NuovoPuntoDialog.h"
#include "ui/QtPlatform.h"

namespace courtlog::ui {
namespace {

// Enter takes the default answer and closing a question is a refusal, except that a closed
// residual-points question overwrites, as its first button does.
TEST(QtPlatform, DefaultAndClosingAnswersOfEachQuestion) {
    QWidget owner;
    QtPlatform platform(&owner);
    const auto whenOpen = [](std::optional<Qt::Key> key) {
        QTimer::singleShot(0, [key] {
            QWidget* modal = QApplication::activeModalWidget();
            ASSERT_NE(modal, nullptr);
            key ? QTest::keyClick(modal, *key) : void(modal->close());
        });
    };
    whenOpen(Qt::Key_Return);
    EXPECT_EQ(platform.messageBox("Salvare?", MsgButtons::YesNo), MsgAnswer::Yes);
    whenOpen(Qt::Key_Escape);
    EXPECT_EQ(platform.messageBox("Salvare?", MsgButtons::YesNo), MsgAnswer::No);
    whenOpen(Qt::Key_Escape);
    EXPECT_EQ(platform.inputBox("Nome", "Cambio nome", "Giocatore A"), "");
    whenOpen(std::nullopt);
    EXPECT_EQ(platform.askResidualPoints(4, true), ResidualAnswer::Overwrite);
}

QPushButton* choice(QDialog& d, int i) {
    return d.findChild<QPushButton*>(QStringLiteral("Scelta_%1").arg(i));
}

// Deleting the later points is offered only when there are several, inserting only when the
// list has room. Enter and closing both overwrite; each shown button gives its own answer.
TEST(NuovoPuntoDialog, ShowsTheOfferedChoicesAndAnswersForEachWayOut) {
    constexpr int Enter = -1;
    constexpr int Escape = -2;
    const std::tuple<int, bool, int, ResidualAnswer, const char*> cases[] = {
        {1, true, Enter, ResidualAnswer::Overwrite, "E' presente un ulteriore punto."},
        {2, true, Escape, ResidualAnswer::Overwrite, "Sono presenti 2 ulteriori punti."},
        {12, true, 1, ResidualAnswer::Insert, "Sono presenti 12 ulteriori punti."},
        {3, false, 2, ResidualAnswer::DeleteLater, "Sono presenti 3 ulteriori punti."},
    };
    for (const auto& [residual, offerInsert, press, answer, message] : cases) {
        SCOPED_TRACE(message);
        NuovoPuntoDialog dialog(residualQuestion(residual, offerInsert), nullptr);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
        EXPECT_EQ(dialog.findChild<QLabel*>("Messaggio")->text(),
                  QString::fromUtf8(message) + " Cosa vuoi farne?");
        EXPECT_EQ(choice(dialog, 1)->isHidden(), !offerInsert);
        EXPECT_EQ(choice(dialog, 2)->isHidden(), residual == 1);
        if (press >= 0) {
            QTest::mouseClick(choice(dialog, press), Qt::LeftButton);
        } else {
            QTest::keyClick(&dialog, press == Enter ? Qt::Key_Return : Qt::Key_Escape);
        }
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.answer(), answer);
    }
}

}  // namespace
}  // namespace courtlog::ui
