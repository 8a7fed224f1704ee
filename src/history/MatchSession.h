#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

#include "history/MatchRecord.h"
#include "history/PointList.h"
#include "history/RecoveryWriter.h"
#include "history/Replay.h"
#include "history/Statistics.h"
#include "history/UndoHistory.h"
#include "history/VideoClips.h"
#include "platform/Text.h"
#include "platform/Video.h"
#include "scoring/PointWord.h"
#include "scoring/Rules.h"

namespace courtlog {

// Why a point was not recorded.
enum class NotRecorded {
    No,         // it was
    MatchOver,  // after the end of the match a point changes nothing
    Full,       // the match holds kMaxPoints points already
    Cancelled,  // the question about the later points was closed without an answer
};

// What recording a point did.
struct PointRecorded {
    NotRecorded refused = NotRecorded::No;
    int winner = 0;
    Happened happened;
};

// Why a change of rules was refused.
enum class RuleRefusal {
    No,
    SetPlayed,    // a set already completed would end differently
    PastLastSet,  // three sets: the match is already past its third set
    AlreadyOver,  // three sets: the match would already be over
};

// The match being charted and everything done to it: the point list and the position shown,
// the rules, the names, the undo history, whether it is saved, and its recovery copy. Every
// edit goes through here; the window only draws what it holds.
class MatchSession {
public:
    // `shown` gives a text in the user's language, for the names a saved match keeps.
    using Shown = std::function<std::string(const Text&)>;
    // While `video` has a file open, every point recorded keeps the moment the video stands at.
    explicit MatchSession(Shown shown = {}, RecoveryWriter* recovery = nullptr,
                          Video* video = nullptr);

    // ---- What it holds -----------------------------------------------------------------------
    const Rules& rules() const { return rules_; }
    // The tie-break marks a match file keeps beside the rules.
    const std::array<bool, 3>& tieBreakMarks() const { return tieBreakMarks_; }
    const PointList& points() const { return points_; }
    const Position& position() const { return position_; }
    const Score& score() const { return position_.score; }
    // Each side as one line names it: in doubles, both its players.
    std::array<Text, 2> players() const;
    // The four players by kPlayers index; in singles the sides' are 0 and 2.
    const std::array<Text, kPlayers>& names() const { return names_; }
    // The player serving the next point, by kPlayers index; -1 once the match is over.
    int servingPlayer() const;
    const Text& tournament() const { return tournament_; }
    int round() const { return round_; }
    // The match whole, as a file keeps it, with the names in the user's language.
    MatchRecord record() const;
    // The detailed statistics of the points before the position, the match and each set.
    MatchStatistics statistics() const;
    // Some point carries its time.
    bool timed() const;
    bool saved() const { return saved_; }

    // ---- Point entry -------------------------------------------------------------------------
    // The point being marked, or the recorded point the position stands before.
    PointWord working() const { return points_.working(); }
    // Marks the working point; a recorded point changed while stepping through the history is
    // a change to the match. False when nothing changed.
    bool mark(std::span<const std::pair<Attr, int>> marks);
    // Asked when a point recorded in the history has later points after it.
    using AskLater = std::function<ResidualAnswer(int laterPoints, bool canInsert)>;
    // Records the working point as won by `winner`; `now` is the time of day in milliseconds
    // since 1970 when the points are timed.
    PointRecorded recordPoint(int winner, std::optional<std::int64_t> now, const AskLater& ask);
    // An ace (1), a double fault (2) or a service winner (3): the point goes to the server or
    // the receiver without its shot.
    PointRecorded recordServe(int outcome, std::optional<std::int64_t> now, const AskLater& ask);

    // ---- Moving and cutting ------------------------------------------------------------------
    // Shows the match after `point` points, from 0 to the number recorded; false otherwise.
    bool goTo(int point);
    // Removes the point before the position; false at the start.
    bool deletePoint();
    // No points, no times, an empty working point.
    void clear();

