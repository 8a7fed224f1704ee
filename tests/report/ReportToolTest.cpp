// The built courtlog-report program: its arguments, formats and exit codes. What the reports
// say is checked in process.
#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <algorithm>

#include "support/TempDir.h"

namespace courtlog {
namespace {

struct Outcome {
    int exitCode = -1;
    std::string out, err;
};

Outcome report(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(COURTLOG_REPORT_PROGRAM), arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << arguments.join(' ').toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

QJsonObject json(const Outcome& run) {
    EXPECT_EQ(run.exitCode, 0) << run.err;
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
}

std::string caption(const QJsonObject& r, const char* name) {
    return r["fields"][QString::fromUtf8(name)]["caption"].toString().toStdString();
}

const QString three = QStringLiteral(COURTLOG_SAMPLES_DIR "/best-of-three-tiebreak.clg");
const QString five = QStringLiteral(COURTLOG_SAMPLES_DIR "/best-of-five-fifth-set.clg");

TEST(ReportTool, EachFormatAtTheEndOrAtAGivenPoint) {
    // Without --at the report is at the end, and text is the default format.
    const Outcome text = report({three});
    EXPECT_NE(text.out.find("Punto 140 di 140, partita finita\n"), std::string::npos) << text.err;
    // 6-6 after 75 points, then A B A B A of the tie-break.
    const QJsonObject mid = json(report({"--format", "json", "--at", "80", three}));
    EXPECT_EQ(caption(mid, "Games(0)") + caption(mid, "Games(1)") + caption(mid, "Punteggio(0)") +
                  caption(mid, "Punteggio(1)"),
              "6632");
    // Names come out of the file's code page as UTF-8.
    EXPECT_EQ(json(report({"--format", "json", five}))["players"].toArray(),
              (QJsonArray{"Gaël Monfils", "Nicolás Massú"}));
    // A header, then one row per point up to the position.
    const std::string csv = report({"--format", "csv", "--at", "10", three}).out;
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 11);
    EXPECT_NE(report({"--format", "html", five}).out.find(">12-10<"), std::string::npos);
}

TEST(ReportTool, TotalsAddUpEachPlayerOverTheMatchesGiven) {
    const QJsonObject two =
        json(report({"--total", "--format", "json", five, five}))["players"][0].toObject();
    EXPECT_EQ(two["matchesWon"].toInt(), 2);
    EXPECT_NE(report({"--total", three, five}).out.find("Nicolás Massú"), std::string::npos);
}

// 0: a report, even if the file had a fault that could be passed over; 1: a file that cannot
// be used, with the window's message; 2: a wrong command line, with the usage.
TEST(ReportTool, ExitCodesAndMessages) {
    testing::TempDir dir;
    const QString badRound = QString::fromStdString(dir.file("round9.clg"));  // a round too many
    const std::string fresh = testing::TempDir::read(COURTLOG_SAMPLES_DIR "/fresh.clg");
    testing::TempDir::write(badRound.toStdString(), fresh.substr(0, 47) + '\x09');
    const QString missing = QString::fromStdString(dir.file("nope.clg"));
    const std::string usage = "Uso: courtlog-report [--at N] [--format text|json|csv|html] ";
    const std::vector<std::tuple<QStringList, int, std::string>> cases{
        {{badRound}, 0, "Errore 380 durante il processo di apertura file.\n"},
        {{missing}, 1, "Errore 53 nell'apertura del file nope.clg. Controllare la sua presenza!\n"},
        {{}, 2, usage},
        {{three, three}, 2, usage},
        {{"--format", "xml", three}, 2, usage},
        {{"--at", "141", three}, 2, usage},
        {{"--total", "--format", "csv", three}, 2, usage},
    };
    for (const auto& [arguments, exitCode, message] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        const Outcome run = report(arguments);
        EXPECT_EQ(run.exitCode, exitCode);
        EXPECT_EQ(run.out.empty(), exitCode != 0);
        if (exitCode == 2) {
            EXPECT_NE(run.err.find(message), std::string::npos) << run.err;
        } else {
            EXPECT_EQ(run.err.substr(0, message.size()), message);
        }
    }
}

}  // namespace
}  // namespace courtlog
