#include "report/HtmlReport.h"

#include <QCoreApplication>
#include <QFile>
#include <QUrl>

#include "report/HtmlChart.h"
#include "report/HtmlTables.h"
#include "report/Language.h"
#include "report/PageWriter.h"

namespace courtlog {

namespace {

// A file built into the program, such as the style sheet: the page carries it inline, so it
// needs no other file.
std::string builtIn(const QString& name) {
    QFile file(QStringLiteral(":/courtlog/") + name);
    return file.open(QIODevice::ReadOnly) ? file.readAll().toStdString() : std::string();
}

const std::string& styleSheet() {
    static const std::string css = builtIn(QStringLiteral("report.css"));
    return css;
}

// `moreStyle` only where the page has what it is for, so that other pages stay as they were.
void openPage(PageWriter& w, const std::string& title, const std::string& moreStyle = {}) {
    w.doctype("<!DOCTYPE html>");
    w.text("\n");
    const std::string language = codeOf(currentLanguage()).toStdString();
    w.open("html", {{"lang", language}, {"xml:lang", language}}, "http://www.w3.org/1999/xhtml");
    w.text("\n");
    w.open("head");
    w.empty("meta", {{"charset", "utf-8"}});
    w.empty("meta", {{"name", "viewport"}, {"content", "width=device-width, initial-scale=1"}});
    w.element("title", title);
    w.element("style", styleSheet());
    if (!moreStyle.empty()) {
        w.element("style", moreStyle);
    }
    w.close();
    w.text("\n");
    w.open("body");
    w.open("main");
}

// The footer is not printed.
std::string closePage(PageWriter& w, bool printed = false) {
    w.close();  // main
    if (!printed) {
        w.element("footer", filled(QCoreApplication::translate("HtmlReport",
                                                               "Resoconto creato con Courtlog")));
    }
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
    const std::string count = points == 1
                                  ? filled(QCoreApplication::translate("HtmlReport", "1 punto"))
                                  : filled(QCoreApplication::translate("HtmlReport", "%1 punti"),
                                           {std::to_string(points)});
    if (decided(m)) {
        const int w = m.winner;
        return filled(
            m.doubles ? QCoreApplication::translate("HtmlReport", "Vincono %1, %2 set a %3 · %4")
                      : QCoreApplication::translate("HtmlReport", "Vince %1, %2 set a %3 · %4"),
            {m.players[w], std::to_string(m.setsWon[w]), std::to_string(m.setsWon[1 - w]), count});
    }
    if (points == 0) {
        return filled(QCoreApplication::translate(
            "HtmlReport", "Partita non ancora iniziata: nessun punto registrato"));
    }
    return filled(QCoreApplication::translate("HtmlReport", "Partita in corso · %1"), {count});
}

void playerName(PageWriter& w, const MatchSummary& m, int p) {
    const bool won = decided(m) && m.winner == p;
    w.element("span", m.players[p], {{"class", won ? "giocatore vincitore" : "giocatore"}});
}

void heading(PageWriter& w, const MatchSummary& m) {
    w.open("header", {{"class", "intestazione"}});
    w.element("p",
              joined({m.tournament, sayUtf8(m.round),
                      filled(QCoreApplication::translate("HtmlReport", "al meglio dei %1 set"),
                             {std::to_string(m.setsInMatch)})},
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
        const QString game = inTieBreak(m)
                                 ? QCoreApplication::translate("HtmlReport", "tie-break %1")
                                 : QCoreApplication::translate("HtmlReport", "gioco %1");
        w.element("span", " · " + filled(game, {m.gameScore}), {{"class", "gioco"}});
    }
    w.close();
    w.element("p", outcomeLine(m, static_cast<int>(scoredPoints(m).size())), {{"class", "esito"}});
    w.close();
}

// The match's video, which the rows of the point log play. Its source is an absolute URL: the
// page may be written anywhere, standard output included.
void writeVideo(PageWriter& w, const MatchSummary& m) {
    const QUrl url = QUrl::fromLocalFile(QString::fromStdString(m.video.file));
    w.open("video", {{"id", "video"},
                     {"class", "video"},
                     {"controls", "controls"},
                     {"preload", "metadata"},
                     {"src", url.toString(QUrl::FullyEncoded).toStdString()},
                     {"aria-label",
                      filled(QCoreApplication::translate("HtmlReport", "Video della partita"))}});
    w.close();
}

}  // namespace

std::string htmlReport(const MatchSummary& match, bool printed) {
    static const std::string videoStyle = builtIn(QStringLiteral("video.css"));
    static const std::string videoScript = builtIn(QStringLiteral("video.js"));
    const bool video = !match.video.file.empty();
    PageWriter w;
    openPage(w, joined({matchTitle(match), match.tournament}, " · "), video ? videoStyle : "");
    heading(w, match);
    if (video) {
        writeVideo(w, match);
    }
    if (!printed) {
        writeMatchStatistics(w, match);
    }
    writeChart(w, match);
    if (!printed || match.sets.size() > 1) {
        writeSetStatistics(w, match);
    }
    if (!printed) {
        writeShotCharts(w, match);
    }
    writeDetailedStatistics(w, match, printed);
    writePointLog(w, match);
    if (video) {
        w.element("script", videoScript);
    }
    return closePage(w, printed);
}

std::string htmlTotals(const std::vector<PlayerTotals>& totals,
                       const std::vector<MatchSummary>& matches) {
    const std::string title =
        matches.size() == 1
            ? filled(QCoreApplication::translate("HtmlReport", "Totali di 1 partita"))
            : filled(QCoreApplication::translate("HtmlReport", "Totali di %1 partite"),
                     {std::to_string(matches.size())});
    PageWriter w;
    openPage(w, title);
    w.open("header", {{"class", "intestazione"}});
    w.element("p", filled(QCoreApplication::translate("HtmlReport", "Riepilogo per giocatore")),
              {{"class", "torneo"}});
    w.element("h1", title);
    w.close();
    writeMatchList(w, matches);
    writePlayerTable(w, totals);
    writeDetailedTotals(w, totals, addUpServes(matches));
    return closePage(w);
}

}  // namespace courtlog
