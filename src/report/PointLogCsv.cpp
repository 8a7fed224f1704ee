#include "report/PointLogCsv.h"
#include "report/Language.h"

#include <initializer_list>
#include <utility>

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

void addRow(std::string& out, std::initializer_list<std::string> cells) {
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

}  // namespace

std::string pointLogCsv(const MatchSummary& match) {
    std::string out;
    addRow(out, {"Punto", "Set", "Game A", "Game B", "Punti A", "Punti B", "Tie-break",
                 "Al servizio", "Vince", "Servizio", "Esito del servizio", "Diritto/Rovescio",
                 "Colpo", "Errore/Vincente"});
    for (const PointRow& r : match.points) {
        // One column per player, as the games are: "6-4" in one cell reads as a date.
        const std::size_t dash = r.score.find('-');
        addRow(out,
               {std::to_string(r.number), std::to_string(r.set), std::to_string(r.gamesA),
                std::to_string(r.gamesB), cell(r.score.substr(0, dash)),
                cell(dash == std::string::npos ? std::string() : r.score.substr(dash + 1)),
                r.tieBreak ? "sì" : "", cell(match.players[r.server], true),
                cell(match.players[r.winner], true), sayUtf8(servizioText(r.servizio)),
                sayUtf8(outcomeText(r.outcome)), sayUtf8(dirittoRovescioText(r.dirittoRovescio)),
                sayUtf8(colpoText(r.colpo)), sayUtf8(erroreVincenteText(r.erroreVincente))});
    }
    return out;
}

}  // namespace courtlog
