#include "report/ReportCommand.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QJsonDocument>
#include <algorithm>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include "form/Version.h"
#include "history/MatchSession.h"
#include "report/HtmlReport.h"
#include "report/Language.h"
#include "report/MatchSummary.h"
#include "report/PointLogCsv.h"
#include "report/Report.h"
#include "storage/MatchLoading.h"

namespace courtlog::report {

namespace {

std::string usageText() {
    return filled(QCoreApplication::translate(
        "ReportCommand",
        "Uso: courtlog-report [--at N] [--format text|json|csv|html] [--lang it|en] FILE.clg\n"
        "     courtlog-report --total [--format text|json|html] [--lang it|en] FILE.clg..."));
}

std::string helpText() {
    return filled(QCoreApplication::translate(
        "ReportCommand",
        "Mostra il punteggio e le statistiche di una partita registrata. Il testo e l'html\n"
        "danno anche le statistiche dettagliate della partita e di ogni set, l'html con i\n"
        "grafici di vincenti ed errori per colpo.\n"
        "\n"
        "Opzioni:\n"
        "  --at N          la partita dopo N punti (0 = l'inizio; senza: la fine)\n"
        "  --format F      text (testo, predefinito), json, csv (i punti, con il tempo\n"
        "                  di ciascuno quando è registrato) o html (rapporto)\n"
        "  --total         somma più partite, giocatore per giocatore, statistiche\n"
        "                  dettagliate comprese\n"
        "  --lang L        la lingua dell'uscita: it (italiano, predefinita) o en (inglese);\n"
        "                  il json resta in italiano\n"
        "  -h, --help      mostra questo aiuto\n"
        "  --version       mostra la versione\n"
        "\n"
        "Uscita: 0 fatto, 1 file inutilizzabile (con --total le altre partite sono sommate lo\n"
        "stesso) o uscita non scrivibile, 2 riga di comando errata.\n"));
}

// The output is the program's work: one that cannot be written is a failure, never a success.
int finished(std::ostream& out, std::ostream& err) {
    out.flush();
    if (!out) {
        err << "courtlog-report: "
            << filled(QCoreApplication::translate("ReportCommand", "impossibile scrivere l'uscita"))
            << "\n";
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

int usageError(std::ostream& err, const std::string& problem) {
    err << "courtlog-report: " << problem << "\n" << usageText() << "\n";
    return kExitUsage;
}

// A message the window would show in a box, as one line after prefix, so that each can be
// told apart in a log.
void say(std::ostream& err, const std::string& prefix, const Text& message) {
    std::string line = message.render(translation());
    std::replace_if(
        line.begin(), line.end(), [](char c) { return c == '\n' || c == '\r'; }, ' ');
    err << prefix << line << '\n' << std::flush;
}

// Loads one match file as the window does, saying what the window would say, and puts it in
// the session at its end; false when it cannot be used.
bool load(const std::string& file, std::ostream& err, const std::string& prefix,
          MatchSession& session) {
    const LoadedMatch loaded = loadMatchFile(file);
    if (loaded.refusal) {
        say(err, prefix, *loaded.refusal);
        return false;
    }
    for (const Text& fault : loaded.faults) {
        say(err, prefix, fault);
    }
    session.replace(loaded.record, loaded.roundValid);
    // Said over the match as loaded, as the window says it.
    if (const std::optional<Text> leftOut = loaded.leftOut()) {
        say(err, prefix, *leftOut);
    }
    return true;
}

int runTotals(const std::vector<std::string>& files, const QString& formatName, std::ostream& out,
              std::ostream& err) {
    // A file that cannot be used is reported, by name, and the others are added up all the
    // same: one bad file among many should not cost the whole total.
    std::vector<MatchSummary> matches;
    bool allUsed = true;
    for (const std::string& file : files) {
        // Among several files, each message says which one it is about.
        MatchSession session;
        const bool used = load(file, err, file + ": ", session);
        if (used) {
            matches.push_back(summarizeMatch(session.record()));
        }
        allUsed = allUsed && used;
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
    // The options are described in helpText(), where the language in use says them.
    QCommandLineParser parser;
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    parser.addOption(help);
    const QCommandLineOption version(QStringLiteral("version"));
    parser.addOption(version);
    const QCommandLineOption at(QStringLiteral("at"), QString(), QStringLiteral("N"));
    const QCommandLineOption format(QStringLiteral("format"), QString(),
                                    QStringLiteral("text|json|csv|html"), QStringLiteral("text"));
    const QCommandLineOption total(QStringLiteral("total"));
    const QCommandLineOption lang(QStringLiteral("lang"), QString(), QStringLiteral("it|en"));
    parser.addOption(at);
    parser.addOption(format);
    parser.addOption(total);
    parser.addOption(lang);
    // "-bogus" is one unknown option, not five unknown letters; -h is the only short option.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);

    // The parser reads every argument even past a wrong one, so the language chosen is known
    // before anything is said, the complaint about the command line included. Italian unless
    // chosen, whatever the system's own language.
    const bool parsed = parser.parse(arguments);
    // Without its value, --lang is the parser's complaint, not an unknown language.
    const std::optional<Language> language =
        parser.values(lang).isEmpty() ? Language::Italian : languageFromCode(parser.value(lang));
    useLanguage(language.value_or(Language::Italian));
    if (!language) {
        return usageError(err, filled(QCoreApplication::translate(
                                          "ReportCommand", "lingua sconosciuta: %1 (it o en)"),
                                      {parser.value(lang).toStdString()}));
    }
    if (!parsed) {
        const QStringList unknown = parser.unknownOptionNames();
        return usageError(err, unknown.isEmpty()
                                   ? filled(QCoreApplication::translate(
                                         "ReportCommand", "manca il valore di un'opzione"))
                                   : filled(QCoreApplication::translate("ReportCommand",
                                                                        "opzione sconosciuta: %1"),
                                            {typedOptions(arguments, unknown).toStdString()}));
    }
    if (parser.isSet(help)) {
        out << usageText() << "\n\n" << helpText();
        return finished(out, err);
    }
    if (parser.isSet(version)) {
        out << versionText("courtlog-report") << "\n";
        return finished(out, err);
    }
    std::vector<std::string> files;
    for (const QString& file : parser.positionalArguments()) {
        files.push_back(pathOf(file, rawArguments));
    }
    if (files.empty()) {
        return usageError(err, filled(QCoreApplication::translate("ReportCommand",
                                                                  "manca il file della partita")));
    }
    const QString formatName = parser.value(format);
    const QStringList formats{QStringLiteral("text"), QStringLiteral("json"), QStringLiteral("csv"),
                              QStringLiteral("html")};
    if (!formats.contains(formatName)) {
        return usageError(
            err, filled(QCoreApplication::translate("ReportCommand", "formato sconosciuto: %1"),
                        {formatName.toStdString()}));
    }
    if (parser.isSet(total)) {
        if (parser.isSet(at)) {
            return usageError(err, filled(QCoreApplication::translate(
                                       "ReportCommand", "--at non vale con --total")));
        }
        if (formatName == QLatin1String("csv")) {
            return usageError(err, filled(QCoreApplication::translate(
                                       "ReportCommand", "--total non ha il formato csv")));
        }
        return runTotals(files, formatName, out, err);
    }
    if (files.size() > 1) {
        return usageError(err, filled(QCoreApplication::translate(
                                   "ReportCommand", "un solo file per volta (o --total)")));
    }
    std::optional<int> position;
    if (parser.isSet(at)) {
        bool ok = false;
        position = parser.value(at).toInt(&ok);
        if (!ok) {
            return usageError(err, filled(QCoreApplication::translate(
                                              "ReportCommand", "--at vuole un numero di punti: %1"),
                                          {parser.value(at).toStdString()}));
        }
    }

    MatchSession session;
    if (!load(files.front(), err, {}, session)) {
        return kExitUnreadable;  // the message that says why is already out
    }
    if (position) {
        const int count = session.points().count();
        if (*position < 0 || *position > count) {
            return usageError(err, filled(QCoreApplication::translate(
                                              "ReportCommand", "--at fuori dall'intervallo 0..%1"),
                                          {std::to_string(count)}));
        }
        session.goTo(*position);
    }

    if (formatName == QLatin1String("json")) {
        out << QJsonDocument(renderJson(session)).toJson(QJsonDocument::Indented).toStdString();
    } else if (formatName == QLatin1String("csv") || formatName == QLatin1String("html")) {
        // The log and the report of the match as it stood at that position.
        MatchRecord record = session.record();
        record.points.resize(static_cast<std::size_t>(session.points().current()));
        const MatchSummary history = summarizeMatch(record);
        out << (formatName == QLatin1String("csv") ? pointLogCsv(history) : htmlReport(history));
    } else {
        out << renderText(session);
    }
    return finished(out, err);
}

std::string versionText(const std::string& program) {
    return filled(QCoreApplication::translate("ReportCommand", "%1, versione %2.%3.%4"),
                  {program, std::to_string(kVersionMajor), std::to_string(kVersionMinor),
                   std::to_string(kVersionPatch)});
}

}  // namespace courtlog::report
