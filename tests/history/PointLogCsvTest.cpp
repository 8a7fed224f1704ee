#include "history/PointLogCsv.h"

#include <gtest/gtest.h>

#include <sstream>

#include "support/Harness.h"
#include "support/MatchScript.h"

namespace courtlog {
namespace {

using testing::Harness;
using testing::MatchScript;

// A small reader of the log: rows of cells, quotes undone.
std::vector<std::vector<std::string>> parse(const std::string& csv) {
    std::vector<std::vector<std::string>> rows(1);
    std::string cell;
    bool quoted = false;
    for (std::size_t i = 0; i < csv.size(); ++i) {
        const char c = csv[i];
        if (quoted) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"') {
                cell += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
            } else {
                cell += c;
            }
        } else if (c == '"') {
            quoted = true;
        } else if (c == ',') {
            rows.back().push_back(cell);
            cell.clear();
        } else if (c == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n') {
            rows.back().push_back(cell);
            cell.clear();
            rows.emplace_back();
            ++i;
        } else {
            cell += c;
        }
    }
    rows.pop_back();  // after the last line end
    return rows;
}

TEST(PointLogCsv, OneRowPerPointWithThePositionBeforeIt) {
    MatchScript script;
    script.set(6, 4).tieBreakSet(7, 5);
    Harness h;
    h.useThreeSets();
    h.platform.messageAnswers = {MsgAnswer::No};
    h.form.SelectOption(Panel::DirittoRovescio, 2);
    h.form.SelectOption(Panel::Colpo, 5);
    h.play("A");  // a backhand passing shot, then the script
    h.play("*");
    h.play(script.points().substr(2));
    const auto rows = parse(pointLogCsv(buildHistory(h.form.matchRecord())));

    ASSERT_EQ(rows.size(), script.points().size() + 1);
    EXPECT_EQ(rows[0],
              (std::vector<std::string>{"Punto", "Set", "Game A", "Game B", "Punteggio",
                                        "Al servizio", "Vince", "Servizio", "Esito del servizio",
                                        "Diritto/Rovescio", "Colpo", "Errore/Vincente"}));
    EXPECT_EQ(rows[1],
              (std::vector<std::string>{"1", "1", "0", "0", "0-0", "Giocatore A", "Giocatore A",
                                        "Prima palla", "", "Rovescio", "Passante", "Vincente"}));
    EXPECT_EQ(rows[2][4], "15-0");
    EXPECT_EQ(rows[2][8], "Ace");
    EXPECT_EQ(rows[2][9], "");

    // Every row has twelve cells; numbers run on; the second set's tie-break is logged with
    // its points and the games at six all.
    int tieBreakRows = 0;
    for (std::size_t r = 1; r < rows.size(); ++r) {
        ASSERT_EQ(rows[r].size(), 12u) << r;
        EXPECT_EQ(rows[r][0], std::to_string(r));
        if (rows[r][1] == "2" && rows[r][2] == "6" && rows[r][3] == "6") {
            ++tieBreakRows;
        }
    }
    EXPECT_EQ(tieBreakRows, 12);
    EXPECT_EQ(rows.back()[4], "6-5");  // the point that won the tie-break 7-5
}

TEST(PointLogCsv, NamesAreQuotedAndNeverRunAsFormulas) {
    Harness h;
    h.rename(0, "Rossi, \"Bobo\"");
    h.rename(1, "=SOMMA(A1)");
    h.play("AB");
    const std::string csv = pointLogCsv(buildHistory(h.form.matchRecord()));
    EXPECT_NE(csv.find("\"Rossi, \"\"Bobo\"\"\""), std::string::npos);
    const auto rows = parse(csv);
    EXPECT_EQ(rows[1][5], "Rossi, \"Bobo\"");
    EXPECT_EQ(rows[2][6], "'=SOMMA(A1)");
}

}  // namespace
}  // namespace courtlog
