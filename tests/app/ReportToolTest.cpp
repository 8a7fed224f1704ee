// The built courtlog-report program on the sample matches, checked against scores worked out by
// hand from the points each sample was made of.
#include <gtest/gtest.h>

#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>

#include "support/MatchScript.h"

namespace courtlog {
namespace {

using testing::MatchScript;

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

Outcome report(const QStringList& arguments) {
    QProcess process;
    process.start(QStringLiteral(COURTLOG_REPORT_PROGRAM), arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << arguments.join(' ').toStdString();
    EXPECT_EQ(process.exitStatus(), QProcess::NormalExit);
    return {process.exitCode(), process.readAllStandardOutput().toStdString(),
            process.readAllStandardError().toStdString()};
}

QString sample(const char* name) {
    return QStringLiteral(COURTLOG_SAMPLES_DIR "/") + name;
}

// The program's json at a position (-1: without --at), after checking that it succeeded.
QJsonObject json(const char* file, int at = -1) {
    QStringList arguments{QStringLiteral("--format"), QStringLiteral("json"), sample(file)};
    if (at >= 0) {
        arguments << QStringLiteral("--at") << QString::number(at);
    }
    const Outcome run = report(arguments);
    EXPECT_EQ(run.exitCode, 0) << run.err;
    EXPECT_EQ(run.err, "");
    return QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
}

QJsonObject field(const QJsonObject& report, const char* name) {
    const QJsonValue f = report["fields"].toObject()[QString::fromUtf8(name)];
    EXPECT_TRUE(f.isObject()) << name;
    return f.toObject();
}

std::string caption(const QJsonObject& report, const char* name) {
    return field(report, name)["caption"].toString().toStdString();
}

bool visible(const QJsonObject& report, const char* name) {
    return field(report, name)["visible"].toBool();
}

// Games and, when shown, tie-break points of one set, as "7-6(7-4)".
std::string setScore(const QJsonObject& r, int set) {
    const std::string s = "Set" + std::to_string(set);
    const std::string t = "TieBreak" + std::to_string(set);
    std::string score = caption(r, (s + "(0)").c_str()) + "-" + caption(r, (s + "(1)").c_str());
    if (visible(r, (t + "(0)").c_str())) {
        score +=
            "(" + caption(r, (t + "(0)").c_str()) + "-" + caption(r, (t + "(1)").c_str()) + ")";
    }
    return score;
}

int wonBy(const std::string& points, int count, char player) {
    return static_cast<int>(std::count(points.begin(), points.begin() + count, player));
}

TEST(ReportTool, BestOfThreeAtItsEnd) {
    const std::string points = MatchScript().tieBreakSet(7, 4).set(6, 3).points();
    const QJsonObject r = json("best-of-three-tiebreak.clg");
    EXPECT_EQ(r["pointCount"].toInt(), 140);
    EXPECT_EQ(r["currentPoint"].toInt(), 140);
    EXPECT_EQ(r["setsInMatch"].toInt(), 3);
    EXPECT_TRUE(r["matchOver"].toBool());
    EXPECT_EQ(r["tieBreakWhen"].toArray(), (QJsonArray{false, true, false}));
    EXPECT_EQ(r["players"].toArray(), (QJsonArray{"Giocatore A", "Giocatore B"}));
    EXPECT_EQ(r["round"].toInt(), 0);

    EXPECT_EQ(setScore(r, 1), "7-6(7-4)");
    EXPECT_EQ(setScore(r, 2), "6-3");
    EXPECT_EQ(field(r, "Set1(0)")["fore"].toString(), "#FFFF00");  // the winner's games
    EXPECT_EQ(field(r, "Set1(1)")["fore"].toString(), "#000000");
    EXPECT_FALSE(visible(r, "Set4(0)"));
    EXPECT_FALSE(visible(r, "Set5(1)"));
    EXPECT_FALSE(visible(r, "Serve(0)"));
    EXPECT_FALSE(visible(r, "Serve(1)"));
    EXPECT_EQ(caption(r, "PuntiDalMatch(0)"), "W");
    EXPECT_EQ(caption(r, "PuntiDalMatch(1)"), "L");
    EXPECT_EQ(caption(r, "PuntiVinti(0)"), std::to_string(wonBy(points, 140, 'A')));
    EXPECT_EQ(caption(r, "PuntiVinti(1)"), std::to_string(wonBy(points, 140, 'B')));
}

TEST(ReportTool, BestOfThreeAtTheStartAndInTheFirstTieBreak) {
    const QJsonObject start = json("best-of-three-tiebreak.clg", 0);
    EXPECT_EQ(start["currentPoint"].toInt(), 0);
    EXPECT_EQ(start["pointCount"].toInt(), 140);
    EXPECT_FALSE(start["matchOver"].toBool());
    for (const char* f : {"Set1(0)", "Set2(1)", "Set3(0)", "Games(0)", "Games(1)", "Punteggio(0)",
                          "Punteggio(1)", "PuntiVinti(0)", "Aces(1)", "ColpiVincenti(0)"}) {
        EXPECT_EQ(caption(start, f), "0") << f;
    }
    for (const char* f : {"TieBreak1(0)", "TieBreak1(1)", "Serve(1)", "BreakPoint", "Parità",
                          "PalleNuove", "SetPoint(0)", "MatchPoint(1)"}) {
        EXPECT_FALSE(visible(start, f)) << f;
    }
    EXPECT_TRUE(visible(start, "Serve(0)"));
    EXPECT_EQ(caption(start, "PercentualeConPrimaPalla(0)"), "N/D");
    // Six love games a set, two sets.
    EXPECT_EQ(caption(start, "PuntiDalSet(0)"), "24");
    EXPECT_EQ(caption(start, "PuntiDalMatch(1)"), "48");

    // 6-6 after 75 points, then A B A B A of the tie-break; A served first in the set and in
    // the tie-break, so after five points B serves.
    const std::string points = MatchScript().tieBreakSet(7, 4).set(6, 3).points();
    const QJsonObject mid = json("best-of-three-tiebreak.clg", 80);
    EXPECT_EQ(caption(mid, "Games(0)") + "-" + caption(mid, "Games(1)"), "6-6");
    EXPECT_EQ(caption(mid, "Punteggio(0)") + "-" + caption(mid, "Punteggio(1)"), "3-2");
    EXPECT_EQ(setScore(mid, 1), "0-0");
    EXPECT_TRUE(visible(mid, "Serve(1)"));
    EXPECT_FALSE(visible(mid, "Serve(0)"));
    EXPECT_EQ(caption(mid, "PuntiVinti(0)"), std::to_string(wonBy(points, 80, 'A')));
    EXPECT_EQ(caption(mid, "PuntiVinti(1)"), std::to_string(wonBy(points, 80, 'B')));

    const Outcome text = report(
        {QStringLiteral("--at"), QStringLiteral("80"), sample("best-of-three-tiebreak.clg")});
    EXPECT_NE(text.out.find("                Games  Tie-break\n"
                            "Giocatore A     6      3\n"
                            "Giocatore B  *  6      2\n"),
              std::string::npos)
        << text.out;
}

TEST(ReportTool, FiveSetterWithItsNamesAndTheDecidingSetPlayedOut) {
    const std::string points =
        MatchScript().set(6, 4).set(3, 6).tieBreakSet(8, 6).set(4, 6).set(12, 10).points();
    const QJsonObject r = json("best-of-five-fifth-set.clg");
    EXPECT_EQ(r["pointCount"].toInt(), static_cast<int>(points.size()));
    EXPECT_EQ(r["setsInMatch"].toInt(), 5);
    EXPECT_TRUE(r["matchOver"].toBool());
    EXPECT_EQ(r["players"].toArray(), (QJsonArray{"Gaël Monfils", "Nicolás Massú"}));
    EXPECT_EQ(r["tournament"].toString(), "Roland-Garros");
    EXPECT_EQ(r["round"].toInt(), 5);
    EXPECT_EQ(caption(r, "FrameStatistiche(1)"), "Statistiche Nicolás Massú");
    const char* expected[] = {"6-4", "3-6", "7-6(8-6)", "4-6", "12-10"};
    for (int set = 1; set <= 5; ++set) {
        EXPECT_EQ(setScore(r, set), expected[set - 1]) << set;
    }
    EXPECT_EQ(caption(r, "PuntiVinti(1)"),
              std::to_string(wonBy(points, static_cast<int>(points.size()), 'B')));

    const Outcome text = report({sample("best-of-five-fifth-set.clg")});
    EXPECT_EQ(text.exitCode, 0);
    EXPECT_EQ(text.out.rfind("Torneo: Roland-Garros\nTurno: Quarti di finale\n", 0), 0u)
        << text.out;
    // Accented names take one column per letter, so the columns stay aligned.
    EXPECT_NE(text.out.find("                 Set 1  Set 2  Set 3  Set 4  Set 5\n"
                            "Gaël Monfils     6      3      7(8)   4      12\n"
                            "Nicolás Massú    4      6      6(6)   6      10\n"),
              std::string::npos)
        << text.out;
    EXPECT_NE(text.out.find("Vince: Gaël Monfils\n"), std::string::npos);
    EXPECT_NE(text.out.find("Punti set/match:   / W"), std::string::npos);
}

TEST(ReportTool, ThousandPointsStillRunning) {
    // Fifty units of nine deuces, the winners taking turns; every set reaches its tie-break.
    const QJsonObject end = json("thousand-points.clg");
    EXPECT_EQ(end["pointCount"].toInt(), 1000);
    EXPECT_EQ(end["currentPoint"].toInt(), 1000);
    EXPECT_FALSE(end["matchOver"].toBool());
    EXPECT_EQ(setScore(end, 1), "7-6(11-9)");
    EXPECT_EQ(setScore(end, 2), "6-7(9-11)");
    EXPECT_EQ(setScore(end, 3), "7-6(11-9)");
    EXPECT_EQ(caption(end, "Games(0)") + "-" + caption(end, "Games(1)"), "5-6");
    EXPECT_EQ(caption(end, "PuntiVinti(0)"), "500");

    const QJsonObject mid = json("thousand-points.clg", 500);
    EXPECT_EQ(setScore(mid, 1), "7-6(11-9)");
    EXPECT_EQ(setScore(mid, 2), "0-0");
    EXPECT_EQ(caption(mid, "Games(0)") + "-" + caption(mid, "Games(1)"), "6-6");
}

TEST(ReportTool, AnExplicitEndIsTheDefaultAndTextIsTheDefaultFormat) {
    const Outcome plain = report({sample("thousand-points.clg")});
    const Outcome explicitEnd =
        report({QStringLiteral("--format"), QStringLiteral("text"), QStringLiteral("--at=1000"),
                sample("thousand-points.clg")});
    EXPECT_EQ(plain.exitCode, 0);
    EXPECT_EQ(plain.out, explicitEnd.out);
    EXPECT_NE(plain.out.find("Punto 1000 di 1000\n"), std::string::npos);
}

TEST(ReportTool, FilesThatCannotBeUsedEndWithTheWindowsMessage) {
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const Outcome missing = report({dir.filePath(QStringLiteral("nope.clg"))});
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.out, "");
    EXPECT_EQ(missing.err,
              "Errore 53 nell'apertura del file nope.clg. Controllare la sua presenza!\n");

    QFile in(sample("best-of-five-fifth-set.clg"));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    const QString truncated = dir.filePath(QStringLiteral("truncated.clg"));
    QFile out(truncated);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(in.read(20));  // ends inside the second name
    out.close();
    const Outcome cut = report({QStringLiteral("--format"), QStringLiteral("json"), truncated});
    EXPECT_EQ(cut.exitCode, 1);
    EXPECT_EQ(cut.out, "");
    EXPECT_EQ(cut.err, "Errore 62 durante il processo di apertura file.\n");
}

TEST(ReportTool, RecoverableFaultsAreReportedAndTheRestLoads) {
    QFile in(sample("fresh.clg"));
    ASSERT_TRUE(in.open(QIODevice::ReadOnly));
    QByteArray bytes = in.readAll();
    ASSERT_EQ(bytes.size(), 48);
    bytes[47] = 9;                // the round byte, beyond the last round
    bytes.append("\x05\x00", 2);  // one point, won by B
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("round9.clg"));
    QFile out(path);
    ASSERT_TRUE(out.open(QIODevice::WriteOnly));
    out.write(bytes);
    out.close();

