#include "history/Statistics.h"

#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

TEST(Percent, RoundsTheScaledQuotientHalfToEven) {
    struct Case {
        int n, d;
        const char* text;
    };
    const Case cases[] = {
        {2, 3, "67%"},
        {1, 8, "12%"},
        {3, 8, "38%"},
        {5, 8, "62%"},
        {7, 8, "88%"},
        {0, 5, "0%"},
        {4, 4, "100%"},
        {1, 3, "33%"},
        {1, 40, "2%"},
        {3, 40, "8%"},
        // The quotient is rounded before it is scaled, so these exact halves fall short.
        {23, 40, "57%"},
        {1, 200, "0%"},
        {3, 200, "2%"},
        {999, 1000, "100%"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Percent(c.n, c.d), c.text) << c.n << "/" << c.d;
    }
}

struct Row {
    std::string won, aces, doubles, firstIn, firstWon, secondWon, winners, errors;
};

Row rowOf(MainForm& f, int p) {
    return {f.PuntiVinti[p].caption(),
            f.Aces[p].caption(),
            f.DoppiFalli[p].caption(),
            f.PercentualePrimePalle[p].caption(),
            f.PercentualeConPrimaPalla[p].caption(),
            f.PercentualeConSecondaPalla[p].caption(),
            f.ColpiVincenti[p].caption(),
            f.ErroriGratuiti[p].caption()};
}

void expectRow(MainForm& f, int p, const Row& r) {
    const Row a = rowOf(f, p);
    EXPECT_EQ(a.won, r.won) << "player " << p;
    EXPECT_EQ(a.aces, r.aces) << "player " << p;
    EXPECT_EQ(a.doubles, r.doubles) << "player " << p;
    EXPECT_EQ(a.firstIn, r.firstIn) << "player " << p;
    EXPECT_EQ(a.firstWon, r.firstWon) << "player " << p;
    EXPECT_EQ(a.secondWon, r.secondWon) << "player " << p;
    EXPECT_EQ(a.winners, r.winners) << "player " << p;
    EXPECT_EQ(a.errors, r.errors) << "player " << p;
}

TEST(Statistics, OnlyTheServersPercentagesMove) {
    Harness h;
    h.record(0);  // A serves and wins on the first serve
    expectRow(h.form, 0, {"1", "0", "0", "100%", "100%", "N/D", "0", "0"});
    expectRow(h.form, 1, {"0", "0", "0", "0%", "N/D", "N/D", "0", "0"});

    // Second serve won by the receiver after an unforced error of the server.
    h.form.SelectOption(Panel::Servizio, 1);
    h.form.SelectOption(Panel::ErroreVincente, 2);
    h.record(1);
    expectRow(h.form, 0, {"1", "0", "0", "50%", "100%", "0%", "0", "1"});
    expectRow(h.form, 1, {"1", "0", "0", "0%", "N/D", "N/D", "0", "0"});

    // A double fault counts for the server only, whoever wins it.
    h.form.AceDoppioFallo_Click(2);
    expectRow(h.form, 0, {"1", "0", "1", "33%", "100%", "0%", "0", "1"});
    expectRow(h.form, 1, {"2", "0", "0", "0%", "N/D", "N/D", "0", "0"});

    // A winner on the second serve by the server.
    h.form.SelectOption(Panel::Servizio, 1);
    h.form.SelectOption(Panel::Colpo, 6);
    h.record(0);
    expectRow(h.form, 0, {"2", "0", "1", "25%", "100%", "33%", "1", "1"});
    EXPECT_EQ(h.form.ServedPoints[0], 4);
    EXPECT_EQ(h.form.FirstServesIn[0], 1);
    EXPECT_EQ(h.form.FirstServeWon[0], 1);
    EXPECT_EQ(h.form.SecondServeWon[0], 1);
    EXPECT_EQ(h.form.ServedPoints[1], 0);
}

TEST(Statistics, AceGoesToTheWinnerAndServiceWinnerToNobody) {
    Harness h;
    // A point marked as an ace but won by the receiver still credits the winner.
    PointWord w = 0;
    CreaInfo(w, Attr::Punto, 1);
    CreaInfo(w, Attr::AceDoppioFallo, 1);
    h.form.UpdateStatistics(w);
    EXPECT_EQ(h.form.Aces[1].caption(), "1");
    EXPECT_EQ(h.form.Aces[0].caption(), "0");
    EXPECT_EQ(h.form.ServedPoints[0], 1);
    EXPECT_EQ(h.form.FirstServeWon[0], 0);

    h.form.AceDoppioFallo_Click(3);
    EXPECT_EQ(h.form.Aces[0].caption(), "0");
    EXPECT_EQ(h.form.ColpiVincenti[0].caption(), "0");
    EXPECT_EQ(h.form.PercentualeConPrimaPalla[0].caption(), "50%");

    // Forced errors and errors on attempted shots are counted nowhere.
    for (int kind : {3, 4}) {
        h.form.SelectOption(Panel::ErroreVincente, kind);
        h.record(0);
    }
    EXPECT_EQ(h.form.ErroriGratuiti[1].caption(), "0");
    EXPECT_EQ(h.form.ColpiVincenti[0].caption(), "0");
}

TEST(Statistics, ServerCountersKeepTheirOrderOverAMixedRun) {
    Harness h;
    // A deterministic mixture of winners, serves, outcomes and shots, with the serve
    // changing hands every few points.
    unsigned seed = 12345;
    int aces[2] = {0, 0};
    int doubles[2] = {0, 0};
    for (int k = 0; k < 600; ++k) {
        seed = seed * 1103515245u + 12345u;
        h.form.Server = static_cast<std::int16_t>((k / 5) % 2);
        PointWord w = 0;
        const int winner = (seed >> 20) % 2;
        const int outcome = (seed >> 13) % 4;
        CreaInfo(w, Attr::Punto, winner);
        CreaInfo(w, Attr::Servizio, (seed >> 8) % 2);
        CreaInfo(w, Attr::ErroreVincente, (seed >> 10) % 5);
        CreaInfo(w, Attr::AceDoppioFallo, outcome);
        aces[winner] += outcome == 1;
        doubles[1 - winner] += outcome == 2;
        h.form.UpdateStatistics(w);
    }
    for (int p = 0; p < 2; ++p) {
        EXPECT_LE(h.form.FirstServeWon[p], h.form.FirstServesIn[p]);
        EXPECT_LE(h.form.FirstServesIn[p], h.form.ServedPoints[p]);
        EXPECT_LE(h.form.SecondServeWon[p], h.form.ServedPoints[p] - h.form.FirstServesIn[p]);
        EXPECT_EQ(h.form.ServedPoints[p], 300);
        EXPECT_EQ(h.form.Aces[p].number(), aces[p]);
        EXPECT_EQ(h.form.DoppiFalli[p].number(), doubles[p]);
        EXPECT_EQ(h.form.PercentualePrimePalle[p].caption(),
                  Percent(h.form.FirstServesIn[p], h.form.ServedPoints[p]));
        EXPECT_EQ(h.form.PercentualeConPrimaPalla[p].caption(),
                  Percent(h.form.FirstServeWon[p], h.form.FirstServesIn[p]));
    }
}

}  // namespace
}  // namespace courtlog
