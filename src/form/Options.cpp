// The Opzioni menu: number of sets, tie-break rule, and the two displays that can be switched off;
// the rules of scoring that the menu's marks stand for.
#include "form/MainForm.h"

namespace courtlog {

Rules MainForm::rulesFromMenus() const {
    std::array<bool, 3> marks{};
    for (std::size_t i = 0; i < marks.size(); ++i) {
        marks[i] = menus.TieBreakWhen[i].checked();
    }
    return rulesOf(menus.MatchInTreSet.checked() ? 3 : 5, marks);
}

void MainForm::MatchInCinqueSet_Click() {
    if (menus.MatchInCinqueSet.checked()) {
        return;
    }
    setSetsInMatch(5);
    ReplayToCurrentPoint();
}

void MainForm::MatchInTreSet_Click() {
    if (menus.MatchInTreSet.checked()) {
        return;
    }
    if (score().set >= 3) {
        // The number keeps the blank of its sign position: two blanks before it.
        platform_.messageBox(
            Text(CL_TEXT("Messages", "Spiacente, ma si è già al  %1° set. Impossibile modificare."))
                .arg(score().set + 1),
            MsgButtons::Ok);
        return;
    }
    if (score().sets[0] == 2 || score().sets[1] == 2) {
        platform_.messageBox(
            CL_TEXT("Messages",
                    "Spiacente, ma la partita sarebbe già finita. Impossibile modificare."),
            MsgButtons::Ok);
        return;
    }
    setSetsInMatch(3);
    ReplayToCurrentPoint();
}

void MainForm::setSetsInMatch(int sets) {
    const bool three = sets == 3;
    for (auto* row : {&labels.Set4, &labels.Set5}) {
        (*row)[0].setVisible(!three);
        (*row)[1].setVisible(!three);
    }
    menus.MatchInTreSet.setChecked(three);
    menus.MatchInCinqueSet.setChecked(!three);
}

void MainForm::TieBreakWhen_Click(int index) {
    if (index < 0 || index >= static_cast<int>(menus.TieBreakWhen.size())) {
        return;
    }
    for (MenuCheck& item : menus.TieBreakWhen) {
        item.setChecked(false);
    }
    menus.TieBreakWhen[index].setChecked(true);
    ReplayToCurrentPoint();
}

void MainForm::DisabilitaParziale_Click() {
    menus.DisabilitaParziale.setChecked(!menus.DisabilitaParziale.checked());
    renderStatistics();
}

void MainForm::DisabilitaPuntiDalMatch_Click() {
    if (menus.DisabilitaPuntiDalMatch.checked()) {
        // The running set-point and match-point numbers were not shown while the display
        // was off; a replay brings them back exactly as live entry would show them.
        menus.DisabilitaPuntiDalMatch.setChecked(false);
        ReplayToCurrentPoint();
    } else {
        menus.DisabilitaPuntiDalMatch.setChecked(true);
        renderPointsNeeded();
    }
}

void MainForm::SalvaOpzioniInUscita_Click() {
    menus.SalvaOpzioniInUscita.setChecked(!menus.SalvaOpzioniInUscita.checked());
}

}  // namespace courtlog
