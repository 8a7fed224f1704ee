#include "history/UndoHistory.h"

namespace courtlog {

bool sameMatch(const MatchRecord& a, const MatchRecord& b) {
    return a.rules == b.rules && a.tieBreakMarks == b.tieBreakMarks && a.players == b.players &&
           a.partners == b.partners && a.tournament == b.tournament && a.round == b.round &&
           a.points == b.points && a.start == b.start && a.times == b.times &&
           a.videoMs == b.videoMs && a.video == b.video;
}

void UndoHistory::record(ChangeKind kind, MatchMoment before, MatchMoment after) {
    undone_.clear();
    done_.push_back({kind, std::move(before), std::move(after)});
    if (done_.size() > kSteps) {
        done_.pop_front();
    }
}

std::optional<UndoHistory::Step> UndoHistory::moveLast(std::deque<Step>& from,
                                                       std::deque<Step>& to) {
    if (from.empty()) {
        return std::nullopt;
    }
    to.push_back(std::move(from.back()));
    from.pop_back();
    return to.back();
}

std::optional<UndoHistory::Step> UndoHistory::undo() {
    return moveLast(done_, undone_);
}

std::optional<UndoHistory::Step> UndoHistory::redo() {
    return moveLast(undone_, done_);
}

std::optional<ChangeKind> UndoHistory::nextUndo() const {
    return done_.empty() ? std::nullopt : std::optional(done_.back().kind);
}

std::optional<ChangeKind> UndoHistory::nextRedo() const {
    return undone_.empty() ? std::nullopt : std::optional(undone_.back().kind);
}

void UndoHistory::clear() {
    done_.clear();
    undone_.clear();
}

}  // namespace courtlog
