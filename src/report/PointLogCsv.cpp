#include "report/PointLogCsv.h"

#include <QCoreApplication>
#include <algorithm>
#include <array>
#include <initializer_list>
#include <optional>
#include <string_view>
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

// The cells are views, so a long name that stands in every row is never copied for one.
// `extra` are the columns that only some logs have, those a log leaves out given as nothing.
void addRow(std::string& out, std::initializer_list<std::string_view> cells,
            std::initializer_list<std::optional<std::string_view>> extra) {
    bool first = true;
    for (std::string_view c : cells) {
        if (!first) {
            out += ',';
        }
        out += c;
        first = false;
    }
    for (const std::optional<std::string_view>& c : extra) {
        if (c) {
            out += ',';
            out += *c;
        }
    }
    out += "\r\n";
}

// A moment in the video as a player shows it, to the millisecond: "0:03:07.250".
std::string videoClockText(std::int64_t ms) {
    const auto two = [](std::int64_t v) { return (v < 10 ? "0" : "") + std::to_string(v); };
    const std::int64_t seconds = ms / 1000;
    const std::string millis = std::to_string(1000 + ms % 1000).substr(1);
    return std::to_string(seconds / 3600) + ":" + two(seconds / 60 % 60) + ":" + two(seconds % 60) +
           "." + millis;
}

// The cell when the log has the column.
std::optional<std::string_view> column(bool shown, const std::string& text) {
    return shown ? std::optional<std::string_view>(text) : std::nullopt;
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
    const bool onVideo =
        std::ranges::any_of(match.points, [](const PointRow& r) { return r.videoMs != kNoTime; });
    std::string out;
    // A and B stand for the players, as in the window's "Giocatore A" and "Giocatore B".
    const std::string tempo = said(QCoreApplication::translate("PointLogCsv", "Tempo"));
    const std::string video = said(QCoreApplication::translate("PointLogCsv", "Video"));
    addRow(out,
           {said(QCoreApplication::translate("PointLogCsv", "Punto")),
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
            said(QCoreApplication::translate("PointLogCsv", "Errore/Vincente"))},
           {column(timed, tempo), column(onVideo, video)});
    const std::string yes = said(QCoreApplication::translate("PointLogCsv", "sì"));
    // Made once: a name may be thousands of characters long, and it stands in every row.
    const std::array<std::string, 2> names{cell(match.players[0], true),
                                           cell(match.players[1], true)};
    // In doubles the column of who served names the player, the side following from it.
    std::array<std::string, kPlayers> servers;
    for (std::size_t p = 0; p < servers.size() && match.doubles; ++p) {
        servers[p] = cell(match.names[p], true);
    }
    out.reserve(out.size() + match.points.size() * (names[0].size() + names[1].size() + 80));
    for (const PointRow& r : match.points) {
        // One column per player, as the games are: "6-4" in one cell reads as a date.
        const std::size_t dash = r.score.find('-');
        // From the first timed point; a point charted without its time has an empty cell.
        const std::string time = r.ms != kNoTime ? clockText(r.ms) : std::string();
        const std::string moment = r.videoMs != kNoTime ? videoClockText(r.videoMs) : std::string();
        addRow(out,
               {std::to_string(r.number), std::to_string(r.set), std::to_string(r.gamesA),
                std::to_string(r.gamesB), cell(r.score.substr(0, dash)),
                cell(dash == std::string::npos ? std::string() : r.score.substr(dash + 1)),
                r.tieBreak ? std::string_view(yes) : std::string_view(),
                match.doubles ? servers[static_cast<std::size_t>(r.serverPlayer) % servers.size()]
                              : names[r.server],
                names[r.winner], said(servizioText(r.servizio)), said(outcomeText(r.outcome)),
                said(dirittoRovescioText(r.dirittoRovescio)), said(colpoText(r.colpo)),
                said(erroreVincenteText(r.erroreVincente))},
               {column(timed, time), column(onVideo, moment)});
    }
    return out;
}

}  // namespace courtlog
