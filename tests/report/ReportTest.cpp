// The report's rendering and its platform, in process on matches entered point by point.
#include "report/Report.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <sstream>

#include "platform/HeadlessPlatform.h"
#include "support/Harness.h"
#include "support/QtPrinting.h"

namespace courtlog::report {
namespace {

using testing::Harness;

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != std::string::npos;
}

TEST(ReportTable, ColumnsAlignByCharactersNotBytes) {
    EXPECT_EQ(formatTable({{"Gaël", "1", ""}, {"Al", "22", "x"}, {"Nicolás", "", ""}}),
              "Gaël     1\n"
              "Al       22  x\n"
              "Nicolás\n");
}

// Every control character becomes "?": below the blank, DEL, and U+0080 to U+009F; a line break
// too, unless a whole output keeps its own.
TEST(ReportText, ControlCharactersAndTheirNeighboursInNames) {
    const std::string text("\x1F \x7E\x7F\xC2\x7F\xC2\x80\xC2\x9F\xC2\xA0\n\0", 14);
    EXPECT_EQ(printable(text), "? ~?\xC2???\xC2\xA0??");
    EXPECT_EQ(printable(text, true), "? ~?\xC2???\xC2\xA0\n?");
}

TEST(ReportText, ScoreboardServerIndicatorsAndWinner) {
    Harness h;
    h.useThreeSets();
    h.form.Turno.select(7);
    h.games("AAAAAAAAAAA");  // a set and five games of the second
    h.play("AAA");           // 40-0 on B's serve: a break point that is also a match point
    std::string text = renderText(h.form);
    EXPECT_TRUE(has(text,
                    "                Set 1  Games  Punti\n"
                    "Giocatore A     6      5      40\n"
                    "Giocatore B  *  0      0      0\n"))
        << text;
    EXPECT_TRUE(has(text, "Indicatori: Break Point # 1, Match Point #1 (Giocatore A)\n")) << text;

    // A best-of-three that is over shows the winner and nothing of a next set.
    h.play("BBBAA");
    text = renderText(h.form);
    EXPECT_TRUE(has(text, "\nVince: Giocatore A\n")) << text;
    EXPECT_FALSE(has(text, "Set 3"));
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
        EXPECT_EQ(f["caption"].toString().toStdString(), nf.field->caption()) << nf.displayName();
        EXPECT_EQ(f["visible"].toBool(), nf.field->visible()) << nf.displayName();
    }
    // Colours are stored blue-green-red; the report gives them as #RRGGBB.
    EXPECT_EQ(fields["Punteggio(0)"]["back"].toString(), "#00FFFF");
    EXPECT_EQ(r["tieBreakWhen"].toArray(), (QJsonArray{false, false, true}));
    EXPECT_EQ(r["round"].toInt(), 3);
}

TEST(HeadlessPlatform, PrintsEachMessageOnOneLineAndAnswersNo) {
    std::ostringstream err;
    HeadlessPlatform platform(err);
    EXPECT_EQ(platform.messageBox(Text::verbatim("Salvare?\nOra"), MsgButtons::YesNo),
              MsgAnswer::No);
    EXPECT_EQ(platform.messageBox(Text::verbatim("Fatto"), MsgButtons::Ok), MsgAnswer::Ok);
    EXPECT_EQ(err.str(), "Salvare? Ora\nFatto\n");
    EXPECT_EQ(platform.saveFileDialog("x.clg", kFileFilter).title, "");
    platform.saveSetting("Courtlog", "Opzioni", "MatchInTreSet", "True");
    EXPECT_FALSE(platform.getSetting("Courtlog", "Opzioni", "MatchInTreSet").has_value());
}

}  // namespace
}  // namespace courtlog::report
