#include "report/Report.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QString>
#include <algorithm>
#include <array>
#include <functional>

#include "form/Board.h"
#include "report/DetailedStatistics.h"
#include "report/Language.h"
#include "report/StatisticsJson.h"
#include "scoring/Scoring.h"
#include "storage/MatchDocument.h"

namespace courtlog::report {

namespace {

QString qs(const std::string& utf8) {
    return QString::fromStdString(utf8);
}

// Sets that have an end: a best-of-three never shows a fourth or fifth column.
int finishedSets(const Score& s, const Rules& rules) {
    return std::clamp<int>(s.set, 0, std::min<int>(rules.setsInMatch, 5));
}

std::string nameOf(const MatchSession& session, int player) {
    return printable(sayUtf8(session.players()[static_cast<std::size_t>(player)]));
}

// The marker of who serves stands while the match goes on.
bool serving(const Score& s, int player) {
    return !s.over && s.server == player;
}

std::string scoreboard(const MatchSession& session) {
    const Score& s = session.score();
    const int sets = finishedSets(s, session.rules());
    const bool playing = !s.over;

    std::vector<std::vector<std::string>> table;
    std::vector<std::string> header{"", ""};
    for (int set = 1; set <= sets; ++set) {
        header.push_back(
            filled(QCoreApplication::translate("TextReport", "Set %1"), {std::to_string(set)}));
    }
    if (playing) {
        header.push_back(filled(QCoreApplication::translate("TextReport", "Games")));
        header.push_back(filled(s.inTieBreak
                                    ? QCoreApplication::translate("TextReport", "Tie-break")
                                    : QCoreApplication::translate("TextReport", "Punti")));
    }
    table.push_back(header);

    for (int p = 0; p < 2; ++p) {
        std::vector<std::string> row{nameOf(session, p), serving(s, p) ? "*" : ""};
        for (int set = 0; set < sets; ++set) {
            const FinishedSet& result = s.finished[static_cast<std::size_t>(set)];
            std::string cell = std::to_string(result.games[p]);
            if (result.tieBreak) {
                cell += "(" + std::to_string(result.tieBreakPoints[p]) + ")";
            }
            row.push_back(cell);
        }
        if (playing) {
            row.push_back(std::to_string(s.games[p]));
            row.push_back(sayUtf8(pointCaption(s, p)));
        }
        table.push_back(row);
    }
    return formatTable(table);
}

std::string indicators(const MatchSession& session) {
    const Score& s = session.score();
    std::vector<std::string> shown;
    if (s.breakPointFor >= 0) {
        shown.push_back(sayUtf8(breakPointCaption(s.breakPointShown)));
    }
    if (s.deuce) {
        shown.push_back(sayUtf8(deuceCaption(s.deuceShown)));
    }
    if (newBalls(s)) {
        shown.push_back(sayUtf8(newBallsCaption()));
    }
    for (int p = 0; p < 2; ++p) {
        if (s.needs[p].setPoint) {
            shown.push_back(sayUtf8(setPointCaption(s.setPointShown[p])) + " (" +
                            nameOf(session, p) + ")");
        }
    }
    for (int p = 0; p < 2; ++p) {
        if (s.needs[p].matchPointMarker) {
            shown.push_back(sayUtf8(matchPointCaption(s.matchPointShown[p])) + " (" +
                            nameOf(session, p) + ")");
        }
    }
    std::string line;
    for (const std::string& one : shown) {
        line += (line.empty() ? "" : ", ") + one;
    }
    return line;
}

// A row's caption as the frames show it.
std::string rowCaption(const StatisticsRow& row) {
    return sayUtf8(row.caption) + ":";
}

// The one row that is not a count: the points each player still needs for the set and the
// match, or, once nothing is left to play, who won.
Text pointsNeeded(const Score& s, int player) {
    if (s.decidedFor >= 0) {
        return pairCell(Text(), decidedCaption(player == s.decidedFor));
    }
    const Needs& n = s.needs[player];
    return pairCell(Text::number(n.set), Text::number(n.match));
}

std::string statistics(const MatchSession& session) {
    std::vector<std::vector<std::string>> table{{""}};
    for (int p = 0; p < 2; ++p) {
        table.front().push_back(printable(sayUtf8(statisticsTitle(session.players()[p]))));
    }
    const std::array<PlayerStatistics, 2> counts{session.position().counts(0),
                                                 session.position().counts(1)};
    for (const StatisticsRow& row : kStatisticsRows) {
        std::vector<std::string> cells{rowCaption(row)};
        for (int p = 0; p < 2; ++p) {
            cells.push_back(sayUtf8(row.fromCounts != nullptr ? row.fromCounts(counts[p])
                                                              : pointsNeeded(session.score(), p)));
        }
        table.push_back(cells);
    }
    return formatTable(table);
}

std::vector<std::string> said(const std::vector<Text>& cells) {
    std::vector<std::string> out;
    out.reserve(cells.size());
    for (const Text& cell : cells) {
        out.push_back(sayUtf8(cell));
    }
    return out;
}

// A table of the detailed statistics under its caption.
std::string figureTableText(const FigureTable& table) {
    std::vector<std::vector<std::string>> rows{said(table.headers)};
    for (const std::vector<Text>& row : table.rows) {
        rows.push_back(said(row));
    }
    return sayUtf8(table.caption) + "\n" + formatTable(rows);
}

// A stretch of the match under its underlined title: its times, then its tables.
std::string stretchText(const StretchTables& stretch) {
    const std::string title = sayUtf8(stretch.title);
    std::string out =
        title + "\n" + std::string(static_cast<std::size_t>(displayWidth(title)), '=') + "\n";
    for (const Text& line : stretch.times) {
        out += sayUtf8(line) + "\n";
    }
    for (const FigureTable& table : stretch.tables) {
        out += "\n" + figureTableText(table);
    }
    return out;
}

// A doubles match's four players as a report names them, by kPlayers index.
std::array<Text, kPlayers> playerNames(const MatchSession& session) {
    std::array<Text, kPlayers> names;
    for (std::size_t p = 0; p < names.size(); ++p) {
        names[p] = Text::verbatim(printable(sayUtf8(session.names()[p])));
    }
    return names;
}

std::string detailedStatistics(const MatchSession& session) {
    const std::array<Text, 2> names{Text::verbatim(nameOf(session, 0)),
                                    Text::verbatim(nameOf(session, 1))};
    const std::array<Text, kPlayers> four = playerNames(session);
    std::string out;
    for (const StretchTables& stretch :
         detailedTables(session.statistics(), names, session.rules().doubles ? &four : nullptr)) {
        out += "\n" + stretchText(stretch);
    }
    return out;
}

}  // namespace

std::string printable(std::string text, bool keepLineBreaks) {
    // Names come from files and from typing: an escape or another control character in one
    // would act on the terminal, so each becomes "?", as in the other reports.
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if ((c < 0x20 && !(keepLineBreaks && c == '\n')) || c == 0x7F) {
            out += '?';
        } else if (c == 0xC2 && i + 1 < text.size() &&
                   static_cast<unsigned char>(text[i + 1]) >= 0x80 &&
                   static_cast<unsigned char>(text[i + 1]) <= 0x9F) {
            out += '?';  // U+0080 to U+009F, the control characters past ASCII
            ++i;
        } else {
            out += static_cast<char>(c);
        }
    }
    return out;
}

