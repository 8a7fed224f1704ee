#pragma once

#include <array>
#include <cstddef>
#include <deque>
#include <optional>

#include "history/MatchRecord.h"
#include "platform/Text.h"

namespace courtlog {

// What a change did to the match, for the words that offer to undo it.
enum class ChangeKind {
    Point,      // a point recorded at the end
    Overwrite,  // a point recorded over one in the history
    Insert,     // a point inserted before the later ones
    Cut,        // a point recorded and every later one cut
    Delete,     // one point removed
    EditPoint,  // a recorded point's marks changed
    Name,       // a player or the tournament renamed
    Round,      // the round chosen
    Rule,       // a rule that scores the match
    Serving,    // who of each side serves first in a set
    Clear,      // the whole match cleared
    Video,      // the video tied to the match, or the points' moments in it
};

// The match as it stood at one moment, with the position the user stood at and the names as
// the window showed them (a name nobody gave stays a text of the program, in every language).
struct MatchMoment {
    MatchRecord match;
    std::array<Text, kPlayers> players;
    Text tournament;
    int position = 0;
};

// Whether two matches are the same for the user: rules, names, tournament, round, the point
// words, their times and their moments in the video. Where the user stood, and what the reader does
// not know, are not part of it.
bool sameMatch(const MatchRecord& a, const MatchRecord& b);

// The changes made to the match, each as the moment before and after it, so that any of them
// can be taken back and made again. A snapshot of a whole match is a few kilobytes, so the
// oldest are dropped only past kSteps.
class UndoHistory {
public:
    static constexpr std::size_t kSteps = 250;

    struct Step {
        ChangeKind kind;
        MatchMoment before;
        MatchMoment after;
    };

    // A new change: whatever had been undone can no longer be made again.
    void record(ChangeKind kind, MatchMoment before, MatchMoment after);
    // The change undone, whose `before` is the moment to go back to; nothing when none is left.
    std::optional<Step> undo();
    // The change made again, whose `after` is the moment to go to.
    std::optional<Step> redo();

    // What undo and redo would take back or make again.
    std::optional<ChangeKind> nextUndo() const;
    std::optional<ChangeKind> nextRedo() const;
    std::size_t undoable() const { return done_.size(); }
    void clear();

private:
    // The last step of one list becomes the last of the other.
    static std::optional<Step> moveLast(std::deque<Step>& from, std::deque<Step>& to);

    std::deque<Step> done_;
    std::deque<Step> undone_;
};

}  // namespace courtlog
