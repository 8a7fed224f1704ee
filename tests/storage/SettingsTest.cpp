#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;

std::string key(const std::string& k) {
    return "Courtlog/Opzioni/" + k;
}

TEST(Settings, FirstStartWithAnEmptyStore) {
    Harness h;
    h.form.Form_Load();
    EXPECT_EQ(h.form.Caption, "Courtlog - Versione 1.1");
    EXPECT_TRUE(h.form.MatchInCinqueSet.checked());
    EXPECT_FALSE(h.form.MatchInTreSet.checked());
    EXPECT_TRUE(h.form.TieBreakWhen[1].checked());
    EXPECT_FALSE(h.form.DisabilitaParziale.checked());
    EXPECT_FALSE(h.form.DisabilitaPuntiDalMatch.checked());
    EXPECT_FALSE(h.form.SalvaOpzioniInUscita.checked());
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "72");
    EXPECT_TRUE(h.platform.settings.empty());
}

TEST(Settings, SavedNowAndAppliedAtTheNextStart) {
    Harness h;
    h.form.Form_Load();
    h.form.MatchInTreSet_Click();
    h.form.TieBreakWhen_Click(2);
    h.form.SalvaOpzioni_Click();
    EXPECT_EQ(h.platform.settings,
              (std::map<std::string, std::string>{{key("DisabilitaParziale"), "False"},
                                                  {key("DisabilitaPuntiDalMatch"), "False"},
                                                  {key("TieBreakWhen"), "2"},
                                                  {key("MatchInTreSet"), "True"},
                                                  {key("SalvaOpzioniInUscita"), "False"}}));

    Harness next;
    next.platform.settings = h.platform.settings;
    next.form.Form_Load();
    EXPECT_TRUE(next.form.MatchInTreSet.checked());
    EXPECT_EQ(next.form.SetsInMatch, 3);
    EXPECT_TRUE(next.form.TieBreakWhen[2].checked());
    EXPECT_TRUE(next.form.TieBreakInSet[2]);
    EXPECT_FALSE(next.form.Set4[0].visible());
}

TEST(Settings, ReadableValuesInEveryForm) {
    Harness h;
    h.platform.settings = {{key("DisabilitaParziale"), "true"},
                           {key("DisabilitaPuntiDalMatch"), "-1"},
                           {key("TieBreakWhen"), " 0 "},
                           {key("MatchInTreSet"), "TRUE"},
                           {key("SalvaOpzioniInUscita"), "1"}};
    h.form.Form_Load();
    EXPECT_TRUE(h.form.DisabilitaParziale.checked());
    EXPECT_TRUE(h.form.DisabilitaPuntiDalMatch.checked());
    EXPECT_TRUE(h.form.TieBreakWhen[0].checked());
    EXPECT_TRUE(h.form.MatchInTreSet.checked());
    EXPECT_TRUE(h.form.SalvaOpzioniInUscita.checked());
    EXPECT_EQ(h.form.PuntiDalMatch[0].caption(), "0");
}

TEST(Settings, UnreadableValuesLeaveTheFreshOptionsAndSaveCleanly) {
    for (const char* rule : {"7", "-1", "abc", "1.5", "99999", ""}) {
        Harness h;
        h.platform.settings = {{key("DisabilitaParziale"), "forse"},
                               {key("DisabilitaPuntiDalMatch"), ""},
                               {key("TieBreakWhen"), rule},
                               {key("MatchInTreSet"), "3 set"},
                               {key("SalvaOpzioniInUscita"), "yes"}};
        h.form.Form_Load();
        SCOPED_TRACE(rule);
        EXPECT_FALSE(h.form.DisabilitaParziale.checked());
        EXPECT_TRUE(h.form.TieBreakWhen[1].checked());
        EXPECT_FALSE(h.form.TieBreakWhen[0].checked());
        EXPECT_TRUE(h.form.MatchInCinqueSet.checked());
        EXPECT_FALSE(h.form.SalvaOpzioniInUscita.checked());
        EXPECT_TRUE(h.form.TieBreakInSet[0]);
        EXPECT_FALSE(h.form.TieBreakInSet[4]);
        h.form.SalvaOpzioni_Click();
        EXPECT_EQ(h.platform.settings[key("TieBreakWhen")], "1");
        EXPECT_EQ(h.platform.settings[key("DisabilitaParziale")], "False");
        EXPECT_EQ(h.platform.settings[key("MatchInTreSet")], "False");
    }
}

TEST(Settings, ClosingStoresTheOptionsThenOffersToSave) {
    Harness h;
    h.form.Form_Load();
    h.form.SalvaOpzioniInUscita_Click();
    h.play("AB");
    h.form.Form_Unload();
    EXPECT_EQ(h.platform.settings[key("SalvaOpzioniInUscita")], "True");
    EXPECT_EQ(h.platform.saveDialogNames.size(), 1u);

    // A saved match closes without the dialog; unchecked options are not stored.
    Harness quiet;
    quiet.form.Form_Load();
    quiet.form.Form_Unload();
    EXPECT_TRUE(quiet.platform.saveDialogNames.empty());
    EXPECT_TRUE(quiet.platform.settings.empty());
}

}  // namespace
}  // namespace courtlog
