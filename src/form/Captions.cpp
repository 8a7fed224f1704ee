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

Text firstServesText(const PlayerCounts& c) {
    // Before the first serve the frame reads 0%, not "nothing to divide".
    return c.served < 1 ? Text::verbatim("0%") : Percent(c.firstIn, c.served);
}

Text firstServeWonText(const PlayerCounts& c) {
    return Percent(c.firstWon, c.firstIn);
}

Text secondServeWonText(const PlayerCounts& c) {
    return Percent(c.secondWon, c.served - c.firstIn);
}

Text pairCell(Text first, Text second) {
    return Text::pattern("%1 / %2").arg(std::move(first)).arg(std::move(second));
}

using L = MainForm::Labels;

const std::array<StatisticsRow, 8> kStatisticsRows{{
    {CL_TEXT("Statistics", "Punti vinti"), &L::PuntiVinti, nullptr,
     [](const PlayerCounts& c) { return count(c.won); }},
    {CL_TEXT("Statistics", "Break points"), &L::BreakFatti, &L::BreakAvuti,
     [](const PlayerCounts& c) { return pairCell(count(c.breaksMade), count(c.breakPoints)); }},
    {CL_TEXT("Statistics", "Ace/Doppi falli"), &L::Aces, &L::DoppiFalli,
     [](const PlayerCounts& c) { return pairCell(count(c.aces), count(c.doubles)); }},
    {CL_TEXT("Statistics", "% Prime palle"), &L::PercentualePrimePalle, nullptr,
     [](const PlayerCounts& c) { return firstServesText(c); }},
    {CL_TEXT("Statistics", "Punti con 1°/2°"), &L::PercentualeConPrimaPalla,
     &L::PercentualeConSecondaPalla,
     [](const PlayerCounts& c) { return pairCell(firstServeWonText(c), secondServeWonText(c)); }},
    {CL_TEXT("Statistics", "Colpi vincenti"), &L::ColpiVincenti, nullptr,
     [](const PlayerCounts& c) { return count(c.winners); }},
    {CL_TEXT("Statistics", "Errori gratuiti"), &L::ErroriGratuiti, nullptr,
     [](const PlayerCounts& c) { return count(c.errors); }},
    {CL_TEXT("Statistics", "Punti set/match"), &L::PuntiDalSet, &L::PuntiDalMatch, nullptr},
}};

Text shownValue(const StatisticsRow& row, const MainForm& f, int p) {
    const Text& first = (f.labels.*row.first)[p].text();
    return row.second == nullptr ? first : pairCell(first, (f.labels.*row.second)[p].text());
}

}  // namespace courtlog