int displayWidth(std::string_view utf8) {
    int width = 0;
    for (char c : utf8) {
        // Continuation bytes belong to the character already counted.
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) {
            ++width;
        }
    }
    return width;
}

std::string formatTable(const std::vector<std::vector<std::string>>& rows) {
    std::vector<int> widths;
    for (const auto& row : rows) {
        widths.resize(std::max(widths.size(), row.size()), 0);
        for (std::size_t c = 0; c < row.size(); ++c) {
            widths[c] = std::max(widths[c], displayWidth(row[c]));
        }
    }
    std::string out;
    for (const auto& row : rows) {
        std::string line;
        for (std::size_t c = 0; c < row.size(); ++c) {
            const std::string pad(static_cast<std::size_t>(widths[c] - displayWidth(row[c])), ' ');
            if (c > 0) {
                line += "  ";
            }
            line += row[c] + pad;
        }
        line.erase(line.find_last_not_of(' ') + 1);
        out += line + "\n";
    }
    return out;
}

std::string renderText(const MatchSession& session) {
    const Score& s = session.score();
    std::string out = filled(QCoreApplication::translate("TextReport", "Torneo: %1"),
                             {printable(sayUtf8(session.tournament()))}) +
                      "\n";
    if (const Text round = roundName(session.round()); !round.empty()) {
        out +=
            filled(QCoreApplication::translate("TextReport", "Turno: %1"), {sayUtf8(round)}) + "\n";
    }
    const std::vector<std::string> where{std::to_string(session.points().current()),
                                         std::to_string(session.points().count())};
    out +=
        filled(s.over ? QCoreApplication::translate("TextReport", "Punto %1 di %2, partita finita")
                      : QCoreApplication::translate("TextReport", "Punto %1 di %2"),
               where) +
        "\n";
    out += "\n" + scoreboard(session) + "\n";

    const bool doubles = session.rules().doubles;
    if (s.over) {
        const int winner = s.sets[1] > s.sets[0] ? 1 : 0;
        out += filled(doubles ? QCoreApplication::translate("TextReport", "Vincono: %1")
                              : QCoreApplication::translate("TextReport", "Vince: %1"),
                      {nameOf(session, winner)}) +
               "\n";
    } else if (doubles) {
        // Of a doubles side, the one of its players who serves.
        out += filled(QCoreApplication::translate("TextReport", "Al servizio: %1"),
                      {sayUtf8(playerNames(
                          session)[static_cast<std::size_t>(session.servingPlayer())])}) +
               "\n";
    } else {
        for (int p = 0; p < 2; ++p) {
            if (serving(s, p)) {
                out += filled(QCoreApplication::translate("TextReport", "Al servizio: %1"),
                              {nameOf(session, p)}) +
                       "\n";
            }
        }
    }
    if (const std::string shown = indicators(session); !shown.empty()) {
        out += filled(QCoreApplication::translate("TextReport", "Indicatori: %1"), {shown}) + "\n";
    }
    out += "\n" + statistics(session);
    // The figures behind the frames, for the match and each set up to the position.
    out += detailedStatistics(session);
    return printable(out, true);
}

