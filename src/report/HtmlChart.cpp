#include "report/HtmlChart.h"

#include <QCoreApplication>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>

#include "report/HtmlTables.h"
#include "report/Language.h"

namespace courtlog {

ChartFrame::ChartFrame(int points, int mostUp, int mostDown) : points_(points) {
    const auto withRoom = [](int most) { return std::max(2, most + (most + 3) / 4); };
    int up = withRoom(mostUp);
    int down = withRoom(mostDown);
    up = std::max(up, (up + down + 3) / 4);
    down = std::max(down, (up + down + 3) / 4);
    step_ = niceStep(up + down, 8);
    up_ = (up + step_ - 1) / step_ * step_;
    down_ = (down + step_ - 1) / step_ * step_;
}

int ChartFrame::niceStep(int span, int most) {
    for (int scale = 1;; scale *= 10) {
        for (const int f : {1, 2, 5}) {
            if (span <= f * scale * most) {
                return f * scale;
            }
        }
    }
}

// A coordinate with one decimal at most, independent of the process locale.
std::string coord(double v) {
    std::array<char, 32> buf{};
    const auto r =
        std::to_chars(buf.data(), buf.data() + buf.size(), v, std::chars_format::fixed, 1);
    std::string s(buf.data(), r.ptr);
    if (s.size() > 2 && s.ends_with(".0")) {
        s.resize(s.size() - 2);
    }
    return s == "-0" ? "0" : s;
}

void svgText(PageWriter& w, double x, double y, const std::string& cls, const std::string& content,
             const std::string& anchor) {
    w.element("text", content,
              {{"x", coord(x)}, {"y", coord(y)}, {"class", cls}, {"text-anchor", anchor}});
}

void svgLine(PageWriter& w, double x1, double y1, double x2, double y2, const std::string& cls) {
    w.empty("line", {{"x1", coord(x1)},
                     {"y1", coord(y1)},
                     {"x2", coord(x2)},
                     {"y2", coord(y2)},
                     {"class", cls}});
}

void svgRect(PageWriter& w, double x, double y, double width, double height,
             const std::string& cls) {
    w.empty("rect", {{"x", coord(x)},
                     {"y", coord(y)},
                     {"width", coord(width)},
                     {"height", coord(height)},
                     {"class", cls}});
}

namespace {

constexpr const char* kColourA = "#2e7d32";
constexpr const char* kColourB = "#b07d00";

using F = ChartFrame;

void grid(PageWriter& w, const ChartFrame& f, int points) {
    for (int d = -f.down(); d <= f.up(); d += f.step()) {
        svgLine(w, F::kLeft, f.y(d), F::kRight, f.y(d), d == 0 ? "zero" : "griglia");
        svgText(w, F::kLeft - 8, f.y(d) + 4, "tacca", std::to_string(std::abs(d)), "end");
    }
    if (points > 0) {
        const int xStep = ChartFrame::niceStep(points, 10);
        for (int k = 0; k <= points; k += xStep) {
            svgLine(w, f.x(k), F::kBottom, f.x(k), F::kBottom + 5, "asse");
            svgText(w, f.x(k), F::kBottom + 20, "tacca", std::to_string(k), "middle");
        }
    }
    svgLine(w, F::kLeft, F::kTop, F::kLeft, F::kBottom, "asse");
    svgLine(w, F::kLeft, F::kBottom, F::kRight, F::kBottom, "asse");
    svgText(w, F::kRight, F::kHeight - 6, "tacca",
            filled(QCoreApplication::translate("HtmlReport", "punti giocati")), "end");
}

void tieBreakShading(PageWriter& w, const ChartFrame& f, const std::vector<const PointRow*>& rows) {
    const int n = static_cast<int>(rows.size());
    for (int k = 0; k < n;) {
        if (!rows[k]->tieBreak) {
            ++k;
            continue;
        }
        const int first = k;
        while (k < n && rows[k]->tieBreak) {
            ++k;
        }
        svgRect(w, f.x(first), F::kTop, f.x(k) - f.x(first), F::kBottom - F::kTop, "tb");
    }
}

// Thinner as points crowd together, so a long match still shows its shape.
double lineWidth(std::size_t points) {
    return points <= 200 ? 1.6 : std::max(0.6, 1.6 * std::sqrt(200.0 / points));
}

// The running difference as a line, with the area to the zero line filled in the colour of
// whoever is ahead: each half of the plot clips the same shape.
void course(PageWriter& w, const ChartFrame& f, const std::vector<const PointRow*>& rows) {
    std::string line = coord(f.x(0)) + "," + coord(f.y(0));
    for (std::size_t k = 0; k < rows.size(); ++k) {
        line += " " + coord(f.x(static_cast<int>(k) + 1)) + "," + coord(f.y(rows[k]->diffAfter));
    }
    const std::string area =
        line + " " + coord(f.x(static_cast<int>(rows.size()))) + "," + coord(f.zero());
    w.open("defs");
    w.open("clipPath", {{"id", "sopra"}});
    svgRect(w, F::kLeft, F::kTop, F::kRight - F::kLeft, f.zero() - F::kTop, "");
    w.close();
    w.open("clipPath", {{"id", "sotto"}});
    svgRect(w, F::kLeft, f.zero(), F::kRight - F::kLeft, F::kBottom - f.zero(), "");
    w.close();
    w.close();
    w.empty("polygon", {{"points", area}, {"class", "area-a"}, {"clip-path", "url(#sopra)"}});
    w.empty("polygon", {{"points", area}, {"class", "area-b"}, {"clip-path", "url(#sotto)"}});
    w.empty(
        "polyline",
        {{"points", line}, {"class", "corso"}, {"stroke-width", coord(lineWidth(rows.size()))}});
}

// Each finished set ends at a dashed line labelled with its score; the set being played is
// labelled with its games at the right edge. Labels sit left of their line; one that would run
// into the previous label moves to a second row.
void setBoundaries(PageWriter& w, const ChartFrame& f, const MatchSummary& m) {
    constexpr double kCharWidth = 8.6;
    std::array<double, 2> rowEnd{0, 0};
    for (const SetSummary& s : m.sets) {
        const double x = f.x(s.endPoint);
        if (s.finished) {
            svgLine(w, x, F::kTop - 4, x, F::kBottom, "confine");
        }
        const std::string label = setScore(s);
        const double width = kCharWidth * static_cast<double>(label.size());
        double left = x - 5 - width;
        std::string anchor = "end";
        double at = x - 5;
        if (left < 2) {
            left = x + 5;
            at = x + 5;
            anchor = "start";
        }
        const int row = left >= rowEnd[0] + 6 ? 0 : (left >= rowEnd[1] + 6 ? 1 : 0);
        rowEnd[row] = left + width;
        svgText(w, at, F::kTop - 10 - 20 * row, s.finished ? "set" : "set aperto", label, anchor);
    }
}

void breakMarkers(PageWriter& w, const ChartFrame& f, const MatchSummary& m,
                  const std::vector<const PointRow*>& rows) {
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const PointRow& r = *rows[k];
        if (!r.brokeServe) {
            continue;
        }
        w.open("circle", {{"cx", coord(f.x(static_cast<int>(k) + 1))},
                          {"cy", coord(f.y(r.diffAfter))},
                          {"r", "4.5"},
                          {"fill", "#fff"},
                          {"stroke", r.winner == 1 ? kColourB : kColourA},
                          {"stroke-width", "2.5"}});
        w.element("title",
                  filled(QCoreApplication::translate("HtmlReport", "Punto %1: break di %2"),
                         {std::to_string(r.number), player(m, r.winner)}));
        w.close();
    }
}

// The label of the half of the chart where the player leads, and of its colour in the legend.
std::string ahead(const std::string& name) {
    return filled(QCoreApplication::translate("HtmlReport", "%1 avanti"), {name});
}

void whoIsAhead(PageWriter& w, const MatchSummary& m) {
    constexpr std::size_t kLongest = 40;
    w.element("text", "▲ " + ahead(shortened(m.players[0], kLongest)),
              {{"x", coord(F::kLeft + 8)},
               {"y", coord(F::kTop + 18)},
               {"class", "chi"},
               {"fill", kColourA}});
    w.element("text", "▼ " + ahead(shortened(m.players[1], kLongest)),
              {{"x", coord(F::kLeft + 8)},
               {"y", coord(F::kBottom - 9)},
               {"class", "chi"},
               {"fill", kColourB}});
}

void svg(PageWriter& w, const MatchSummary& m, const std::vector<const PointRow*>& rows) {
    int mostA = 0;
    int mostB = 0;
    for (const PointRow* r : rows) {
        mostA = std::max(mostA, r->diffAfter);
        mostB = std::max(mostB, -r->diffAfter);
    }
    const int points = static_cast<int>(rows.size());
    const ChartFrame f(points, mostA, mostB);

    w.open("svg",
           {{"class", "grafico"},
            {"viewBox", "0 0 " + coord(F::kWidth) + " " + coord(F::kHeight)},
            {"width", coord(F::kWidth)},
            {"height", coord(F::kHeight)},
            {"role", "img"},
            {"aria-label", filled(QCoreApplication::translate(
                               "HtmlReport", "Differenza di punti vinti lungo la partita"))}},
           kSvgNamespace);
    tieBreakShading(w, f, rows);
    grid(w, f, points);
    if (points > 0) {
        course(w, f, rows);
        setBoundaries(w, f, m);
        breakMarkers(w, f, m, rows);
    } else {
        svgText(w, F::kWidth / 2, f.zero() - 16, "vuoto",
                filled(QCoreApplication::translate("HtmlReport", "Nessun punto giocato")),
                "middle");
    }
    whoIsAhead(w, m);
    w.close();
}

void legendItem(PageWriter& w, const std::string& swatch, const std::string& label) {
    w.open("span", {{"class", "legenda"}});
    w.element("span", "", {{"class", "campione " + swatch}});
    w.text(label);
    w.close();
}

}  // namespace

