#include "app/ReportCommand.h"

#include <QCommandLineOption>
#include <QCommandLineParser>
#include <QJsonDocument>
#include <optional>
#include <ostream>

#include "storage/HeadlessPlatform.h"
#include "app/Report.h"
#include "scoring/MainForm.h"

namespace courtlog::report {

namespace {

constexpr const char* kUsage = "Uso: courtlog-report [--at N] [--format text|json] FILE.clg";

int usageError(std::ostream& err, const QString& problem) {
    err << "courtlog-report: " << problem.toStdString() << "\n" << kUsage << "\n";
    return kExitUsage;
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
    const QCommandLineOption format(QStringLiteral("format"),
                                    QStringLiteral("Formato dell'uscita: text (testo) o json."),
                                    QStringLiteral("text|json"), QStringLiteral("text"));
    parser.addOption(at);
    parser.addOption(format);
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
    if (files.size() > 1) {
        return usageError(err, QStringLiteral("un solo file per volta"));
    }
    const QString formatName = parser.value(format);
    if (formatName != QLatin1String("text") && formatName != QLatin1String("json")) {
        return usageError(err, QStringLiteral("formato sconosciuto: ") + formatName);
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
    } else {
        out << renderText(form);
    }
    out.flush();
    return kExitOk;
}

}  // namespace courtlog::report
