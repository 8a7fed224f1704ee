#include "history/UndoHistory.h"

namespace courtlog {

bool sameMatch(const MatchRecord& a, const MatchRecord& b) {
    return a.rules() == b.rules() && a.tieBreakWhen == b.tieBreakWhen && a.players == b.players &&
           a.tournament == b.tournament && a.round == b.round && a.points == b.points &&
           a.start == b.start && a.times == b.times;
}

void UndoHistory::record(ChangeKind kind, MatchMoment before, MatchMoment after) {
    undone_.clear();
    done_.push_back({kind, std::move(before), std::move(after)});
    if (done_.size() > kSteps) {
        done_.pop_front();
    }
}

std::optional<UndoHistory::Step> UndoHistory::undo() {
    if (done_.empty()) {
        return std::nullopt;
    }
    undone_.push_back(std::move(done_.back()));
    done_.pop_back();
    return undone_.back();
}

std::optional<UndoHistory::Step> UndoHistory::redo() {
    if (undone_.empty()) {
        return std::nullopt;
    }
    done_.push_back(std::move(undone_.back()));
    undone_.pop_back();
    return done_.back();
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
