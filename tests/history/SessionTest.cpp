// The match session without a window: every edit as one step of the undo history, points
// recorded in the middle of the history, rules changed under a recorded match, and the recovery
// copy that follows the saved state.
#include <gtest/gtest.h>

#include "form/Captions.h"
#include "storage/MatchDocument.h"
#include "support/MatchBuilder.h"

namespace courtlog {
namespace {

using namespace testing;

// The match and where the user stands in it, as one comparable text.
std::string state(const MatchSession& s) {
    return encodeDocument(s.record()) + " at " + std::to_string(s.points().current()) + " word " +
           std::to_string(s.working());
}

struct Edit {
    const char* caption;  // what undo offers after it; "Annulla": the edit changes nothing
    int at;               // where the user stands when making it
    std::function<void(MatchSession&)> make;
    std::vector<PointWord> words;  // the points after it, when they matter
};

TEST(Session, EveryEditIsOneStepTakenBackAndMadeAgainWithItsPosition) {
    // A point recorded with later points after it asks once, saying how many.
    const auto point = [](int winner, ResidualAnswer answer) {
        return [=](MatchSession& s) {
            std::vector<int> asked;
            const int later = s.points().count() - s.points().current() - 1;
            s.recordPoint(winner, std::nullopt, [&](int n, bool) {
                asked.push_back(n);
                return answer;
            });
            EXPECT_EQ(asked, later > 0 ? std::vector{later} : std::vector<int>{});
        };
    };
    // "ABA*!": the words are 0, 1, 0, A's ace, and B's double fault won by A.
    const auto mark = [](MatchSession& s) {
        s.mark(std::array{std::pair{Attr::Colpo, 3}, std::pair{Attr::ErroreVincente, 1}});
    };
    // clang-format off
    const std::vector<Edit> edits = {
        {"Annulla punto", 5, point(1, ResidualAnswer::Overwrite), {0, 1, 0, 0x400, 0x803, 1}},
        {"Annulla sovrascrittura", 1, point(0, ResidualAnswer::Overwrite), {0, 0, 0, 0x400, 0x803}},
        {"Annulla inserimento", 1, point(0, ResidualAnswer::Insert), {0, 0, 1, 0, 0x400, 0x803}},
        {"Annulla taglio", 1, point(0, ResidualAnswer::DeleteLater), {0, 0}},
        // The question closed: nothing recorded, and the user stands where they stood.
        {"Annulla", 1, point(0, ResidualAnswer::Cancel), {0, 1, 0, 0x400, 0x803}},
        {"Annulla eliminazione", 2, [](MatchSession& s) { s.deletePoint(); }, {0, 0, 0x400, 0x803}},
        {"Annulla", 0, [](MatchSession& s) { s.deletePoint(); }, {}},
        {"Annulla modifica del punto", 3, mark, {0, 1, 0, 0x4B0, 0x803}},
        {"Annulla nome", 2, [](MatchSession& s) { s.renamePlayer(2, Text::verbatim("Ruud")); }},
        {"Annulla nome", 2, [](MatchSession& s) { s.renameTournament(Text::verbatim("Roma")); }},
        {"Annulla turno", 2, [](MatchSession& s) { s.chooseRound(7); }},
        {"Annulla regola", 2, [](MatchSession& s) { s.chooseRules({.noAd = true}); }},
        {"Annulla cancellazione del match", 2, [](MatchSession& s) { s.clear(); }, {}},
    };
    // clang-format on
    for (const Edit& edit : edits) {
        SCOPED_TRACE(edit.caption);
        MatchBuilder m;
        m.play("ABA*!");
        m.session.goTo(edit.at);
        m.session.startAfresh(true);
        const std::string before = state(m.session);
        edit.make(m.session);
        const std::string after = state(m.session);
        std::string caption = edit.caption;
        EXPECT_EQ(undoCaptionOf(m.session.nextUndo()).italian(), caption);
        if (!edit.words.empty() || m.record().points.empty()) {
            EXPECT_EQ(m.record().points, edit.words);
        }
        if (caption == "Annulla") {
            EXPECT_EQ(after, before);
            continue;
        }
        EXPECT_FALSE(m.session.saved());
        ASSERT_TRUE(m.session.undo());
        EXPECT_EQ(std::tuple(state(m.session), m.session.saved(),
                             redoCaptionOf(m.session.nextRedo()).italian()),
                  std::tuple(before, true, caption.replace(0, 7, "Ripeti")));
        ASSERT_TRUE(m.session.redo());
        EXPECT_EQ(std::tuple(state(m.session), m.session.nextRedo()),
                  std::tuple(after, std::nullopt));
    }
}

// Each row changes one rule of "6-4 4-6 6-6 3-0", a tie-break in the third set, and says what
// becomes of it.
TEST(Session, RulesRescoreTheMatchUnlessItWouldReadOtherwiseThanItWasPlayed) {
    const char* played = "6-4 4-6 6-6 3-0";
    // clang-format off
    const std::tuple<Rules, RuleCheck, RuleRefusal, const char*> rows[] = {
        // The deciding set is the fifth: nothing played changes.
        {{5, true, DecidingSet::TieBreak10}, RuleCheck::SetsPlayed, RuleRefusal::No, played},
        // The set being played goes on without its tie-break.
        {{.setTieBreak = false}, RuleCheck::SetsPlayed, RuleRefusal::No, "6-4 4-6 6-6 40-0"},
        {{.setsInMatch = 3}, RuleCheck::SetsInMatch, RuleRefusal::No, "6-4 4-6 6-6 40-0"},
        // Games won from deuce would have ended at the first deciding point.
        {{.noAd = true}, RuleCheck::SetsPlayed, RuleRefusal::SetPlayed, played},
        // Taken as chosen, the sets are scored again.
        {{.noAd = true}, RuleCheck::None, RuleRefusal::No, "6-2 6-1 6-3 over"},
    };
    // clang-format on
    for (const auto& [next, check, refused, board] : rows) {
        SCOPED_TRACE(board);
        MatchBuilder m;
        m.play(MatchScript().set(6, 4).set(4, 6).set(6, 6).points() + "AAA");
        const Rules before = m.session.rules();
        EXPECT_EQ(m.session.chooseRules(next, check), refused);
        EXPECT_EQ(std::tuple(m.board(), m.session.rules() == before),
                  std::tuple(std::string(board), refused != RuleRefusal::No));
    }
}

}  // namespace
}  // namespace courtlog
