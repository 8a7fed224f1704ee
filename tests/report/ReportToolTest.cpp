// The built courtlog-report program: its arguments, formats and exit codes. What the reports
// say is checked in process.
#include <gtest/gtest.h>

#include <QProcess>

#include "support/TempDir.h"

namespace courtlog {
namespace {

// 0: a report, even if the file had a fault that could be passed over; 1: a file that cannot
// be used, with the window's message; 2: a wrong command line, with the usage.
TEST(ReportTool, FormatsPositionsTotalsAndExitCodes) {
    const QString three = QStringLiteral(COURTLOG_SAMPLES_DIR "/best-of-three-tiebreak.clg");
    const QString five = QStringLiteral(COURTLOG_SAMPLES_DIR "/best-of-five-fifth-set.clg");
    testing::TempDir dir;
    const QString badRound = QString::fromStdString(dir.file("round9.clg"));  // a round too many
    const std::string fresh = testing::TempDir::read(COURTLOG_SAMPLES_DIR "/fresh.clg");
    testing::TempDir::write(badRound.toStdString(), fresh.substr(0, 47) + '\x09');
    const QString missing = QString::fromStdString(dir.file("nope.clg"));
    const std::string usage = "Uso: courtlog-report [--at N] [--format text|json|csv|html] ";
    const std::vector<std::tuple<QStringList, int, std::string>> cases{
        {{three}, 0, "Punto 140 di 140, partita finita\n"},  // text, at the end
        {{"--at", "80", three}, 0, "Giocatore A     6      3\nGiocatore B  *  6      2\n"},
        {{"--at", "0", three}, 0, "Punto 0 di 140\n"},
        {{"--at", "140", three}, 0, "Punto 140 di 140, partita finita\n"},
        {{"--format", "json", five}, 0, "\"Gaël Monfils\""},  // names from the file's code page
        {{"--format", "csv", "--at", "10", three}, 0, "\r\n10,1,"},
        {{"--format", "html", "--at", "37", five}, 0, "Partita in corso · 37 punti"},
        {{"--total", three, five}, 0, "Partite:\n  Giocatore A - Giocatore B: 7-6(7-4) 6-3, "},
        {{"--total", "--format", "json", five, five}, 0, "\"matchesWon\": 2"},
        {{"--total", "--format", "html", three}, 0, "<!DOCTYPE html>"},
        {{badRound}, 0, "Errore 380 durante il processo di apertura file.\n"},
        {{missing}, 1, "Errore 53 nell'apertura del file nope.clg. Controllare la sua presenza!\n"},
        {{}, 2, usage},
        {{three, three}, 2, usage},
        {{"--format", "xml", three}, 2, usage},
        {{"--at", "141", three}, 2, usage},
        {{"--total", "--format", "csv", three}, 2, usage},
        // In Italian, like the rest of the tool.
        {{"--help"}, 0, "Opzioni:\n  --at N "},
        {{"--bogus", three}, 2, "courtlog-report: opzione sconosciuta: --bogus\n" + usage},
        {{"-x", "--y=1", three}, 2, "courtlog-report: opzione sconosciuta: -x --y\n" + usage},
        {{three, "--at"}, 2, "courtlog-report: manca il valore di un'opzione\n"},
        {{"--lang", "xx", three}, 2, "courtlog-report: lingua sconosciuta: xx (it o en)\n" + usage},
    };
    // Italian unless the command line says otherwise, whatever the user's own language.
    QProcessEnvironment english = QProcessEnvironment::systemEnvironment();
    english.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    for (const auto& [arguments, exitCode, message] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QProcess run;
        run.setProcessEnvironment(english);
        run.start(QStringLiteral(COURTLOG_REPORT_PROGRAM), arguments);
        EXPECT_TRUE(run.waitForFinished(30000));
        const std::string out = run.readAllStandardOutput().toStdString();
        const std::string err = run.readAllStandardError().toStdString();
        EXPECT_EQ(std::tuple(run.exitStatus(), run.exitCode(), out.empty()),
                  std::tuple(QProcess::NormalExit, exitCode, exitCode != 0));
        EXPECT_NE((out + err).find(message), std::string::npos) << err;
    }
}

}  // namespace
}  // namespace courtlog