QJsonObject renderJson(const MatchSession& session) {
    const MatchRecord record = session.record();
    QJsonArray tieBreakWhen;
    for (bool mark : record.tieBreakMarks) {
        tieBreakWhen.append(mark);
    }
    // The labels as a window shows them that opened the match, at its end, and then went to
    // the position: a hidden marker keeps the number it last showed.
    Board board;
    const PointList& points = session.points();
    const Position end = replay(points.recorded(), session.rules());
    for (const auto& [position, played] :
         {std::pair{&end, points.recorded()}, std::pair{&session.position(), points.played()}}) {
        board.draw(BoardState{session.players(), session.names(), -1, session.tournament(),
                              &session.rules(), position, played, points.count()});
    }
    QJsonObject fields;
    for (const NamedField& nf : board.fields()) {
        fields.insert(qs(nf.displayName()), QJsonObject{
                                                {"caption", qs(nf.field->caption())},
                                                {"visible", nf.field->visible()},
                                                {"fore", qs(colourToHex(nf.field->fore()))},
                                                {"back", qs(colourToHex(nf.field->back()))},
                                            });
    }
    const Rules& rules = session.rules();
    const MatchSummary summary = summarizeMatch(record);
    QJsonObject out{
        {"pointCount", session.points().count()},
        {"currentPoint", session.points().current()},
        {"setsInMatch", rules.setsInMatch},
        {"tieBreakWhen", tieBreakWhen},
        {"rules", QJsonDocument::fromJson(QByteArray::fromStdString(encodeRules(rules))).object()},
        {"players",
         QJsonArray{qs(session.players()[0].italian()), qs(session.players()[1].italian())}},
        {"tournament", qs(session.tournament().italian())},
        {"round", session.round()},
        {"matchOver", session.score().over},
        {"fields", fields},
        // At the position, as the frames show them; the points are the whole match's.
        {"statistics", statisticsJson(session.statistics(), rules.doubles)},
        {"points", pointsJson(summary)},
    };
    if (rules.doubles) {
        QJsonArray names;
        for (const Text& name : session.names()) {
            names.append(qs(name.italian()));
        }
        out.insert("doublesPlayers", names);
    }
    if (!summary.video.file.empty()) {
        QJsonObject video{{"file", qs(summary.video.file)}};
        if (summary.video.offsetMs) {
            video.insert("offsetMs", static_cast<qint64>(*summary.video.offsetMs));
        }
        out.insert("video", video);
    }
    return out;
}

