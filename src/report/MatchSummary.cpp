#include "report/MatchSummary.h"

#include <array>

#include "form/MainForm.h"
#include "platform/HeadlessPlatform.h"

namespace courtlog {

namespace {

// What the scoreboard shows at one moment, enough to tell what a point changed.
struct Position {
    int set = 0;
    std::array<int, 2> games{};
    std::string score;
    bool tieBreak = false;
    int server = 0;
    int gamesPlayed = 0;
    std::array<int, 2> breaks{};
    std::array<PlayerCounts, 2> counts;
    bool over = false;
};

Position positionOf(const MainForm& f) {
    Position p;
    p.set = f.CurrentSet;
    p.games = {f.Games[0].number(), f.Games[1].number()};
    p.score = f.Punteggio[0].caption() + "-" + f.Punteggio[1].caption();
    p.tieBreak = f.InTieBreak;
    p.server = f.Server;
    p.gamesPlayed = f.GamesPlayed;
    p.breaks = {f.BreakFatti[0].number(), f.BreakFatti[1].number()};
    p.counts = {countsOf(f, 0), countsOf(f, 1)};
    p.over = f.MatchOver;
    return p;
}

}  // namespace

std::string servizioText(int index) {
    return kServizioCaptions[index == 1 ? 1 : 0];
}
std::string outcomeText(int index) {
    return markText(kAceDoppioFalloCaptions, index);
}
std::string dirittoRovescioText(int index) {
    return markText(kDirittoRovescioCaptions, index);
}
std::string colpoText(int index) {
    return markText(kColpoCaptions, index);
}
std::string erroreVincenteText(int index) {
    return markText(kErroreVincenteCaptions, index);
}

MatchSummary summarizeMatch(const MatchRecord& match) {
    HeadlessPlatform platform;
    MainForm form(platform);
    form.Form_Load();

    // Positions before every point, then the one after the last.
    std::vector<Position> before;
    form.beforeReplayedPoint = [&](int) { before.push_back(positionOf(form)); };
    form.applyMatch(match, match.round >= 0 && match.round <= 7);
    form.beforeReplayedPoint = nullptr;
    const Position end = positionOf(form);

    MatchSummary h;
    h.players = match.players;
    h.tournament = match.tournament;
    if (match.round > 0 && match.round < static_cast<int>(MainForm::TurnoEntries.size())) {
        h.round = MainForm::TurnoEntries[match.round];
    }
    h.setsInMatch = form.SetsInMatch;
    h.matchOver = form.MatchOver;
    h.setsWon = {form.SetsWon[0], form.SetsWon[1]};
    h.totals = end.counts;
    if (form.MatchOver) {
        h.winner = form.SetsWon[0] > form.SetsWon[1] ? 0 : 1;
    } else {
        h.gameScore = end.score;
    }

    int diff = 0;
    const int n = static_cast<int>(before.size());
    for (int k = 0; k < n; ++k) {
        const Position& b = before[k];
        const Position& a = k + 1 < n ? before[k + 1] : end;
        const PointWord w = form.PointInfo[k];
        PointRow row;
        row.number = k + 1;
        row.set = b.set + 1;
        row.gamesA = b.games[0];
        row.gamesB = b.games[1];
        row.score = b.score;
        row.tieBreak = b.tieBreak;
        row.server = b.server;
        row.winner = EstraiInfo(w, Attr::Punto);
        row.servizio = EstraiInfo(w, Attr::Servizio);
        row.outcome = EstraiInfo(w, Attr::AceDoppioFallo);
        row.dirittoRovescio = EstraiInfo(w, Attr::DirittoRovescio);
        row.colpo = EstraiInfo(w, Attr::Colpo);
        row.erroreVincente = EstraiInfo(w, Attr::ErroreVincente);
        row.scored = !b.over;
        row.endedGame = a.gamesPlayed > b.gamesPlayed;
        row.brokeServe = a.breaks[0] + a.breaks[1] > b.breaks[0] + b.breaks[1];
        if (row.scored) {
            diff += row.winner == 0 ? 1 : -1;
        }
        row.diffAfter = diff;
        h.points.push_back(row);

        if (!row.scored) {
            continue;  // after the end of the match: part of no set
        }
        // A set ends with the point after which the set number moves on.
        const bool lastOfSet = a.set != b.set;
        if (h.sets.empty() || h.sets.back().finished) {
            SetSummary s;
            s.number = b.set + 1;
            s.firstPoint = k;
            s.counts = b.counts;  // the counts at its start, turned into its own below
            h.sets.push_back(s);
        }
        SetSummary& s = h.sets.back();
        s.endPoint = k + 1;
        if (lastOfSet) {
            s.finished = true;
            const auto& row5 = form.setRow(s.number);
            const auto& tb = form.tieBreakRow(s.number);
            s.gamesA = row5[0].number();
            s.gamesB = row5[1].number();
            s.winner = s.gamesA > s.gamesB ? 0 : 1;
            s.tieBreak = tb[0].visible();
            s.tieBreakA = tb[0].number();
            s.tieBreakB = tb[1].number();
            s.counts = {a.counts[0] - s.counts[0], a.counts[1] - s.counts[1]};
        }
    }
    if (!h.sets.empty() && !h.sets.back().finished) {
        SetSummary& s = h.sets.back();
        s.gamesA = end.games[0];
        s.gamesB = end.games[1];
        s.counts = {end.counts[0] - s.counts[0], end.counts[1] - s.counts[1]};
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

}  // namespace courtlog
