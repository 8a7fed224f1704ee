#include "history/MatchSession.h"

#include <algorithm>

#include "platform/Clock.h"
#include "scoring/Scoring.h"

namespace courtlog {

MatchSession::MatchSession(Shown shown, RecoveryWriter* recovery, Video* video)
    : shown_(shown ? std::move(shown) : Shown([](const Text& t) { return t.italian(); })),
      recovery_(recovery),
      player_(video) {
    position_ = startPosition(rules_);
    last_ = moment();
    savedMatch_ = last_.match;
}

MatchRecord MatchSession::record() const {
    MatchRecord m;
    m.rules = rules_;
    // The serving order as the match's sets need it, so that two records served alike are the
    // same match, as a document read back is.
    m.rules.servingOrder =
        rules_.doubles
            ? shortestServing(rules_.servingOrder,
                              static_cast<std::size_t>(setsBegun(points_.recorded(), rules_)))
            : std::vector<SetServing>{};
    m.tieBreakMarks = tieBreakMarks_;
    // A name not yet given is kept as it is shown.
    m.players = {shown_(names_[0]), shown_(names_[2])};
    m.partners = {shown_(names_[1]), shown_(names_[3])};
    m.tournament = shown_(tournament_);
    m.round = round_;
    const auto recorded = points_.recorded();
    m.points.assign(recorded.begin(), recorded.end());
    if (start_ && timed()) {
        const auto times = points_.recordedTimes();
        m.start = isoUtc(*start_);
        m.times.assign(times.begin(), times.end());
    }
    const auto videos = points_.recordedVideos();
    if (std::ranges::any_of(videos, [](std::int64_t t) { return t != kNoTime; })) {
        m.videoMs.assign(videos.begin(), videos.end());
    }
    m.video = video_;
    m.unknown = unknown_;
    return m;
}

bool MatchSession::timed() const {
    return std::ranges::any_of(points_.recordedTimes(),
                               [](std::int64_t t) { return t != kNoTime; });
}

MatchStatistics MatchSession::statistics() const {
    const auto played = points_.played();
    return statisticsOf(played, points_.recordedTimes().first(played.size()), rules_);
}

std::array<Text, 2> MatchSession::players() const {
    if (!rules_.doubles) {
        return {names_[0], names_[2]};
    }
    return {Text::pattern(kSideNamePattern).arg(names_[0]).arg(names_[1]),
            Text::pattern(kSideNamePattern).arg(names_[2]).arg(names_[3])};
}

int MatchSession::servingPlayer() const {
    return score().over ? -1 : courtlog::servingPlayer(score(), rules_);
}

MatchMoment MatchSession::moment() const {
    MatchMoment m{record(), names_, tournament_, points_.current()};
    // Compared in one language whatever the window speaks, so that switching it is no change.
    for (std::size_t p = 0; p < 2; ++p) {
        m.match.players[p] = names_[2 * p].italian();
        m.match.partners[p] = names_[2 * p + 1].italian();
    }
    m.match.tournament = tournament_.italian();
    return m;
}

void MatchSession::replayToPosition() {
    // The score is folded from the points over a fresh one.
    position_ = replay(points_.played(), rules_);
    workingStored_ = points_.working();
    workingStoredTime_ = points_.workingTime();
    workingStoredVideo_ = points_.workingVideo();
}

bool MatchSession::mark(std::span<const std::pair<Attr, int>> marks) {
    const PointWord before = points_.working();
    for (const auto& [attr, value] : marks) {
        CreaInfo(points_.working(), attr, value);
    }
    if (points_.working() == before) {
        return false;
    }
    if (!points_.atEnd()) {
        changed(ChangeKind::EditPoint, points_.current());
    }
    return true;
}

std::int64_t MatchSession::timeOf(std::optional<std::int64_t> now) {
    if (!now) {
        return kNoTime;
    }
    if (!start_) {
        start_ = *now;
    }
    // A clock set back never dates a point before the first.
    return std::max<std::int64_t>(0, *now - *start_);
}

PointRecorded MatchSession::recordServe(int outcome, std::optional<std::int64_t> now,
                                        const AskLater& ask) {
    if (score().over) {
        return {NotRecorded::MatchOver, 0, {}};
    }
    if (points_.full()) {
        return {NotRecorded::Full, 0, {}};
    }
    PointWord& word = points_.working();
    CreaInfo(word, Attr::DirittoRovescio, 0);
    CreaInfo(word, Attr::Colpo, 0);
    CreaInfo(word, Attr::CircolettoRosso, 0);
    CreaInfo(word, Attr::ErroreVincente, 0);
    CreaInfo(word, Attr::AceDoppioFallo, outcome);
    // A double fault ends on the second serve and goes to the receiver.
    if (outcome == 2) {
        CreaInfo(word, Attr::Servizio, 1);
    }
    const int server = score().server;
    return record(outcome == 2 ? 1 - server : server, true, now, ask);
}

PointRecorded MatchSession::recordPoint(int winner, std::optional<std::int64_t> now,
                                        const AskLater& ask) {
    return record(winner, false, now, ask);
}

PointRecorded MatchSession::record(int winner, bool serveMarked, std::optional<std::int64_t> now,
                                   const AskLater& ask) {
    if (score().over) {
        return {NotRecorded::MatchOver, winner, {}};
    }
    if (points_.full()) {
        return {NotRecorded::Full, winner, {}};
    }
    const int from = points_.current();
    PointWord& word = points_.working();
    CreaInfo(word, Attr::Punto, winner);
    if (!serveMarked) {
        CreaInfo(word, Attr::AceDoppioFallo, 0);
    }
    points_.workingTime() = timeOf(now);
    // Recorded again with no video open, a point keeps the moment it had.
    if (const auto at = videoNow()) {
        points_.workingVideo() = *at;
        video_.file = openVideo_;
    }
    const PointWord recorded = word;
    // Counted while its server still serves; the score follows once the list is in order.
    countPoint(position_.counted, recorded, score().server);

    ChangeKind kind = ChangeKind::Point;
    if (const int later = points_.recordWorking(); later > 0) {
        const ResidualAnswer answer =
            points_.keepLater(ask(later, points_.canInsert()), workingStored_, workingStoredTime_,
                              workingStoredVideo_);
        if (answer == ResidualAnswer::Cancel) {
            // Closed without an answer: the point is taken back, and the recorded point stays
            // as it was.
            MatchMoment before = last_;
            before.position = from;
            put(before);
            return {NotRecorded::Cancelled, winner, {}};
        }
        kind = answer == ResidualAnswer::Insert        ? ChangeKind::Insert
               : answer == ResidualAnswer::DeleteLater ? ChangeKind::Cut
                                                       : ChangeKind::Overwrite;
    }
    workingStored_ = points_.working();
    workingStoredTime_ = points_.workingTime();
    workingStoredVideo_ = points_.workingVideo();
    const Happened happened = scorePoint(position_.score, rules_, winner);
    changed(kind, from);
    return {NotRecorded::No, winner, happened};
}

bool MatchSession::goTo(int point) {
    if (!points_.moveTo(point)) {
        return false;
    }
    replayToPosition();
    return true;
}

bool MatchSession::deletePoint() {
    const int from = points_.current();
    if (!points_.erase(from - 1)) {
        return false;
    }
    replayToPosition();
    changed(ChangeKind::Delete, from);
    return true;
}

void MatchSession::clear() {
    const int from = points_.current();
    points_.clear();
    start_.reset();
    replayToPosition();
    changed(ChangeKind::Clear, from);
}

void MatchSession::renamePlayer(int player, const Text& name) {
    names_[static_cast<std::size_t>(player) % kPlayers] = name;
    changed(ChangeKind::Name, points_.current());
}

void MatchSession::renameTournament(const Text& name) {
    tournament_ = name;
    changed(ChangeKind::Name, points_.current());
}

void MatchSession::chooseRound(int round) {
    round_ = round;
    changed(ChangeKind::Round, points_.current());
}

RuleRefusal MatchSession::chooseRules(const Rules& next, RuleCheck check) {
    if (next == rules_) {
        return RuleRefusal::No;
    }
    if (check == RuleCheck::SetsInMatch && next.setsInMatch == 3) {
        if (score().set >= 3) {
            return RuleRefusal::PastLastSet;
        }
        if (score().sets[0] == 2 || score().sets[1] == 2) {
            return RuleRefusal::AlreadyOver;
        }
    }
    // Who serves first: the points marked as won or lost on the serve stay with the serve.
    const auto recorded = points_.recorded();
    const std::vector<PointWord> words =
        next.firstServer != rules_.firstServer
            ? serveMarksFollowingServer(recorded, next)
            : std::vector<PointWord>(recorded.begin(), recorded.end());
    if (check == RuleCheck::SetsPlayed) {
        const Score before = replay(recorded, rules_).score;
        const Score after = replay(words, next).score;
        for (int set = 0; set < before.set && set < static_cast<int>(before.finished.size());
             ++set) {
            const auto k = static_cast<std::size_t>(set);
            if (after.set <= set || after.finished[k] != before.finished[k]) {
                return RuleRefusal::SetPlayed;
            }
        }
    }
    if (next.doubles != rules_.doubles) {
        nameSides(next.doubles);
    }
    rules_ = next;
    // The number of sets leaves the tie-break marks a match file had.
    if (check != RuleCheck::SetsInMatch) {
        tieBreakMarks_ = marksOf(next.tieBreakRule());
    }
    points_.rewrite(words);
    replayToPosition();
    changed(ChangeKind::Rule, points_.current());
    return RuleRefusal::No;
}

void MatchSession::nameSides(bool doubles) {
    for (std::size_t side = 0; side < 2; ++side) {
        Text& first = names_[2 * side];
        // A name the program gave follows the kind of match; one the user gave stays.
        const Text singles(kDefaultPlayers[side]);
        const Text doublesFirst(kDefaultDoublesPlayers[2 * side]);
        // Read from a file, the program's name is a verbatim text: compared as it reads.
        if (first.italian() == (doubles ? singles : doublesFirst).italian()) {
            first = doubles ? doublesFirst : singles;
        }
        // Each side's second player comes fresh, and goes.
        names_[2 * side + 1] = Text(kDefaultDoublesPlayers[2 * side + 1]);
    }
}

void MatchSession::chooseServing(const SetServing& serving) {
    const auto set = static_cast<std::size_t>(std::max(0, score().set));
    std::vector<SetServing>& order = rules_.servingOrder;
    // The sets before it keep what they were served as.
    while (order.size() < set) {
        order.push_back(rules_.servingIn(static_cast<int>(order.size())));
    }
    if (order.size() == set) {
        order.push_back(serving);
    } else {
        order[set] = serving;
    }
    replayToPosition();
    changed(ChangeKind::Serving, points_.current());
}

std::optional<std::int64_t> MatchSession::videoNow() {
    if (player_ == nullptr || openVideo_.empty() || !player_->videoOpen()) {
        return std::nullopt;
    }
    return std::max<std::int64_t>(0, player_->videoPosition());
}

void MatchSession::videoOpened(const std::string& file) {
    openVideo_ = file;
    if (!file.empty() && video_.file != file) {
        video_.file = file;
        changed(ChangeKind::Video, points_.current());
    }
}

bool MatchSession::alignVideo() {
    const int shown = points_.current() - 1;
    const auto at = videoNow();
    const auto times = points_.recordedTimes();
    if (shown < 0 || !at || times[static_cast<std::size_t>(shown)] == kNoTime) {
        return false;
    }
    const std::int64_t offset = *at - times[static_cast<std::size_t>(shown)];
    auto videos = points_.recordedVideos();
    for (std::size_t k = 0; k < times.size(); ++k) {
        // A point played before the recording began has no moment in it.
        if (times[k] != kNoTime) {
            videos[k] = times[k] + offset >= 0 ? times[k] + offset : kNoTime;
        }
    }
    video_.file = openVideo_;
    video_.offsetMs = offset;
    changed(ChangeKind::Video, points_.current());
    return true;
}

bool MatchSession::markVideo() {
    const int shown = points_.current() - 1;
    const auto at = videoNow();
    if (shown < 0 || !at) {
        return false;
    }
    points_.recordedVideos()[static_cast<std::size_t>(shown)] = *at;
    video_.file = openVideo_;
    changed(ChangeKind::Video, points_.current());
    return true;
}

std::optional<Clip> MatchSession::clip(int k, std::int64_t leadMs) const {
    return clipOf(points_.recordedVideos(), k, leadMs);
}

std::optional<std::int64_t> MatchSession::videoMoment(std::int64_t leadMs) const {
    return videoMomentAt(points_.recordedVideos(), points_.current(), leadMs);
}

bool MatchSession::undo() {
    const auto step = undo_.undo();
    if (step) {
        goBackTo(step->before);
    }
    return step.has_value();
}

bool MatchSession::redo() {
    const auto step = undo_.redo();
    if (step) {
        goBackTo(step->after);
    }
    return step.has_value();
}

void MatchSession::put(const MatchMoment& moment) {
    const MatchRecord& m = moment.match;
    rules_ = m.rules;
    tieBreakMarks_ = m.tieBreakMarks;
    names_ = moment.players;
    tournament_ = moment.tournament;
    round_ = m.round;
    points_.assign(m.points, m.times, m.videoMs);
    points_.moveTo(moment.position);
    start_ = m.start.empty() ? std::nullopt : parseIsoUtc(m.start);
    unknown_ = m.unknown;
    video_ = m.video;
    replayToPosition();
}

void MatchSession::goBackTo(const MatchMoment& m) {
    put(m);
    last_ = moment();
    saved_ = savedMatch_ && sameMatch(last_.match, *savedMatch_);
    keepRecovery();
}

void MatchSession::changed(ChangeKind kind, int from) {
    MatchMoment now = moment();
    if (sameMatch(now.match, last_.match)) {
        return;
    }
    MatchMoment before = std::move(last_);
    before.position = from;
    last_ = now;
    undo_.record(kind, std::move(before), std::move(now));
    saved_ = savedMatch_ && sameMatch(last_.match, *savedMatch_);
    keepRecovery();
}

void MatchSession::replace(const MatchRecord& match, bool roundValid) {
    MatchMoment m{match,
                  {Text::verbatim(match.players[0]), Text::verbatim(match.partners[0]),
                   Text::verbatim(match.players[1]), Text::verbatim(match.partners[1])},
                  Text::verbatim(match.tournament),
                  static_cast<int>(match.points.size())};
    if (!roundValid) {
        m.match.round = round_;
    }
    put(m);
    startAfresh(true);
}

void MatchSession::markSaved(const MatchRecord& written) {
    // The names are now the file's: another language no longer renames them.
    for (int p = 0; p < kPlayers; ++p) {
        names_[static_cast<std::size_t>(p)] = Text::verbatim(written.player(p));
    }
    tournament_ = Text::verbatim(written.tournament);
    // What is undone from here on is measured against this file; the steps before it stay.
    last_ = moment();
    savedMatch_ = last_.match;
    saved_ = true;
    keepRecovery();
}

void MatchSession::startAfresh(bool saved) {
    undo_.clear();
    last_ = moment();
    savedMatch_ = saved ? std::optional(last_.match) : std::nullopt;
    saved_ = saved;
    keepRecovery();
}

void MatchSession::keepRecovery() {
    if (recovery_ == nullptr) {
        return;
    }
    if (saved_) {
        recovery_->discard();
    } else {
        recovery_->keep(record());
    }
}

}  // namespace courtlog
