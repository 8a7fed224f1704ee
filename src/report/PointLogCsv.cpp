#include "report/PointLogCsv.h"

#include <QCoreApplication>
#include <algorithm>
#include <utility>
#include <vector>

#include "report/DetailedStatistics.h"
#include "report/Language.h"
#include "report/Report.h"

namespace courtlog {

namespace {

// Quotes a value that holds a separator, a quote or a line break. A typed name that starts like
// a formula is kept as text, so a spreadsheet never runs it, and its control characters, which
// would act on a terminal, become "?".
std::string cell(std::string value, bool typed = false) {
    if (typed) {
        value = report::printable(std::move(value));
    }
    if (typed && !value.empty() && std::string("=+-@\t\r").find(value[0]) != std::string::npos) {
        value.insert(value.begin(), '\'');
    }
    if (value.find_first_of(",\"\r\n") == std::string::npos) {
        return value;
    }
    std::string quoted = "\"";
    for (char c : value) {
        quoted += c;
        if (c == '"') {
            quoted += '"';
        }
    }
    return quoted + "\"";
}

void addRow(std::string& out, const std::vector<std::string>& cells) {
    bool first = true;
    for (const std::string& c : cells) {
        if (!first) {
            out += ',';
        }
        out += c;
        first = false;
    }
    out += "\r\n";
}

// A text of the program in the language in use, quoted if a translation needs it.
std::string said(const QString& translated) {
    return cell(filled(translated));
}

std::string said(const Text& text) {
    return cell(sayUtf8(text));
}

}  // namespace

std::string pointLogCsv(const MatchSummary& match) {
    // A match charted without times keeps the columns it always had.
    const bool timed =
        std::ranges::any_of(match.points, [](const PointRow& r) { return r.ms != kNoTime; });
    std::string out;
    // A and B stand for the players, as in the window's "Giocatore A" and "Giocatore B".
    std::vector<std::string> header{
        said(QCoreApplication::translate("PointLogCsv", "Punto")),
        said(QCoreApplication::translate("PointLogCsv", "Set")),
        said(QCoreApplication::translate("PointLogCsv", "Game A")),
        said(QCoreApplication::translate("PointLogCsv", "Game B")),
        said(QCoreApplication::translate("PointLogCsv", "Punti A")),
        said(QCoreApplication::translate("PointLogCsv", "Punti B")),
        said(QCoreApplication::translate("PointLogCsv", "Tie-break")),
        said(QCoreApplication::translate("PointLogCsv", "Al servizio")),
        said(QCoreApplication::translate("PointLogCsv", "Vince")),
        said(QCoreApplication::translate("PointLogCsv", "Servizio")),
        said(QCoreApplication::translate("PointLogCsv", "Esito del servizio")),
        said(QCoreApplication::translate("PointLogCsv", "Diritto/Rovescio")),
        said(QCoreApplication::translate("PointLogCsv", "Colpo")),
        said(QCoreApplication::translate("PointLogCsv", "Errore/Vincente"))};
    if (timed) {
        header.push_back(said(QCoreApplication::translate("PointLogCsv", "Tempo")));
    }
    addRow(out, header);
    const std::string yes = said(QCoreApplication::translate("PointLogCsv", "sì"));
    for (const PointRow& r : match.points) {
        // One column per player, as the games are: "6-4" in one cell reads as a date.
        const std::size_t dash = r.score.find('-');
        std::vector<std::string> row{
            std::to_string(r.number),
            std::to_string(r.set),
            std::to_string(r.gamesA),
            std::to_string(r.gamesB),
            cell(r.score.substr(0, dash)),
            cell(dash == std::string::npos ? std::string() : r.score.substr(dash + 1)),
            r.tieBreak ? yes : "",
            cell(match.players[r.server], true),
            cell(match.players[r.winner], true),
            said(servizioText(r.servizio)),
            said(outcomeText(r.outcome)),
            said(dirittoRovescioText(r.dirittoRovescio)),
            said(colpoText(r.colpo)),
            said(erroreVincenteText(r.erroreVincente))};
        if (timed) {
            // From the first timed point; a point charted without its time has an empty cell.
            row.push_back(r.ms != kNoTime ? clockText(r.ms) : std::string());
        }
        addRow(out, row);
    }
    return out;
}

}  // namespace courtlog
