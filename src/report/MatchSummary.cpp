#include "report/MatchSummary.h"

#include <QFileInfo>
#include <algorithm>
#include <array>

#include "form/PointPanel.h"
#include "history/Replay.h"
#include "scoring/Rules.h"
#include "scoring/Scoring.h"

namespace courtlog {

namespace {

std::string gameScore(const Score& s) {
    // "AD" reads the same in every language the program speaks.
    return pointCaption(s, 0).italian() + "-" + pointCaption(s, 1).italian();
}

}  // namespace

Text servizioText(int index) {
    return kServizioCaptions[index == 1 ? 1 : 0];
}
Text outcomeText(int index) {
    return markText(kAceDoppioFalloCaptions, index);
}
Text dirittoRovescioText(int index) {
    return markText(kDirittoRovescioCaptions, index);
}
Text colpoText(int index) {
    return markText(kColpoCaptions, index);
}
Text erroreVincenteText(int index) {
    return markText(kErroreVincenteCaptions, index);
}

MatchSummary summarizeMatch(const MatchRecord& match) {
    // The rules a window shows the match by once the file is loaded.
    const Rules& rules = match.rules;
    const std::size_t count = std::min<std::size_t>(match.points.size(), kMaxPoints);

    MatchSummary h;
    h.players = {match.sideName(0), match.sideName(1)};
    h.doubles = rules.doubles;
    if (h.doubles) {
        for (int p = 0; p < kPlayers; ++p) {
            h.names[static_cast<std::size_t>(p)] = match.player(p);
        }
    }
    h.tournament = match.tournament;
    h.round = roundName(match.round);
    h.setsInMatch = rules.setsInMatch;
    h.video = match.video;
    if (!h.video.file.empty()) {
        h.video.file =
            QFileInfo(QString::fromStdString(h.video.file)).absoluteFilePath().toStdString();
    }

    Position position = startPosition(rules);
    int diff = 0;
    for (std::size_t k = 0; k < count; ++k) {
        const Score b = position.score;
        const PointWord w = match.points[k];
        const Happened happened = playPoint(position, rules, w);

        PointRow row;
        row.number = static_cast<int>(k) + 1;
        row.set = b.set + 1;
        row.gamesA = b.games[0];
        row.gamesB = b.games[1];
        row.score = gameScore(b);
        row.gamePoints = {pointCaption(b, 0).italian(), pointCaption(b, 1).italian()};
        row.tieBreak = b.inTieBreak;
        row.server = b.server;
        row.serverPlayer = servingPlayer(b, rules);
        row.winner = EstraiInfo(w, Attr::Punto);
        row.servizio = EstraiInfo(w, Attr::Servizio);
        row.outcome = EstraiInfo(w, Attr::AceDoppioFallo);
        row.dirittoRovescio = EstraiInfo(w, Attr::DirittoRovescio);
        row.colpo = EstraiInfo(w, Attr::Colpo);
        row.erroreVincente = EstraiInfo(w, Attr::ErroreVincente);
        row.ms = k < match.times.size() ? match.times[k] : kNoTime;
        row.videoMs = k < match.videoMs.size() ? match.videoMs[k] : kNoTime;
        row.scored = happened.counted;
        row.endedGame = happened.game;
        row.brokeServe = happened.breakOfServe;
        if (row.scored) {
            diff += row.winner == 0 ? 1 : -1;
        }
        row.diffAfter = diff;
        h.points.push_back(row);

        if (!row.scored) {
            continue;  // after the end of the match: part of no set
        }
        if (h.sets.empty() || h.sets.back().finished) {
            SetSummary s;
            s.number = b.set + 1;
            s.firstPoint = static_cast<int>(k);
            h.sets.push_back(s);
        }
        SetSummary& s = h.sets.back();
        s.endPoint = static_cast<int>(k) + 1;
        if (happened.set) {
            const FinishedSet& result = position.score.finished[static_cast<std::size_t>(b.set)];
            s.finished = true;
            s.gamesA = result.games[0];
            s.gamesB = result.games[1];
            s.winner = s.gamesA > s.gamesB ? 0 : 1;
            s.tieBreak = result.tieBreak;
            s.tieBreakA = result.tieBreakPoints[0];
            s.tieBreakB = result.tieBreakPoints[1];
        }
    }

    const Score& end = position.score;
    h.matchOver = end.over;
    h.setsWon = end.sets;
    if (end.over) {
        h.winner = end.decidedFor;
    } else {
        h.gameScore = gameScore(end);
    }
    if (!h.sets.empty() && !h.sets.back().finished) {
        SetSummary& s = h.sets.back();
        s.gamesA = end.games[0];
        s.gamesB = end.games[1];
    }
    const std::span<const PointWord> counted(match.points.data(), count);
    h.statistics = statisticsOf(
        counted, std::span(match.times).first(std::min(match.times.size(), count)), rules);
    h.totals = h.statistics.match.players;
    // The model and the summary start a set at the same point.
    for (std::size_t s = 0; s < h.sets.size() && s < h.statistics.sets.size(); ++s) {
        h.sets[s].counts = h.statistics.sets[s].players;
    }
    return h;
}

const std::string& player(const MatchSummary& m, int index) {
    return m.players[index == 1 ? 1 : 0];
}

bool decided(const MatchSummary& m) {
    return m.matchOver && (m.winner == 0 || m.winner == 1);
}

std::vector<const PointRow*> scoredPoints(const MatchSummary& m) {
    std::vector<const PointRow*> rows;
    for (const PointRow& r : m.points) {
        if (r.scored) {
            rows.push_back(&r);
        }
    }
    return rows;
}

std::string setScore(const SetSummary& s) {
    std::string t = std::to_string(s.gamesA) + "-" + std::to_string(s.gamesB);
    if (s.finished && s.tieBreak) {
        t += "(" + std::to_string(s.tieBreakA) + "-" + std::to_string(s.tieBreakB) + ")";
    }
    return t;
}

std::vector<std::string> scoreParts(const MatchSummary& match) {
    std::vector<std::string> parts;
    for (const SetSummary& s : match.sets) {
        if (s.finished) {
            parts.push_back(setScore(s));
        }
    }
    if (!match.matchOver) {
        // The set being played; none of its games is won before its first point.
        const bool playing = !match.sets.empty() && !match.sets.back().finished;
        parts.push_back(playing ? setScore(match.sets.back()) : std::string("0-0"));
    }
    return parts;
}

std::string scoreLine(const MatchSummary& match) {
    std::string line;
    for (const std::string& part : scoreParts(match)) {
        line += (line.empty() ? "" : " ") + part;
    }
    return line;
}

std::vector<PlayerTotals> addUp(const std::vector<MatchSummary>& matches) {
    std::vector<PlayerTotals> totals;
    auto of = [&totals](const std::string& name) -> PlayerTotals& {
        for (PlayerTotals& t : totals) {
            if (t.name == name) {
                return t;
            }
        }
        totals.push_back({name, 0, 0, 0, {}});
        return totals.back();
    };
    for (const MatchSummary& m : matches) {
        for (int p = 0; p < 2; ++p) {
            PlayerTotals& t = of(m.players[p]);
            ++t.matches;
            if (m.matchOver) {
                (m.winner == p ? t.matchesWon : t.matchesLost) += 1;
            }
            t.counts += m.totals[p];
        }
    }
    return totals;
}

std::vector<ServeTotals> addUpServes(const std::vector<MatchSummary>& matches) {
    std::vector<ServeTotals> totals;
    for (const MatchSummary& m : matches) {
        if (!m.doubles) {
            continue;
        }
        for (std::size_t p = 0; p < m.names.size(); ++p) {
            auto it = std::ranges::find(totals, m.names[p], &ServeTotals::name);
            if (it == totals.end()) {
                it = totals.insert(totals.end(), {m.names[p], 0, {}});
            }
            ++it->matches;
            it->serve += m.statistics.match.servers[p];
        }
    }
    return totals;
}

}  // namespace courtlog
