#include "history/Statistics.h"

#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

// The quotient is a double before it is scaled, so the halves 23/40 and 3/200 fall short.
TEST(Percent, RoundsTheScaledQuotientHalfToEven) {
    const struct {
        int n, d;
        const char* text;
    } cases[] = {{2, 3, "67%"},  {1, 8, "12%"},   {3, 8, "38%"},  {0, 5, "0%"},
                 {4, 4, "100%"}, {23, 40, "57%"}, {3, 200, "2%"}, {999, 1000, "100%"}};
    for (const auto& c : cases) {
        EXPECT_EQ(Percent(c.n, c.d), c.text) << c.n << "/" << c.d;
    }
}

// Won, aces, double faults, first serves in, won on the first, won on the second, winners,
// unforced errors.
std::string row(MainForm& f, int p) {
    std::string s = f.PuntiVinti[p].caption();
    for (const Field* c :
         {&f.Aces[p], &f.DoppiFalli[p], &f.PercentualePrimePalle[p], &f.PercentualeConPrimaPalla[p],
          &f.PercentualeConSecondaPalla[p], &f.ColpiVincenti[p], &f.ErroriGratuiti[p]}) {
        s += " " + c->caption();
    }
    return s;
}

TEST(Statistics, OnlyTheServersPercentagesMove) {
    Harness h;
    h.record(0);  // won on the first serve
    EXPECT_EQ(row(h.form, 0), "1 0 0 100% 100% N/D 0 0");
    EXPECT_EQ(row(h.form, 1), "0 0 0 0% N/D N/D 0 0");

    // Lost on the second serve by an unforced error of the server.
    h.form.SelectOption(Panel::Servizio, 1);
    h.form.SelectOption(Panel::ErroreVincente, 2);
    h.record(1);
    EXPECT_EQ(row(h.form, 0), "1 0 0 50% 100% 0% 0 1");

    // A double fault counts for the server.
    h.form.AceDoppioFallo_Click(2);
    EXPECT_EQ(row(h.form, 0), "1 0 1 33% 100% 0% 0 1");

    // A winner on the second serve.
    h.form.SelectOption(Panel::Servizio, 1);
    h.form.SelectOption(Panel::Colpo, 6);
    h.record(0);
    EXPECT_EQ(row(h.form, 0), "2 0 1 25% 100% 33% 1 1");
    EXPECT_EQ(row(h.form, 1), "2 0 0 0% N/D N/D 0 0");
}

TEST(Statistics, AceGoesToTheWinnerAndServiceWinnerToNobody) {
    Harness h;
    // A point marked as an ace but won by the receiver credits the winner.
    PointWord w = 0;
    CreaInfo(w, Attr::Punto, 1);
    CreaInfo(w, Attr::AceDoppioFallo, 1);
    h.form.UpdateStatistics(w);
    EXPECT_EQ(row(h.form, 1), "0 1 0 0% N/D N/D 0 0");

    h.form.AceDoppioFallo_Click(3);
    // Forced errors and errors on attempted shots count nowhere.
    for (int kind : {3, 4}) {
        h.form.SelectOption(Panel::ErroreVincente, kind);
        h.record(0);
    }
    EXPECT_EQ(row(h.form, 0), "3 0 0 100% 75% N/D 0 0");
    EXPECT_EQ(h.form.ErroriGratuiti[1].caption(), "0");
}

TEST(Partial, ChoosesTheMostLopsidedRecentStretch) {
    const std::pair<const char*, const char*> cases[] = {
        {"", "0-0"},
        {"B", "0-1"},
        {"BA", "1-1"},                 // the even pair replaces the single A
        {"BAAA", "3-1"},               // a pure run of three gives way to the first mixed stretch
        {"BBAAAAAA", "6-0"},           // a run of six ends the search
        {"AAAAAAB", "6-1"},            // 1 of 1, then 1-6 beats every shorter mixed stretch
        {"ABABABAB", "1-2"},           // an even pair, then 1-2 which no longer stretch beats
        {"AAAAAAAAAAAABBBBB", "1-5"},  // a run of five is only shown until a mixed one
        {"AAAABBBBBBBBA", "1-8"},
    };
    for (const auto& [played, shown] : cases) {
        Harness h;
        h.play(played);
        EXPECT_EQ(h.form.Parziale[0].caption() + "-" + h.form.Parziale[1].caption(), shown)
            << played;
    }
}

}  // namespace
}  // namespace courtlog
