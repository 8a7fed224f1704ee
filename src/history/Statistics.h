#pragma once

#include <array>
#include <string>
#include <string_view>

#include "form/MainForm.h"

namespace courtlog {

// n of d as a whole percentage followed by "%": the quotient is taken in double precision,
// then multiplied by 100 and rounded half to even (1 of 8 is 12%, 3 of 8 is 38%). "N/D" when
// there is nothing to divide.
std::string Percent(int n, int d);

// One player's counts, as the statistics frames keep them.
struct PlayerCounts {
    int won = 0;  // points won
    int aces = 0;
    int doubles = 0;  // double faults
    int winners = 0;
    int errors = 0;       // unforced errors
    int breaksMade = 0;   // breaks of serve converted
    int breakPoints = 0;  // break points held
    int served = 0;       // points served
    int firstIn = 0;      // points played on the first serve
    int firstWon = 0;     // first-serve points won
    int secondWon = 0;    // second-serve points won

    PlayerCounts& operator+=(const PlayerCounts& o);
    PlayerCounts operator-(const PlayerCounts& o) const;

    // The three serve percentages as the frames show them.
    std::string firstServesText() const;
    std::string firstServeWonText() const;
    std::string secondServeWonText() const;
};

// Every count with the name programs read it by.
struct CountName {
    std::string_view key;
    int PlayerCounts::*count;
};
extern const std::array<CountName, 11> kCountNames;

// A player's counts as the form shows them now.
PlayerCounts countsOf(const MainForm& form, int player);

// One row of the statistics frames: its caption, the labels of the form that show it, and how
// a report makes the same value from a player's counts.
struct StatisticsRow {
    std::string_view caption;  // without the colon the frames put after it
    std::array<Field, 2> MainForm::*first;
    std::array<Field, 2> MainForm::*second;  // null for a row with one value
    // Null for the one row that is not a count (the points the player still needs).
    std::string (*fromCounts)(const PlayerCounts&);
};
extern const std::array<StatisticsRow, 8> kStatisticsRows;

// Two values in one cell, as the frames show them side by side: "3 / 1".
std::string pairCell(const std::string& first, const std::string& second);

// A row's value for a player as the form shows it now.
std::string shownValue(const StatisticsRow& row, const MainForm& form, int player);

}  // namespace courtlog
