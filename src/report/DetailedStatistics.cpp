// The figures of the detailed statistics, laid out once for every view.
#include "report/DetailedStatistics.h"

#include <functional>

#include "form/Captions.h"
#include "form/PointPanel.h"

namespace courtlog {

namespace {

using Figure = Text (*)(const PlayerStatistics&);

struct FigureRow {
    Source caption;
    Figure value;
};

const std::array<FigureRow, 16> kFigureRows{{
    {CL_TEXT("Statistics", "Punti vinti"),
     [](const PlayerStatistics& c) { return Text::number(c.pointsWon); }},
    {CL_TEXT("Statistics", "Punti vinti al servizio"),
     [](const PlayerStatistics& c) {
         return shareText(c.servicePointsWon, c.servicePointsPlayed);
     }},
    {CL_TEXT("Statistics", "Punti vinti in risposta"),
     [](const PlayerStatistics& c) { return shareText(c.returnPointsWon, c.returnPointsPlayed); }},
    {CL_TEXT("Statistics", "Ace"), [](const PlayerStatistics& c) { return Text::number(c.aces); }},
    {CL_TEXT("Statistics", "Doppi falli"),
     [](const PlayerStatistics& c) { return Text::number(c.doubleFaults); }},
    {CL_TEXT("Statistics", "Servizi vincenti"),
     [](const PlayerStatistics& c) { return Text::number(c.serviceWinners); }},
    {CL_TEXT("Statistics", "Prime palle in campo"),
     [](const PlayerStatistics& c) { return shareText(c.firstServesIn, c.servicePointsPlayed); }},
    {CL_TEXT("Statistics", "Punti vinti con la prima"),
     [](const PlayerStatistics& c) { return shareText(c.firstServePointsWon, c.firstServesIn); }},
    {CL_TEXT("Statistics", "Punti vinti con la seconda"),
     [](const PlayerStatistics& c) {
         return shareText(c.secondServePointsWon, c.servicePointsPlayed - c.firstServesIn);
     }},
    {CL_TEXT("Statistics", "Palle break trasformate"),
     [](const PlayerStatistics& c) { return shareText(c.breakPointsWon, c.breakPointsHad); }},
    {CL_TEXT("Statistics", "Palle break salvate"),
     [](const PlayerStatistics& c) { return shareText(c.breakPointsSaved, c.breakPointsFaced); }},
    {CL_TEXT("Statistics", "Vincenti"),
     [](const PlayerStatistics& c) { return Text::number(c.shots.winners); }},
    {CL_TEXT("Statistics", "Errori gratuiti"),
     [](const PlayerStatistics& c) { return Text::number(c.shots.unforcedErrors); }},
    {CL_TEXT("Statistics", "Errori forzati"),
     [](const PlayerStatistics& c) { return Text::number(c.shots.forcedErrors); }},
    {CL_TEXT("Statistics", "Errori su colpi tentati"),
     [](const PlayerStatistics& c) { return Text::number(c.shots.attemptedErrors); }},
    {CL_TEXT("Statistics", "Punti di fila, al massimo"),
     [](const PlayerStatistics& c) { return Text::number(c.longestRun); }},
}};

std::vector<Text> shotRow(Text caption, const ShotCounts& c) {
    std::vector<Text> row{std::move(caption)};
    for (const auto& f : kShotFigures) {
        row.push_back(Text::number(c.*f.figure));
    }
    return row;
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
    t.rows.push_back(shotRow(kDirittoRovescioCaptions[1], c.byStroke[1]));
    t.rows.push_back(shotRow(kDirittoRovescioCaptions[2], c.byStroke[2]));
    t.rows.push_back(
        shotRow(CL_TEXT("Statistics", "Diritto o rovescio non indicato"), c.byStroke[0]));
    for (std::size_t k = 1; k < kShotKinds; ++k) {
        t.rows.push_back(shotRow(kColpoCaptions[k], c.byShot[k]));
    }
    t.rows.push_back(shotRow(CL_TEXT("Statistics", "Colpo non indicato"), c.byShot[0]));
    t.rows.push_back(shotRow(CL_TEXT("Statistics", "Totale"), c.shots));
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
            cells.push_back(row.value(s));
        }
        figures.rows.push_back(std::move(cells));
    }
    return figures;
}

StretchTables stretchTables(Text title, const StretchStatistics& stretch,
                            const std::array<Text, 2>& players) {
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
    for (int p = 0; p < 2; ++p) {
        out.tables.push_back(shotTable(stretch.players[static_cast<std::size_t>(p)],
                                       players[static_cast<std::size_t>(p)]));
    }
    return out;
}

std::vector<StretchTables> detailedTables(const MatchStatistics& statistics,
                                          const std::array<Text, 2>& players) {
    std::vector<StretchTables> out{
        stretchTables(CL_TEXT("Statistics", "Partita"), statistics.match, players)};
    for (std::size_t s = 0; s < statistics.sets.size(); ++s) {
        out.push_back(
            stretchTables(Text(CL_TEXT("Statistics", "Set %1")).arg(static_cast<long long>(s) + 1),
                          statistics.sets[s], players));
    }
    return out;
}

}  // namespace courtlog
