#include "storage/MatchFile.h"

#include <gtest/gtest.h>

namespace courtlog {
namespace {

std::string fresh() {
    return std::string("\x05\x00\x00\x00\xFF\xFF\x00\x00\x0B\x00", 10) + "Giocatore A" +
           std::string("\x0B\x00", 2) + "Giocatore B" + std::string("\x0B\x00", 2) + "Nome torneo" +
           std::string(1, '\0');
}

TEST(MatchFile, FreshMatchIsFortyEightBytes) {
    EXPECT_EQ(encodeMatch(MatchRecord{}), fresh());
}

TEST(MatchFile, WhatIsWrittenReadsBack) {
    MatchRecord m;
    m.setsInMatch = 3;
    m.tieBreakWhen = {false, false, true};
    m.players = {"Parità", "Ñoño"};
    m.tournament = "";
    m.round = 7;
    for (int k = 0; k < 1000; ++k) {
        m.points.push_back(static_cast<PointWord>((k * 2654435761u) & 0x1FFF));
    }
    const std::string bytes = encodeMatch(m);
    // One byte per character: "Parità" is six bytes, its à is 0xE0.
    EXPECT_EQ(bytes.substr(8, 8), std::string("\x06\x00Parit\xE0", 8));
    EXPECT_EQ(bytes.size(), 15u + 6 + 4 + 2000);

    const DecodedMatch d = decodeMatch(bytes);
    EXPECT_EQ(d.fatalError, 0);
    EXPECT_TRUE(d.errors.empty());
    EXPECT_EQ(d.match.setsInMatch, 3);
    EXPECT_EQ(d.match.tieBreakWhen, m.tieBreakWhen);
    EXPECT_EQ(d.match.players, m.players);
    EXPECT_EQ(d.match.tournament, "");
    EXPECT_EQ(d.match.round, 7);
    EXPECT_EQ(d.match.points, m.points);

    // A list longer than the capacity is cut when written.
    m.points.resize(1500, 1);
    EXPECT_EQ(encodeMatch(m).size(), bytes.size());
}

TEST(MatchFile, OddTrailingByteAndAnyNonZeroFlag) {
    std::string bytes = fresh() + std::string("\x01\x00\x00\x00\x05", 5);
    bytes[4] = bytes[5] = 0;
    bytes[6] = 0x01;
    const DecodedMatch d = decodeMatch(bytes);
    EXPECT_EQ(d.fatalError, 0);
    EXPECT_EQ(d.match.tieBreakWhen, (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(d.match.points, (std::vector<PointWord>{1, 0}));
}

TEST(MatchFile, EveryCutInTheHeaderIsFatal) {
    const std::string whole = fresh();
    for (std::size_t n = 0; n < whole.size(); ++n) {
        EXPECT_EQ(decodeMatch(whole.substr(0, n)).fatalError, load_error::PastEnd) << n;
    }
}

}  // namespace
}  // namespace courtlog
