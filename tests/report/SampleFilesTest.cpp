// The committed sample matches are exactly what today's writer makes of their points.
#include <gtest/gtest.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>

#include "support/QtPrinting.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

TEST(SampleFiles, AreWhatTheWriterMakesToday) {
    QTemporaryDir dir;
    QProcess generator;
    generator.start(QStringLiteral(COURTLOG_MAKE_SAMPLES_PROGRAM), {dir.path()});
    ASSERT_TRUE(generator.waitForFinished(30000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    const QDir committed(QStringLiteral(COURTLOG_SAMPLES_DIR));
    const QStringList made = QDir(dir.path()).entryList({"*.clg"}, QDir::Files, QDir::Name);
    EXPECT_FALSE(made.isEmpty());
    EXPECT_EQ(made, committed.entryList({"*.clg"}, QDir::Files, QDir::Name));
    for (const QString& name : made) {
        EXPECT_TRUE(testing::TempDir::read(dir.filePath(name).toStdString()) ==
                    testing::TempDir::read(committed.filePath(name).toStdString()))
            << name.toStdString() << " differs: refresh it with make_samples";
    }
}

}  // namespace
}  // namespace courtlog
