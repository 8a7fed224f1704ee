// The Opzioni and Game menus' rules of the match, and the display switches.
#include <algorithm>

#include "form/MainForm.h"

namespace courtlog {

void MainForm::chooseRule(std::string_view rule, int choice) {
    const auto rows = ruleRows();
    const auto row = std::ranges::find(rows, rule, &RuleRow::key);
    if (row == rows.end() || choice < 0 || choice >= static_cast<int>(row->choices.size())) {
        return;
    }
    Rules next = session_.rules();
    int value = row->choices[static_cast<std::size_t>(choice)].value;
    // One check item: choosing it again takes it off.
    if (row->title.text == nullptr && row->get(next) == value) {
        value = row->choices.front().value;
    }
    row->set(next, value);
    if (conflictOf(next)) {
        draw();
        return;
    }
    switch (session_.chooseRules(next, row->check)) {
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