    const Outcome run = report({QStringLiteral("--format"), QStringLiteral("json"), path});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(run.err, "Errore 380 durante il processo di apertura file.\n");
    const QJsonObject r = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    EXPECT_EQ(r["round"].toInt(), 0);
    EXPECT_EQ(r["pointCount"].toInt(), 1);
    EXPECT_EQ(caption(r, "Punteggio(1)"), "15");
}

TEST(ReportTool, PointLogReportAndTotals) {
    const QString three = sample("best-of-three-tiebreak.clg");
    const QString five = sample("best-of-five-fifth-set.clg");

    Outcome run = report({QStringLiteral("--format"), QStringLiteral("csv"), three});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 141);  // header and 140 points
    EXPECT_EQ(run.out.rfind("Punto,Set,Game A,Game B,Punteggio,", 0), 0u);
    run = report({QStringLiteral("--format"), QStringLiteral("csv"), QStringLiteral("--at"),
                  QStringLiteral("10"), three});
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 11);

    run = report({QStringLiteral("--format"), QStringLiteral("html"), five});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("<svg"), std::string::npos);
    EXPECT_NE(run.out.find(">7-6(8-6)<"), std::string::npos);
    EXPECT_NE(run.out.find(">12-10<"), std::string::npos);

    // The same match twice: every count doubles, the percentages stay.
    run = report({QStringLiteral("--total"), QStringLiteral("--format"), QStringLiteral("json"),
                  five, five});
    EXPECT_EQ(run.exitCode, 0);
    const QJsonObject total = QJsonDocument::fromJson(QByteArray::fromStdString(run.out)).object();
    const QJsonArray players = total["players"].toArray();
    ASSERT_EQ(players.size(), 2);
    EXPECT_EQ(players[0].toObject()["name"].toString(), QStringLiteral("Gaël Monfils"));
    EXPECT_EQ(players[0].toObject()["matches"].toInt(), 2);
    EXPECT_EQ(players[0].toObject()["matchesWon"].toInt(), 2);
    EXPECT_EQ(players[1].toObject()["matchesLost"].toInt(), 2);
    const Outcome single = report(
        {QStringLiteral("--total"), QStringLiteral("--format"), QStringLiteral("json"), five});
    const QJsonObject one = QJsonDocument::fromJson(QByteArray::fromStdString(single.out))
                                .object()["players"]
                                .toArray()[0]
                                .toObject();
    EXPECT_EQ(players[0].toObject()["pointsWon"].toInt(), 2 * one["pointsWon"].toInt());
    EXPECT_EQ(players[0].toObject()["firstServes"].toString(), one["firstServes"].toString());

    run = report({QStringLiteral("--total"), three, five});
    EXPECT_EQ(run.exitCode, 0);
    EXPECT_NE(run.out.find("Nicolás Massú"), std::string::npos);
    EXPECT_NE(run.out.find("Vinte/perse:"), std::string::npos);
    run = report({QStringLiteral("--total"), QStringLiteral("--format"), QStringLiteral("html"),
                  three, five});
    EXPECT_NE(run.out.find("<html"), std::string::npos);
    EXPECT_EQ(report({QStringLiteral("--total"), three, sample("no-such.clg")}).exitCode, 1);
}

TEST(ReportTool, UsageErrors) {
    const QString file = sample("best-of-three-tiebreak.clg");
    const QList<QStringList> cases{
        {},
        {file, file},
        {QStringLiteral("--format"), QStringLiteral("xml"), file},
        {QStringLiteral("--at"), QStringLiteral("abc"), file},
        {QStringLiteral("--at"), QStringLiteral("141"), file},
        {QStringLiteral("--at=-1"), file},
        {QStringLiteral("--colour"), file},
        {file, QStringLiteral("--at")},
        {QStringLiteral("--total"), QStringLiteral("--at"), QStringLiteral("3"), file},
        {QStringLiteral("--total"), QStringLiteral("--format"), QStringLiteral("csv"), file},
    };
    for (const QStringList& arguments : cases) {
        const Outcome run = report(arguments);
        const std::string shown = arguments.join(' ').toStdString();
        EXPECT_EQ(run.exitCode, 2) << shown;
        EXPECT_EQ(run.out, "") << shown;
        EXPECT_NE(run.err.find("Uso: courtlog-report [--at N] [--format text|json|csv|html] "
                               "FILE.clg\n"),
                  std::string::npos)
            << shown << ": " << run.err;
    }
}

}  // namespace
}  // namespace courtlog
