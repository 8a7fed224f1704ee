#include "history/ResidualPoints.h"

#include <gtest/gtest.h>

namespace courtlog {
namespace {

TEST(ResidualQuestion, WordingAndChoices) {
    const ResidualQuestion one = residualQuestion(1, true);
    EXPECT_EQ(one.message, "E' presente un ulteriore punto. Cosa vuoi farne?");
    EXPECT_EQ(one.offered, (std::array<bool, 3>{true, true, false}));

    const ResidualQuestion two = residualQuestion(2, true);
    EXPECT_EQ(two.message, "Sono presenti 2 ulteriori punti. Cosa vuoi farne?");
    EXPECT_EQ(two.offered, (std::array<bool, 3>{true, true, true}));

    EXPECT_EQ(residualQuestion(12, true).message,
              "Sono presenti 12 ulteriori punti. Cosa vuoi farne?");

    // A full point list cannot take one more.
    EXPECT_EQ(residualQuestion(3, false).offered, (std::array<bool, 3>{true, false, true}));
    EXPECT_EQ(residualQuestion(1, false).offered, (std::array<bool, 3>{true, false, false}));
}

}  // namespace
}  // namespace courtlog
