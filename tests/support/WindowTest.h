#pragma once

#include <gtest/gtest.h>

#include <QtTest>
#include <QtWidgets>
#include <stdexcept>

#include "report/Language.h"
#include "support/FakePlatform.h"
#include "support/QtPrinting.h"
#include "ui/MainWindow.h"

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
