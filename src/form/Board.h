#pragma once

#include <array>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "form/Field.h"
#include "history/Replay.h"
#include "scoring/PointWord.h"
#include "scoring/Rules.h"

namespace courtlog {

// A label of the window with its control name and, for control arrays, its index (-1 for a
// single control). The view binds widgets by these names; objectName is "Name_i" or "Name".
struct NamedField {
    std::string_view name;
    int index;
    const Field* field;

    std::string objectName() const;
    std::string displayName() const;  // "Name(i)" or "Name"
};

// What the board shows at one position of a match: everything it is drawn from.
struct BoardState {
    std::array<Text, 2> players;  // each side as one line names it
    // In doubles, the four players by kPlayers index, and the one serving (-1 for none).
    std::array<Text, kPlayers> names;
    int serving = -1;
    Text tournament;
    const Rules* rules = nullptr;
    const Position* position = nullptr;
    std::span<const PointWord> played;  // the points before the position
    int count = 0;                      // points recorded
    bool partialOff = false;            // "Disabilita → Parziale"
    bool pointsNeededOff = false;       // "Disabilita → Punti dal match"
};

// Every label of the window as a Field: the scoreboard, the statistics frames, the indicators
// and the position. Drawn whole from a BoardState, so the window and the reports that show
// what the window shows draw it the same way.
class Board {
public:
    Board();
    // The field list points into the board itself.
    Board(const Board&) = delete;
    Board& operator=(const Board&) = delete;

    void draw(const BoardState& state);

    Field NomeTorneo;
    std::array<Field, 2> NomeGiocatore;  // in doubles, each side's first player
    // In doubles, each side's second player, on a line under the first; hidden in singles.
    // Not among fields(), which list what the window has in singles too.
    std::array<Field, 2> Compagno;
    // In doubles, the player serving, by kPlayers index, whose name stands out; -1 for none.
    int serving = -1;
    std::array<Field, 2> Serve;
    std::array<Field, 2> Punteggio;
    std::array<Field, 2> Games;
    std::array<Field, 2> Set1, Set2, Set3, Set4, Set5;
    std::array<Field, 2> TieBreak1, TieBreak2, TieBreak3, TieBreak4, TieBreak5;

    std::array<Field, 2> FrameStatistiche;
    std::array<Field, 2> PuntiVinti;
    std::array<Field, 2> BreakFatti, BreakAvuti;
    std::array<Field, 2> Aces, DoppiFalli;
    std::array<Field, 2> PercentualePrimePalle;
    std::array<Field, 2> PercentualeConPrimaPalla, PercentualeConSecondaPalla;
    std::array<Field, 2> ColpiVincenti;
    std::array<Field, 2> ErroriGratuiti;
    std::array<Field, 2> PuntiDalSet, PuntiDalMatch;

    std::array<Field, 2> PuntoGiocatore;  // the players' point buttons follow their names
    std::array<Field, 2> Parziale;

    Field PalleNuove;
    Field Parità;
    Field BreakPoint;
    std::array<Field, 2> SetPoint, MatchPoint;

    // Where the user stands: "Punto N di M", highlighted in the history, or the end.
    Field Posizione;
    // Once the match is over, across the indicators' place: who won and the sets, winner's
    // first. Not among fields(), which are what the reports record of the window.
    Field Vincitore;

    const std::array<Field, 2>& setRow(int set) const;       // set 1 to 5
    const std::array<Field, 2>& tieBreakRow(int set) const;  // set 1 to 5

    // Every label above with its control name, in a fixed order.
    const std::vector<NamedField>& fields() const { return fields_; }

private:
    std::array<Field, 2>& setRow(int set);
    std::array<Field, 2>& tieBreakRow(int set);
    void buildFieldList();
    void drawNames(const BoardState& s);
    void drawScoreboard(const Score& s, const Rules& rules);
    void drawIndicators(const Score& s);
    void drawStatistics(const BoardState& s);
    void drawPointsNeeded(const BoardState& s);
    void drawPosition(const BoardState& s);
    void drawWinner(const BoardState& s);

    std::vector<NamedField> fields_;
};

}  // namespace courtlog
