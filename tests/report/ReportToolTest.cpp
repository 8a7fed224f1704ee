// The built programs: courtlog-report's arguments, formats, languages and exit codes, as a
// command-line program among others; and the sample matches that make_samples writes. What the
// reports say is checked in process.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <array>
#include <cstdio>

#include "form/Version.h"
#include "storage/MatchDocument.h"
#include "storage/MatchFile.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

using testing::TempDir;

// 0: a report, even if the file had a fault that could be passed over; 1: a file that cannot
// be used, with the window's message; 2: a wrong command line, with the usage. Each row says
// what the run must say and, where given, what it must not: the Italian, once English is
// chosen, or the English when it is not. Rows that begin with "courtlog" run the window's
// program, which answers them before it needs a display.
TEST(ReportTool, FormatsPositionsTotalsLanguagesAndExitCodes) {
    const QString three = QStringLiteral(COURTLOG_SAMPLES_DIR "/best-of-three-tiebreak.clg");
    const QString five = QStringLiteral(COURTLOG_SAMPLES_DIR "/best-of-five-fifth-set.clg");
    TempDir dir;
    const QString badRound = QString::fromStdString(dir.file("round9.clg"));  // a round too many
    const std::string fresh = TempDir::read(COURTLOG_SAMPLES_DIR "/fresh.clg");
    TempDir::write(badRound.toStdString(), fresh.substr(0, 47) + '\x09');
    const QString missing = QString::fromStdString(dir.file("nope.clg"));
    // A match document is read as the match file it was made from, whatever it is called.
    const QString document = QString::fromStdString(dir.file("three-document.clg"));
    TempDir::write(document.toStdString(),
                   encodeDocument(decodeMatch(TempDir::read(three.toStdString())).match));
    const std::string usage = "Uso: courtlog-report [--at N] [--format text|json|csv|html] ";
    const std::string over = "Punto 140 di 140, partita finita\n";
    // A break point that is also a match point.
    const std::string at139 =
        "Set 1  Games  Punti\nGiocatore A     7(7)   5      40\nGiocatore B  *  "
        "6(4)   3      0\n\nAl servizio: Giocatore B\nIndicatori: Break Point "
        "# 1, Match Point #1 (Giocatore A)\n";
    const std::string version = std::to_string(kVersionMajor) + "." +
                                std::to_string(kVersionMinor) + "." +
                                std::to_string(kVersionPatch) + "\n";
    const std::vector<std::tuple<QStringList, int, std::string, std::string>> cases{
        {{three}, 0, over, "Point 140"},  // text, at the end; Italian unless chosen
        // Over, the winner and nothing of a next set; before, the server and the indicators.
        {{"--lang=it", three}, 0, "\nVince: Giocatore A\n", "Set 3"},
        {{"--at", "139", three}, 0, at139, ""},
        {{"--at", "80", three}, 0, "Giocatore A     6      3\nGiocatore B  *  6      2\n", ""},
        {{"--at", "0", three}, 0, "Punto 0 di 140\n", ""},
        {{"--at", "140", three}, 0, "Punto 140 di 140, partita finita\n", ""},
        {{"--format", "json", five}, 0, "\"Gaël Monfils\"", ""},  // names from the code page
        {{"--format", "csv", "--at", "10", three}, 0, "\r\n10,1,", ""},
        {{"--format", "html", "--at", "37", five}, 0, "Partita in corso · 37 punti", ""},
        {{"--total", document, five}, 0, "Partite:\n  Giocatore A - Giocatore B: 7-6(7-4) 6-3", ""},
        {{"--total", "--format", "json", five, five}, 0, "\"matchesWon\": 2", ""},
        {{"--total", "--format", "html", three}, 0, "<!DOCTYPE html>", ""},
        {{badRound}, 0, "Errore 380 durante il processo di apertura file.\n", ""},
        {{missing}, 1, "Errore 53 nell'apertura del file nope.clg. Controllare", ""},
        {{}, 2, usage, ""},
        {{three, three}, 2, usage, ""},
        {{"--format", "xml", three}, 2, usage, ""},
        {{"--at", "141", three}, 2, usage, ""},
        {{"--total", "--format", "csv", three}, 2, usage, ""},
        {{"--help"}, 0, "Opzioni:\n  --at N ", "Options"},
        {{"-x", "--y=1", three}, 2, "courtlog-report: opzione sconosciuta: -x --y\n" + usage, ""},
        {{three, "--at"}, 2, "courtlog-report: manca il valore di un'opzione\n", ""},
        {{"--lang", "xx", three}, 2, "lingua sconosciuta: xx (it o en)\n" + usage, "language"},
        // In English when chosen, before anything is said.
        {{"--lang", "en", three}, 0, "Point 140 of 140, match over\n", "Punto"},
        {{"--format", "html", "--lang", "en", three}, 0, "=\"en\" xml:lang=\"en\"", "Statistiche"},
        {{"--lang", "en", "--help"}, 0, "Options:\n", "Opzioni"},
        {{"--lang", "en", missing}, 1, "Error 53 opening the file nope.clg.", "nell'apertura"},
        // A complaint about the command line, even one met before the language.
        {{"--bogus", "--lang", "en", three}, 2, "unknown option: --bogus\n", "sconosciuta"},
        {{"--version", three}, 0, "courtlog-report, versione " + version, ""},
        {{"--lang=en", "--version"}, 0, "courtlog-report, version " + version, ""},
        {{"courtlog", "--help"}, 0, "Uso: courtlog [--lang it|en] [--] [FILE]\n\nApre", "Errore"},
        {{"courtlog", "-h", "--lang=en"}, 0, "Usage: courtlog [--lang it|en] [--] [FILE]\n", "Uso"},
        {{"courtlog", "--version"}, 0, "courtlog, versione " + version, ""},
        {{"courtlog", "--lang"}, 2, "courtlog: --lang vuole una lingua: it o en\nUso: ", ""},
    };
    // Italian unless the command line says otherwise, whatever the user's own language; no
    // display.
    QProcessEnvironment english = QProcessEnvironment::systemEnvironment();
    english.insert(QStringLiteral("LANGUAGE"), QStringLiteral("en"));
    english.remove(QStringLiteral("DISPLAY"));
    english.remove(QStringLiteral("QT_QPA_PLATFORM"));
    for (const auto& [arguments, exitCode, says, never] : cases) {
        SCOPED_TRACE(arguments.join(' ').toStdString());
        QProcess run;
        run.setProcessEnvironment(english);
        const bool window = arguments.value(0) == QLatin1String("courtlog");
        run.start(window ? QStringLiteral(COURTLOG_WINDOW_PROGRAM)
                         : QStringLiteral(COURTLOG_REPORT_PROGRAM),
                  arguments.mid(window ? 1 : 0));
        EXPECT_TRUE(run.waitForFinished(30000));
        const std::string out = run.readAllStandardOutput().toStdString();
        const std::string all = out + run.readAllStandardError().toStdString();
        EXPECT_EQ(std::tuple(run.exitStatus(), run.exitCode(), out.empty()),
                  std::tuple(QProcess::NormalExit, exitCode, exitCode != 0));
        EXPECT_NE(all.find(says), std::string::npos) << all;
        EXPECT_TRUE(never.empty() || all.find(never) == std::string::npos) << all;
    }
}

