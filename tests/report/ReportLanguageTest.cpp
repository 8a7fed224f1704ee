// The reports in another language than Italian: every text a person reads comes from the
// catalogue, the JSON that programs read never does, and --lang chooses for one run.
#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QJsonDocument>
#include <QRegularExpression>
#include <QTranslator>
#include <QXmlStreamReader>
#include <algorithm>
#include <sstream>

#include "report/HtmlReport.h"
#include "report/Language.h"
#include "report/PointLogCsv.h"
#include "report/Report.h"
#include "report/ReportCommand.h"
#include "support/Harness.h"
#include "support/MatchScript.h"
#include "support/TempDir.h"

namespace courtlog::report {
namespace {

using testing::Harness;
using testing::MatchScript;

// Stands in for the English catalogue while the program speaks English: every text in
// capitals, so that one that escapes the catalogue is the only one left in lower case.
// Installed after the language is chosen, it comes before any real catalogue.
class Capitals : public QTranslator {
public:
    Capitals() { QCoreApplication::installTranslator(this); }
    ~Capitals() override {
        QCoreApplication::removeTranslator(this);
        useLanguage(Language::Italian);
    }

    QString translate(const char*, const char* source, const char*, int) const override {
        return currentLanguage() == Language::English ? QString::fromUtf8(source).toUpper()
                                                      : QString();
    }
    bool isEmpty() const override { return false; }
};

// The words of a text that hold a lower-case letter.
std::string lowerCase(const std::string& text) {
    QStringList words;
    for (const QString& word :
         QString::fromStdString(text).split(QRegularExpression("[\\s,]+"), Qt::SkipEmptyParts)) {
        if (std::any_of(word.begin(), word.end(), [](QChar c) { return c.isLower(); })) {
            words.append(word);
        }
    }
    return words.join(' ').toStdString();
}

// What a reader of a page meets: its text and the labels given to assistive technology, not
// the markup or the style sheet.
std::string readable(const std::string& page) {
    std::string out;
    QXmlStreamReader r(QByteArray::fromStdString(page));
    while (r.readNext() != QXmlStreamReader::EndDocument && !r.hasError()) {
        if (r.isStartElement() && r.name() == QLatin1String("style")) {
            r.skipCurrentElement();
        } else if (r.isStartElement()) {
            out += " " + r.attributes().value("aria-label").toString().toStdString();
        } else if (r.isCharacters()) {
            out += " " + r.text().toString().toStdString();
        }
    }
    EXPECT_FALSE(r.hasError()) << r.errorString().toStdString();
    return out;
}

struct Outcome {
    int status;
    std::string out, err;
};

Outcome report(QStringList arguments) {
    std::ostringstream out, err;
    arguments.prepend(QStringLiteral("courtlog-report"));
    const int status = runReport(arguments, out, err);
    return {status, out.str(), err.str()};
}

TEST(ReportLanguage, EveryTextReadComesFromTheCatalogueAndTheJsonNever) {
    Harness h;
    h.useThreeSets();
    h.form.Turno.select(7);
    h.rename(0, "ROSSI");
    h.rename(1, "BIANCHI");
    h.platform.messageAnswers = {MsgAnswer::No};
    h.form.SelectOption(Panel::DirittoRovescio, 2);
    h.form.SelectOption(Panel::Colpo, 5);
    h.play(MatchScript().set(6, 4).tieBreakSet(7, 5).points() + "AB");  // two after the end
    MatchRecord record = h.form.matchRecord();
    record.tournament = "OPEN";
    const MatchSummary over = summarizeMatch(record);
    const std::vector<MatchSummary> totalled{over, summarizeMatch(MatchRecord{})};
    const auto json = [&] {
        return QJsonDocument(renderJson(h.form)).toJson().toStdString() +
               QJsonDocument(renderTotalsJson(addUp(totalled), totalled)).toJson().toStdString();
    };
    const std::string italian = json();

    useLanguage(Language::English);
    const Capitals capitals;
    EXPECT_EQ(json(), italian);
    // Every position of the match, so every heading and indicator of the scoreboard.
    std::string text;
    for (int k = h.form.points().count(); k >= 0; --k) {
        h.form.goTo(k);
        text += renderText(h.form);
    }
    const auto tieBreak = std::ranges::find_if(over.points, &PointRow::tieBreak);
    std::vector<MatchSummary> playing;  // in a game, in a tie-break, before the first point
    for (const auto points : {5L, tieBreak - over.points.begin() + 2, 0L}) {
        MatchRecord part = record;
        part.points.resize(static_cast<std::size_t>(points));
        playing.push_back(summarizeMatch(part));
    }
    const std::string page = htmlReport(over);
    EXPECT_NE(
        page.find("<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\" xml:lang=\"en\">"),
        std::string::npos);
    for (const std::string& read :
         {text, renderTotalsText(addUp(playing), playing), pointLogCsv(over), readable(page),
          readable(htmlReport(playing[0])), readable(htmlReport(playing[1])),
          readable(htmlReport(playing[2])), readable(htmlTotals(addUp(playing), playing)),
          readable(htmlTotals(addUp({over}), {over}))}) {
        EXPECT_EQ(lowerCase(read), "") << read.substr(0, 200);
    }
}

// What a run says, and the Italian it must not say. Whatever the English catalogue's words,
// they are not the Italian ones.
TEST(ReportLanguage, TheCommandLineChoosesTheLanguageBeforeAnythingIsSaid) {
    const Capitals english;
    const QString three = QStringLiteral(COURTLOG_SAMPLES_DIR "/best-of-three-tiebreak.clg");
    const testing::TempDir dir;
    const QString missing = QString::fromStdString(dir.file("nope.clg"));
    const std::vector<std::tuple<QStringList, int, std::string, std::string>> cases{
        {{"--lang", "en", three}, kExitOk, " 140 ", "Punto 140 di 140"},
        {{three}, kExitOk, "Punto 140 di 140, partita finita\n", "PUNTO"},  // Italian unless chosen
        {{"--lang=it", three}, kExitOk, "Punto 140 di 140, partita finita\n", "PUNTO"},
        {{"--format", "html", "--lang", "en", three}, kExitOk, "lang=\"en\"", "Statistiche"},
        {{"--lang", "en", "--help"}, kExitOk, "\n\n", "Opzioni"},
        // The messages of the loaded file, alone and among others.
        {{"--lang", "en", missing}, kExitUnreadable, "nope.clg", "nell'apertura"},
        {{"--lang", "en", "--total", missing, three},
         kExitUnreadable,
         missing.toStdString() + ": ",
         "nell'apertura"},
        // A complaint about the command line, even one met before the language.
        {{"--bogus", "--lang", "en", three}, kExitUsage, "--bogus\n", "sconosciuta"},
        {{"--lang", "xx", three},
         kExitUsage,
         "courtlog-report: lingua sconosciuta: xx (it o en)\n",
         "LINGUA"},
    };
    for (const auto& [arguments, status, says, never] : cases) {
        const Outcome run = report(arguments);
        const std::string all = run.out + run.err;
        EXPECT_EQ(std::tuple(run.status, all.find(says) != all.npos, all.find(never) == all.npos),
                  std::tuple(status, true, true))
            << arguments.join(' ').toStdString() << "\n"
            << all.substr(0, 300);
    }
}

}  // namespace
}  // namespace courtlog::report
