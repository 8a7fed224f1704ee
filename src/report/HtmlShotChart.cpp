// Each player's winners and errors as bars: by stroke on the left, by shot on the right.
#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <span>

#include "form/PointPanel.h"
#include "report/HtmlChart.h"
#include "report/HtmlTables.h"
#include "report/Language.h"

namespace courtlog {

namespace {

// Where everything goes, in the units of the viewBox. Each group of four bars is one stroke or
// one shot; the count sits beside its bar, so the chart reads in black and white as well.
constexpr double kWidth = 1000;
constexpr double kPanelWidth = 490;  // the strokes' panel, then the shots' after a gap
constexpr double kShotsLeft = 510;
constexpr double kLabelWidth = 132;  // the stroke or shot, right-aligned before its bars
constexpr double kNumberRoom = 44;   // after the longest bar, for its count
constexpr double kTop = 40;          // the first group, under the panels' headings
constexpr double kBar = 11;
constexpr double kBarGap = 1;
constexpr double kGroupGap = 12;
constexpr double kGroup = 4 * kBar + 3 * kBarGap;
constexpr double kBottomMargin = 14;
constexpr double kLongestBar = kPanelWidth - kLabelWidth - kNumberRoom;
// A count of one among hundreds still shows as a bar.
constexpr double kShortestBar = 2;

// Winners, then unforced, forced and attempted errors: dark to light, so that the bars differ in
// grey too, in the order of the legend and of the table's columns.
constexpr std::array<const char*, 4> kEndingClass{"fine-v", "fine-g", "fine-f", "fine-t"};

struct Group {
    std::string label;
    const ShotCounts* counts;
};

// A stroke or shot that ended no point says nothing as a row of empty bars.
bool counted(const ShotCounts& c) {
    return std::ranges::any_of(kShotFigures, [&](const auto& f) { return c.*f.figure > 0; });
}

double groupTop(std::size_t g) {
    return kTop + static_cast<double>(g) * (kGroup + kGroupGap);
}

double height(std::size_t groups) {
    return groupTop(groups) - kGroupGap + kBottomMargin;
}

// A length proportional to the count on a scale where `most` fills the panel; zero draws no
// bar.
double barLength(int count, int most) {
    if (count <= 0 || most <= 0) {
        return 0;
    }
    return std::max(kShortestBar, kLongestBar * count / most);
}

std::string notGiven() {
    return filled(QCoreApplication::translate("HtmlReport", "Non indicato"));
}

void panel(PageWriter& w, double left, const std::string& heading, const std::vector<Group>& groups,
           int most) {
    const double barsLeft = left + kLabelWidth;
    svgText(w, left + 4, kTop - 18, "titolo", heading);
    for (std::size_t g = 0; g < groups.size(); ++g) {
        const double top = groupTop(g);
        svgText(w, barsLeft - 8, top + kGroup / 2 + 5, "voce", groups[g].label, "end");
        for (std::size_t e = 0; e < kShotFigures.size(); ++e) {
            const int count = (*groups[g].counts).*kShotFigures[e].figure;
            const double y = top + static_cast<double>(e) * (kBar + kBarGap);
            const double length = barLength(count, most);
            if (length > 0) {
                svgRect(w, barsLeft, y, length, kBar, std::string("barra ") + kEndingClass[e]);
            }
            svgText(w, barsLeft + length + 4, y + kBar - 1.5, count > 0 ? "valore" : "valore nullo",
                    std::to_string(count));
        }
    }
    if (!groups.empty()) {
        svgLine(w, barsLeft, kTop - 4, barsLeft, groupTop(groups.size()) - kGroupGap + 4, "asse");
    }
}

// Under the strokes, where the panel has room: a swatch and the name of each ending.
constexpr double kLegendLine = 22;
constexpr double kLegendHeight = 3 * kLegendLine + kBar;
void legend(PageWriter& w, double top) {
    for (std::size_t e = 0; e < kShotFigures.size(); ++e) {
        const double y = top + static_cast<double>(e) * kLegendLine;
        svgRect(w, 16, y, 18, kBar, std::string("chiave ") + kEndingClass[e]);
        svgText(w, 42, y + kBar - 1, "voce", sayUtf8(Text(kErroreVincenteCaptions[e + 1])));
    }
}

int most(const PlayerStatistics& s) {
    int m = 0;
    for (const auto& counts :
         {std::span<const ShotCounts>(s.byStroke), std::span<const ShotCounts>(s.byShot)}) {
        for (const ShotCounts& c : counts) {
            for (const auto& f : kShotFigures) {
                m = std::max(m, c.*f.figure);
            }
        }
    }
    return m;
}

void chart(PageWriter& w, const PlayerStatistics& s, const std::string& name, int scale) {
    std::vector<Group> strokes;
    for (const std::size_t k : {1, 2, 0}) {
        if (counted(s.byStroke[k])) {
            strokes.push_back(
                {k == 0 ? notGiven() : sayUtf8(Text(kDirittoRovescioCaptions[k])), &s.byStroke[k]});
        }
    }
    std::vector<Group> shots;
    for (std::size_t k = 1; k <= kShotKinds; ++k) {
        if (counted(s.byShot[k % kShotKinds])) {
            shots.push_back({k == kShotKinds ? notGiven() : sayUtf8(Text(kColpoCaptions[k])),
                             &s.byShot[k % kShotKinds]});
        }
    }
    // The legend goes under the strokes: the chart is as tall as the longer of the two.
    const double legendTop = height(strokes.size()) + 16;
    const double tall = std::max(height(shots.size()), legendTop + kLegendHeight + kBottomMargin);
    const std::string title =
        filled(QCoreApplication::translate(
                   "HtmlReport", "Vincenti ed errori di %1 per diritto e rovescio e per colpo"),
               {name});

    w.open("svg",
           {{"class", "barre"},
            {"viewBox", "0 0 " + coord(kWidth) + " " + coord(tall)},
            {"width", coord(kWidth)},
            {"height", coord(tall)},
            {"role", "img"},
            {"aria-label", title}},
           kSvgNamespace);
    w.element("title", title);
    panel(w, 0, filled(QCoreApplication::translate("HtmlReport", "Diritto e rovescio")), strokes,
          scale);
    panel(w, kShotsLeft, filled(QCoreApplication::translate("HtmlReport", "Colpo")), shots, scale);
    legend(w, legendTop);
    w.close();
}

}  // namespace

void writeShotCharts(PageWriter& w, const MatchSummary& m) {
    const std::array<PlayerStatistics, 2>& players = m.statistics.match.players;
    // One scale for both, so that the longer bar is the larger count across the pair.
    const int scale = std::max(most(players[0]), most(players[1]));
    openSection(w, "colpi", filled(QCoreApplication::translate("HtmlReport", "Vincenti ed errori")),
                filled(QCoreApplication::translate(
                    "HtmlReport",
                    "Per diritto e rovescio e per colpo, nella stessa scala per i due giocatori. "
                    "Un vincente conta per chi ha vinto il punto, un errore per chi l'ha perso.")),
                true);  // the match's tables of strokes and shots print the same counts
    if (scale == 0) {
        w.element("p",
                  filled(QCoreApplication::translate(
                      "HtmlReport", "Nessun vincente e nessun errore segnato finora.")),
                  {{"class", "nota"}});
    }
    for (int p = 0; p < 2; ++p) {
        w.open("figure", {{"class", "colpi"}});
        w.element("figcaption", player(m, p), {{"class", "giocatore-grafico"}});
        chart(w, players[static_cast<std::size_t>(p)], player(m, p), scale);
        w.close();
    }
    w.close();
}

}  // namespace courtlog
