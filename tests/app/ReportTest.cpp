// The report's rendering and its platform, in process on matches entered point by point.
#include "app/Report.h"

#include <gtest/gtest.h>

#include <QJsonArray>
#include <sstream>

#include "storage/HeadlessPlatform.h"
#include "support/Harness.h"

namespace courtlog::report {
namespace {

using testing::Harness;

TEST(ReportTable, ColumnsAlignByCharactersNotBytes) {
    EXPECT_EQ(displayWidth("Nicolás Massú"), 13);
    EXPECT_EQ(displayWidth("1°/2°"), 5);
    EXPECT_EQ(formatTable({{"Gaël", "1", ""}, {"Al", "22", "x"}, {"Nicolás", "", ""}}),
              "Gaël     1\n"
              "Al       22  x\n"
              "Nicolás\n");
}

TEST(ReportText, FreshMatch) {
    Harness h;
    EXPECT_EQ(renderText(h.form),
              "Torneo: Nome torneo\n"
              "Punto 0 di 0\n"
              "\n"
              "                Games  Punti\n"
              "Giocatore A  *  0      0\n"
              "Giocatore B     0      0\n"
              "\n"
              "Al servizio: Giocatore A\n"
              "\n"
              "                  Statistiche Giocatore A  Statistiche Giocatore B\n"
              "Punti vinti:      0                        0\n"
              "Break points:     0 / 0                    0 / 0\n"
              "Ace/Doppi falli:  0 / 0                    0 / 0\n"
              "% Prime palle:    0%                       0%\n"
              "Punti con 1°/2°:  N/D / N/D                N/D / N/D\n"
              "Colpi vincenti:   0                        0\n"
              "Errori gratuiti:  0                        0\n"
              "Punti set/match:  24 / 72                  24 / 72\n");
}

TEST(ReportText, FinishedSetsRoundAndIndicators) {
    Harness h;
    h.useThreeSets();
    h.form.Turno.select(7);
    h.games("AAAAAA");
    h.games("AAAAA");
    h.play("AAA");  // 40-0 on B's serve: a break point that is also a match point
    ASSERT_TRUE(h.form.BreakPoint.visible());
    ASSERT_TRUE(h.form.MatchPoint[0].visible());

    const std::string text = renderText(h.form);
    EXPECT_NE(text.find("Turno: Finale\n"), std::string::npos) << text;
    EXPECT_NE(text.find("                Set 1  Games  Punti\n"
                        "Giocatore A     6      5      40\n"
                        "Giocatore B  *  0      0      0\n"),
              std::string::npos)
        << text;
    EXPECT_NE(text.find("Indicatori: " + h.form.BreakPoint.caption() + ", " +
                        h.form.MatchPoint[0].caption() + " (Giocatore A)\n"),
              std::string::npos)
        << text;

    h.play("BBB");  // the first deuce of the match
    EXPECT_NE(renderText(h.form).find("Indicatori: Parità # 1\n"), std::string::npos);

    // A best-of-three that is over shows its two sets and the winner, nothing of a next game.
    h.play("AA");
    ASSERT_TRUE(h.form.MatchOver);
    const std::string over = renderText(h.form);
    EXPECT_NE(over.find("               Set 1  Set 2\n"
                        "Giocatore A    6      6\n"
                        "Giocatore B    0      0\n"
                        "\n"
                        "Vince: Giocatore A\n"),
              std::string::npos)
        << over;
    EXPECT_EQ(over.find("Set 3"), std::string::npos);
    EXPECT_EQ(over.find("Al servizio"), std::string::npos);
}

TEST(ReportJson, EveryLabelWithItsStateAndTheMatchSettings) {
    Harness h;
    h.useTieBreakRule(2);
    h.form.Turno.select(3);
    h.play("AB");
    const QJsonObject r = renderJson(h.form);

    const QJsonObject fields = r["fields"].toObject();
    EXPECT_EQ(fields.size(), static_cast<qsizetype>(h.form.fields().size()));
    for (const NamedField& nf : h.form.fields()) {
        const QJsonObject f = fields[QString::fromStdString(nf.displayName())].toObject();
        EXPECT_EQ(f["caption"].toString().toStdString(), nf.field->caption()) << nf.displayName();
        EXPECT_EQ(f["visible"].toBool(), nf.field->visible()) << nf.displayName();
    }
    // Colours are stored blue-green-red; the report gives them as #RRGGBB.
    EXPECT_EQ(fields["Punteggio(0)"].toObject()["back"].toString(), "#00FFFF");
    EXPECT_EQ(fields["BreakPoint"].toObject()["back"].toString(), "#FF0000");
    EXPECT_EQ(fields["Parità"].toObject()["fore"].toString(), "#0000FF");
    EXPECT_EQ(fields["Punteggio(1)"].toObject()["caption"].toString(), "15");

    EXPECT_EQ(r["tieBreakWhen"].toArray(), (QJsonArray{false, false, true}));
    EXPECT_EQ(r["round"].toInt(), 3);
    EXPECT_EQ(r["pointCount"].toInt(), 2);
    EXPECT_EQ(r["currentPoint"].toInt(), 2);
    EXPECT_EQ(r["setsInMatch"].toInt(), 5);
    EXPECT_FALSE(r["matchOver"].toBool());
}

TEST(HeadlessPlatform, PrintsEachMessageOnOneLineAndChangesNothing) {
    std::ostringstream err;
    HeadlessPlatform platform(err);
    EXPECT_EQ(platform.messageBox("Salvare?\nOra", MsgButtons::YesNo), MsgAnswer::No);
    EXPECT_EQ(platform.messageBox("Fatto", MsgButtons::Ok), MsgAnswer::Ok);
    EXPECT_EQ(err.str(), "Salvare? Ora\nFatto\n");

    EXPECT_EQ(platform.inputBox("Nome", "Cambio nome", "Giocatore A"), "");
    EXPECT_EQ(platform.askResidualPoints(3, true), ResidualAnswer::Overwrite);
    EXPECT_EQ(platform.saveFileDialog("x.clg", kFileFilter).title, "");
    EXPECT_EQ(platform.openFileDialog().title, "");
    platform.saveSetting("Courtlog", "Opzioni", "MatchInTreSet", "True");
    EXPECT_FALSE(platform.getSetting("Courtlog", "Opzioni", "MatchInTreSet").has_value());

    // A whole match ends without a save: the question at its end is answered No.
    MainForm form(platform);
    form.Form_Load();
    for (int i = 0; i < 3 * 6 * 4; ++i) {
        form.PuntoGiocatore_Click(0);
    }
    EXPECT_TRUE(form.MatchOver);
    EXPECT_FALSE(form.MatchSaved);
}

}  // namespace
}  // namespace courtlog::report
