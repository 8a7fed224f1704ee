// The committed sample matches are exactly what today's writer makes of their points.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace courtlog {
namespace {

QByteArray contents(const QString& path) {
    QFile f(path);
    EXPECT_TRUE(f.open(QIODevice::ReadOnly)) << path.toStdString();
    return f.readAll();
}

TEST(SampleFiles, AreWhatTheWriterMakesToday) {
    QTemporaryDir dir;
    QProcess generator;
    generator.start(QStringLiteral(COURTLOG_MAKE_SAMPLES_PROGRAM), {dir.path()});
    ASSERT_TRUE(generator.waitForFinished(30000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    const QDir committed(QStringLiteral(COURTLOG_SAMPLES_DIR));
    const QStringList made = QDir(dir.path()).entryList({"*.clg"}, QDir::Files, QDir::Name);
    EXPECT_EQ(made, committed.entryList({"*.clg"}, QDir::Files, QDir::Name));
    EXPECT_FALSE(made.isEmpty());
    for (const QString& name : made) {
        EXPECT_EQ(contents(dir.filePath(name)), contents(committed.filePath(name)))
            << name.toStdString() << " differs: refresh it with make_samples";
    }
}

}  // namespace
}  // namespace courtlog
