#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

std::string partial(Harness& h) {
    return h.form.Parziale[0].caption() + "-" + h.form.Parziale[1].caption();
}

TEST(Partial, ChoosesTheMostLopsidedRecentStretch) {
    struct Case {
        const char* played;  // in the order played
        const char* shown;
    };
    const Case cases[] = {
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
    for (const Case& c : cases) {
        Harness h;
        h.play(c.played);
        EXPECT_EQ(partial(h), c.shown) << c.played;
    }
}

}  // namespace
}  // namespace courtlog
