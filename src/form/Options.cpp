// The Opzioni and Game menus' rules of the match, and the display switches.
#include "form/MainForm.h"

namespace courtlog {

void MainForm::chooseRule(RuleMenu menu, int index) {
    Rules next = session_.rules();
    RuleCheck check = RuleCheck::SetsPlayed;
    switch (menu) {
        case RuleMenu::MatchIn:
            next.setsInMatch = index == 0 ? 3 : 5;
            check = RuleCheck::SetsInMatch;
            break;
        case RuleMenu::TieBreakWhen:
            if (index < 0 || index > 2) {
                return;
            }
            // The deciding set the rule stands for: played out, or a tie-break at six all when
            // every set has one. Taken as chosen.
            next.setTieBreak = setTieBreakOf(static_cast<TieBreakRule>(index));
            next.decidingSet = decidingSetOf(static_cast<TieBreakRule>(index));
            check = RuleCheck::None;
            break;
        case RuleMenu::SetDecisivo:
            if (index < 0 || index >= static_cast<int>(kDecidingSets.size())) {
                return;
            }
            next.decidingSet = kDecidingSets[static_cast<std::size_t>(index)];
            break;
        case RuleMenu::KillerPoint:
            next.noAd = !next.noAd;
            break;
        case RuleMenu::PrimoAlServizio:
            if (index < 0 || index > 1) {
                return;
            }
            next.firstServer = index;
            break;
    }
    switch (session_.chooseRules(next, check)) {
        case RuleRefusal::No:
            break;
        case RuleRefusal::SetPlayed:
            platform_.messageBox(
                CL_TEXT("Messages",
                        "Spiacente, ma cambierebbe un set già giocato. Impossibile modificare."),
                MsgButtons::Ok);
            break;
        case RuleRefusal::PastLastSet:
            // The number keeps the blank of its sign position: two blanks before it.
            platform_.messageBox(
                Text(CL_TEXT("Messages",
                             "Spiacente, ma si è già al  %1° set. Impossibile modificare."))
                    .arg(session_.score().set + 1),
                MsgButtons::Ok);
            break;
        case RuleRefusal::AlreadyOver:
            platform_.messageBox(
                CL_TEXT("Messages",
                        "Spiacente, ma la partita sarebbe già finita. Impossibile modificare."),
                MsgButtons::Ok);
            break;
    }
    afterMove();
}

void MainForm::toggle(Switch option) {
    Menus& m = view_.menus;
    switch (option) {
        case Switch::OraDeiPunti:
            // The user's choice: a match loaded with times goes on timing its points and shows
            // the mark, but the choice, which "Salva le opzioni" stores, stays the user's.
            timing_ = !timing_;
            timingChosen_ = timing_;
            break;
        case Switch::DisabilitaParziale:
            m.DisabilitaParziale.setChecked(!m.DisabilitaParziale.checked());
            break;
        case Switch::DisabilitaPuntiDalMatch:
            m.DisabilitaPuntiDalMatch.setChecked(!m.DisabilitaPuntiDalMatch.checked());
            break;
        case Switch::SalvaOpzioniInUscita:
            m.SalvaOpzioniInUscita.setChecked(!m.SalvaOpzioniInUscita.checked());
            break;
    }
    draw();
}

}  // namespace courtlog
