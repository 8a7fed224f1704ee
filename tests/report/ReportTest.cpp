// The report's rendering and its platform, in process on matches entered point by point: the
// summary of a match and its point log, the text and the JSON, in either language.
#include "report/Report.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <algorithm>
#include <sstream>
#include <utility>

#include "platform/HeadlessPlatform.h"
#include "report/HtmlReport.h"
#include "report/Language.h"
#include "report/MatchSummary.h"
#include "report/PointLogCsv.h"
#include "support/Harness.h"
#include "support/MatchScript.h"
#include "support/Page.h"
#include "support/QtPrinting.h"
#include "support/Translators.h"

namespace courtlog::report {
namespace {

using testing::Harness;
using testing::has;
using testing::MatchScript;

TEST(MatchSummary, SetsAndTotalsOfAFinishedMatchAgreeWithItsPoints) {
    const auto script = MatchScript().tieBreakSet(7, 3).tieBreakSet(5, 7).set(6, 4);
    MatchRecord record;
    record.setsInMatch = 3;
    for (char c : script.points()) {
        record.points.push_back(testing::word({.winner = c == 'B'}));
    }
    const MatchSummary m = summarizeMatch(record);
    const int won = static_cast<int>(std::ranges::count(script.points(), 'A'));
    // The sets cover every point once; that their counts add up is the statistics' test.
    std::vector<int> winners;
    int covered = 0;
    for (const SetSummary& s : m.sets) {
        EXPECT_EQ(s.firstPoint, std::exchange(covered, s.endPoint));
        winners.push_back(s.winner);
    }
    EXPECT_EQ(
        std::tuple(scoreParts(m), m.winner, winners, covered, m.points.size(),
                   m.totals[0].pointsWon, m.points.back().diffAfter),
        std::tuple(std::vector<std::string>{"7-6(7-3)", "6-7(5-7)", "6-4"}, 0, std::vector{0, 1, 0},
                   static_cast<int>(script.points().size()), script.points().size(), won,
                   won - (static_cast<int>(script.points().size()) - won)));
    // An index other than 1 names player A rather than running off the pair; a round past the
    // list is none.
    EXPECT_EQ(player(m, 1) + ", " + player(m, 2), "Giocatore B, Giocatore A");
    const auto round = [](int index) {
        MatchRecord r;
        r.round = index;
        return summarizeMatch(r).round.italian();
    };
    EXPECT_EQ(round(7) + round(8), "Finale");
}

// Columns align by characters, not bytes. Every control character becomes "?": below the
// blank, DEL, and U+0080 to U+009F; a line break too, unless a whole output keeps its own.
TEST(ReportText, ColumnsByCharactersControlCharactersAndMessagesOnOneLine) {
    EXPECT_EQ(formatTable({{"Gaël", "1", ""}, {"Al", "22", "x"}, {"Nicolás", "", ""}}),
              "Gaël     1\n"
              "Al       22  x\n"
              "Nicolás\n");
    const std::string text("\x1F \x7E\x7F\xC2\x7F\xC2\x80\xC2\x9F\xC2\xA0\n\0", 14);
    EXPECT_EQ(printable(text), "? ~?\xC2???\xC2\xA0??");
    EXPECT_EQ(printable(text, true), "? ~?\xC2???\xC2\xA0\n?");

    // The headless platform prints each message on one line and answers no.
    std::ostringstream err;
    HeadlessPlatform platform(err);
    EXPECT_EQ(platform.messageBox(Text::verbatim("Salvare?\nOra"), MsgButtons::YesNo),
              MsgAnswer::No);
    EXPECT_EQ(platform.messageBox(Text::verbatim("Fatto"), MsgButtons::Ok), MsgAnswer::Ok);
    EXPECT_EQ(err.str(), "Salvare? Ora\nFatto\n");
}

TEST(ReportJson, EveryLabelWithItsStateAndTheMatchSettings) {
    Harness h;
    h.useTieBreakRule(2);
    h.form.Turno.select(3);
    h.play("AB");
    const QJsonObject r = renderJson(h.form);
    const QJsonObject fields = r["fields"].toObject();
    for (const NamedField& nf : h.form.fields()) {
        const QJsonObject f = fields[QString::fromStdString(nf.displayName())].toObject();
        EXPECT_EQ(std::tuple(f["caption"].toString().toStdString(), f["visible"].toBool()),
                  std::tuple(nf.field->caption(), nf.field->visible()))
            << nf.displayName();
    }
    // Colours are stored blue-green-red; the report gives them as #RRGGBB.
    EXPECT_EQ(
        std::tuple(fields["Punteggio(0)"]["back"].toString(), r["tieBreakWhen"].toArray(),
                   QJsonDocument(r["rules"].toObject()).toJson(QJsonDocument::Compact),
                   r["round"].toInt()),
        std::tuple(
            "#00FFFF", QJsonArray{false, false, true},
            R"({"bestOf":5,"decidingSet":"tb7","firstServer":0,"noAd":false,"setTieBreak":true})",
            3));
}

// The reports in another language than Italian: every text a person reads comes from the
// catalogue, and the JSON that programs read never does.
// Names a spreadsheet would take for a list and a formula, in capitals for the language check.
TEST(ReportLanguage, PointLogRowsAndEveryTextReadComesFromTheCatalogueAndTheJsonNever) {
    const std::string points = MatchScript().set(6, 4).tieBreakSet(7, 5).points();
    Harness h;
    h.useThreeSets();
    h.form.Turno.select(7);
    h.rename(0, "ROSSI, \"BOBO\"");
    h.rename(1, "=SOMMA(A1)");
    h.platform.messageAnswers = {MsgAnswer::No};
    h.form.SelectOption(Panel::DirittoRovescio, 2);
    h.form.SelectOption(Panel::Colpo, 5);
    h.play("A*" + points.substr(2));  // a backhand passing shot and an ace, then the script
    std::vector<std::string> rows;
    const std::string csv = pointLogCsv(summarizeMatch(h.form.matchRecord()));
    for (std::size_t at = 0, end; (end = csv.find("\r\n", at)) != std::string::npos; at = end + 2) {
        rows.push_back(csv.substr(at, end - at));
    }
    ASSERT_EQ(rows.size(), points.size() + 1);
    EXPECT_EQ(rows[0],
              "Punto,Set,Game A,Game B,Punti A,Punti B,Tie-break,Al servizio,Vince,Servizio,"
              "Esito del servizio,Diritto/Rovescio,Colpo,Errore/Vincente");
    // A name with a separator or quotes is quoted; one that starts like a formula is never run.
    const std::string a = "\"ROSSI, \"\"BOBO\"\"\",";
    EXPECT_EQ(rows[1], "1,1,0,0,0,0,," + a + a + "Prima palla,,Rovescio,Passante,Vincente");
    EXPECT_EQ(rows[2], "2,1,0,0,15,0,," + a + a + "Prima palla,Ace,,,");
    EXPECT_EQ(rows[5], "5,1,1,0,0,0,,'=SOMMA(A1),'=SOMMA(A1),Prima palla,,,,");
    // The second set's tie-break is logged with its points and the games at six all.
    EXPECT_EQ(
        std::ranges::count_if(rows, [](const auto& r) { return r.find(",2,6,6,") != r.npos; }), 12);
    EXPECT_NE(rows.back().find(",6,6,6,5,sì,"), std::string::npos);  // the point that won 7-5

    h.play("AB");  // two after the end
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
    // Stands in for the English catalogue: every text in capitals, so that one that escapes the
    // catalogue is the only one left in lower case. Installed after the language is chosen, it
    // comes before any real catalogue.
    const testing::Translation capitals([](const QString&, const QString& source) {
        return currentLanguage() == Language::English ? source.toUpper() : QString();
    });
    EXPECT_EQ(json(), italian);
    // Every position of the match, so every heading and indicator of the scoreboard.
    std::string read;
    for (int k = h.form.points().count(); k >= 0; --k) {
        h.form.goTo(k);
        read += renderText(h.form);
    }
    const auto tieBreak = std::ranges::find_if(over.points, &PointRow::tieBreak);
    std::vector<MatchSummary> playing;  // in a game, in a tie-break, before the first point
    for (const auto points : {5L, tieBreak - over.points.begin() + 2, 0L}) {
        MatchRecord part = record;
        part.points.resize(static_cast<std::size_t>(points));
        playing.push_back(summarizeMatch(part));
    }
    read += renderTotalsText(addUp(playing), playing) + pointLogCsv(over);
    // Of a page, what its reader meets: the text and the labels given to assistive technology,
    // not the markup or the style sheet.
    for (const std::string& page :
         {htmlReport(over), htmlReport(playing[0]), htmlReport(playing[1]), htmlReport(playing[2]),
          htmlTotals(addUp(playing), playing), htmlTotals(addUp({over}), {over})}) {
        const testing::Reading reading = testing::read(page);
        read += reading.text + reading.labels;
    }
    // No word of it in lower case.
    EXPECT_EQ(QString::fromStdString(read)
                  .split(QRegularExpression("[\\s,]+"))
                  .filter(QRegularExpression("\\p{Ll}")),
              QStringList());
    useLanguage(Language::Italian);
}

}  // namespace
}  // namespace courtlog::report