namespace {

// The figures of the totals, by the names programs have read them by since the first version.
const std::array<std::pair<const char*, int (*)(const PlayerStatistics&)>, 11> kTotalsFigures{{
    {"pointsWon", [](const PlayerStatistics& c) { return c.pointsWon; }},
    {"aces", [](const PlayerStatistics& c) { return c.aces; }},
    {"doubleFaults", [](const PlayerStatistics& c) { return c.doubleFaults; }},
    {"winners", [](const PlayerStatistics& c) { return c.shots.winners; }},
    {"unforcedErrors", [](const PlayerStatistics& c) { return c.shots.unforcedErrors; }},
    {"breaksMade", [](const PlayerStatistics& c) { return c.breakPointsWon; }},
    {"breakPoints", [](const PlayerStatistics& c) { return c.breakPointsHad; }},
    {"servedPoints", [](const PlayerStatistics& c) { return c.servicePointsPlayed; }},
    {"firstServesIn", [](const PlayerStatistics& c) { return c.firstServesIn; }},
    {"firstServePointsWon", [](const PlayerStatistics& c) { return c.firstServePointsWon; }},
    {"secondServePointsWon", [](const PlayerStatistics& c) { return c.secondServePointsWon; }},
}};

std::string matchLine(const MatchSummary& m) {
    std::string line =
        printable(m.players[0]) + " - " + printable(m.players[1]) + ": " + scoreLine(m);
    if (!m.matchOver) {
        line = filled(QCoreApplication::translate("TextReport", "%1 (in corso)"), {line});
    }
    if (!m.tournament.empty()) {
        line += ", " + printable(m.tournament);
    }
    if (!m.round.empty()) {
        line += ", " + sayUtf8(m.round);
    }
    return line;
}

// The rows of the totals table: a caption and each player's value.
std::vector<std::pair<std::string, std::function<std::string(const PlayerTotals&)>>> totalRows() {
    using T = const PlayerTotals&;
    auto n = [](int v) { return std::to_string(v); };
    std::vector<std::pair<std::string, std::function<std::string(const PlayerTotals&)>>> rows{
        {filled(QCoreApplication::translate("TextReport", "Partite:", "row: matches played")),
         [n](T t) { return n(t.matches); }},
        {filled(QCoreApplication::translate("TextReport", "Vinte/perse:")),
         [n](T t) {
             return sayUtf8(
                 pairCell(Text::verbatim(n(t.matchesWon)), Text::verbatim(n(t.matchesLost))));
         }},
    };
    for (const StatisticsRow& row : kStatisticsRows) {
        if (row.fromCounts != nullptr) {
            rows.emplace_back(rowCaption(row),
                              [&row](T t) { return sayUtf8(row.fromCounts(t.counts)); });
        }
    }
    return rows;
}

}  // namespace

