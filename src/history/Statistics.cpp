// The statistics panel, counted one point at a time.
#include "history/Statistics.h"

#include <cmath>

namespace courtlog {

std::string Percent(int n, int d) {
    if (d <= 0) {
        return "N/D";  // no share of nothing
    }
    const double quotient = static_cast<double>(n) / static_cast<double>(d);
    // nearbyint rounds in the default mode, ties to even.
    const double rounded = std::nearbyint(quotient * 100.0);
    return std::to_string(static_cast<long long>(rounded)) + "%";
}

const std::array<CountName, 11> kCountNames{{
    {"pointsWon", &PlayerCounts::won},
    {"aces", &PlayerCounts::aces},
    {"doubleFaults", &PlayerCounts::doubles},
    {"winners", &PlayerCounts::winners},
    {"unforcedErrors", &PlayerCounts::errors},
    {"breaksMade", &PlayerCounts::breaksMade},
    {"breakPoints", &PlayerCounts::breakPoints},
    {"servedPoints", &PlayerCounts::served},
    {"firstServesIn", &PlayerCounts::firstIn},
    {"firstServePointsWon", &PlayerCounts::firstWon},
    {"secondServePointsWon", &PlayerCounts::secondWon},
}};

PlayerCounts& PlayerCounts::operator+=(const PlayerCounts& o) {
    for (const CountName& c : kCountNames) {
        this->*c.count += o.*c.count;
    }
    return *this;
}

PlayerCounts PlayerCounts::operator-(const PlayerCounts& o) const {
    PlayerCounts d = *this;
    for (const CountName& c : kCountNames) {
        d.*c.count -= o.*c.count;
    }
    return d;
}

std::string PlayerCounts::firstServesText() const {
    // Before the first serve the frame reads 0%, not "nothing to divide".
    return served < 1 ? "0%" : Percent(firstIn, served);
}

std::string PlayerCounts::firstServeWonText() const {
    return Percent(firstWon, firstIn);
}

std::string PlayerCounts::secondServeWonText() const {
    return Percent(secondWon, served - firstIn);
}

PlayerCounts countsOf(const MainForm& f, int p) {
    PlayerCounts c;
    c.won = f.PuntiVinti[p].number();
    c.aces = f.Aces[p].number();
    c.doubles = f.DoppiFalli[p].number();
    c.winners = f.ColpiVincenti[p].number();
    c.errors = f.ErroriGratuiti[p].number();
    c.breaksMade = f.BreakFatti[p].number();
    c.breakPoints = f.BreakAvuti[p].number();
    c.served = f.ServedPoints[p];
    c.firstIn = f.FirstServesIn[p];
    c.firstWon = f.FirstServeWon[p];
    c.secondWon = f.SecondServeWon[p];
    return c;
}

std::string pairCell(const std::string& first, const std::string& second) {
    return first + " / " + second;
}

namespace {

std::string count(int n) {
    return std::to_string(n);
}

}  // namespace

const std::array<StatisticsRow, 8> kStatisticsRows{{
    {"Punti vinti", &MainForm::PuntiVinti, nullptr,
     [](const PlayerCounts& c) { return count(c.won); }},
    {"Break points", &MainForm::BreakFatti, &MainForm::BreakAvuti,
     [](const PlayerCounts& c) { return pairCell(count(c.breaksMade), count(c.breakPoints)); }},
    {"Ace/Doppi falli", &MainForm::Aces, &MainForm::DoppiFalli,
     [](const PlayerCounts& c) { return pairCell(count(c.aces), count(c.doubles)); }},
    {"% Prime palle", &MainForm::PercentualePrimePalle, nullptr,
     [](const PlayerCounts& c) { return c.firstServesText(); }},
    {"Punti con 1°/2°", &MainForm::PercentualeConPrimaPalla, &MainForm::PercentualeConSecondaPalla,
     [](const PlayerCounts& c) { return pairCell(c.firstServeWonText(), c.secondServeWonText()); }},
    {"Colpi vincenti", &MainForm::ColpiVincenti, nullptr,
     [](const PlayerCounts& c) { return count(c.winners); }},
    {"Errori gratuiti", &MainForm::ErroriGratuiti, nullptr,
     [](const PlayerCounts& c) { return count(c.errors); }},
    {"Punti set/match", &MainForm::PuntiDalSet, &MainForm::PuntiDalMatch, nullptr},
}};

std::string shownValue(const StatisticsRow& row, const MainForm& f, int p) {
    const std::string& first = (f.*row.first)[p].caption();
    return row.second == nullptr ? first : pairCell(first, (f.*row.second)[p].caption());
}

void MainForm::showServePercentages(int p) {
    // Only the serve counters matter here; reading the other labels back would be wasted work
    // on every replayed point.
    PlayerCounts c;
    c.served = ServedPoints[p];
    c.firstIn = FirstServesIn[p];
    c.firstWon = FirstServeWon[p];
    c.secondWon = SecondServeWon[p];
    PercentualePrimePalle[p].setCaption(c.firstServesText());
    PercentualeConPrimaPalla[p].setCaption(c.firstServeWonText());
    PercentualeConSecondaPalla[p].setCaption(c.secondServeWonText());
}

void MainForm::UpdateStatistics(PointWord info) {
    const int w = courtlog::EstraiInfo(info, Attr::Punto);
    const int l = 1 - w;
    const int s = Server;
    const int servizio = courtlog::EstraiInfo(info, Attr::Servizio);
    const int outcome = courtlog::EstraiInfo(info, Attr::AceDoppioFallo);
    const int shot = courtlog::EstraiInfo(info, Attr::ErroreVincente);

    if (w == s) {
        ++(servizio == 0 ? FirstServeWon : SecondServeWon)[w];
    }
    if (outcome == 1) {
        Aces[w].addOne();  // credited to the winner of the point, whoever served
    }
    if (outcome == 2) {
        DoppiFalli[l].addOne();
    }
    if (servizio == 0) {
        ++FirstServesIn[s];
    }
    if (shot == 1) {
        ColpiVincenti[w].addOne();
    }
    if (shot == 2) {
        ErroriGratuiti[l].addOne();
    }
    ++ServedPoints[s];
    showServePercentages(s);
}

}  // namespace courtlog
