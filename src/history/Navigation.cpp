// Moving through the recorded match, and clearing it.
#include "form/MainForm.h"

namespace courtlog {

void MainForm::ReplayToCurrentPoint() {
    // Moving through the history changes no recorded point, so an unsaved match stays
    // unsaved whatever the reset says.
    const bool saved = MatchSaved;
    ResetMatch();
    MatchSaved = saved;
    if (PointCount < 1) {
        return;
    }

    Replaying = true;
    partialDeferred_ = true;
    for (int k = 0; k < CurrentPoint; ++k) {
        if (beforeReplayedPoint) {
            beforeReplayedPoint(k);
        }
        UpdateStatistics(PointInfo[k]);
        PuntoGiocatore_Click(courtlog::EstraiInfo(PointInfo[k], Attr::Punto) + 2);
    }
    partialDeferred_ = false;
    Replaying = false;
    // Every replayed point computed the partial of this same position.
    UpdatePartial();

    GameScroll.setMaximum(PointCount);
    GameScroll.setValue(CurrentPoint);

    const PointWord next = PointInfo[CurrentPoint];
    showWordInPanel(next);
    workingSlotChanged();
    const int outcome = courtlog::EstraiInfo(next, Attr::AceDoppioFallo);
    focus.objectName =
        outcome > 0 ? "AceDoppioFallo_" + std::to_string(outcome) : std::string("PuntoGiocatore_0");
}

void MainForm::GameStart_Click() {
    CurrentPoint = 0;
    ReplayToCurrentPoint();
}

void MainForm::GameUndo_Click() {
    if (CurrentPoint != 0) {
        --CurrentPoint;
        ReplayToCurrentPoint();
    }
}

void MainForm::GameRedo_Click() {
    if (CurrentPoint != PointCount) {
        ++CurrentPoint;
        ReplayToCurrentPoint();
    }
}

void MainForm::GameEnd_Click() {
    if (CurrentPoint != PointCount) {
        CurrentPoint = PointCount;
        ReplayToCurrentPoint();
    }
}

void MainForm::GameScroll_Change(int value) {
    GameScroll.setValue(value);
    if (value != CurrentPoint && value >= 0 && value <= PointCount) {
        CurrentPoint = static_cast<std::int16_t>(value);
        ReplayToCurrentPoint();
    }
}

void MainForm::GameClear_Click() {
    if (platform_.messageBox("Sei sicuro di voler cancellare tutti i dati di questa partita?",
                             MsgButtons::YesNo, "Attenzione!!!") != MsgAnswer::Yes) {
        return;
    }
    PointCount = 0;
    CurrentPoint = 0;
    // The first point after a clear starts from an empty slot and the panel's first buttons.
    PointInfo[0] = 0;
    showWordInPanel(0);
    workingSlotChanged();
    ResetMatch();
    platform_.messageBox("Tutti i dati sono stati cancellati!", MsgButtons::Ok);
}

}  // namespace courtlog
