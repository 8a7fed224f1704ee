#include "storage/MatchFile.h"

#include <gtest/gtest.h>

namespace courtlog {
namespace {

std::string fresh() {
    return std::string("\x05\x00\x00\x00\xFF\xFF\x00\x00", 8) + std::string("\x0B\x00", 2) +
           "Giocatore A" + std::string("\x0B\x00", 2) + "Giocatore B" + std::string("\x0B\x00", 2) +
           "Nome torneo" + std::string(1, '\0');
}

TEST(MatchFile, FreshMatchIsFortyEightBytes) {
    const std::string bytes = encodeMatch(MatchRecord{});
    EXPECT_EQ(bytes.size(), 48u);
    EXPECT_EQ(bytes, fresh());
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
    EXPECT_EQ(bytes.size(), 15u + 6 + 4 + 0 + 2000);

    const DecodedMatch d = decodeMatch(bytes);
    EXPECT_EQ(d.fatalError, 0);
    EXPECT_TRUE(d.errors.empty());
    EXPECT_EQ(d.match.setsInMatch, 3);
    EXPECT_EQ(d.match.tieBreakWhen, (std::array<bool, 3>{false, false, true}));
    EXPECT_EQ(d.match.players, m.players);
    EXPECT_EQ(d.match.tournament, "");
    EXPECT_EQ(d.match.round, 7);
    EXPECT_EQ(d.match.points, m.points);
}

TEST(MatchFile, WritesNoMoreThanTheCapacity) {
    MatchRecord m;
    m.points.assign(1500, 0x0001);
    EXPECT_EQ(encodeMatch(m).size(), 48u + 2000);
}

TEST(MatchFile, RecoverableFaultsLoadTheRest) {
    std::string bytes = fresh() + std::string("\x01\x00\x00\x00\x05", 5);  // two words, odd byte
    DecodedMatch d = decodeMatch(bytes);
    EXPECT_EQ(d.fatalError, 0);
    EXPECT_EQ(d.match.points, (std::vector<PointWord>{1, 0}));

    // No tie-break item checked, any non-zero flag is a check mark.
    bytes = fresh();
    bytes[4] = bytes[5] = 0;
    bytes[6] = 0x01;
    d = decodeMatch(bytes);
    EXPECT_EQ(d.match.tieBreakWhen, (std::array<bool, 3>{false, false, true}));
    bytes[6] = 0;
    EXPECT_EQ(decodeMatch(bytes).match.tieBreakWhen, (std::array<bool, 3>{false, false, false}));

    // A round beyond the list.
    bytes = fresh();
    bytes.back() = 9;
    d = decodeMatch(bytes);
    EXPECT_EQ(d.fatalError, 0);
    EXPECT_EQ(d.errors, std::vector<int>{load_error::BadRound});
    EXPECT_FALSE(d.roundValid);

    // A negative length reads as an empty name and the next field follows at once.
    bytes = std::string("\x03\x00\x00\x00\xFF\xFF\x00\x00\xFF\xFF", 10) +
            std::string("\x02\x00", 2) + "Bo" + std::string("\xFE\xFF", 2) +
            std::string(1, '\x04') + std::string("\x01\x00", 2);
    d = decodeMatch(bytes);
    EXPECT_EQ(d.fatalError, 0);
    EXPECT_EQ(d.errors, (std::vector<int>{load_error::BadLength, load_error::BadLength}));
    EXPECT_EQ(d.match.players[0], "");
    EXPECT_EQ(d.match.players[1], "Bo");
    EXPECT_EQ(d.match.tournament, "");
    EXPECT_EQ(d.match.round, 4);
    EXPECT_EQ(d.match.points, std::vector<PointWord>{1});
}

TEST(MatchFile, TakesAtMostAThousandWords) {
    std::string bytes = fresh();
    for (int k = 0; k < 1200; ++k) {
        bytes += std::string("\x01\x00", 2);
    }
    const DecodedMatch d = decodeMatch(bytes);
    EXPECT_EQ(d.match.points.size(), 1000u);
    EXPECT_EQ(d.pointsIgnored, 200u);
}

TEST(MatchFile, HeaderCutShortCannotBeUsed) {
    const std::string whole = fresh();
    for (std::size_t n = 0; n < whole.size(); ++n) {
        EXPECT_EQ(decodeMatch(whole.substr(0, n)).fatalError, load_error::PastEnd) << n;
    }
    EXPECT_EQ(decodeMatch(whole).fatalError, 0);
    // A length that runs past the end of the file.
    std::string longName = whole.substr(0, 8) + std::string("\x10\x27", 2) + "abc";
    EXPECT_EQ(decodeMatch(longName).fatalError, load_error::PastEnd);
}

}  // namespace
}  // namespace courtlog
