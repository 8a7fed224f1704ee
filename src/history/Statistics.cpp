// The statistics panel, counted one point at a time.
#include "history/Statistics.h"

#include <cmath>

#include "scoring/MainForm.h"

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

    PercentualeConPrimaPalla[s].setCaption(
        FirstServesIn[s] < 1 ? "N/D" : Percent(FirstServeWon[s], FirstServesIn[s]));
    const int secondServes = ServedPoints[s] - FirstServesIn[s];
    PercentualeConSecondaPalla[s].setCaption(
        secondServes < 1 ? "N/D" : Percent(SecondServeWon[s], secondServes));
    PercentualePrimePalle[s].setCaption(Percent(FirstServesIn[s], ServedPoints[s]));
}

}  // namespace courtlog
