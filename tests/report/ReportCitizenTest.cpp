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

struct Outcome {
    int status;
    std::string output;  // standard output and standard error together
};

// Runs the program through the shell, so arguments reach it as raw bytes.
Outcome run(const std::string& arguments) {
    // Standard error joins the pipe before any redirection the arguments make.
    const std::string command = "'" COURTLOG_REPORT_PROGRAM "' 2>&1 " + arguments;
    FILE* pipe = ::popen(command.c_str(), "r");
    Outcome r{-1, {}};
    std::array<char, 4096> buffer{};
    while (const std::size_t n = std::fread(buffer.data(), 1, buffer.size(), pipe)) {
        r.output.append(buffer.data(), n);
    }
    const int status = ::pclose(pipe);
    r.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    return r;
}

TEST(ReportCitizen, FailuresAreReportedAndNothingReachesTheTerminalRaw) {
    testing::TempDir dir;
    MatchRecord m;
    m.players = {"Ansi\x1b[2J", "Bell\x07\xC2\x81"};  // BEL and a control past ASCII
    m.points = {0, 1, 0};
    const std::string odd = dir.file("lat\xe9.clg");  // not valid UTF-8
    testing::TempDir::write(odd, encodeMatch(m));

    const Outcome text = run("'" + odd + "'");
    EXPECT_EQ(text.status, 0) << text.output;
    EXPECT_NE(text.output.find("Ansi?[2J"), std::string::npos) << text.output;
    EXPECT_EQ(text.output.find_first_of("\x1b\x07"), std::string::npos);
    EXPECT_NE(text.output.find("Bell??"), std::string::npos) << text.output;

    const Outcome full = run("'" + odd + "' > /dev/full");
    EXPECT_EQ(full.status, 1);
    EXPECT_EQ(full.output, "courtlog-report: impossibile scrivere l'uscita\n");

    const Outcome total = run("--total '" + odd + "' '" + dir.file("missing.clg") + "'");
    EXPECT_EQ(total.status, 1);
    EXPECT_EQ(total.output, dir.file("missing.clg") +
                                ": Errore 53 nell'apertura del file "
                                "missing.clg. Controllare la sua presenza!\n");
}

}  // namespace
}  // namespace courtlog
