// Recording a point from the point panel, and scoring it again during a replay.
#include <string>
#include <utility>

#include "form/MainForm.h"

namespace courtlog {

void MainForm::SelectOption(Panel p, int index) {
    if (!panel(p).select(index)) {
        return;
    }
    const PointWord before = workingWord();
    switch (p) {
        case Panel::Servizio:
            Servizio_Click(index);
            break;
        case Panel::DirittoRovescio:
            DirittoRovescio_Click(index);
            break;
        case Panel::Colpo:
            Colpo_Click(index);
            break;
        case Panel::ErroreVincente:
            ErroreVincente_Click(index);
            break;
    }
    // A recorded point changed while stepping through the history is a change to the match.
    if (CurrentPoint < PointCount && workingWord() != before) {
        MatchSaved = false;
    }
}

void MainForm::Servizio_Click(int index) {
    courtlog::CreaInfo(workingWord(), Attr::Servizio, index);
}

void MainForm::DirittoRovescio_Click(int index) {
    courtlog::CreaInfo(workingWord(), Attr::DirittoRovescio, index);
}

void MainForm::ErroreVincente_Click(int index) {
    courtlog::CreaInfo(workingWord(), Attr::ErroreVincente, index);
}

void MainForm::Colpo_Click(int index) {
    courtlog::CreaInfo(workingWord(), Attr::Colpo, index);
    if (index != 0) {
        // A shot marks the point as a winner until the user picks an error instead.
        SelectOption(Panel::ErroreVincente, 1);
        courtlog::CreaInfo(workingWord(), Attr::ErroreVincente, 1);
    }
}

void MainForm::AceDoppioFallo_Click(int index) {
    // After the end of the match the point would be ignored; leave the working slot alone,
    // since it may hold a recorded point.
    if (MatchOver || refuseWhenFull()) {
        return;
    }
    PointWord& word = workingWord();
    courtlog::CreaInfo(word, Attr::DirittoRovescio, 0);
    courtlog::CreaInfo(word, Attr::Colpo, 0);
    courtlog::CreaInfo(word, Attr::CircolettoRosso, 0);
    courtlog::CreaInfo(word, Attr::AceDoppioFallo, index);
    ServeOutcomeSet = true;
    switch (index) {
        case 1:  // ace: the server wins
            courtlog::CreaInfo(word, Attr::ErroreVincente, 0);
            PuntoGiocatore_Click(Server);
            break;
        case 2:  // double fault: the point ended on the second serve, the receiver wins
            courtlog::CreaInfo(word, Attr::Servizio, 1);
            courtlog::CreaInfo(word, Attr::ErroreVincente, 0);
            PuntoGiocatore_Click(1 - Server);
            break;
        default:  // service winner
            courtlog::CreaInfo(word, Attr::ErroreVincente, 0);
            PuntoGiocatore_Click(Server);
            break;
    }
}

bool MainForm::refuseWhenFull() {
    if (CurrentPoint < kMaxPoints) {
        return false;
    }
    platform_.messageBox("Impossibile registrare altri punti: la partita ha già " +
                             std::to_string(kMaxPoints) + " punti.",
                         MsgButtons::Ok);
    return true;
}

void MainForm::PuntoGiocatore_Click(int index) {
    if (MatchOver) {
        // The serve-outcome flag belongs to this point only; never carry it to the next one.
        ServeOutcomeSet = false;
        return;
    }
    if (index >= 2) {
        scorePoint(index - 2);
        return;
    }
    if (refuseWhenFull()) {
        ServeOutcomeSet = false;
        return;
    }

    PointWord& word = workingWord();
    courtlog::CreaInfo(word, Attr::Punto, index);
    if (ServeOutcomeSet) {
        ServeOutcomeSet = false;
    } else {
        courtlog::CreaInfo(word, Attr::AceDoppioFallo, 0);
    }
    UpdateStatistics(word);

    ++CurrentPoint;
    MatchSaved = false;
    keepPointListInOrder();

    GameScroll.setMaximum(PointCount);
    GameScroll.setValue(CurrentPoint);
    // A fresh slot shows "Prima palla" and three times "Miss"; a recorded point that is now
    // the working slot is shown as stored rather than overwritten by the panel's first
    // buttons.
    showWordInPanel(PointInfo[CurrentPoint]);
    workingSlotChanged();

    scorePoint(index);
}

void MainForm::keepPointListInOrder() {
    if (CurrentPoint >= PointCount) {
        PointInfo[CurrentPoint] = 0;
        PointCount = CurrentPoint;
        return;
    }
    ResidualPoints = static_cast<std::int16_t>(PointCount - CurrentPoint);
    const bool offerInsert = PointCount < kMaxPoints;
    ResidualAnswer answer = platform_.askResidualPoints(ResidualPoints, offerInsert);
    if (answer == ResidualAnswer::Insert && !offerInsert) {
        answer = ResidualAnswer::Overwrite;
    }
    ResidualChoice = static_cast<std::int16_t>(answer);
    switch (answer) {
        case ResidualAnswer::Insert:
            // The later points move up one slot, and the point that stood where the new one
            // was recorded follows it, as it was before the user marked the new point over it.
            for (int i = PointCount; i > CurrentPoint; --i) {
                PointInfo[i] = PointInfo[i - 1];
            }
            PointInfo[CurrentPoint] = workingSlotStored_;
            ++PointCount;
            break;
        case ResidualAnswer::DeleteLater:
            PointInfo[CurrentPoint] = 0;
            PointCount = CurrentPoint;
            break;
        case ResidualAnswer::Overwrite:
            break;
    }
}

void MainForm::showWordInPanel(PointWord word) {
    auto show = [word](OptionGroup& group, Attr attr) {
        const int v = courtlog::EstraiInfo(word, attr);
        group.select(v < group.count() ? v : -1);
    };
    show(Servizio, Attr::Servizio);
    show(DirittoRovescio, Attr::DirittoRovescio);
    show(Colpo, Attr::Colpo);
    show(ErroreVincente, Attr::ErroreVincente);
}

void MainForm::scorePoint(int w) {
    PuntiVinti[w].addOne();
    if (InTieBreak) {
        TieBreakPoint(w);
    } else {
        GameStep(w);
        UpdateBreakPoint();
        UpdateDeuce();
    }
    UpdatePartial();
    AnalyseSetAndMatchPoints();
    if (matchWonBy_ >= 0) {
        const int winner = std::exchange(matchWonBy_, -1);
        const std::string text = "Fine partita! Ha vinto " + NomeGiocatore[winner].caption() +
                                 " in " + std::to_string(SetsWon[winner]) +
                                 " set. Vuoi salvare la partita?";
        if (platform_.messageBox(text, MsgButtons::YesNo) == MsgAnswer::Yes) {
            FileSave_Click();
        }
    }
}

}  // namespace courtlog
