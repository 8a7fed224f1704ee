// Writes the sample match files with the program's own writer, from points entered as an
// observer enters them. A test compares the committed files with what this makes today; after
// a deliberate change of the writer, refresh them with: make_samples <source>/tests/data
#include <cstdio>
#include <fstream>
#include <string>

#include "storage/MatchFile.h"
#include "support/MatchBuilder.h"
#include "support/MatchScript.h"

namespace {

using courtlog::testing::MatchBuilder;
using courtlog::testing::MatchScript;

// Points won by 'A' or 'B', with the panel varied the way a real match varies: aces and
// service winners when the server wins, double faults when the receiver does, and otherwise
// both serves, both wings, every shot, winners and every kind of error.
void play(MatchBuilder& b, const std::string& points) {
    for (char winner : points) {
        const int n = b.session.points().count();
        const int w = winner == 'A' ? 0 : 1;
        const bool serverWins = w == b.session.score().server;
        const int outcome = serverWins && n % 9 == 0     ? 1
                            : !serverWins && n % 13 == 4 ? 2
                            : serverWins && n % 17 == 8  ? 3
                                                         : 0;
        b.point(outcome != 0 ? courtlog::testing::Marks{.outcome = outcome}
                             : courtlog::testing::Marks{.winner = w,
                                                        .second = n % 4 == 3 ? 1 : 0,
                                                        .stroke = n % 3,
                                                        .shot = n % 8,
                                                        .ending = (n / 2) % 5});
    }
}

// Writes the match once it reads as expected: the generator checks its own work, so a change in
// scoring cannot slip a different match into the samples unnoticed.
bool write(const std::string& folder, const char* file, const MatchBuilder& b,
           const std::string& board) {
    if (b.board() != board) {
        std::fprintf(stderr, "%s: the match reads \"%s\"\n", file, b.board().c_str());
        return false;
    }
    std::ofstream out(folder + "/" + file, std::ios::binary | std::ios::trunc);
    out << courtlog::encodeMatch(b.record());
    out.close();
    if (!out) {
        std::fprintf(stderr, "%s: cannot write to %s\n", file, folder.c_str());
    }
    return static_cast<bool>(out);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_samples FOLDER\n");
        return 2;
    }
    const std::string folder = argv[1];
    MatchBuilder fresh, three(courtlog::testing::kBestOfThree), thousand;
    play(three, MatchScript().tieBreakSet(7, 4).set(6, 3).points());

    MatchBuilder five;  // a tie-break in every set but the last
    five.names("Gaël Monfils", "Nicolás Massú");
    five.session.renameTournament(courtlog::Text::verbatim("Roland-Garros"));
    five.session.chooseRound(5);
    play(five, MatchScript().set(6, 4).set(3, 6).tieBreakSet(8, 6).set(4, 6).set(12, 10).points());

    // Fifty games (and tie-breaks) of nine deuces each, the winners taking turns: the list is
    // full while the fourth set is still being played.
    for (int unit = 0; unit < 50; ++unit) {
        play(thousand, "ABABABABABABABABAB" + std::string(unit % 2 == 0 ? "AA" : "BB"));
    }

    int failures = !write(folder, "fresh.clg", fresh, "0-0 0-0");
    failures += !write(folder, "best-of-three-tiebreak.clg", three, "7-6(7-4) 6-3 over");
    failures +=
        !write(folder, "best-of-five-fifth-set.clg", five, "6-4 3-6 7-6(8-6) 4-6 12-10 over");
    failures +=
        !write(folder, "thousand-points.clg", thousand, "7-6(11-9) 6-7(9-11) 7-6(11-9) 5-6 0-0");
    return failures == 0 ? 0 : 1;
}
