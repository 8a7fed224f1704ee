// courtlog-report as a command-line program among others: output that cannot be written,
// names that would act on the terminal, file names that are not valid text.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <array>
#include <cstdio>

#include "storage/MatchFile.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

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

TEST(ReportCitizen, FailuresAreReportedAndNothingReachesTheTerminalRaw) {
    testing::TempDir dir;
    MatchRecord m;
    // An escape, a line break, a NUL, BEL and a control past ASCII.
    m.players = {std::string("Ansi\x1b[2J\nNul\0", 13), "Bell\x07\xC2\x81"};
    m.points = {0, 1, 0};
    const std::string odd = dir.file("lat\xe9.clg");  // not valid UTF-8
    testing::TempDir::write(odd, encodeMatch(m));

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
    // A file that cannot be used is named, and the others are added up.
    const std::string missing = dir.file("missing.clg");
    const std::string total = missing +
                              ": Errore 53 nell'apertura del file missing.clg. "
                              "Controllare la sua presenza!\nPartite:\n  Ansi?[2J?Nul?";
    const auto [status, text] = run("--total '" + missing + "' '" + odd + "'");
    EXPECT_EQ(Outcome(status, text.substr(0, total.size())), Outcome(1, total));
}

}  // namespace
}  // namespace courtlog
