#include "history/PointLogCsv.h"

#include <gtest/gtest.h>

#include <algorithm>

#include "support/Harness.h"
#include "support/MatchScript.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::MatchScript;

std::vector<std::string> lines(const std::string& csv) {
    std::vector<std::string> out;
    for (std::size_t at = 0, end; (end = csv.find("\r\n", at)) != std::string::npos; at = end + 2) {
        out.push_back(csv.substr(at, end - at));
    }
    return out;
}

TEST(PointLogCsv, OneRowPerPointWithThePositionBeforeIt) {
    const std::string points = MatchScript().set(6, 4).tieBreakSet(7, 5).points();
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No};
    h.form.SelectOption(Panel::DirittoRovescio, 2);
    h.form.SelectOption(Panel::Colpo, 5);
    h.play("A*");  // a backhand passing shot and an ace, then the rest of the script
    h.play(points.substr(2));
    const std::vector<std::string> rows = lines(pointLogCsv(buildHistory(h.form.matchRecord())));

    ASSERT_EQ(rows.size(), points.size() + 1);
    EXPECT_EQ(rows[0],
              "Punto,Set,Game A,Game B,Punteggio,Al servizio,Vince,Servizio,Esito del servizio,"
              "Diritto/Rovescio,Colpo,Errore/Vincente");
    EXPECT_EQ(rows[1],
              "1,1,0,0,0-0,Giocatore A,Giocatore A,Prima palla,,Rovescio,Passante,Vincente");
    EXPECT_TRUE(rows[2].starts_with("2,1,0,0,15-0,") && rows[2].find(",Ace,,") != std::string::npos)
        << rows[2];
    // The second set's tie-break is logged with its points and the games at six all.
    int tieBreakRows = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        EXPECT_EQ(std::count(rows[r].begin(), rows[r].end(), ','), 11) << r;
        EXPECT_TRUE(rows[r].starts_with(std::to_string(r) + ",")) << r;
        tieBreakRows += rows[r].find(",2,6,6,") != std::string::npos;
    }
    EXPECT_EQ(tieBreakRows, 12);
    EXPECT_NE(rows.back().find(",6-5,"), std::string::npos);  // the point that won it 7-5
}

TEST(PointLogCsv, NamesAreQuotedAndNeverRunAsFormulas) {
    Harness h;
    h.rename(0, "Rossi, \"Bobo\"");
    h.rename(1, "=SOMMA(A1)");
    h.play("AB");
    const std::vector<std::string> rows = lines(pointLogCsv(buildHistory(h.form.matchRecord())));
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_TRUE(rows[1].starts_with("1,1,0,0,0-0,\"Rossi, \"\"Bobo\"\"\",\"Rossi,")) << rows[1];
    EXPECT_TRUE(rows[2].starts_with("2,1,0,0,15-0,\"Rossi, \"\"Bobo\"\"\",'=SOMMA(A1),"))
        << rows[2];
}

}  // namespace
}  // namespace courtlog
