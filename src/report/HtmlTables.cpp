#include "report/HtmlTables.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>

#include "history/VideoClips.h"
#include "report/DetailedStatistics.h"
#include "report/Language.h"

namespace courtlog {

namespace {

// A name where it repeats in narrow columns: at most two lines there, whole everywhere else.
std::string inColumn(const std::string& name) {
    constexpr std::size_t kLongest = 24;
    return shortened(name, kLongest);
}

// Column widths come from the style sheet, by class; "" leaves a column to share the rest.
void colgroup(PageWriter& w, const std::vector<const char*>& classes) {
    w.open("colgroup");
    for (const char* c : classes) {
        if (*c != '\0') {
            w.empty("col", {{"class", c}});
        } else {
            w.empty("col");
        }
    }
    w.close();
}

void head(PageWriter& w, const std::vector<std::string>& headings) {
    w.open("thead");
    w.open("tr");
    for (const std::string& h : headings) {
        w.element("th", h, {{"scope", "col"}});
    }
    w.close();
    w.close();
}

// The rows of the statistics frames that a report can make from the counts.
std::vector<const StatisticsRow*> countedRows() {
    std::vector<const StatisticsRow*> rows;
    for (const StatisticsRow& row : kStatisticsRows) {
        if (row.fromCounts != nullptr) {
            rows.push_back(&row);
        }
    }
    return rows;
}

void statTable(PageWriter& w, const std::string& caption, const std::array<std::string, 2>& players,
               const std::array<PlayerStatistics, 2>& counts) {
    w.open("table", {{"class", "statistiche"}});
    if (!caption.empty()) {
        w.element("caption", caption);
    }
    colgroup(w, {"voce", "", ""});
    head(w, {"", players[0], players[1]});
    w.open("tbody");
    for (const StatisticsRow* row : countedRows()) {
        w.open("tr");
        w.element("th", sayUtf8(row->caption), {{"scope", "row"}});
        w.element("td", sayUtf8(row->fromCounts(counts[0])));
        w.element("td", sayUtf8(row->fromCounts(counts[1])));
        w.close();
    }
    w.close();
    w.close();
}

std::string setCaption(const SetSummary& s) {
    return filled(s.finished ? QCoreApplication::translate("HtmlReport", "%1° set · %2")
                             : QCoreApplication::translate("HtmlReport", "%1° set · in corso %2"),
                  {std::to_string(s.number), setScore(s)});
}

std::string shotText(const PointRow& r) {
    return joined({sayUtf8(dirittoRovescioText(r.dirittoRovescio)), sayUtf8(colpoText(r.colpo)),
                   sayUtf8(erroreVincenteText(r.erroreVincente))},
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

// The start of a point's clip in seconds, as a video element seeks: "162.250".
std::string secondsText(std::int64_t ms) {
    return std::to_string(ms / 1000) + "." + std::to_string(1000 + ms % 1000).substr(1);
}

// `clip`: where the row starts the page's video, when it does; the row is then reached with Tab.
void logRow(PageWriter& w, const MatchSummary& m, const PointRow& r,
            const std::optional<Clip>& clip) {
    const std::string dash = "–";
    if (clip) {
        w.open(
            "tr",
            {{"class", rowClass(r)}, {"data-clip", secondsText(clip->startMs)}, {"tabindex", "0"}});
    } else {
        w.open("tr", {{"class", rowClass(r)}});
    }
    w.element("td", std::to_string(r.number));
    w.element("td", r.scored ? std::to_string(r.set) : dash);
    w.element("td", r.scored ? std::to_string(r.gamesA) + "-" + std::to_string(r.gamesB) : dash);
    const std::string game =
        r.tieBreak ? filled(QCoreApplication::translate("HtmlReport", "TB %1"), {r.score})
                   : r.score;
    w.element("td", r.scored ? game : dash);
    // Of a doubles side, the player who served.
    w.element("td", inColumn(m.doubles ? m.names[static_cast<std::size_t>(r.serverPlayer) % 4]
                                       : player(m, r.server)));
    w.open("td");
    w.text(inColumn(player(m, r.winner)));
    if (r.brokeServe) {
        w.element("span", filled(QCoreApplication::translate("HtmlReport", "break")),
                  {{"class", "tag"}});
    }
    w.close();
    w.element("td", sayUtf8(servizioText(r.servizio)));
    w.element("td", sayUtf8(outcomeText(r.outcome)));
    w.element("td", shotText(r), {{"class", "colpo"}});
    w.close();
}

// A table of the detailed statistics: its caption, the column headings, then each row headed by
// its first cell.
void htmlTable(PageWriter& w, const FigureTable& table, const char* kind) {
    w.open("table", {{"class", std::string("dettaglio ") + kind}});
    w.element("caption", sayUtf8(table.caption));
    std::vector<const char*> widths(table.headers.size(), "");
    widths.front() = "voce";
    colgroup(w, widths);
    std::vector<std::string> headings;
    for (const Text& h : table.headers) {
        headings.push_back(sayUtf8(h));
    }
    head(w, headings);
    w.open("tbody");
    for (const std::vector<Text>& row : table.rows) {
        w.open("tr");
        w.element("th", sayUtf8(row.front()), {{"scope", "row"}});
        for (std::size_t c = 1; c < row.size(); ++c) {
            w.element("td", sayUtf8(row[c]));
        }
        w.close();
    }
    w.close();
    w.close();
}

// The tables after the first, which each hold one player's winners and errors, side by side.
void shotTables(PageWriter& w, const std::vector<FigureTable>& tables) {
    w.open("div", {{"class", "colpi-giocatori"}});
    for (const FigureTable& t : tables) {
        htmlTable(w, t, "colpi");
    }
    w.close();
}

}  // namespace

void openSection(PageWriter& w, std::string_view id, const std::string& heading,
                 const std::string& note, bool screenOnly) {
    if (screenOnly) {
        w.open("section", {{"id", std::string(id)}, {"class", "schermo"}});
    } else {
        w.open("section", {{"id", std::string(id)}});
    }
    w.element("h2", heading);
    if (!note.empty()) {
        w.element("p", note, {{"class", "nota"}});
    }
}

std::string matchTitle(const MatchSummary& m) {
    return m.players[0] + " – " + m.players[1];
}

void writeScore(PageWriter& w, const MatchSummary& m) {
    bool first = true;
    for (const std::string& part : scoreParts(m)) {
        if (!first) {
            w.text(" ");
        }
        first = false;
        w.element("span", part, {{"class", "parziale"}});
    }
}

void writeMatchStatistics(PageWriter& w, const MatchSummary& m) {
    openSection(w, "statistiche",
                filled(QCoreApplication::translate("HtmlReport", "Statistiche della partita")), {},
                true);
    statTable(w, "", m.players, m.totals);
    w.element("p",
              filled(QCoreApplication::translate(
                  "HtmlReport",
                  "Break points: break fatti / palle break avute. Punti con 1°/2°: punti vinti con "
                  "la prima e con la seconda di servizio.")),
              {{"class", "nota"}});
    w.close();
}

void writeSetStatistics(PageWriter& w, const MatchSummary& m) {
    if (m.sets.empty()) {
        return;
    }
    const std::array<std::string, 2> names{inColumn(m.players[0]), inColumn(m.players[1])};
    openSection(w, "set", filled(QCoreApplication::translate("HtmlReport", "Set per set")), {},
                m.sets.size() < 2);
    w.open("div", {{"class", "set-per-set"}});
    for (const SetSummary& s : m.sets) {
        statTable(w, setCaption(s), names, s.counts);
    }
    w.close();
    w.close();
}

void writeDetailedStatistics(PageWriter& w, const MatchSummary& m, bool matchOnly) {
    const std::array<Text, 2> names{Text::verbatim(inColumn(m.players[0])),
                                    Text::verbatim(inColumn(m.players[1]))};
    std::array<Text, kPlayers> four;
    for (std::size_t p = 0; p < four.size(); ++p) {
        four[p] = Text::verbatim(inColumn(m.names[p]));
    }
    openSection(w, "dettaglio",
                filled(QCoreApplication::translate("HtmlReport", "Statistiche dettagliate")),
                filled(QCoreApplication::translate(
                    "HtmlReport",
                    "Un vincente conta per chi ha vinto il punto, un errore per chi l'ha perso.")));
    const std::vector<StretchTables> stretches =
        detailedTables(m.statistics, names, m.doubles ? &four : nullptr);
    // Each set's own figures on screen; on paper the match's, with the sets' main figures
    // under "Set per set", keep the page short.
    const std::size_t shown =
        matchOnly ? std::min<std::size_t>(1, stretches.size()) : stretches.size();
    for (std::size_t s = 0; s < shown; ++s) {
        const StretchTables& stretch = stretches[s];
        w.open("div", {{"class", s == 0 ? "tratto" : "tratto schermo"}});
        w.element("h3", sayUtf8(stretch.title));
        if (!stretch.times.empty()) {
            std::vector<std::string> times;
            for (const Text& t : stretch.times) {
                times.push_back(sayUtf8(t));
            }
            w.element("p", joined(times, " · "), {{"class", "nota"}});
        }
        htmlTable(w, stretch.tables.front(), "figure");
        auto shots = stretch.tables.begin() + 1;
        if (shots != stretch.tables.end() && shots->servers) {
            htmlTable(w, *shots++, "figure");
        }
        shotTables(w, {shots, stretch.tables.end()});
        w.close();
    }
    w.close();
}

void writePointLog(PageWriter& w, const MatchSummary& m) {
    if (m.points.empty()) {
        openSection(w, "punti",
                    filled(QCoreApplication::translate("HtmlReport", "Punto per punto")),
                    filled(QCoreApplication::translate("HtmlReport", "Nessun punto registrato.")));
        w.close();
        return;
    }
    openSection(
        w, "punti", filled(QCoreApplication::translate("HtmlReport", "Punto per punto")),
        filled(QCoreApplication::translate(
            "HtmlReport",
            "Giochi del set e punti del gioco sono quelli prima del punto. In giallo i punti "
            "di tie-break, in arancio quelli che hanno strappato il servizio.")));
    if (scoredPoints(m).size() < m.points.size()) {
        w.element("p",
                  filled(QCoreApplication::translate(
                      "HtmlReport",
                      "Le righe in corsivo sono punti registrati dopo la fine della partita: non "
                      "contano nel punteggio.")),
                  {{"class", "nota"}});
    }
    // With the match's video on the page, a row plays the point's clip, with the lead a
    // player starts from.
    std::vector<std::int64_t> moments;
    if (!m.video.file.empty()) {
        w.element("p",
                  filled(QCoreApplication::translate(
                      "HtmlReport", "Un clic su una riga, o Invio, mostra il punto nel video.")),
                  {{"class", "nota schermo"}});
        for (const PointRow& r : m.points) {
            moments.push_back(r.videoMs);
        }
    }
    w.open("table", {{"class", "registro"}});
    colgroup(w, {"n", "set", "giochi", "punti", "nome", "vince", "palla", "esito", "colpo"});
    head(w, {filled(QCoreApplication::translate("HtmlReport", "N.")),
             filled(QCoreApplication::translate("HtmlReport", "Set")),
             filled(QCoreApplication::translate("HtmlReport", "Giochi")),
             filled(QCoreApplication::translate("HtmlReport", "Gioco")),
             filled(QCoreApplication::translate("HtmlReport", "Al servizio")),
             filled(QCoreApplication::translate("HtmlReport", "Punto a")),
             filled(QCoreApplication::translate("HtmlReport", "Servizio")),
             filled(QCoreApplication::translate("HtmlReport", "Esito servizio")),
             filled(QCoreApplication::translate("HtmlReport", "Colpo"))});
    w.open("tbody");
    for (const PointRow& r : m.points) {
        logRow(w, m, r,
               clipOf(moments, r.number - 1,
                      static_cast<std::int64_t>(kDefaultClipLeadSeconds) * 1000));
    }
    w.close();
    w.close();
    w.close();
}

void writeMatchList(PageWriter& w, const std::vector<MatchSummary>& matches) {
    openSection(w, "partite", filled(QCoreApplication::translate("HtmlReport", "Partite")));
    w.open("table", {{"class", "partite"}});
    colgroup(w, {"n", "torneo", "incontro", "punteggio", ""});
    head(w, {filled(QCoreApplication::translate("HtmlReport", "N.")),
             filled(QCoreApplication::translate("HtmlReport", "Torneo")),
             filled(QCoreApplication::translate("HtmlReport", "Incontro")),
             filled(QCoreApplication::translate("HtmlReport", "Punteggio")),
             filled(QCoreApplication::translate("HtmlReport", "Esito"))});
    w.open("tbody");
    int n = 0;
    for (const MatchSummary& m : matches) {
        w.open("tr");
        w.element("td", std::to_string(++n));
        w.element("td", joined({m.tournament, sayUtf8(m.round)}, " · "));
        w.element("td", matchTitle(m));
        w.open("td");
        writeScore(w, m);
        w.close();
        const QString won = m.doubles ? QCoreApplication::translate("HtmlReport", "Vincono %1")
                                      : QCoreApplication::translate("HtmlReport", "Vince %1");
        w.element("td", decided(m) ? filled(won, {m.players[m.winner]})
                                   : filled(QCoreApplication::translate("HtmlReport", "In corso")));
        w.close();
    }
    w.close();
    w.close();
    w.close();
}

void writePlayerTable(PageWriter& w, const std::vector<PlayerTotals>& totals) {
    const std::vector<const StatisticsRow*> rows = countedRows();
    openSection(w, "giocatori", filled(QCoreApplication::translate("HtmlReport", "Giocatori")),
                filled(QCoreApplication::translate(
                    "HtmlReport",
                    "Somme di tutte le partite; le percentuali sono calcolate sui totali. Break "
                    "points: break fatti / palle break avute.")));
    w.open("table", {{"class", "giocatori"}});
    // The name, then the matches played, won and lost, then the statistics; a cell with two
    // values needs a wider column.
    std::vector<const char*> widths{"nome", "", "", ""};
    std::vector<std::string> headings{
        filled(QCoreApplication::translate("HtmlReport", "Giocatore")),
        filled(QCoreApplication::translate("HtmlReport", "Partite")),
        filled(QCoreApplication::translate("HtmlReport", "Vinte")),
        filled(QCoreApplication::translate("HtmlReport", "Perse"))};
    for (const StatisticsRow* row : rows) {
        widths.push_back(row->second != nullptr ? "coppia" : "");
        headings.push_back(sayUtf8(row->caption));
    }
    colgroup(w, widths);
    head(w, headings);
    w.open("tbody");
    for (const PlayerTotals& t : totals) {
        w.open("tr");
        for (const std::string& cell :
             {t.name, std::to_string(t.matches), std::to_string(t.matchesWon),
              std::to_string(t.matchesLost)}) {
            w.element("td", cell);
        }
        for (const StatisticsRow* row : rows) {
            w.element("td", sayUtf8(row->fromCounts(t.counts)));
        }
        w.close();
    }
    w.close();
    w.close();
    w.close();
}

void writeDetailedTotals(PageWriter& w, const std::vector<PlayerTotals>& totals,
                         const std::vector<ServeTotals>& serves) {
    std::vector<PlayerStatistics> figures;
    std::vector<Text> names;
    for (const PlayerTotals& t : totals) {
        figures.push_back(t.counts);
        names.push_back(Text::verbatim(inColumn(t.name)));
    }
    std::vector<FigureTable> shots;
    for (std::size_t p = 0; p < totals.size(); ++p) {
        shots.push_back(shotTable(figures[p], names[p]));
    }
    openSection(w, "dettaglio",
                filled(QCoreApplication::translate("HtmlReport", "Statistiche dettagliate")),
                filled(QCoreApplication::translate(
                    "HtmlReport",
                    "Somme di tutte le partite; i punti di fila sono la serie più "
                    "lunga di una partita.")));
    htmlTable(w, figureTable(figures, names), "figure");
    shotTables(w, shots);
    // The doubles players one column each, whoever they played with.
    std::vector<ServeStatistics> served;
    std::vector<Text> servers;
    for (const ServeTotals& t : serves) {
        served.push_back(t.serve);
        servers.push_back(Text::verbatim(inColumn(t.name)));
    }
    if (!served.empty()) {
        htmlTable(w, serveTable(served, servers), "figure");
    }
    w.close();
}

}  // namespace courtlog
