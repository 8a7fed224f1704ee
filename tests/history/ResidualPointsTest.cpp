#include "history/ResidualPoints.h"

#include <gtest/gtest.h>

namespace courtlog {
namespace {

TEST(ResidualQuestion, WordingAndChoices) {
    using Offered = std::array<bool, 3>;  // overwrite, insert, delete the rest
    EXPECT_EQ(residualQuestion(1, true).message,
              "E' presente un ulteriore punto. Cosa vuoi farne?");
    EXPECT_EQ(residualQuestion(12, true).message,
              "Sono presenti 12 ulteriori punti. Cosa vuoi farne?");
    EXPECT_EQ(residualQuestion(1, true).offered, (Offered{true, true, false}));
    EXPECT_EQ(residualQuestion(2, true).offered, (Offered{true, true, true}));
    // A full point list cannot take one more.
    EXPECT_EQ(residualQuestion(3, false).offered, (Offered{true, false, true}));
    EXPECT_EQ(residualQuestion(1, false).offered, (Offered{true, false, false}));
}

}  // namespace
}  // namespace courtlog
