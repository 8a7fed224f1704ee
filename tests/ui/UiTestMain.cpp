// One application for all window tests, headless unless the caller chose a platform.
#include <gtest/gtest.h>

#include <QApplication>
#include <QTemporaryDir>

#include "ui/Look.h"

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    // The window's settings and recovery files go to folders of the tests' own, never the user's.
    QTemporaryDir config, data;
    qputenv("XDG_CONFIG_HOME", config.path().toUtf8());
    qputenv("XDG_DATA_HOME", data.path().toUtf8());
    ::testing::InitGoogleTest(&argc, argv);
    QApplication app(argc, argv);
    courtlog::ui::installFonts();
    return RUN_ALL_TESTS();
}
