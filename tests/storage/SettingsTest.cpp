#include <gtest/gtest.h>

#include "support/Harness.h"

namespace courtlog {
namespace {

using testing::Harness;
using Settings = std::map<std::string, std::string>;

// The five stored options, in the order the window reads them.
Settings stored(const char* parziale, const char* puntiDalMatch, const char* tieBreakWhen,
                const char* treSet, const char* inUscita) {
    const std::string k = "Courtlog/Opzioni/";
    return {{k + "DisabilitaParziale", parziale},
            {k + "DisabilitaPuntiDalMatch", puntiDalMatch},
            {k + "TieBreakWhen", tieBreakWhen},
            {k + "MatchInTreSet", treSet},
            {k + "SalvaOpzioniInUscita", inUscita}};
}

// The options as the menus show them, in the same order.
std::string options(Harness& h) {
    std::string s;
    for (const MenuCheck* m :
         {&h.form.DisabilitaParziale, &h.form.DisabilitaPuntiDalMatch, &h.form.TieBreakWhen[0],
          &h.form.TieBreakWhen[1], &h.form.TieBreakWhen[2], &h.form.MatchInTreSet,
          &h.form.SalvaOpzioniInUscita}) {
        s += m->checked() ? '1' : '0';
    }
    return s;
}

TEST(Settings, StoredValuesAreReadInEveryForm) {
    const std::vector<std::pair<Settings, std::string>> cases{
        {{}, "0001000"},
        {stored("true", "-1", " 0 ", "TRUE", "1"), "1110011"},
        {stored("False", "0", "2", "True", "false"), "0000110"},
    };
    for (const auto& [settings, expected] : cases) {
        Harness h;
        h.platform.settings = settings;
        h.form.Form_Load();
        EXPECT_EQ(options(h), expected) << expected;
        EXPECT_EQ(h.form.Caption, "Courtlog - Versione 1.1");
        EXPECT_EQ(h.form.SetsInMatch, expected[5] == '1' ? 3 : 5);
        EXPECT_EQ(h.form.Set4[0].visible(), expected[5] == '0');
        EXPECT_EQ(h.platform.settings, settings);  // loading writes nothing
    }
}

TEST(Settings, UnreadableValuesLeaveTheFreshOptionsAndSaveCleanly) {
    for (const char* rule : {"7", "-1", "abc", "1.5", "99999", ""}) {
        SCOPED_TRACE(rule);
        Harness h;
        h.platform.settings = stored("forse", "", rule, "3 set", "yes");
        h.form.Form_Load();
        EXPECT_EQ(options(h), "0001000");
        EXPECT_TRUE(h.form.TieBreakInSet[0]);
        EXPECT_FALSE(h.form.TieBreakInSet[4]);
        h.form.SalvaOpzioni_Click();
        EXPECT_EQ(h.platform.settings, stored("False", "False", "1", "False", "False"));
    }
}

TEST(Settings, ClosingStoresTheOptionsThenOffersToSave) {
    Harness h;
    h.form.Form_Load();
    h.form.SalvaOpzioniInUscita_Click();
    h.play("AB");
    h.form.Form_Unload();
    EXPECT_EQ(h.platform.settings, stored("False", "False", "1", "False", "True"));
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
