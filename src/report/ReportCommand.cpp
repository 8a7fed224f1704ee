#include "report/ReportCommand.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QFile>
#include <QJsonDocument>
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "form/MainForm.h"
#include "platform/HeadlessPlatform.h"
#include "report/HtmlReport.h"
#include "report/MatchSummary.h"
#include "report/PointLogCsv.h"
#include "report/Report.h"

namespace courtlog::report {

namespace {

constexpr const char* kUsage =
    "Uso: courtlog-report [--at N] [--format text|json|csv|html] FILE.clg\n"
    "     courtlog-report --total [--format text|json|html] FILE.clg...";

constexpr const char* kHelp =
    "Mostra il punteggio e le statistiche di una partita registrata.\n"
    "\n"
    "Opzioni:\n"
    "  --at N          la partita dopo N punti (0 = l'inizio; senza: la fine)\n"
    "  --format F      text (testo, predefinito), json, csv (i punti) o html (rapporto)\n"
    "  --total         somma più partite, giocatore per giocatore\n"
    "  -h, --help      mostra questo aiuto\n"
    "\n"
    "Uscita: 0 fatto, 1 file inutilizzabile (con --total le altre partite sono sommate lo\n"
    "stesso) o uscita non scrivibile, 2 riga di comando errata.\n";

// The output is the program's work: one that cannot be written is a failure, never a success.
int finished(std::ostream& out, std::ostream& err) {
    out.flush();
    if (!out) {
        err << "courtlog-report: impossibile scrivere l'uscita\n";
        return kExitUnreadable;
    }
    return kExitOk;
}

// The bytes of a file name as the shell gave them: a name that is not valid UTF-8 reads back
// to its own bytes, not to replacement characters.
std::string pathOf(const QString& argument, std::vector<std::string>& unused) {
    for (auto it = unused.begin(); it != unused.end(); ++it) {
        if (QString::fromLocal8Bit(it->c_str()) == argument) {
            std::string raw = *it;
            unused.erase(it);
            return raw;
        }
    }
    return QFile::encodeName(argument).toStdString();
}

// The unknown options as the user typed them: the parser gives their names without dashes.
QString typedOptions(const QStringList& arguments, const QStringList& names) {
    const QStringList given = arguments.mid(1);
    QStringList typed;
    for (const QString& name : names) {
        const QString twoDashes = QLatin1String("--") + name;
        const bool withTwo = std::any_of(given.begin(), given.end(), [&](const QString& a) {
            return a == twoDashes || a.startsWith(twoDashes + QLatin1Char('='));
        });
        typed.append(withTwo ? twoDashes : QLatin1String("-") + name);
    }
    return typed.join(QLatin1Char(' '));
}

int usageError(std::ostream& err, const QString& problem) {
    err << "courtlog-report: " << problem.toStdString() << "\n" << kUsage << "\n";
    return kExitUsage;
}

// Loads one match file as the window does; nullopt when it cannot be used (the message that
// says why is already out).
std::optional<MatchRecord> load(const std::string& file, std::ostream& err) {
    // Among several files, each message says which one it is about.
    HeadlessPlatform platform(err, file + ": ");
    MainForm form(platform);
    form.Form_Load();
    if (!form.loadMatch(file)) {
        return std::nullopt;
    }
    return form.matchRecord();
}

int runTotals(const std::vector<std::string>& files, const QString& formatName, std::ostream& out,
              std::ostream& err) {
    // A file that cannot be used is reported, by name, and the others are added up all the
    // same: one bad file among many should not cost the whole total.
    std::vector<MatchSummary> matches;
    bool allUsed = true;
    for (const std::string& file : files) {
        const std::optional<MatchRecord> record = load(file, err);
        if (record) {
            matches.push_back(summarizeMatch(*record));
        }
        allUsed = allUsed && record;
    }
    if (matches.empty()) {
        return kExitUnreadable;
    }
    const std::vector<PlayerTotals> totals = addUp(matches);
    if (formatName == QLatin1String("json")) {
        out << QJsonDocument(renderTotalsJson(totals, matches)).toJson().toStdString();
    } else if (formatName == QLatin1String("html")) {
        out << htmlTotals(totals, matches);
    } else {
        out << renderTotalsText(totals, matches);
    }
    const int status = finished(out, err);
    return allUsed ? status : kExitUnreadable;
}

}  // namespace

int runReport(const QStringList& arguments, std::ostream& out, std::ostream& err,
              std::vector<std::string> rawArguments) {
    QCommandLineParser parser;
    const QCommandLineOption help({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Mostra questo aiuto."));
    parser.addOption(help);
    const QCommandLineOption at(QStringLiteral("at"),
                                QStringLiteral("Mostra la partita dopo N punti (0 = inizio; "
                                               "senza: la fine)."),
                                QStringLiteral("N"));
    const QCommandLineOption format(
        QStringLiteral("format"),
        QStringLiteral("Formato dell'uscita: text (testo), json, csv (i punti) o html (rapporto)."),
        QStringLiteral("text|json|csv|html"), QStringLiteral("text"));
    const QCommandLineOption total(QStringLiteral("total"),
                                   QStringLiteral("Somma le statistiche di più partite, "
                                                  "giocatore per giocatore."));
    parser.addOption(at);
    parser.addOption(format);
    parser.addOption(total);
    // "-bogus" is one unknown option, not five unknown letters; -h is the only short option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    parser.addPositionalArgument(QStringLiteral("FILE.clg"),
                                 QStringLiteral("Il file della partita."));

    if (!parser.parse(arguments)) {
        const QStringList unknown = parser.unknownOptionNames();
        return usageError(err, unknown.isEmpty() ? QStringLiteral("manca il valore di un'opzione")
                                                 : QStringLiteral("opzione sconosciuta: ") +
                                                       typedOptions(arguments, unknown));
    }
    if (parser.isSet(help)) {
        out << kUsage << "\n\n" << kHelp;
        return finished(out, err);
    }
    std::vector<std::string> files;
    for (const QString& file : parser.positionalArguments()) {
        files.push_back(pathOf(file, rawArguments));
    }
    if (files.empty()) {
        return usageError(err, QStringLiteral("manca il file della partita"));
    }
    const QString formatName = parser.value(format);
    const QStringList formats{QStringLiteral("text"), QStringLiteral("json"), QStringLiteral("csv"),
                              QStringLiteral("html")};
    if (!formats.contains(formatName)) {
        return usageError(err, QStringLiteral("formato sconosciuto: ") + formatName);
    }
    if (parser.isSet(total)) {
        if (parser.isSet(at)) {
            return usageError(err, QStringLiteral("--at non vale con --total"));
        }
        if (formatName == QLatin1String("csv")) {
            return usageError(err, QStringLiteral("--total non ha il formato csv"));
        }
        return runTotals(files, formatName, out, err);
    }
    if (files.size() > 1) {
        return usageError(err, QStringLiteral("un solo file per volta (o --total)"));
    }
    std::optional<int> position;
    if (parser.isSet(at)) {
        bool ok = false;
        position = parser.value(at).toInt(&ok);
        if (!ok) {
            return usageError(err,
                              QStringLiteral("--at vuole un numero di punti: ") + parser.value(at));
        }
    }

    HeadlessPlatform platform(err);
    MainForm form(platform);
    // The load step of the window; with no stored settings it keeps the fresh window's options.
    form.Form_Load();
    if (!form.loadMatch(files.front())) {
        return kExitUnreadable;  // the message that says why is already out
    }
    if (position) {
        const int count = form.points().count();
        if (*position < 0 || *position > count) {
            return usageError(err, QStringLiteral("--at fuori dall'intervallo 0..%1").arg(count));
        }
        form.goTo(*position);
    }

    if (formatName == QLatin1String("json")) {
        out << QJsonDocument(renderJson(form)).toJson(QJsonDocument::Indented).toStdString();
    } else if (formatName == QLatin1String("csv") || formatName == QLatin1String("html")) {
        // The log and the report of the match as it stood at that position.
        MatchRecord record = form.matchRecord();
        record.points.resize(static_cast<std::size_t>(form.points().current()));
        const MatchSummary history = summarizeMatch(record);
        out << (formatName == QLatin1String("csv") ? pointLogCsv(history) : htmlReport(history));
    } else {
        out << renderText(form);
    }
    return finished(out, err);
}

}  // namespace courtlog::report
