// The report's rendering, in process on matches entered point by point: the
// summary of a match and its point log, the text and the JSON, in either language.
#include "report/Report.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <QJsonDocument>
#include <QRegularExpression>
#include <algorithm>
#include <utility>

#include "form/Board.h"
#include "report/HtmlReport.h"
#include "report/Language.h"
#include "report/MatchSummary.h"
#include "report/PointLogCsv.h"
#include "support/MatchBuilder.h"
#include "support/Page.h"
#include "support/QtPrinting.h"
#include "support/Translators.h"

namespace courtlog::report {
namespace {

using testing::has;
using testing::kBestOfThree;
using testing::MatchBuilder;
using testing::MatchScript;

TEST(MatchSummary, SetsAndTotalsOfAFinishedMatchAgreeWithItsPoints) {
    const auto script = MatchScript().tieBreakSet(7, 3).tieBreakSet(5, 7).set(6, 4);
    const MatchSummary m =
        summarizeMatch(MatchBuilder(kBestOfThree).play(script.points()).record());
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
    EXPECT_EQ(
        summarizeMatch({.round = 7}).round.italian() + summarizeMatch({.round = 8}).round.italian(),
        "Finale");
}

// Columns align by characters, not bytes. Every control character becomes "?": below the
// blank, DEL, and U+0080 to U+009F; a line break too, unless a whole output keeps its own.
TEST(ReportText, ColumnsByCharactersAndControlCharacters) {
    EXPECT_EQ(formatTable({{"Gaël", "1", ""}, {"Al", "22", "x"}, {"Nicolás", "", ""}}),
              "Gaël     1\n"
              "Al       22  x\n"
              "Nicolás\n");
    const std::string text("\x1F \x7E\x7F\xC2\x7F\xC2\x80\xC2\x9F\xC2\xA0\n\0", 14);
    EXPECT_EQ(printable(text), "? ~?\xC2???\xC2\xA0??");
    EXPECT_EQ(printable(text, true), "? ~?\xC2???\xC2\xA0\n?");
}

// The labels as a window shows them that opened the match and went back: a hidden marker keeps
// the number it showed at the end.
TEST(ReportJson, EveryLabelAsTheWindowShowsItAndTheMatchSettings) {
    MatchBuilder b(rulesOf(5, {false, false, true}));
    b.session.chooseRound(3);
    b.mark({{Attr::ErroreVincente, 7}});  // a mark the panel has no word for, as a file may hold
    b.play("AAAA AAAA");                  // the second game broken to love
    b.session.goTo(4);
    const QJsonObject r = renderJson(b.session);
    const QJsonObject fields = r["fields"].toObject();
    // Colours are stored blue-green-red; the report gives them as #RRGGBB.
    EXPECT_EQ(
        std::tuple(fields.size(), fields["BreakPoint"].toObject(),
                   fields["Posizione"]["caption"].toString(), r["tieBreakWhen"].toArray(),
                   QJsonDocument(r["rules"].toObject()).toJson(QJsonDocument::Compact),
                   r["round"].toInt(), r["points"][0]["serve"].toString(),
                   r["points"][0]["ending"].isNull()),
        std::tuple(
            static_cast<qsizetype>(Board().fields().size()),
            QJsonObject{{"caption", "Break Point # 1"},
                        {"visible", false},
                        {"fore", "#0000FF"},
                        {"back", "#FF0000"}},
            "Punto 4 di 8 (storico)", QJsonArray{false, false, true},
            R"({"bestOf":5,"decidingSet":"tb7","firstServer":0,"noAd":false,"setTieBreak":true})",
            3, "Prima palla", true));
}

// A doubles side is named by both its players wherever a line names it, and wins in the plural;
// the point log and the text name which of the four serves, and the serve table is theirs.
TEST(ReportDoubles, SidesByBothPlayersAndTheServerByName) {
    Rules rules = kBestOfThree;
    rules.doubles = true;
    MatchBuilder b(rules);
    for (int p = 0; p < kPlayers; ++p) {
        b.session.renamePlayer(p, Text::verbatim(std::array{"Ana", "Bea", "Cleo", "Dina"}[p]));
    }
    b.session.chooseServing({1, 0});
    b.play("aaaaaa aaaaaa");
    const MatchSummary m = summarizeMatch(b.record());
    const QStringList rows = QString::fromStdString(pointLogCsv(m)).split("\r\n");
    const std::string over = renderText(b.session), page = htmlReport(m);
    b.session.goTo(5);
    EXPECT_EQ(std::tuple(rows[1].section(',', 7, 8), rows[5].section(',', 7, 8),
                         has(over, "Vincono: Ana / Bea\n"), has(over, "Il servizio di ciascun"),
                         has(page, "Vincono Ana / Bea, 2 set a 0"),
                         has(renderText(b.session), "Al servizio: Cleo\n")),
              std::tuple("Bea,Ana / Bea", "Cleo,Ana / Bea", true, true, true, true));
}

// The reports in another language than Italian: every text a person reads comes from the
// catalogue, and the JSON that programs read never does.
// Names a spreadsheet would take for a list and a formula, in capitals for the language check.
TEST(ReportLanguage, PointLogRowsAndEveryTextReadComesFromTheCatalogueAndTheJsonNever) {
    const std::string points = MatchScript().set(6, 4).tieBreakSet(7, 5).points();
    MatchBuilder b(kBestOfThree);
    b.session.chooseRound(7);
    b.names("ROSSI, \"BOBO\"", "=SOMMA(A1)");
    // A backhand passing-shot winner and an ace, then the script.
    b.mark({{Attr::DirittoRovescio, 2}, {Attr::Colpo, 5}, {Attr::ErroreVincente, 1}});
    b.play("A*" + points.substr(2));
    const QStringList rows =
        QString::fromStdString(pointLogCsv(summarizeMatch(b.record()))).split("\r\n");
    ASSERT_EQ(std::tuple(rows.size(), rows.back()), std::tuple(points.size() + 2, ""));
    EXPECT_EQ(rows[0],
              "Punto,Set,Game A,Game B,Punti A,Punti B,Tie-break,Al servizio,Vince,Servizio,"
              "Esito del servizio,Diritto/Rovescio,Colpo,Errore/Vincente");
    // A name with a separator or quotes is quoted; one that starts like a formula is never run.
    const QString a = "\"ROSSI, \"\"BOBO\"\"\",";
    EXPECT_EQ(rows[1], "1,1,0,0,0,0,," + a + a + "Prima palla,,Rovescio,Passante,Vincente");
    EXPECT_EQ(rows[2], "2,1,0,0,15,0,," + a + a + "Prima palla,Ace,,,");
    EXPECT_EQ(rows[5], "5,1,1,0,0,0,,'=SOMMA(A1),'=SOMMA(A1),Prima palla,,,,");
    // The second set's tie-break is logged with its points and the games at six all.
    EXPECT_EQ(rows.filter(",2,6,6,").size(), 12);
    EXPECT_TRUE(rows[points.size()].contains(",6,6,6,5,sì,"));  // the point that won 7-5

    MatchRecord record = b.record();
    record.tournament = "OPEN";
    // The page's and the log's texts about the video too.
    record.video.file = "/V.MP4";
    record.videoMs.assign(record.points.size(), 1000);
    const MatchSummary over = summarizeMatch(record);
    const std::vector<MatchSummary> totalled{over, summarizeMatch(MatchRecord{})};
    const auto json = [&] {
        return QJsonDocument(renderJson(b.session)).toJson().toStdString() +
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
    for (int k = b.session.points().count(); k >= 0; --k) {
        b.session.goTo(k);
        read += renderText(b.session);
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
