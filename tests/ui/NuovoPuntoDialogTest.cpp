#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <tuple>

#include "history/ResidualPoints.h"
#include "ui/NuovoPuntoDialog.h"

namespace courtlog::ui {
namespace {

QPushButton* choice(QDialog& d, int i) {
    return d.findChild<QPushButton*>(QStringLiteral("Scelta_%1").arg(i));
}

// Enter and closing both overwrite; each shown button gives its own answer.
TEST(NuovoPuntoDialog, ShowsTheOfferedChoicesAndAnswersForEachWayOut) {
    constexpr int Enter = -1;
    constexpr int Escape = -2;
    const std::tuple<int, bool, int, ResidualAnswer> cases[] = {
        {1, true, Enter, ResidualAnswer::Overwrite},
        {2, true, Escape, ResidualAnswer::Overwrite},
        {2, true, 1, ResidualAnswer::Insert},
        {3, false, 2, ResidualAnswer::DeleteLater},
    };
    for (const auto& [residual, offerInsert, press, answer] : cases) {
        SCOPED_TRACE(press);
        NuovoPuntoDialog dialog(residualQuestion(residual, offerInsert), nullptr);
        dialog.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));
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
