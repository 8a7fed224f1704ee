// The reports in another language than Italian: every text a person reads comes from the
// catalogue, and the JSON that programs read never does.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QRegularExpression>
#include <algorithm>

#include "report/HtmlReport.h"
#include "report/Language.h"
#include "report/PointLogCsv.h"
#include "report/Report.h"
#include "support/Harness.h"
#include "support/MatchScript.h"
#include "support/Page.h"
#include "support/Translators.h"

namespace courtlog::report {
namespace {

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
    const testing::Reading reading = testing::read(page);
    return reading.text + reading.labels;
}

TEST(ReportLanguage, EveryTextReadComesFromTheCatalogueAndTheJsonNever) {
    testing::Harness h;
    h.useThreeSets();
    h.form.Turno.select(7);
    h.rename(0, "ROSSI");
    h.rename(1, "BIANCHI");
    h.platform.messageAnswers = {MsgAnswer::No};
    h.form.SelectOption(Panel::DirittoRovescio, 2);
    h.form.SelectOption(Panel::Colpo, 5);
    h.play(testing::MatchScript().set(6, 4).tieBreakSet(7, 5).points() +
           "AB");  // two after the end
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
    EXPECT_TRUE(testing::has(
        page, "<html xmlns=\"http://www.w3.org/1999/xhtml\" lang=\"en\" xml:lang=\"en\">"));
    for (const std::string& read :
         {text, renderTotalsText(addUp(playing), playing), pointLogCsv(over), readable(page),
          readable(htmlReport(playing[0])), readable(htmlReport(playing[1])),
          readable(htmlReport(playing[2])), readable(htmlTotals(addUp(playing), playing)),
          readable(htmlTotals(addUp({over}), {over}))}) {
        EXPECT_EQ(lowerCase(read), "") << read.substr(0, 200);
    }
    useLanguage(Language::Italian);
}

}  // namespace
}  // namespace courtlog::report
