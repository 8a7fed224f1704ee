// The Opzioni menu: number of sets, tie-break rule, and the two displays that can be switched off.
#include "form/MainForm.h"

namespace courtlog {

void MainForm::MatchInCinqueSet_Click() {
    if (MatchInCinqueSet.checked()) {
        return;
    }
    setSetsInMatch(5);
    ReplayToCurrentPoint();
}

void MainForm::MatchInTreSet_Click() {
    if (MatchInTreSet.checked()) {
        return;
    }
    if (CurrentSet >= 3) {
        // The number keeps the blank of its sign position: two blanks before it.
        platform_.messageBox("Spiacente, ma si è già al  " + std::to_string(CurrentSet + 1) +
                                 "° set. Impossibile modificare.",
                             MsgButtons::Ok);
        return;
    }
    if (SetsWon[0] == 2 || SetsWon[1] == 2) {
        platform_.messageBox("Spiacente, ma la partita sarebbe già finita. Impossibile modificare.",
                             MsgButtons::Ok);
        return;
    }
    setSetsInMatch(3);
    ReplayToCurrentPoint();
}

void MainForm::setSetsInMatch(int sets) {
    const bool three = sets == 3;
    SetsInMatch = static_cast<std::int16_t>(three ? 3 : 5);
    for (auto* row : {&Set4, &Set5}) {
        (*row)[0].setVisible(!three);
        (*row)[1].setVisible(!three);
    }
    MatchInTreSet.setChecked(three);
    MatchInCinqueSet.setChecked(!three);
}

void MainForm::TieBreakWhen_Click(int index) {
    if (index < 0 || index >= static_cast<int>(TieBreakWhen.size())) {
        return;
    }
    for (MenuCheck& item : TieBreakWhen) {
        item.setChecked(false);
    }
    TieBreakWhen[index].setChecked(true);
    ReplayToCurrentPoint();
}

void MainForm::DisabilitaParziale_Click() {
    if (DisabilitaParziale.checked()) {
        DisabilitaParziale.setChecked(false);
        UpdatePartial();
    } else {
        DisabilitaParziale.setChecked(true);
        Parziale[0].setCaption("0");
        Parziale[1].setCaption("0");
    }
}

void MainForm::DisabilitaPuntiDalMatch_Click() {
    if (DisabilitaPuntiDalMatch.checked()) {
        // The running set-point and match-point numbers were not counted while the display
        // was off; a replay brings them back exactly as live entry would show them.
        DisabilitaPuntiDalMatch.setChecked(false);
        ReplayToCurrentPoint();
    } else {
        DisabilitaPuntiDalMatch.setChecked(true);
        // Nothing stale stays on show while the analysis is switched off.
        for (int p = 0; p < 2; ++p) {
            PuntiDalMatch[p].setCaption("0");
            PuntiDalSet[p].setCaption("0");
            PuntiDalMatch[p].setBack(colours::Cyan);
            PuntiDalSet[p].setBack(colours::Cyan);
            SetPoint[p].setVisible(false);
            MatchPoint[p].setVisible(false);
        }
    }
}

void MainForm::SalvaOpzioniInUscita_Click() {
    SalvaOpzioniInUscita.setChecked(!SalvaOpzioniInUscita.checked());
}

}  // namespace courtlog
