#pragma once

#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <stdexcept>

#include "report/Language.h"
#include "support/FakePlatform.h"
#include "support/QtPrinting.h"
#include "ui/MainWindow.h"

// QTestLib's waits report a failure to a QTest run, which these tests are not: one that ends
// false must fail the test.
#undef QTRY_VERIFY
#define QTRY_VERIFY(expr) EXPECT_TRUE(QTest::qWaitFor([&] { return bool(expr); }))
#undef QTRY_COMPARE_WITH_TIMEOUT
#define QTRY_COMPARE_WITH_TIMEOUT(actual, expected, ms) \
    EXPECT_TRUE(QTest::qWaitFor([&] { return (actual) == (expected); }, (ms))) << #actual
#undef QTRY_COMPARE
#define QTRY_COMPARE(actual, expected) QTRY_COMPARE_WITH_TIMEOUT(actual, expected, 5000)

namespace courtlog::testing {

// The window on screen and active, so keys reach the menus' shortcuts as a user's would.
class WindowTest : public ::testing::Test {
protected:
    void SetUp() override {
        platform.translate = translation();  // messages as the program shows them, in its language
        window.show();
        window.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    }
    // The language is the program's, not the test's: each ends in Italian.
    void TearDown() override { choose(0); }

    // From the Opzioni menu, as a user chooses.
    void choose(int language) {
        find<QAction>(QStringLiteral("Lingua_%1").arg(language))->trigger();
        QCoreApplication::processEvents();
    }
    void key(Qt::Key k, Qt::KeyboardModifiers mods = {}) { QTest::keyClick(&window, k, mods); }

    template <class W = QWidget>
    W* find(const QString& name) {
        auto* w = window.findChild<W*>(name);
        return w ? w : throw std::runtime_error("no widget " + name.toStdString());
    }
    QString text(const QString& name) { return find<QLabel>(name)->text(); }

    FakePlatform platform;
    ui::MainWindow window{platform};
};

}  // namespace courtlog::testing
