#include "form/Captions.h"

#include <cmath>

namespace courtlog {

namespace {

constexpr std::array<Source, 5> kGamePoints{Source{nullptr, "0"}, Source{nullptr, "15"},
                                            Source{nullptr, "30"}, Source{nullptr, "40"},
                                            CL_TEXT("Scoreboard", "AD")};

Text count(int n) {
    return Text::number(n);
}

}  // namespace

Text pointCaption(const Score& score, int player) {
    const auto points = static_cast<std::size_t>(score.points[player]);
    if (score.inTieBreak || points >= kGamePoints.size()) {
        return count(score.points[player]);
    }
    return kGamePoints[points];
}

Text Percent(int n, int d) {
    if (d <= 0) {
        return CL_TEXT("Statistics", "N/D");  // no share of nothing
    }
    const double quotient = static_cast<double>(n) / static_cast<double>(d);
    // nearbyint rounds in the default mode, ties to even.
    const double rounded = std::nearbyint(quotient * 100.0);
    return Text::verbatim(std::to_string(static_cast<long long>(rounded)) + "%");
}

Text firstServesText(const PlayerStatistics& c) {
    // Before the first serve the frame reads 0%, not "nothing to divide".
    return c.servicePointsPlayed < 1 ? Text::verbatim("0%")
                                     : Percent(c.firstServesIn, c.servicePointsPlayed);
}

Text firstServeWonText(const PlayerStatistics& c) {
    return Percent(c.firstServePointsWon, c.firstServesIn);
}

Text secondServeWonText(const PlayerStatistics& c) {
    return Percent(c.secondServePointsWon, c.servicePointsPlayed - c.firstServesIn);
}

namespace {

Text marker(Source plain, Source numbered, int shown) {
    return shown > 0 ? Text(numbered).arg(shown) : Text(plain);
}

}  // namespace

Text breakPointCaption(int shown) {
    return marker(CL_TEXT("Scoreboard", "Break Point"), CL_TEXT("Scoreboard", "Break Point # %1"),
                  shown);
}

Text deuceCaption(int shown) {
    return marker(CL_TEXT("Scoreboard", "Parità"), CL_TEXT("Scoreboard", "Parità # %1"), shown);
}

Text setPointCaption(int shown) {
    return marker(CL_TEXT("Scoreboard", "Set Point"), CL_TEXT("Scoreboard", "Set Point #%1"),
                  shown);
}

Text matchPointCaption(int shown) {
    return marker(CL_TEXT("Scoreboard", "Match Point"), CL_TEXT("Scoreboard", "Match Point #%1"),
                  shown);
}

Text newBallsCaption() {
    return CL_TEXT("Scoreboard", "Palle nuove");
}

Text statisticsTitle(const Text& player) {
    return Text(CL_TEXT("Scoreboard", "Statistiche %1")).arg(player);
}

Text decidedCaption(bool won) {
    return won ? CL_TEXT("Scoreboard", "W") : CL_TEXT("Scoreboard", "L");
}

Text pairCell(Text first, Text second) {
    return Text::pattern("%1 / %2").arg(std::move(first)).arg(std::move(second));
}

using L = Board;

const std::array<StatisticsRow, 8> kStatisticsRows{{
    {CL_TEXT("Statistics", "Punti vinti"), &L::PuntiVinti, nullptr,
     [](const PlayerStatistics& c) { return count(c.pointsWon); }},
    {CL_TEXT("Statistics", "Break points"), &L::BreakFatti, &L::BreakAvuti,
     [](const PlayerStatistics& c) {
         return pairCell(count(c.breakPointsWon), count(c.breakPointsHad));
     }},
    {CL_TEXT("Statistics", "Ace/Doppi falli"), &L::Aces, &L::DoppiFalli,
     [](const PlayerStatistics& c) { return pairCell(count(c.aces), count(c.doubleFaults)); }},
    {CL_TEXT("Statistics", "% Prime palle"), &L::PercentualePrimePalle, nullptr,
     [](const PlayerStatistics& c) { return firstServesText(c); }},
    {CL_TEXT("Statistics", "Punti con 1°/2°"), &L::PercentualeConPrimaPalla,
     &L::PercentualeConSecondaPalla,
     [](const PlayerStatistics& c) {
         return pairCell(firstServeWonText(c), secondServeWonText(c));
     }},
    {CL_TEXT("Statistics", "Colpi vincenti"), &L::ColpiVincenti, nullptr,
     [](const PlayerStatistics& c) { return count(c.shots.winners); }},
    {CL_TEXT("Statistics", "Errori gratuiti"), &L::ErroriGratuiti, nullptr,
     [](const PlayerStatistics& c) { return count(c.shots.unforcedErrors); }},
    {CL_TEXT("Statistics", "Punti set/match"), &L::PuntiDalSet, &L::PuntiDalMatch, nullptr},
}};

Text shownValue(const StatisticsRow& row, const Board& board, int p) {
    const Text& first = (board.*row.first)[p].text();
    return row.second == nullptr ? first : pairCell(first, (board.*row.second)[p].text());
}

namespace {

struct ChangeCaptions {
    Source undo;
    Source redo;
};

// By ChangeKind.
constexpr std::array<ChangeCaptions, 12> kChangeCaptions{{
    {CL_TEXT("Edit", "Annulla punto"), CL_TEXT("Edit", "Ripeti punto")},
    {CL_TEXT("Edit", "Annulla sovrascrittura"), CL_TEXT("Edit", "Ripeti sovrascrittura")},
    {CL_TEXT("Edit", "Annulla inserimento"), CL_TEXT("Edit", "Ripeti inserimento")},
    {CL_TEXT("Edit", "Annulla taglio"), CL_TEXT("Edit", "Ripeti taglio")},
    {CL_TEXT("Edit", "Annulla eliminazione"), CL_TEXT("Edit", "Ripeti eliminazione")},
    {CL_TEXT("Edit", "Annulla modifica del punto"), CL_TEXT("Edit", "Ripeti modifica del punto")},
    {CL_TEXT("Edit", "Annulla nome"), CL_TEXT("Edit", "Ripeti nome")},
    {CL_TEXT("Edit", "Annulla turno"), CL_TEXT("Edit", "Ripeti turno")},
    {CL_TEXT("Edit", "Annulla regola"), CL_TEXT("Edit", "Ripeti regola")},
    {CL_TEXT("Edit", "Annulla ordine di servizio"), CL_TEXT("Edit", "Ripeti ordine di servizio")},
    {CL_TEXT("Edit", "Annulla cancellazione del match"),
     CL_TEXT("Edit", "Ripeti cancellazione del match")},
    {CL_TEXT("Edit", "Annulla video"), CL_TEXT("Edit", "Ripeti video")},
}};

}  // namespace

Text undoCaptionOf(std::optional<ChangeKind> kind) {
    return kind ? Text(kChangeCaptions[static_cast<std::size_t>(*kind)].undo)
                : Text(CL_TEXT("Edit", "Annulla"));
}

Text redoCaptionOf(std::optional<ChangeKind> kind) {
    return kind ? Text(kChangeCaptions[static_cast<std::size_t>(*kind)].redo)
                : Text(CL_TEXT("Edit", "Ripeti"));
}

}  // namespace courtlog