// The exit status, and standard output and standard error together.
using Outcome = std::pair<int, std::string>;

// Runs the program through the shell, so arguments reach it as raw bytes.
Outcome run(const std::string& arguments) {
    // Standard error joins the pipe before any redirection the arguments make.
    const std::string command = "'" COURTLOG_REPORT_PROGRAM "' 2>&1 " + arguments;
    FILE* pipe = ::popen(command.c_str(), "r");
    std::string output;
    std::array<char, 4096> buffer{};
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) {
        output.append(buffer.data(), n);
    }
    const int status = ::pclose(pipe);
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, output};
}

// Output that cannot be written is reported, names that would act on the terminal reach it as
// "?", and a file name need not be valid text.
TEST(ReportTool, FailuresAreReportedAndNothingReachesTheTerminalRaw) {
    TempDir dir;
    // An escape, a line break, a NUL, BEL and a control past ASCII.
    const MatchRecord m{.players = {std::string("Ansi\x1b[2J\nNul\0", 13), "Bell\x07\xC2\x81"},
                        .points = {0, 1, 0}};
    const std::string odd = dir.file("lat\xe9.clg");  // not valid UTF-8
    TempDir::write(odd, encodeMatch(m));

    for (const std::string format : {"", "--format csv ", "--total "}) {
        const auto [status, text] = run(format + "'" + odd + "'");
        const auto has = [&](const char* part) { return text.find(part) != std::string::npos; };
        EXPECT_EQ(std::tuple(status, has("Ansi?[2J?Nul?"), has("Bell??"),
                             text.find_first_of(std::string("\x1b\x07\0", 3))),
                  std::tuple(0, true, true, std::string::npos))
            << format << text;
    }
    EXPECT_EQ(run("'" + odd + "' > /dev/full"),
              Outcome(1, "courtlog-report: impossibile scrivere l'uscita\n"));
    // A file that cannot be used is named, in the language chosen, and the others are added up.
    const std::string missing = dir.file("missing.clg");
    const std::string total = missing +
                              ": Error 53 opening the file missing.clg. Check that it is there!\n"
                              "Matches:\n  Ansi?[2J?Nul?";
    const auto [status, text] = run("--lang en --total '" + missing + "' '" + odd + "'");
    EXPECT_EQ(Outcome(status, text.substr(0, total.size())), Outcome(1, total));
}

// The committed sample matches are exactly what today's writer makes of their points.
TEST(SampleFiles, AreWhatTheWriterMakesToday) {
    QTemporaryDir dir;
    QProcess generator;
    generator.start(QStringLiteral(COURTLOG_MAKE_SAMPLES_PROGRAM), {dir.path()});
    ASSERT_TRUE(generator.waitForFinished(30000));
    ASSERT_EQ(generator.exitCode(), 0) << generator.readAllStandardError().toStdString();

    const QDir committed(QStringLiteral(COURTLOG_SAMPLES_DIR));
    const QStringList made = QDir(dir.path()).entryList({"*.clg"}, QDir::Files, QDir::Name);
    // None made fails here too: the report's tests read the committed ones.
    EXPECT_EQ(made, committed.entryList({"*.clg"}, QDir::Files, QDir::Name));
    for (const QString& name : made) {
        EXPECT_TRUE(TempDir::read(dir.filePath(name).toStdString()) ==
                    TempDir::read(committed.filePath(name).toStdString()))
            << name.toStdString() << " differs: refresh it with make_samples";
    }
}

}  // namespace
}  // namespace courtlog