void writeChart(PageWriter& w, const MatchSummary& m) {
    const auto rows = scoredPoints(m);
    openSection(
        w, "andamento",
        filled(QCoreApplication::translate("HtmlReport", "Andamento della partita")),
        rows.empty()
            ? filled(QCoreApplication::translate(
                  "HtmlReport", "Non ci sono ancora punti: il grafico si riempirà con la partita."))
            : filled(
                  QCoreApplication::translate(
                      "HtmlReport", "Punti vinti da %1 meno punti vinti da %2, dopo ogni punto."),
                  {m.players[0], m.players[1]}));
    w.open("figure");
    svg(w, m, rows);
    w.open("figcaption");
    legendItem(w, "c-a", ahead(m.players[0]));
    legendItem(w, "c-b", ahead(m.players[1]));
    legendItem(w, "c-break",
               filled(QCoreApplication::translate("HtmlReport", "break di servizio")));
    legendItem(w, "c-set", filled(QCoreApplication::translate("HtmlReport", "fine del set")));
    if (std::any_of(rows.begin(), rows.end(), [](const PointRow* r) { return r->tieBreak; })) {
        legendItem(w, "c-tb", filled(QCoreApplication::translate("HtmlReport", "tie-break")));
    }
    w.close();
    w.close();
    w.close();
}

}  // namespace courtlog