std::string renderTotalsText(const std::vector<PlayerTotals>& totals,
                             const std::vector<MatchSummary>& matches) {
    std::string out = filled(QCoreApplication::translate("TextReport", "Partite:")) + "\n";
    for (const MatchSummary& m : matches) {
        out += "  " + matchLine(m) + "\n";
    }
    out += "\n";
    std::vector<std::vector<std::string>> rows{{""}};
    for (const PlayerTotals& t : totals) {
        rows[0].push_back(printable(t.name));
    }
    for (const auto& [caption, value] : totalRows()) {
        std::vector<std::string> row{caption};
        for (const PlayerTotals& t : totals) {
            row.push_back(value(t));
        }
        rows.push_back(row);
    }
    out += formatTable(rows);
    // Every figure and each player's winners and errors, from the sums.
    std::vector<PlayerStatistics> figures;
    std::vector<Text> names;
    for (const PlayerTotals& t : totals) {
        figures.push_back(t.counts);
        names.push_back(Text::verbatim(printable(t.name)));
    }
    out += "\n" + figureTableText(figureTable(figures, names));
    for (std::size_t p = 0; p < totals.size(); ++p) {
        out += "\n" + figureTableText(shotTable(figures[p], names[p]));
    }
    // The doubles players, one column each, whoever they played with.
    std::vector<ServeStatistics> serves;
    std::vector<Text> servers;
    for (const ServeTotals& t : addUpServes(matches)) {
        serves.push_back(t.serve);
        servers.push_back(Text::verbatim(printable(t.name)));
    }
    if (!serves.empty()) {
        out += "\n" + figureTableText(serveTable(serves, servers));
    }
    return printable(out, true);
}

QJsonObject renderTotalsJson(const std::vector<PlayerTotals>& totals,
                             const std::vector<MatchSummary>& matches) {
    auto text = [](const std::string& s) { return QString::fromStdString(s); };
    QJsonArray list;
    for (const MatchSummary& m : matches) {
        list.append(QJsonObject{{"players", QJsonArray{text(m.players[0]), text(m.players[1])}},
                                {"tournament", text(m.tournament)},
                                {"round", text(m.round.italian())},
                                {"score", text(scoreLine(m))},
                                {"matchOver", m.matchOver},
                                {"winner", m.winner < 0 ? QJsonValue() : text(m.players[m.winner])},
                                {"pointCount", static_cast<int>(m.points.size())}});
    }
    QJsonArray players;
    for (const PlayerTotals& t : totals) {
        const PlayerStatistics& c = t.counts;
        QJsonObject player{{"name", text(t.name)},
                           {"matches", t.matches},
                           {"matchesWon", t.matchesWon},
                           {"matchesLost", t.matchesLost},
                           {"firstServes", text(firstServesText(c).italian())},
                           {"firstServeWon", text(firstServeWonText(c).italian())},
                           {"secondServeWon", text(secondServeWonText(c).italian())}};
        for (const auto& [key, figure] : kTotalsFigures) {
            player.insert(QLatin1String(key), figure(c));
        }
        // Every figure of the detailed statistics, summed as for one match.
        player.insert(QStringLiteral("statistics"), playerStatisticsJson(c));
        players.append(player);
    }
    QJsonObject out{{"matches", list}, {"players", players}};
    QJsonArray doubles;
    for (const ServeTotals& t : addUpServes(matches)) {
        doubles.append(QJsonObject{
            {"name", text(t.name)}, {"matches", t.matches}, {"serve", serveJson(t.serve)}});
    }
    if (!doubles.isEmpty()) {
        out.insert("doublesPlayers", doubles);
    }
    return out;
}

}  // namespace courtlog::report
