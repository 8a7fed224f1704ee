// Moving through the recorded match, and clearing it.
#include "form/MainForm.h"

namespace courtlog {

void MainForm::ReplayToCurrentPoint() {
    if (points_.count() < 1) {
        ResetMatch();
        return;
    }

    // The score is folded from the points over a fresh one and shown once, at the end.
    rules_ = rulesFromMenus();
    position_ = replay(points_.played(), rules_);
    render();
    GameScroll.setMinimum(0);
    GameScroll.setMaximum(points_.count());
    GameScroll.setValue(points_.current());

    const PointWord next = points_.working();
    showWordInPanel(next);
    workingSlotChanged();
    const int outcome = courtlog::EstraiInfo(next, Attr::AceDoppioFallo);
    focus.objectName =
        outcome > 0 ? "AceDoppioFallo_" + std::to_string(outcome) : std::string("PuntoGiocatore_0");
}

void MainForm::goTo(int point) {
    if (points_.moveTo(point)) {
        ReplayToCurrentPoint();
    }
}

void MainForm::GameStart_Click() {
    goTo(0);
}

void MainForm::GameUndo_Click() {
    if (points_.current() != 0) {
        goTo(points_.current() - 1);
    }
}

void MainForm::GameRedo_Click() {
    if (!points_.atEnd()) {
        goTo(points_.current() + 1);
    }
}

void MainForm::GameEnd_Click() {
    if (!points_.atEnd()) {
        goTo(points_.count());
    }
}

void MainForm::GameScroll_Change(int value) {
    GameScroll.setValue(value);
    if (value != points_.current()) {
        goTo(value);
    }
}

void MainForm::GameClear_Click() {
    if (platform_.messageBox(
            CL_TEXT("Messages", "Sei sicuro di voler cancellare tutti i dati di questa partita?"),
            MsgButtons::YesNo, CL_TEXT("Messages", "Attenzione!!!")) != MsgAnswer::Yes) {
        return;
    }
    // The first point after a clear starts from an empty slot and the panel's first buttons.
    const int from = points_.current();
    points_.clear();
    start_.reset();
    showWordInPanel(0);
    workingSlotChanged();
    ResetMatch();
    changed(ChangeKind::Clear, from);
    platform_.messageBox(CL_TEXT("Messages", "Tutti i dati sono stati cancellati!"),
                         MsgButtons::Ok);
}

}  // namespace courtlog
