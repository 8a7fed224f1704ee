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
    ASSERT_TRUE(dir.isValid());
    QProcess generator;
    generator.start(QStringLiteral(COURTLOG_MAKE_SAMPLES_PROGRAM), {dir.path()});
    ASSERT_TRUE(generator.waitForFinished(30000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    const QStringList made =
        QDir(dir.path()).entryList({QStringLiteral("*.clg")}, QDir::Files, QDir::Name);
    EXPECT_EQ(made, QDir(QStringLiteral(COURTLOG_SAMPLES_DIR))
                        .entryList({QStringLiteral("*.clg")}, QDir::Files, QDir::Name));
    EXPECT_EQ(made.size(), 4);
    for (const QString& name : made) {
        EXPECT_EQ(contents(dir.filePath(name)),
                  contents(QStringLiteral(COURTLOG_SAMPLES_DIR "/") + name))
            << name.toStdString() << " differs: refresh it with make_samples";
    }
    EXPECT_EQ(contents(dir.filePath(QStringLiteral("fresh.clg"))).size(), 48);
}

}  // namespace
}  // namespace courtlog
