#pragma once

#include <array>
#include <string>
#include <string_view>

#include "form/Board.h"
#include "history/Statistics.h"
#include "history/UndoHistory.h"
#include "scoring/Score.h"

namespace courtlog {

// A player's points in the game as the scoreboard shows them: "0", "15", "30", "40", "AD", or
// the points of a tie-break.
Text pointCaption(const Score& score, int player);

// n of d as a whole percentage followed by "%": the quotient is taken in double precision,
// then multiplied by 100 and rounded half to even (1 of 8 is 12%, 3 of 8 is 38%). "N/D" when
// there is nothing to divide.
Text Percent(int n, int d);

// The three serve percentages as the frames show them.
Text firstServesText(const PlayerStatistics& c);
Text firstServeWonText(const PlayerStatistics& c);
Text secondServeWonText(const PlayerStatistics& c);

// The scoreboard's markers, numbered once they have shown (`shown` > 0) as the scoreboard
// numbers them; "Palle nuove"; a statistics frame's title; the winner's and loser's mark once
// nothing is left to play.
Text breakPointCaption(int shown);
Text deuceCaption(int shown);
Text setPointCaption(int shown);
Text matchPointCaption(int shown);
Text newBallsCaption();
Text statisticsTitle(const Text& player);
Text decidedCaption(bool won);

// Two values in one cell, as the frames show them side by side: "3 / 1".
Text pairCell(Text first, Text second);

// One row of the statistics frames: its caption, the labels that show it, and how a report
// makes the same value from a player's counts.
struct StatisticsRow {
    Source caption;  // without the colon the frames put after it
    std::array<Field, 2> Board::*first;
    std::array<Field, 2> Board::*second;  // null for a row with one value
    // Null for the one row that is not a count (the points the player still needs).
    Text (*fromCounts)(const PlayerStatistics&);
};
extern const std::array<StatisticsRow, 8> kStatisticsRows;

// A row's value for a player as the board shows it.
Text shownValue(const StatisticsRow& row, const Board& board, int player);

// What the Modifica menu offers to take back or make again: "Annulla punto", "Ripeti nome"...;
// "Annulla" and "Ripeti" when there is nothing.
Text undoCaptionOf(std::optional<ChangeKind> kind);
Text redoCaptionOf(std::optional<ChangeKind> kind);

}  // namespace courtlog
