#include "report/HtmlReport.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <string_view>

namespace courtlog {

namespace {

// ---------------------------------------------------------------------------------------------
// Markup

// Text for an element or a quoted attribute. Control characters other than tabs and line breaks
// cannot appear in XML at all, so they become "?" as other unusable characters do in names.
std::string esc(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (const char c : text) {
        switch (c) {
            case '&':
                out += "&amp;";
                break;
            case '<':
                out += "&lt;";
                break;
            case '>':
                out += "&gt;";
                break;
            case '"':
                out += "&quot;";
                break;
            case '\'':
                out += "&#39;";
                break;
            default:
                out += static_cast<unsigned char>(c) < 0x20 && c != '\t' && c != '\n' && c != '\r'
                           ? '?'
                           : c;
                break;
        }
    }
    return out;
}

// ` name="value"`, the value escaped.
std::string attr(std::string_view name, std::string_view value) {
    return " " + std::string(name) + "=\"" + esc(value) + "\"";
}

// An element around content that is already markup.
std::string el(std::string_view name, std::string_view attrs, std::string_view content) {
    std::string out;
    out.reserve(content.size() + 2 * name.size() + attrs.size() + 5);
    out.append("<").append(name).append(attrs).append(">");
    out.append(content);
    out.append("</").append(name).append(">");
    return out;
}

// An element around plain text.
std::string text(std::string_view name, std::string_view attrs, std::string_view content) {
    return el(name, attrs, esc(content));
}

// An element without content, written so both HTML and XML read it as closed.
std::string empty(std::string_view name, std::string_view attrs) {
    return "<" + std::string(name) + std::string(attrs) + "/>";
}

std::string num(int n) {
    return std::to_string(n);
}

std::string pairText(int a, int b) {
    return num(a) + "-" + num(b);
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

// At most max characters of a UTF-8 text, with an ellipsis when cut.
std::string shortened(const std::string& utf8, std::size_t max) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < utf8.size(); ++i) {
        if ((static_cast<unsigned char>(utf8[i]) & 0xC0) != 0x80 && chars++ == max) {
            return utf8.substr(0, i) + "…";
        }
    }
    return utf8;
}

std::string joined(const std::vector<std::string>& parts, std::string_view separator) {
    std::string out;
    for (const std::string& p : parts) {
        if (p.empty()) {
            continue;
        }
        if (!out.empty()) {
            out += separator;
        }
        out += p;
    }
    return out;
}

// Column widths come from the style sheet, by class; "" leaves a column to share the rest.
std::string colgroup(std::initializer_list<const char*> classes) {
    std::string cols;
    for (const char* c : classes) {
        cols += empty("col", *c ? attr("class", c) : "");
    }
    return el("colgroup", "", cols);
}

// ---------------------------------------------------------------------------------------------
// The page

// One style sheet for both pages. Colours follow the window: its dark green for structure,
// its yellow for accents; player A is drawn in green, player B in amber.
constexpr std::string_view kStyle = R"css(
:root { --verde: #1d6b2a; --verde-scuro: #134a1c; --verde-chiaro: #e8f2e3; --giallo: #f2dd5a;
  --giallo-chiaro: #fff8cc; --testo: #1f2a1f; --linea: #dde5d8; --tenue: #5b6657; }
* { box-sizing: border-box; }
html { -webkit-print-color-adjust: exact; print-color-adjust: exact; }
body { margin: 0; background: #f5f7f1; color: var(--testo); line-height: 1.45;
  font-family: "Segoe UI", "DejaVu Sans", "Liberation Sans", Arial, sans-serif; }
main { max-width: 62rem; margin: 0 auto; padding: 1.5rem 1.25rem 3rem; }
h1, h2, p, td, th, caption { overflow-wrap: break-word; }
header.intestazione { background: var(--verde); color: #fff; border-radius: .5rem;
  padding: 1rem 1.4rem 1.1rem; border-bottom: .3rem solid var(--giallo); }
header.intestazione p { margin: .15rem 0; }
.torneo { color: #f7eda6; letter-spacing: .02em; }
h1 { margin: .3rem 0; font-size: 1.7rem; font-weight: 600; line-height: 1.25; }
.contro { font-weight: 300; color: #cfe3c9; }
.vincitore { text-decoration: underline; text-decoration-color: var(--giallo);
  text-decoration-thickness: .18em; text-underline-offset: .2em; }
.punteggio { font-size: 1.45rem; font-weight: 600; font-variant-numeric: tabular-nums;
  letter-spacing: .03em; }
.gioco { font-weight: 400; color: #f7eda6; }
.parziale { white-space: nowrap; }
.esito { color: #e4efe0; }
section { margin-top: 2.2rem; }
h2 { font-size: 1.2rem; color: var(--verde-scuro); margin: 0 0 .8rem;
  border-bottom: 2px solid var(--giallo); padding-bottom: .2rem;
  break-after: avoid; page-break-after: avoid; }
p { orphans: 3; widows: 3; }
.nota { color: var(--tenue); font-size: .88rem; margin: .5rem 0; }
table { width: 100%; border-collapse: collapse; background: #fff;
  font-variant-numeric: tabular-nums; }
caption { text-align: left; font-weight: 600; color: var(--verde-scuro); padding: .3rem 0; }
th, td { padding: .28rem .55rem; border-bottom: 1px solid var(--linea); text-align: center; }
thead th { background: var(--verde-chiaro); color: var(--verde-scuro); font-weight: 600;
  border-bottom: 2px solid #b9cfae; }
thead { display: table-header-group; }
tr { break-inside: avoid; page-break-inside: avoid; }
th[scope=row] { text-align: left; font-weight: 400; color: #3c4a39; }
table.statistiche { table-layout: fixed; }
table.statistiche col.voce { width: 38%; }
table.statistiche td { white-space: nowrap; }
.set-per-set { display: grid; grid-template-columns: repeat(auto-fill, minmax(24rem, 1fr));
  gap: .8rem 1.4rem; }
.set-per-set table { break-inside: avoid; page-break-inside: avoid; font-size: .92rem; }
#andamento { break-inside: avoid; page-break-inside: avoid; }
figure { margin: 0; }
svg.grafico { display: block; width: 100%; height: auto; background: #fff;
  border: 1px solid var(--linea); border-radius: .35rem; }
.grafico .asse { stroke: #9aa894; stroke-width: 1; }
.grafico .griglia { stroke: #e7ece4; stroke-width: 1; }
.grafico .zero { stroke: #7d8c77; stroke-width: 1.4; }
.grafico .corso { fill: none; stroke: #2f3b2d; stroke-linejoin: round; }
.grafico .area-a { fill: #8cc98f; fill-opacity: .6; }
.grafico .area-b { fill: #e9c25a; fill-opacity: .6; }
.grafico .tb { fill: #fff3a8; }
.grafico .confine { stroke: #6d7f67; stroke-width: 1.3; stroke-dasharray: 5 4; }
.grafico text { font-size: 15px; fill: #3c4a39; }
.grafico .tacca { font-size: 13px; fill: #6b7767; }
.grafico .set { font-weight: 600; fill: var(--verde-scuro); }
.grafico .aperto { font-weight: 400; font-style: italic; fill: #6b7767; }
.grafico .chi { font-weight: 600; stroke: #fff; stroke-width: 4; paint-order: stroke; }
.grafico .vuoto { font-size: 17px; fill: #6b7767; }
figcaption { margin-top: .5rem; font-size: .86rem; color: #4b5748; }
.legenda { display: inline-block; margin-right: 1.1rem; white-space: nowrap; }
.campione { display: inline-block; width: .95em; height: .95em; vertical-align: -.12em;
  margin-right: .3em; border-radius: .15em; }
.c-a { background: #a6d4a8; } .c-b { background: #efd48b; }
.c-tb { background: #fff3a8; border: 1px solid #e6d77a; }
.c-break { border-radius: 50%; background: #fff; border: .18em solid #6b7767; }
.c-set { width: .6em; border-radius: 0; border-left: 2px dashed #6d7f67; }
table.registro { table-layout: fixed; font-size: .84rem; }
table.registro td, table.registro th { padding: .25em .35em; }
table.registro col.n { width: 4%; } table.registro col.set { width: 4%; }
table.registro col.giochi { width: 7%; } table.registro col.punti { width: 7.5%; }
table.registro col.nome { width: 13%; } table.registro col.vince { width: 15.5%; }
table.registro col.palla { width: 7.5%; } table.registro col.esito { width: 12.5%; }
table.registro col.colpo { width: 29.5%; }
table.registro td.colpo { text-align: left; }
tr.fine-gioco td { border-bottom: 1px solid #a9bfa0; }
tr.tb td { background: #fff8cc; }
tr.break td { background: #fde3b0; }
tr.dopo td { color: #8a9487; font-style: italic; }
.tag { display: inline-block; font-size: .72em; font-weight: 600; letter-spacing: .04em;
  text-transform: uppercase; background: var(--verde); color: #fff; border-radius: .2em;
  padding: 0 .3em; margin-left: .25em; vertical-align: .08em; }
table.partite td, table.giocatori td:first-child { text-align: left; }
table.partite, table.giocatori { table-layout: fixed; }
table.partite col.n { width: 5%; } table.partite col.torneo { width: 23%; }
table.partite col.incontro { width: 28%; } table.partite col.punteggio { width: 26%; }
table.giocatori col.nome { width: 15%; } table.giocatori col.break { width: 9%; }
table.giocatori { font-size: .9rem; }
table.giocatori th, table.giocatori td { padding: .3em .25em; }
table.giocatori th { font-size: .85em; }
footer { margin-top: 2.5rem; font-size: .8rem; color: #7b8677; text-align: center; }
@page { size: A4; margin: 14mm 12mm 15mm; }
@media print {
  body { background: #fff; font-size: 9.5pt; }
  main { max-width: none; padding: 0; }
  header.intestazione { border-radius: 0; padding: 3mm 5mm 4mm; }
  h1 { font-size: 17pt; }
  .punteggio { font-size: 14pt; }
  section { margin-top: 6mm; }
  .set-per-set { grid-template-columns: 1fr 1fr; gap: 4mm 6mm; }
  .set-per-set table { font-size: 8.5pt; }
  table.registro { font-size: 7.4pt; }
  table.giocatori { font-size: 8pt; }
  .nuova-pagina { break-before: page; page-break-before: always; }
  footer { display: none; }
}
)css";

std::string page(const std::string& title, const std::string& body) {
    std::string out = "<!DOCTYPE html>\n";
    out += "<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"it\" xml:lang=\"it\">\n";
    out += el("head", "",
              empty("meta", attr("charset", "utf-8")) +
                  empty("meta", attr("name", "viewport") +
                                    attr("content", "width=device-width, initial-scale=1")) +
                  text("title", "", title) + el("style", "", kStyle)) +
           "\n";
    out +=
        el("body", "", el("main", "", body) + text("footer", "", "Resoconto creato con Courtlog"));
    out += "\n</html>\n";
    return out;
}

// ---------------------------------------------------------------------------------------------
// Score

// Rows, files and hand-made histories hold indexes 0 and 1; anything else reads as player A
// rather than running off the pair.
const std::string& player(const MatchSummary& m, int p) {
    return m.players[p == 1 ? 1 : 0];
}

// A name where it repeats in narrow columns: at most two lines there, whole everywhere else.
std::string inColumn(const std::string& name) {
    constexpr std::size_t kLongest = 24;
    return shortened(name, kLongest);
}

bool decided(const MatchSummary& m) {
    return m.matchOver && (m.winner == 0 || m.winner == 1);
}

std::vector<const PointRow*> scoredPoints(const MatchSummary& m) {
    std::vector<const PointRow*> rows;
    for (const PointRow& r : m.points) {
        if (r.scored) {
            rows.push_back(&r);
        }
    }
    return rows;
}

bool inTieBreak(const MatchSummary& m) {
    const auto rows = scoredPoints(m);
    return !m.matchOver && !rows.empty() && rows.back()->tieBreak && !rows.back()->endedGame;
}

// The score as markup. Each set stays on one line: a score cut at its hyphen misreads.
std::string matchScore(const MatchSummary& m) {
    std::string out;
    for (const std::string& part : scoreParts(m)) {
        out += (out.empty() ? "" : " ") + text("span", attr("class", "parziale"), part);
    }
    return out;
}

std::string gameText(const MatchSummary& m) {
    return (inTieBreak(m) ? "tie-break " : "gioco ") + m.gameScore;
}

std::string outcomeLine(const MatchSummary& m, int points) {
    const std::string count = points == 1 ? "1 punto" : num(points) + " punti";
    if (decided(m)) {
        const int w = m.winner;
        return "Vince " + m.players[w] + ", " + num(m.setsWon[w]) + " set a " +
               num(m.setsWon[1 - w]) + " · " + count;
    }
    if (points == 0) {
        return "Partita non ancora iniziata: nessun punto registrato";
    }
    return "Partita in corso · " + count;
}

std::string matchTitle(const MatchSummary& m) {
    return m.players[0] + " – " + m.players[1];
}

std::string playerSpan(const MatchSummary& m, int p) {
    const bool won = decided(m) && m.winner == p;
    return text("span", attr("class", won ? "giocatore vincitore" : "giocatore"), m.players[p]);
}

std::string heading(const MatchSummary& m) {
    std::vector<std::string> event{m.tournament, m.round,
                                   "al meglio dei " + num(m.setsInMatch) + " set"};
    std::string score = matchScore(m);
    if (!m.matchOver) {
        score += text("span", attr("class", "gioco"), " · " + gameText(m));
    }
    return el(
        "header", attr("class", "intestazione"),
        text("p", attr("class", "torneo"), joined(event, " · ")) +
            el("h1", "",
               playerSpan(m, 0) + text("span", attr("class", "contro"), " – ") + playerSpan(m, 1)) +
            el("p", attr("class", "punteggio"), score) +
            text("p", attr("class", "esito"),
                 outcomeLine(m, static_cast<int>(scoredPoints(m).size()))));
}

// ---------------------------------------------------------------------------------------------
// Statistics

// Two counts in one cell, spaced as the text report spaces them.
std::string slash(const std::string& a, const std::string& b) {
    return a + " / " + b;
}
std::string slash(int a, int b) {
    return slash(num(a), num(b));
}

std::string statTable(const std::string& caption, const std::array<std::string, 2>& players,
                      const std::array<PlayerCounts, 2>& counts) {
    std::string rows;
    for (const StatisticsRow& row : kStatisticsRows) {
        if (row.fromCounts == nullptr) {
            continue;
        }
        rows += el("tr", "",
                   text("th", attr("scope", "row"), row.caption) +
                       text("td", "", row.fromCounts(counts[0])) +
                       text("td", "", row.fromCounts(counts[1])));
    }
    const std::string head =
        el("tr", "",
           el("th", attr("scope", "col"), "") + text("th", attr("scope", "col"), players[0]) +
               text("th", attr("scope", "col"), players[1]));
    return el("table", attr("class", "statistiche"),
              (caption.empty() ? "" : text("caption", "", caption)) + colgroup({"voce", "", ""}) +
                  el("thead", "", head) + el("tbody", "", rows));
}

constexpr std::string_view kStatNote =
    "Break points: break fatti / palle break avute. Punti con 1°/2°: punti vinti con la prima "
    "e con la seconda di servizio.";

std::string matchStatistics(const MatchSummary& m) {
    return el("section", attr("id", "statistiche"),
              text("h2", "", "Statistiche della partita") + statTable("", m.players, m.totals) +
                  text("p", attr("class", "nota"), kStatNote));
}

std::string setCaption(const SetSummary& s) {
    return num(s.number) + "° set · " + (s.finished ? "" : "in corso ") + setScore(s);
}

std::string setStatistics(const MatchSummary& m) {
    if (m.sets.empty()) {
        return {};
    }
    const std::array<std::string, 2> names{inColumn(m.players[0]), inColumn(m.players[1])};
    std::string tables;
    for (const SetSummary& s : m.sets) {
        tables += statTable(setCaption(s), names, s.counts);
    }
    return el("section", attr("id", "set") + attr("class", "nuova-pagina"),
              text("h2", "", "Set per set") + el("div", attr("class", "set-per-set"), tables));
}

// ---------------------------------------------------------------------------------------------
// The course of the match

constexpr const char* kColourA = "#2e7d32";
constexpr const char* kColourB = "#b07d00";

// The drawing area in the units of the viewBox, and how points and differences map onto it.
class ChartFrame {
public:
    static constexpr double kWidth = 1000;
    static constexpr double kHeight = 420;
    static constexpr double kLeft = 52;
    static constexpr double kRight = 984;
    static constexpr double kTop = 56;
    static constexpr double kBottom = 376;

    // The vertical scale runs from B's largest lead (down) to A's (up), each with headroom
    // that keeps the players' names clear of the line, and neither side squeezed below a
    // fifth of the height, where a name would not fit.
    ChartFrame(int points, int mostUp, int mostDown) : points_(points) {
        const auto withRoom = [](int most) { return std::max(2, most + (most + 3) / 4); };
        int up = withRoom(mostUp);
        int down = withRoom(mostDown);
        up = std::max(up, (up + down + 3) / 4);
        down = std::max(down, (up + down + 3) / 4);
        step_ = niceStep(up + down, 8);
        up_ = (up + step_ - 1) / step_ * step_;
        down_ = (down + step_ - 1) / step_ * step_;
    }

    // After k points; before the first one when k is 0.
    double x(int k) const { return kLeft + (kRight - kLeft) * k / std::max(points_, 1); }
    double y(int diff) const { return kTop + (kBottom - kTop) * (up_ - diff) / (up_ + down_); }
    double zero() const { return y(0); }
    int up() const { return up_; }
    int down() const { return down_; }
    int step() const { return step_; }

    // A step of 1, 2 or 5 times a power of ten that cuts span into at most `most` parts.
    static int niceStep(int span, int most) {
        for (int scale = 1;; scale *= 10) {
            for (const int f : {1, 2, 5}) {
                if (span <= f * scale * most) {
                    return f * scale;
                }
            }
        }
    }

private:
    int points_;
    int up_ = 0;
    int down_ = 0;
    int step_ = 1;
};

std::string svgText(double x, double y, std::string_view cls, std::string_view content,
                    std::string_view anchor = "start") {
    return text("text",
                attr("x", coord(x)) + attr("y", coord(y)) + attr("class", cls) +
                    attr("text-anchor", anchor),
                content);
}

std::string svgLine(double x1, double y1, double x2, double y2, std::string_view cls) {
    return empty("line", attr("x1", coord(x1)) + attr("y1", coord(y1)) + attr("x2", coord(x2)) +
                             attr("y2", coord(y2)) + attr("class", cls));
}

std::string svgRect(double x, double y, double w, double h, std::string_view cls) {
    return empty("rect", attr("x", coord(x)) + attr("y", coord(y)) + attr("width", coord(w)) +
                             attr("height", coord(h)) + attr("class", cls));
}

std::string chartGrid(const ChartFrame& f, int points) {
    using F = ChartFrame;
    std::string out;
    for (int d = -f.down(); d <= f.up(); d += f.step()) {
        out += svgLine(F::kLeft, f.y(d), F::kRight, f.y(d), d == 0 ? "zero" : "griglia");
        out += svgText(F::kLeft - 8, f.y(d) + 4, "tacca", num(std::abs(d)), "end");
    }
    if (points > 0) {
        const int xStep = ChartFrame::niceStep(points, 10);
        for (int k = 0; k <= points; k += xStep) {
            out += svgLine(f.x(k), F::kBottom, f.x(k), F::kBottom + 5, "asse");
            out += svgText(f.x(k), F::kBottom + 20, "tacca", num(k), "middle");
        }
    }
    out += svgLine(F::kLeft, F::kTop, F::kLeft, F::kBottom, "asse");
    out += svgLine(F::kLeft, F::kBottom, F::kRight, F::kBottom, "asse");
    out += svgText(F::kRight, F::kHeight - 6, "tacca", "punti giocati", "end");
    return out;
}

std::string tieBreakShading(const ChartFrame& f, const std::vector<const PointRow*>& rows) {
    std::string out;
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
        out += svgRect(f.x(first), ChartFrame::kTop, f.x(k) - f.x(first),
                       ChartFrame::kBottom - ChartFrame::kTop, "tb");
    }
    return out;
}

// Thinner as points crowd together, so a long match still shows its shape.
double lineWidth(std::size_t points) {
    return points <= 200 ? 1.6 : std::max(0.6, 1.6 * std::sqrt(200.0 / points));
}

// The running difference as a line, with the area to the zero line filled in the colour of
// whoever is ahead: each half of the plot clips the same shape.
std::string course(const ChartFrame& f, const std::vector<const PointRow*>& rows) {
    using F = ChartFrame;
    std::string line = coord(f.x(0)) + "," + coord(f.y(0));
    for (std::size_t k = 0; k < rows.size(); ++k) {
        line += " " + coord(f.x(static_cast<int>(k) + 1)) + "," + coord(f.y(rows[k]->diffAfter));
    }
    const std::string area =
        line + " " + coord(f.x(static_cast<int>(rows.size()))) + "," + coord(f.zero());
    const std::string clips =
        el("defs", "",
           el("clipPath", attr("id", "sopra"),
              svgRect(F::kLeft, F::kTop, F::kRight - F::kLeft, f.zero() - F::kTop, "")) +
               el("clipPath", attr("id", "sotto"),
                  svgRect(F::kLeft, f.zero(), F::kRight - F::kLeft, F::kBottom - f.zero(), "")));
    return clips +
           empty("polygon", attr("points", area) + attr("class", "area-a") +
                                attr("clip-path", "url(#sopra)")) +
           empty("polygon", attr("points", area) + attr("class", "area-b") +
                                attr("clip-path", "url(#sotto)")) +
           empty("polyline", attr("points", line) + attr("class", "corso") +
                                 attr("stroke-width", coord(lineWidth(rows.size()))));
}

// Each finished set ends at a dashed line labelled with its score; the set being played is
// labelled with its games at the right edge. Labels sit left of their line; one that would run
// into the previous label moves to a second row.
std::string setBoundaries(const ChartFrame& f, const MatchSummary& m) {
    constexpr double kCharWidth = 8.6;
    std::array<double, 2> rowEnd{0, 0};
    std::string out;
    for (const SetSummary& s : m.sets) {
        const double x = f.x(s.endPoint);
        if (s.finished) {
            out += svgLine(x, ChartFrame::kTop - 4, x, ChartFrame::kBottom, "confine");
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
        out += svgText(at, ChartFrame::kTop - 10 - 20 * row, s.finished ? "set" : "set aperto",
                       label, anchor);
    }
    return out;
}

std::string breakMarkers(const ChartFrame& f, const MatchSummary& m,
                         const std::vector<const PointRow*>& rows) {
    std::string out;
    for (std::size_t k = 0; k < rows.size(); ++k) {
        const PointRow& r = *rows[k];
        if (!r.brokeServe) {
            continue;
        }
        const std::string tip = "Punto " + num(r.number) + ": break di " + player(m, r.winner);
        out += el("circle",
                  attr("cx", coord(f.x(static_cast<int>(k) + 1))) +
                      attr("cy", coord(f.y(r.diffAfter))) + attr("r", "4.5") +
                      attr("fill", "#fff") + attr("stroke", r.winner == 1 ? kColourB : kColourA) +
                      attr("stroke-width", "2.5"),
                  text("title", "", tip));
    }
    return out;
}

std::string whoIsAhead(const MatchSummary& m) {
    using F = ChartFrame;
    constexpr std::size_t kLongest = 40;
    return text("text",
                attr("x", coord(F::kLeft + 8)) + attr("y", coord(F::kTop + 18)) +
                    attr("class", "chi") + attr("fill", kColourA),
                "▲ " + shortened(m.players[0], kLongest) + " avanti") +
           text("text",
                attr("x", coord(F::kLeft + 8)) + attr("y", coord(F::kBottom - 9)) +
                    attr("class", "chi") + attr("fill", kColourB),
                "▼ " + shortened(m.players[1], kLongest) + " avanti");
}

std::string chartSvg(const MatchSummary& m, const std::vector<const PointRow*>& rows) {
    int mostA = 0;
    int mostB = 0;
    for (const PointRow* r : rows) {
        mostA = std::max(mostA, r->diffAfter);
        mostB = std::max(mostB, -r->diffAfter);
    }
    const ChartFrame f(static_cast<int>(rows.size()), mostA, mostB);
    const int points = static_cast<int>(rows.size());

    std::string body = tieBreakShading(f, rows);
    body += chartGrid(f, points);
    if (points > 0) {
        body += course(f, rows);
        body += setBoundaries(f, m);
        body += breakMarkers(f, m, rows);
    } else {
        body += svgText(ChartFrame::kWidth / 2, f.zero() - 16, "vuoto", "Nessun punto giocato",
                        "middle");
    }
    body += whoIsAhead(m);
    const std::string box = "0 0 " + coord(ChartFrame::kWidth) + " " + coord(ChartFrame::kHeight);
    return el("svg",
              attr("xmlns", "http://www.w3.org/2000/svg") + attr("class", "grafico") +
                  attr("viewBox", box) + attr("width", coord(ChartFrame::kWidth)) +
                  attr("height", coord(ChartFrame::kHeight)) + attr("role", "img") +
                  attr("aria-label", "Differenza di punti vinti lungo la partita"),
              body);
}

std::string legendItem(std::string_view swatch, std::string_view label) {
    return el("span", attr("class", "legenda"),
              el("span", attr("class", "campione " + std::string(swatch)), "") + esc(label));
}

std::string chart(const MatchSummary& m) {
    const auto rows = scoredPoints(m);
    const bool anyTieBreak =
        std::any_of(rows.begin(), rows.end(), [](const PointRow* r) { return r->tieBreak; });
    std::string legend =
        legendItem("c-a", m.players[0] + " avanti") + legendItem("c-b", m.players[1] + " avanti") +
        legendItem("c-break", "break di servizio") + legendItem("c-set", "fine del set");
    if (anyTieBreak) {
        legend += legendItem("c-tb", "tie-break");
    }
    std::string body = text("h2", "", "Andamento della partita");
    if (rows.empty()) {
        body += text("p", attr("class", "nota"),
                     "Non ci sono ancora punti: il grafico si riempirà con la partita.");
    } else {
        body += text("p", attr("class", "nota"),
                     "Punti vinti da " + m.players[0] + " meno punti vinti da " + m.players[1] +
                         ", dopo ogni punto.");
    }
    body += el("figure", "", chartSvg(m, rows) + el("figcaption", "", legend));
    return el("section", attr("id", "andamento"), body);
}

// ---------------------------------------------------------------------------------------------
// The point log

std::string shotText(const PointRow& r) {
    return joined({dirittoRovescioText(r.dirittoRovescio), colpoText(r.colpo),
                   erroreVincenteText(r.erroreVincente)},
                  ", ");
}

std::string rowClass(const PointRow& r) {
    std::string c = "punto";
    for (const auto& [on, name] :
         {std::pair{r.tieBreak && r.scored, " tb"}, std::pair{r.brokeServe, " break"},
          std::pair{r.endedGame, " fine-gioco"}, std::pair{!r.scored, " dopo"}}) {
        if (on) {
            c += name;
        }
    }
    return c;
}

std::string logRow(const MatchSummary& m, const PointRow& r) {
    const std::string dash = "–";
    std::string winner = esc(inColumn(player(m, r.winner)));
    if (r.brokeServe) {
        winner += text("span", attr("class", "tag"), "break");
    }
    return el("tr", attr("class", rowClass(r)),
              text("td", "", num(r.number)) + text("td", "", r.scored ? num(r.set) : dash) +
                  text("td", "", r.scored ? pairText(r.gamesA, r.gamesB) : dash) +
                  text("td", "", r.scored ? (r.tieBreak ? "TB " : "") + r.score : dash) +
                  text("td", "", inColumn(player(m, r.server))) + el("td", "", winner) +
                  text("td", "", r.servizio == 1 ? "Seconda" : "Prima") +
                  text("td", "", outcomeText(r.outcome)) +
                  text("td", attr("class", "colpo"), shotText(r)));
}

std::string pointLog(const MatchSummary& m) {
    std::string body = text("h2", "", "Punto per punto");
    if (m.points.empty()) {
        body += text("p", attr("class", "nota"), "Nessun punto registrato.");
        return el("section", attr("id", "punti"), body);
    }
    std::string head;
    for (const char* h : {"N.", "Set", "Giochi", "Gioco", "Al servizio", "Punto a", "Palla",
                          "Esito servizio", "Colpo"}) {
        head += text("th", attr("scope", "col"), h);
    }
    std::string rows;
    bool anyAfterEnd = false;
    for (const PointRow& r : m.points) {
        rows += logRow(m, r);
        anyAfterEnd = anyAfterEnd || !r.scored;
    }
    body += text("p", attr("class", "nota"),
                 "Giochi del set e punti del gioco sono quelli prima del punto. In giallo i "
                 "punti di tie-break, in arancio quelli che hanno strappato il servizio.");
    if (anyAfterEnd) {
        body += text("p", attr("class", "nota"),
                     "Le righe in corsivo sono punti registrati dopo la fine della partita: "
                     "non contano nel punteggio.");
    }
    body +=
        el("table", attr("class", "registro"),
           colgroup({"n", "set", "giochi", "punti", "nome", "vince", "palla", "esito", "colpo"}) +
               el("thead", "", el("tr", "", head)) + el("tbody", "", rows));
    return el("section", attr("id", "punti") + attr("class", "nuova-pagina"), body);
}

// ---------------------------------------------------------------------------------------------
// Several matches

std::string matchList(const std::vector<MatchSummary>& matches) {
    std::string head;
    for (const char* h : {"N.", "Torneo", "Incontro", "Punteggio", "Esito"}) {
        head += text("th", attr("scope", "col"), h);
    }
    std::string rows;
    int n = 0;
    for (const MatchSummary& m : matches) {
        const std::string result = decided(m) ? "Vince " + m.players[m.winner] : "In corso";
        rows +=
            el("tr", "",
               text("td", "", num(++n)) + text("td", "", joined({m.tournament, m.round}, " · ")) +
                   text("td", "", matchTitle(m)) + el("td", "", matchScore(m)) +
                   text("td", "", result));
    }
    return el("section", attr("id", "partite"),
              text("h2", "", "Partite") +
                  el("table", attr("class", "partite"),
                     colgroup({"n", "torneo", "incontro", "punteggio", ""}) +
                         el("thead", "", el("tr", "", head)) + el("tbody", "", rows)));
}

struct TotalsColumn {
    const char* heading;
    const char* width;  // class of its column, "" for an even share
    std::string (*value)(const PlayerTotals&);
};

const std::array<TotalsColumn, 13> kTotalsColumns{{
    {"Giocatore", "nome", [](const PlayerTotals& t) { return t.name; }},
    {"Partite", "", [](const PlayerTotals& t) { return num(t.matches); }},
    {"Vinte", "", [](const PlayerTotals& t) { return num(t.matchesWon); }},
    {"Perse", "", [](const PlayerTotals& t) { return num(t.matchesLost); }},
    {"Punti vinti", "", [](const PlayerTotals& t) { return num(t.counts.won); }},
    {"Ace", "", [](const PlayerTotals& t) { return num(t.counts.aces); }},
    {"Doppi falli", "", [](const PlayerTotals& t) { return num(t.counts.doubles); }},
    {"Break points", "break",
     [](const PlayerTotals& t) { return slash(t.counts.breaksMade, t.counts.breakPoints); }},
    {"Colpi vincenti", "", [](const PlayerTotals& t) { return num(t.counts.winners); }},
    {"Errori gratuiti", "", [](const PlayerTotals& t) { return num(t.counts.errors); }},
    {"% Prime palle", "", [](const PlayerTotals& t) { return t.counts.firstServesText(); }},
    {"Punti con 1°", "", [](const PlayerTotals& t) { return t.counts.firstServeWonText(); }},
    {"Punti con 2°", "", [](const PlayerTotals& t) { return t.counts.secondServeWonText(); }},
}};

std::string playerTable(const std::vector<PlayerTotals>& totals) {
    std::string head;
    std::string cols;
    for (const TotalsColumn& c : kTotalsColumns) {
        head += text("th", attr("scope", "col"), c.heading);
        cols += empty("col", *c.width ? attr("class", c.width) : "");
    }
    std::string rows;
    for (const PlayerTotals& t : totals) {
        std::string cells;
        for (const TotalsColumn& c : kTotalsColumns) {
            cells += text("td", "", c.value(t));
        }
        rows += el("tr", "", cells);
    }
    return el("section", attr("id", "giocatori"),
              text("h2", "", "Giocatori") +
                  text("p", attr("class", "nota"),
                       "Somme di tutte le partite; le percentuali sono calcolate sui totali. Break "
                       "points: break fatti / palle break avute.") +
                  el("table", attr("class", "giocatori"),
                     el("colgroup", "", cols) + el("thead", "", el("tr", "", head)) +
                         el("tbody", "", rows)));
}

}  // namespace

std::string htmlReport(const MatchSummary& match) {
    std::vector<std::string> title{matchTitle(match), match.tournament};
    return page(joined(title, " · "), heading(match) + matchStatistics(match) + chart(match) +
                                          setStatistics(match) + pointLog(match));
}

std::string htmlTotals(const std::vector<PlayerTotals>& totals,
                       const std::vector<MatchSummary>& matches) {
    const std::string count =
        matches.size() == 1 ? "1 partita" : num(static_cast<int>(matches.size())) + " partite";
    const std::string header = el("header", attr("class", "intestazione"),
                                  text("p", attr("class", "torneo"), "Riepilogo per giocatore") +
                                      text("h1", "", "Totali di " + count));
    return page("Totali di " + count, header + matchList(matches) + playerTable(totals));
}

}  // namespace courtlog
