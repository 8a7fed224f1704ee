#include "report/ReportCommand.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QJsonDocument>
#include <optional>
#include <ostream>

#include "report/Report.h"
#include "report/HtmlReport.h"
#include "report/MatchSummary.h"
#include "report/PointLogCsv.h"
#include "form/MainForm.h"
#include "platform/HeadlessPlatform.h"

namespace courtlog::report {

namespace {

constexpr const char* kUsage =
    "Uso: courtlog-report [--at N] [--format text|json|csv|html] FILE.clg\n"
    "     courtlog-report --total [--format text|json|html] FILE.clg...";

int usageError(std::ostream& err, const QString& problem) {
    err << "courtlog-report: " << problem.toStdString() << "\n" << kUsage << "\n";
    return kExitUsage;
}

// Loads one match file as the window does; nullopt when it cannot be used (the message that
// says why is already out).
std::optional<MatchRecord> load(const QString& file, std::ostream& err) {
    HeadlessPlatform platform(err);
    MainForm form(platform);
    form.Form_Load();
    if (!form.loadMatch(file.toStdString())) {
        return std::nullopt;
    }
    return form.matchRecord();
}

int runTotals(const QStringList& files, const QString& formatName, std::ostream& out,
              std::ostream& err) {
    std::vector<MatchSummary> matches;
    for (const QString& file : files) {
        const std::optional<MatchRecord> record = load(file, err);
        if (!record) {
            return kExitUnreadable;
        }
        matches.push_back(summarizeMatch(*record));
    }
    const std::vector<PlayerTotals> totals = addUp(matches);
    if (formatName == QLatin1String("json")) {
        out << QJsonDocument(renderTotalsJson(totals, matches)).toJson().toStdString();
    } else if (formatName == QLatin1String("html")) {
        out << htmlTotals(totals, matches);
    } else {
        out << renderTotalsText(totals, matches);
    }
    out.flush();
    return kExitOk;
}

}  // namespace

int runReport(const QStringList& arguments, std::ostream& out, std::ostream& err) {
    QCommandLineParser parser;
    parser.setApplicationDescription(
        QStringLiteral("Mostra il punteggio e le statistiche di una partita registrata."));
    const QCommandLineOption help = parser.addHelpOption();
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
    parser.addPositionalArgument(QStringLiteral("FILE.clg"),
                                 QStringLiteral("Il file della partita."));

    if (!parser.parse(arguments)) {
        return usageError(err, parser.errorText());
    }
    if (parser.isSet(help)) {
        out << parser.helpText().toStdString();
        return kExitOk;
    }
    const QStringList files = parser.positionalArguments();
    if (files.isEmpty()) {
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
    if (!form.loadMatch(files.front().toStdString())) {
        return kExitUnreadable;  // the message that says why is already out
    }
    if (position) {
        if (*position < 0 || *position > form.PointCount) {
            return usageError(
                err, QStringLiteral("--at fuori dall'intervallo 0..%1").arg(form.PointCount));
        }
        form.CurrentPoint = static_cast<std::int16_t>(*position);
        form.ReplayToCurrentPoint();
    }

    if (formatName == QLatin1String("json")) {
        out << QJsonDocument(renderJson(form)).toJson(QJsonDocument::Indented).toStdString();
    } else if (formatName == QLatin1String("csv") || formatName == QLatin1String("html")) {
        // The log and the report of the match as it stood at that position.
        MatchRecord record = form.matchRecord();
        record.points.resize(static_cast<std::size_t>(form.CurrentPoint));
        const MatchSummary history = summarizeMatch(record);
        out << (formatName == QLatin1String("csv") ? pointLogCsv(history) : htmlReport(history));
    } else {
        out << renderText(form);
    }
    out.flush();
    return kExitOk;
}

}  // namespace courtlog::report
