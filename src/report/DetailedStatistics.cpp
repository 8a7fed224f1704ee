// The figures of the detailed statistics, laid out once for every view.
#include "report/DetailedStatistics.h"

#include <functional>

#include "form/Captions.h"
#include "form/PointPanel.h"

namespace courtlog {

namespace {

// A row's cell shows the figure it counts, and after a slash what that is out of, if anything.
struct FigureRow {
    Source caption;
    Figure counted;
    int (*outOf)(const PlayerStatistics&) = nullptr;
};

const std::array<FigureRow, 16> kFigureRows{{
    {CL_TEXT("Statistics", "Punti vinti"), {.own = &PlayerStatistics::pointsWon}},
    {CL_TEXT("Statistics", "Punti vinti al servizio"),
     {.own = &PlayerStatistics::servicePointsWon},
     [](const PlayerStatistics& c) { return c.servicePointsPlayed; }},
    {CL_TEXT("Statistics", "Punti vinti in risposta"),
     {.own = &PlayerStatistics::returnPointsWon},
     [](const PlayerStatistics& c) { return c.returnPointsPlayed; }},
    {CL_TEXT("Statistics", "Ace"), {.own = &PlayerStatistics::aces}},
    {CL_TEXT("Statistics", "Doppi falli"), {.own = &PlayerStatistics::doubleFaults}},
    {CL_TEXT("Statistics", "Servizi vincenti"), {.own = &PlayerStatistics::serviceWinners}},
    {CL_TEXT("Statistics", "Prime palle in campo"),
     {.own = &PlayerStatistics::firstServesIn},
     [](const PlayerStatistics& c) { return c.servicePointsPlayed; }},
    {CL_TEXT("Statistics", "Punti vinti con la prima"),
     {.own = &PlayerStatistics::firstServePointsWon},
     [](const PlayerStatistics& c) { return c.firstServesIn; }},
    {CL_TEXT("Statistics", "Punti vinti con la seconda"),
     {.own = &PlayerStatistics::secondServePointsWon},
     [](const PlayerStatistics& c) { return c.servicePointsPlayed - c.firstServesIn; }},
    {CL_TEXT("Statistics", "Palle break trasformate"),
     {.own = &PlayerStatistics::breakPointsWon},
     [](const PlayerStatistics& c) { return c.breakPointsHad; }},
    {CL_TEXT("Statistics", "Palle break salvate"),
     {.own = &PlayerStatistics::breakPointsSaved},
     [](const PlayerStatistics& c) { return c.breakPointsFaced; }},
    {CL_TEXT("Statistics", "Vincenti"), {.shots = &ShotCounts::winners}},
    {CL_TEXT("Statistics", "Errori gratuiti"), {.shots = &ShotCounts::unforcedErrors}},
    {CL_TEXT("Statistics", "Errori forzati"), {.shots = &ShotCounts::forcedErrors}},
    {CL_TEXT("Statistics", "Errori su colpi tentati"), {.shots = &ShotCounts::attemptedErrors}},
    {CL_TEXT("Statistics", "Punti di fila, al massimo"), {.own = &PlayerStatistics::longestRun}},
}};

struct ServeRow {
    Source caption;
    int ServeStatistics::*counted;
    int (*outOf)(const ServeStatistics&) = nullptr;
};

const std::array<ServeRow, 9> kServeRows{{
    {CL_TEXT("Statistics", "Ace"), &ServeStatistics::aces},
    {CL_TEXT("Statistics", "Doppi falli"), &ServeStatistics::doubleFaults},
    {CL_TEXT("Statistics", "Servizi vincenti"), &ServeStatistics::serviceWinners},
    {CL_TEXT("Statistics", "Prime palle in campo"), &ServeStatistics::firstServesIn,
     [](const ServeStatistics& c) { return c.servicePointsPlayed; }},
    {CL_TEXT("Statistics", "Punti vinti con la prima"), &ServeStatistics::firstServePointsWon,
     [](const ServeStatistics& c) { return c.firstServesIn; }},
    {CL_TEXT("Statistics", "Punti vinti con la seconda"), &ServeStatistics::secondServePointsWon,
     [](const ServeStatistics& c) { return c.servicePointsPlayed - c.firstServesIn; }},
    {CL_TEXT("Statistics", "Punti vinti al servizio"), &ServeStatistics::servicePointsWon,
     [](const ServeStatistics& c) { return c.servicePointsPlayed; }},
    {CL_TEXT("Statistics", "Game di servizio tenuti"), &ServeStatistics::serviceGamesHeld,
     [](const ServeStatistics& c) { return c.serviceGamesPlayed; }},
    {CL_TEXT("Statistics", "Palle break salvate"), &ServeStatistics::breakPointsSaved,
     [](const ServeStatistics& c) { return c.breakPointsFaced; }},
}};

void shotRow(FigureTable& t, Text caption, const PlayerStatistics& c, Figure::Among among,
             std::size_t kind) {
    std::vector<Text> row{std::move(caption)};
    std::vector<Figure> counted;
    for (const auto& f : kShotFigures) {
        counted.push_back({.shots = f.figure, .among = among, .kind = kind});
        row.push_back(Text::number(counted.back().in(c)));
    }
    t.rows.push_back(std::move(row));
    t.counted.push_back(std::move(counted));
}

}  // namespace

Text shareText(int n, int d) {
    if (d <= 0) {
        return Text::pattern("%1/%2").arg(n).arg(d);
    }
    return Text::pattern("%1/%2 (%3)").arg(n).arg(d).arg(Percent(n, d));
}

std::string clockText(std::int64_t ms) {
    const std::int64_t seconds = ms / 1000;
    const std::int64_t h = seconds / 3600;
    const std::int64_t m = seconds / 60 % 60;
    const std::int64_t s = seconds % 60;
    auto two = [](std::int64_t v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    return h > 0 ? std::to_string(h) + ":" + two(m) + ":" + two(s)
                 : std::to_string(seconds / 60) + ":" + two(s);
}

FigureTable shotTable(const PlayerStatistics& c, const Text& player) {
    FigureTable t;
    t.caption = Text(CL_TEXT("Statistics", "Vincenti ed errori di %1")).arg(player);
    t.headers = {Text(CL_TEXT("Statistics", "Colpo"))};
    for (std::size_t e = 1; e < kErroreVincenteCaptions.size(); ++e) {
        t.headers.emplace_back(kErroreVincenteCaptions[e]);
    }
    // Strokes first, then shots; a point with neither marked reads "not given" once each.
    using enum Figure::Among;
    shotRow(t, kDirittoRovescioCaptions[1], c, Stroke, 1);
    shotRow(t, kDirittoRovescioCaptions[2], c, Stroke, 2);
    shotRow(t, CL_TEXT("Statistics", "Diritto o rovescio non indicato"), c, Stroke, 0);
    for (std::size_t k = 1; k < kShotKinds; ++k) {
        shotRow(t, kColpoCaptions[k], c, Shot, k);
    }
    shotRow(t, CL_TEXT("Statistics", "Colpo non indicato"), c, Shot, 0);
    shotRow(t, CL_TEXT("Statistics", "Totale"), c, All, 0);
    return t;
}

FigureTable figureTable(std::span<const PlayerStatistics> statistics,
                        std::span<const Text> players) {
    FigureTable figures;
    figures.caption = CL_TEXT("Statistics", "Punti, servizio e palle break");
    figures.headers = {Text(CL_TEXT("Statistics", "Statistica"))};
    figures.headers.insert(figures.headers.end(), players.begin(), players.end());
    for (const FigureRow& row : kFigureRows) {
        std::vector<Text> cells{row.caption};
        for (const PlayerStatistics& s : statistics) {
            const int n = row.counted.in(s);
            cells.push_back(row.outOf != nullptr ? shareText(n, row.outOf(s)) : Text::number(n));
        }
        figures.rows.push_back(std::move(cells));
        figures.counted.emplace_back(statistics.size(), row.counted);
    }
    return figures;
}

FigureTable serveTable(std::span<const ServeStatistics> statistics, std::span<const Text> players) {
    FigureTable t;
    t.caption = CL_TEXT("Statistics", "Il servizio di ciascun giocatore");
    t.headers = {Text(CL_TEXT("Statistics", "Statistica"))};
    t.headers.insert(t.headers.end(), players.begin(), players.end());
    t.servers = true;
    for (const ServeRow& row : kServeRows) {
        std::vector<Text> cells{row.caption};
        for (const ServeStatistics& s : statistics) {
            const int n = s.*row.counted;
            cells.push_back(row.outOf != nullptr ? shareText(n, row.outOf(s)) : Text::number(n));
        }
        t.rows.push_back(std::move(cells));
        t.counted.emplace_back(statistics.size(), Figure{.served = row.counted});
    }
    return t;
}

StretchTables stretchTables(Text title, const StretchStatistics& stretch,
                            const std::array<Text, 2>& players,
                            const std::array<Text, kPlayers>* doubles) {
    StretchTables out;
    out.title = std::move(title);
    if (stretch.lengthMs) {
        out.times.push_back(Text(CL_TEXT("Statistics", "Durata: %1"))
                                .arg(Text::verbatim(clockText(*stretch.lengthMs))));
    }
    if (stretch.medianGapMs) {
        out.times.push_back(Text(CL_TEXT("Statistics", "Tempo mediano tra due punti: %1"))
                                .arg(Text::verbatim(clockText(*stretch.medianGapMs))));
    }
    out.tables.push_back(figureTable(stretch.players, players));
    if (doubles != nullptr) {
        out.tables.push_back(serveTable(stretch.servers, *doubles));
    }
    for (int p = 0; p < 2; ++p) {
        out.tables.push_back(shotTable(stretch.players[static_cast<std::size_t>(p)],
                                       players[static_cast<std::size_t>(p)]));
        out.tables.back().player = p;
    }
    return out;
}

std::vector<StretchTables> detailedTables(const MatchStatistics& statistics,
                                          const std::array<Text, 2>& players,
                                          const std::array<Text, kPlayers>* doubles) {
    std::vector<StretchTables> out{
        stretchTables(CL_TEXT("Statistics", "Partita"), statistics.match, players, doubles)};
    for (std::size_t s = 0; s < statistics.sets.size(); ++s) {
        out.push_back(
            stretchTables(Text(CL_TEXT("Statistics", "Set %1")).arg(static_cast<long long>(s) + 1),
                          statistics.sets[s], players, doubles));
    }
    return out;
}

}  // namespace courtlog