    // ---- Names and rules ---------------------------------------------------------------------
    // By kPlayers index: in singles a side's player is 0 or 2.
    void renamePlayer(int player, const Text& name);
    void renameTournament(const Text& name);
    void chooseRound(int round);
    // The rules the recorded points are scored by, as chosen.
    // Doubles switched on names each side's two players, a name the user gave staying the
    // first; switched off, each side keeps its first.
    RuleRefusal chooseRules(const Rules& next, RuleCheck check = RuleCheck::SetsPlayed);
    // Doubles: which player of each side serves its first game in the set shown, for the whole
    // set. The score stays as it is.
    void chooseServing(const SetServing& serving);

    // ---- The video ---------------------------------------------------------------------------
    const MatchRecord::VideoLink& video() const { return video_; }
    // Each recorded point's moment in the video, kNoTime for none.
    std::span<const std::int64_t> videoMoments() const { return points_.recordedVideos(); }
    // The video just opened beside the match: the match is tied to it (a change, when it was
    // tied to another or to none) and the points recorded from now on keep their moments. An
    // empty name: no video the match may use is open.
    void videoOpened(const std::string& file);
    // The video stands at the end of the point shown: every timed point gets its time plus the
    // offset that puts that point there. False when no timed point is shown.
    bool alignVideo();
    // The point shown ends where the video stands. False at the start.
    bool markVideo();
    // The clip of recorded point k, and where the video stands for the score shown.
    std::optional<Clip> clip(int k, std::int64_t leadMs) const;
    std::optional<std::int64_t> videoMoment(std::int64_t leadMs) const;

    // ---- Undo --------------------------------------------------------------------------------
    bool undo();
    bool redo();
    std::optional<ChangeKind> nextUndo() const { return undo_.nextUndo(); }
    std::optional<ChangeKind> nextRedo() const { return undo_.nextRedo(); }

    // ---- Whole matches -----------------------------------------------------------------------
    // Puts a match in place of this one and stands at its end; the round stays as it was when
    // the match's own cannot be used. Nothing to undo: it is as saved.
    void replace(const MatchRecord& match, bool roundValid = true);
    // The match was just written as `written`: its names are now the file's, and what is
    // undone from here is measured against it.
    void markSaved(const MatchRecord& written);
    // The match as it stands is where the user starts: nothing to undo, and it is saved or
    // (a match brought back from a recovery file) not.
    void startAfresh(bool saved);
    // Writes the recovery copy now, or discards it when saved.
    void keepRecovery();

private:
    MatchMoment moment() const;
    // Replays the recorded points up to the position.
    void replayToPosition();
    void put(const MatchMoment& m);
    // After every change: the step to undo it, the saved state, the recovery copy.
    void changed(ChangeKind kind, int from);
    void goBackTo(const MatchMoment& m);
    PointRecorded record(int winner, bool serveMarked, std::optional<std::int64_t> now,
                         const AskLater& ask);
    std::int64_t timeOf(std::optional<std::int64_t> now);
    void nameSides(bool doubles);
    // The video's position, while a file tied to the match is open.
    std::optional<std::int64_t> videoNow();

    Shown shown_;
    RecoveryWriter* recovery_;
    Video* player_;
    // The file open beside the match, as the window opened it.
    std::string openVideo_;

    PointList points_;
    Rules rules_;
    std::array<bool, 3> tieBreakMarks_{false, true, false};
    std::array<Text, kPlayers> names_{Text(kDefaultPlayers[0]), Text(kDefaultDoublesPlayers[1]),
                                      Text(kDefaultPlayers[1]), Text(kDefaultDoublesPlayers[3])};
    Text tournament_{kDefaultTournament};
    int round_ = 0;
    // The moment of the first timed point, in milliseconds since 1970 UTC.
    std::optional<std::int64_t> start_;
    std::string unknown_;
    MatchRecord::VideoLink video_;
    Position position_;
    // What the working slot held when it became the working slot, so that a point inserted
    // before it keeps it.
    PointWord workingStored_ = 0;
    std::int64_t workingStoredTime_ = kNoTime;
    std::int64_t workingStoredVideo_ = kNoTime;

    UndoHistory undo_;
    // The match after the last change, and as last saved (none: never saved).
    MatchMoment last_;
    std::optional<MatchRecord> savedMatch_;
    bool saved_ = true;
};

}  // namespace courtlog
