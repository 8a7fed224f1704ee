// Moving through the recorded match, cutting it, and undoing every change.
#include "form/MainForm.h"

namespace courtlog {

void MainForm::goTo(int point) {
    if (session_.goTo(point)) {
        // The video goes where the score shown was played on from; a point without a moment
        // leaves it where it is.
        playlist_.stop();
        showVideoMoment();
        afterMove();
    } else {
        // The scroll bar the user dragged goes back to where the match stands.
        draw();
    }
}

void MainForm::GameClear_Click() {
    if (platform_.messageBox(
            CL_TEXT("Messages", "Sei sicuro di voler cancellare tutti i dati di questa partita?"),
            MsgButtons::YesNo, CL_TEXT("Messages", "Attenzione!!!")) != MsgAnswer::Yes) {
        return;
    }
    session_.clear();
    draw();
    platform_.messageBox(CL_TEXT("Messages", "Tutti i dati sono stati cancellati!"),
                         MsgButtons::Ok);
}

void MainForm::GameDelete_Click() {
    if (session_.deletePoint()) {
        afterMove();
    }
}

void MainForm::Turno_Click(int index) {
    session_.chooseRound(index);
    draw();
}

void MainForm::EditUndo_Click() {
    if (session_.undo()) {
        afterMove();
    }
}

void MainForm::EditRedo_Click() {
    if (session_.redo()) {
        afterMove();
    }
}

}  // namespace courtlog
