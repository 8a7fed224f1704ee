#include <gtest/gtest.h>

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>

#include "support/FakePlatform.h"
#include "ui/Look.h"
#include "ui/MainWindow.h"

namespace courtlog::ui {
namespace {

using testing::FakePlatform;

class MainWindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        window.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    }

    template <class W = QWidget>
    W* find(const QString& name) {
        auto* w = window.findChild<W*>(name);
        EXPECT_NE(w, nullptr) << name.toStdString();
        return w;
    }
    QString text(const QString& name) { return find<QLabel>(name)->text(); }
    bool checked(const QString& name) { return find<QRadioButton>(name)->isChecked(); }
    void click(const QString& name) { QTest::mouseClick(find(name), Qt::LeftButton); }
    // On the round indicator, which is clickable whatever the caption's width.
    void clickOption(const QString& name) {
        QWidget* option = find(name);
        QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(7, option->height() / 2));
    }

    // Every bound widget shows what its field holds: text, colours and visibility.
    void expectWindowShowsForm() {
        for (const NamedField& named : window.form().fields()) {
            QWidget* w = find(QString::fromStdString(named.objectName()));
            const Field& f = *named.field;
            SCOPED_TRACE(named.objectName());
            EXPECT_EQ(w->isHidden(), !f.visible());
            if (auto* l = qobject_cast<QLabel*>(w)) {
                EXPECT_EQ(l->text().toStdString(), f.caption());
                EXPECT_EQ(l->palette().color(QPalette::Window), toQColor(f.back()));
                EXPECT_EQ(l->palette().color(QPalette::WindowText), toQColor(f.fore()));
            }
        }
    }

    FakePlatform platform;
    MainWindow window{platform};
};

// Positions are set by hand: no caption may be cut and no control may hide another.
TEST_F(MainWindowTest, FixedLayoutHasNothingCutOrHidden) {
    // Deuce and break point share a place, as do the set and match points, and a tie-break
    // score sits in the corner of its set's column.
    auto place = [](QString n) {
        n.replace("Parità", "BreakPoint").replace("MatchPoint", "SetPoint");
        return n.startsWith("SetPoint")   ? QStringLiteral("SetPoint")
               : n.startsWith("TieBreak") ? "Set" + n.mid(8)
                                          : n;
    };
    QList<QWidget*> parents{window.centralWidget()};
    for (QGroupBox* frame : window.centralWidget()->findChildren<QGroupBox*>()) {
        parents.append(frame);
    }
    for (QWidget* parent : parents) {
        const auto children = parent->findChildren<QWidget*>(Qt::FindDirectChildrenOnly);
        for (QWidget* child : children) {
            SCOPED_TRACE(child->objectName().toStdString());
            EXPECT_TRUE(parent->rect().contains(child->geometry())) << "outside its frame";
            auto* l = qobject_cast<QLabel*>(child);
            if ((l != nullptr && !l->text().isEmpty()) || qobject_cast<QAbstractButton*>(child) ||
                qobject_cast<QComboBox*>(child)) {
                EXPECT_LE(child->sizeHint().width(), child->width()) << "caption cut";
                EXPECT_LE(child->sizeHint().height(), child->height() + 2) << "caption cut";
            }
            for (QWidget* other : children) {
                if (other != child && place(child->objectName()) != place(other->objectName())) {
                    EXPECT_FALSE(child->geometry().intersects(other->geometry()))
                        << "overlaps " << other->objectName().toStdString();
                }
            }
        }
    }
}

TEST_F(MainWindowTest, ServeAndPointButtonsReachTheFormAndTheWindowFollows) {
    click("AceDoppioFallo_1");
    click("AceDoppioFallo_2");
    click("PuntoGiocatore_1");
    EXPECT_EQ(text("Aces_0"), "1");
    EXPECT_EQ(text("DoppiFalli_0"), "1");
    EXPECT_EQ(text("PuntiVinti_0"), "1");
    EXPECT_EQ(text("PuntiVinti_1"), "2");
    EXPECT_EQ(find<QScrollBar>("GameScroll")->maximum(), 3);
    EXPECT_EQ(find<QScrollBar>("GameScroll")->value(), 3);
    expectWindowShowsForm();
}

TEST_F(MainWindowTest, PanelOptionsByClickOrKeyGoIntoThePointAndThePanelStartsAgain) {
    clickOption("Servizio_1");
    clickOption("DirittoRovescio_2");
    auto* miss = find<QRadioButton>("Colpo_0");
    miss->setFocus();
    QTest::keyClick(miss, Qt::Key_Right);  // an arrow key chooses like a click
    EXPECT_EQ(window.form().Colpo.selected(), 1);
    // The shot marks a winner: a program-made choice shown in its group.
    EXPECT_TRUE(checked("ErroreVincente_1"));
    clickOption("ErroreVincente_2");

    click("PuntoGiocatore_0");  // B's unforced error on A's second serve
    EXPECT_EQ(text("ErroriGratuiti_1"), "1");
    EXPECT_EQ(text("PercentualeConSecondaPalla_0"), "100%");
    for (const char* first : {"Servizio_0", "DirittoRovescio_0", "Colpo_0", "ErroreVincente_0"}) {
        EXPECT_TRUE(checked(first)) << first;
    }

    // A word whose value no option holds leaves the whole group unchecked.
    PointWord word = 0;
    CreaInfo(word, Attr::ErroreVincente, 6);
    window.form().showWordInPanel(word);
    window.refresh();
    for (int i = 0; i < 5; ++i) {
        EXPECT_FALSE(checked(QStringLiteral("ErroreVincente_%1").arg(i))) << i;
    }
    clickOption("ErroreVincente_0");
    EXPECT_TRUE(checked("ErroreVincente_0"));
}

TEST_F(MainWindowTest, RoundFollowsTheUserAndTheForm) {
    auto* turno = find<QComboBox>("Turno");
    turno->setFocus();
    QTest::keyClick(turno, Qt::Key_Down);
    EXPECT_EQ(window.form().Turno.selected(), 1);
    window.form().Turno.select(5);
    window.refresh();
    EXPECT_EQ(turno->currentIndex(), 5);
}

TEST_F(MainWindowTest, ClickingANameRenamesWithAnAmpersandShownNotTakenAsAKey) {
    platform.inputAnswers = {"Bianchi & Verdi", "Roma"};
    click("NomeGiocatore_1");
    click("NomeTorneo");
    EXPECT_EQ(text("NomeGiocatore_1"), "Bianchi & Verdi");
    EXPECT_TRUE(find<QAbstractButton>("PuntoGiocatore_1")->shortcut().isEmpty());
    EXPECT_EQ(find<QGroupBox>("FrameStatistiche_1")->title(), "Statistiche Bianchi && Verdi");
    EXPECT_EQ(text("NomeTorneo"), "Roma");
}

}  // namespace
}  // namespace courtlog::ui
