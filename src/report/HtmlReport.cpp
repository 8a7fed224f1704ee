#include "report/HtmlReport.h"
#include "report/Language.h"

#include <QFile>

#include "report/HtmlChart.h"
#include "report/HtmlTables.h"
#include "report/PageWriter.h"

namespace courtlog {

namespace {

// The style sheet, built into the program: the page carries it inline, so it needs no other
// file.
const std::string& styleSheet() {
    static const std::string css = [] {
        QFile file(QStringLiteral(":/courtlog/report.css"));
        return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
    }();
    return css;
}

void openPage(PageWriter& w, const std::string& title) {
    w.doctype("<!DOCTYPE html>");
    w.text("\n");
    w.open("html", {{"lang", "it"}, {"xml:lang", "it"}}, "http://www.w3.org/1999/xhtml");
    w.text("\n");
    w.open("head");
    w.empty("meta", {{"charset", "utf-8"}});
    w.empty("meta", {{"name", "viewport"}, {"content", "width=device-width, initial-scale=1"}});
    w.element("title", title);
    w.element("style", styleSheet());
    w.close();
    w.text("\n");
    w.open("body");
    w.open("main");
}

std::string closePage(PageWriter& w) {
    w.close();  // main
    w.element("footer", "Resoconto creato con Courtlog");
    w.close();  // body
    w.text("\n");
    w.close();  // html
    w.text("\n");
    return w.result();
}

bool inTieBreak(const MatchSummary& m) {
    const auto rows = scoredPoints(m);
    return !m.matchOver && !rows.empty() && rows.back()->tieBreak && !rows.back()->endedGame;
}

std::string outcomeLine(const MatchSummary& m, int points) {
    const std::string count = points == 1 ? "1 punto" : std::to_string(points) + " punti";
    if (decided(m)) {
        const int w = m.winner;
        return "Vince " + m.players[w] + ", " + std::to_string(m.setsWon[w]) + " set a " +
               std::to_string(m.setsWon[1 - w]) + " · " + count;
    }
    if (points == 0) {
        return "Partita non ancora iniziata: nessun punto registrato";
    }
    return "Partita in corso · " + count;
}

void playerName(PageWriter& w, const MatchSummary& m, int p) {
    const bool won = decided(m) && m.winner == p;
    w.element("span", m.players[p], {{"class", won ? "giocatore vincitore" : "giocatore"}});
}

void heading(PageWriter& w, const MatchSummary& m) {
    w.open("header", {{"class", "intestazione"}});
    w.element(
        "p",
        joined({m.tournament, sayUtf8(m.round), "al meglio dei " + std::to_string(m.setsInMatch) + " set"},
               " · "),
        {{"class", "torneo"}});
    w.open("h1");
    playerName(w, m, 0);
    w.element("span", " – ", {{"class", "contro"}});
    playerName(w, m, 1);
    w.close();
    w.open("p", {{"class", "punteggio"}});
    writeScore(w, m);
    if (!m.matchOver) {
        w.element("span",
                  " · " + std::string(inTieBreak(m) ? "tie-break " : "gioco ") + m.gameScore,
                  {{"class", "gioco"}});
    }
    w.close();
    w.element("p", outcomeLine(m, static_cast<int>(scoredPoints(m).size())), {{"class", "esito"}});
    w.close();
}

}  // namespace

std::string htmlReport(const MatchSummary& match) {
    PageWriter w;
    openPage(w, joined({matchTitle(match), match.tournament}, " · "));
    heading(w, match);
    writeMatchStatistics(w, match);
    writeChart(w, match);
    writeSetStatistics(w, match);
    writePointLog(w, match);
    return closePage(w);
}

std::string htmlTotals(const std::vector<PlayerTotals>& totals,
                       const std::vector<MatchSummary>& matches) {
    const std::string count =
        matches.size() == 1 ? "1 partita" : std::to_string(matches.size()) + " partite";
    PageWriter w;
    openPage(w, "Totali di " + count);
    w.open("header", {{"class", "intestazione"}});
    w.element("p", "Riepilogo per giocatore", {{"class", "torneo"}});
    w.element("h1", "Totali di " + count);
    w.close();
    writeMatchList(w, matches);
    writePlayerTable(w, totals);
    return closePage(w);
}

}  // namespace courtlog
