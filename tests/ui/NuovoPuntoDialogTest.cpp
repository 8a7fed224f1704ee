#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>
#include <QTest>

#include "history/ResidualPoints.h"
#include "ui/NuovoPuntoDialog.h"

namespace courtlog::ui {
namespace {

QPushButton* choice(QDialog& d, int i) {
    return d.findChild<QPushButton*>(QStringLiteral("Scelta_%1").arg(i));
}

TEST(NuovoPuntoDialog, OneLaterPointOffersOverwriteAndInsertWithEnterOverwriting) {
    NuovoPuntoDialog dialog(residualQuestion(1, true), nullptr);
    dialog.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialog));

    EXPECT_EQ(dialog.windowTitle(), QStringLiteral("Attenzione: punti residui !!!"));
    EXPECT_EQ(dialog.size(), QSize(346, 110));
    EXPECT_EQ(dialog.findChild<QLabel*>("Messaggio")->text(),
              QStringLiteral("E' presente un ulteriore punto. Cosa vuoi farne?"));
    EXPECT_EQ(choice(dialog, 0)->text(), QStringLiteral("Sovrascrivi il vecchio punto"));
    EXPECT_FALSE(choice(dialog, 0)->isHidden());
    EXPECT_FALSE(choice(dialog, 1)->isHidden());
    EXPECT_TRUE(choice(dialog, 2)->isHidden());
    for (int i = 0; i < 3; ++i) {
        EXPECT_LE(choice(dialog, i)->sizeHint().width(), choice(dialog, i)->width())
            << "caption cut on button " << i;
    }

    QTest::keyClick(&dialog, Qt::Key_Return);
    EXPECT_EQ(dialog.result(), QDialog::Accepted);
    EXPECT_EQ(dialog.answer(), ResidualAnswer::Overwrite);
}

TEST(NuovoPuntoDialog, EachButtonGivesItsAnswerAndClosingGivesOverwrite) {
    {
        NuovoPuntoDialog dialog(residualQuestion(3, false), nullptr);
        dialog.show();
        EXPECT_EQ(dialog.findChild<QLabel*>("Messaggio")->text(),
                  QStringLiteral("Sono presenti 3 ulteriori punti. Cosa vuoi farne?"));
        EXPECT_TRUE(choice(dialog, 1)->isHidden());
        QTest::mouseClick(choice(dialog, 2), Qt::LeftButton);
        EXPECT_EQ(dialog.answer(), ResidualAnswer::DeleteLater);
    }
    {
        NuovoPuntoDialog dialog(residualQuestion(2, true), nullptr);
        dialog.show();
        QTest::mouseClick(choice(dialog, 1), Qt::LeftButton);
        EXPECT_EQ(dialog.answer(), ResidualAnswer::Insert);
    }
    {
        NuovoPuntoDialog dialog(residualQuestion(2, true), nullptr);
        dialog.show();
        QTest::keyClick(&dialog, Qt::Key_Escape);
        EXPECT_FALSE(dialog.isVisible());
        EXPECT_EQ(dialog.answer(), ResidualAnswer::Overwrite);
    }
}

}  // namespace
}  // namespace courtlog::ui
