#include "form/Captions.h"

#include <cmath>

namespace courtlog {

namespace {

constexpr std::array<const char*, 5> kGamePoints{"0", "15", "30", "40", "AD"};

std::string count(int n) {
    return std::to_string(n);
}

}  // namespace

std::string pointCaption(const Score& score, int player) {
    const auto points = static_cast<std::size_t>(score.points[player]);
    if (score.inTieBreak || points >= kGamePoints.size()) {
        return count(score.points[player]);
    }
    return kGamePoints[points];
}

std::string Percent(int n, int d) {
    if (d <= 0) {
        return "N/D";  // no share of nothing
    }
    const double quotient = static_cast<double>(n) / static_cast<double>(d);
    // nearbyint rounds in the default mode, ties to even.
    const double rounded = std::nearbyint(quotient * 100.0);
    return std::to_string(static_cast<long long>(rounded)) + "%";
}

std::string firstServesText(const PlayerCounts& c) {
    // Before the first serve the frame reads 0%, not "nothing to divide".
    return c.served < 1 ? "0%" : Percent(c.firstIn, c.served);
}

std::string firstServeWonText(const PlayerCounts& c) {
    return Percent(c.firstWon, c.firstIn);
}

std::string secondServeWonText(const PlayerCounts& c) {
    return Percent(c.secondWon, c.served - c.firstIn);
}

std::string pairCell(const std::string& first, const std::string& second) {
    return first + " / " + second;
}

using L = MainForm::Labels;

const std::array<StatisticsRow, 8> kStatisticsRows{{
    {"Punti vinti", &L::PuntiVinti, nullptr, [](const PlayerCounts& c) { return count(c.won); }},
    {"Break points", &L::BreakFatti, &L::BreakAvuti,
     [](const PlayerCounts& c) { return pairCell(count(c.breaksMade), count(c.breakPoints)); }},
    {"Ace/Doppi falli", &L::Aces, &L::DoppiFalli,
     [](const PlayerCounts& c) { return pairCell(count(c.aces), count(c.doubles)); }},
    {"% Prime palle", &L::PercentualePrimePalle, nullptr,
     [](const PlayerCounts& c) { return firstServesText(c); }},
    {"Punti con 1°/2°", &L::PercentualeConPrimaPalla, &L::PercentualeConSecondaPalla,
     [](const PlayerCounts& c) { return pairCell(firstServeWonText(c), secondServeWonText(c)); }},
    {"Colpi vincenti", &L::ColpiVincenti, nullptr,
     [](const PlayerCounts& c) { return count(c.winners); }},
    {"Errori gratuiti", &L::ErroriGratuiti, nullptr,
     [](const PlayerCounts& c) { return count(c.errors); }},
    {"Punti set/match", &L::PuntiDalSet, &L::PuntiDalMatch, nullptr},
}};

std::string shownValue(const StatisticsRow& row, const MainForm& f, int p) {
    const std::string& first = (f.labels.*row.first)[p].caption();
    return row.second == nullptr ? first : pairCell(first, (f.labels.*row.second)[p].caption());
}

}  // namespace courtlog
