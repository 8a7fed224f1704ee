// Recording a point from the point panel, and scoring it again during a replay.
#include <string>

#include <algorithm>

#include "form/MainForm.h"
#include "scoring/Scoring.h"

namespace courtlog {

void MainForm::SelectOption(Panel p, int index) {
    if (!panel(p).select(index)) {
        return;
    }
    const PointWord before = points_.working();
    const int from = points_.current();
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
    if (!points_.atEnd() && points_.working() != before) {
        changed(ChangeKind::EditPoint, from);
    }
}

void MainForm::Servizio_Click(int index) {
    courtlog::CreaInfo(points_.working(), Attr::Servizio, index);
}

void MainForm::DirittoRovescio_Click(int index) {
    courtlog::CreaInfo(points_.working(), Attr::DirittoRovescio, index);
}

void MainForm::ErroreVincente_Click(int index) {
    courtlog::CreaInfo(points_.working(), Attr::ErroreVincente, index);
}

void MainForm::Colpo_Click(int index) {
    courtlog::CreaInfo(points_.working(), Attr::Colpo, index);
    if (index != 0) {
        // A shot marks the point as a winner until the user picks an error instead.
        SelectOption(Panel::ErroreVincente, 1);
        courtlog::CreaInfo(points_.working(), Attr::ErroreVincente, 1);
    }
}

void MainForm::AceDoppioFallo_Click(int index) {
    // After the end of the match the point would be ignored; leave the working slot alone,
    // since it may hold a recorded point.
    if (score().over) {
        notice_ = Text(CL_TEXT("Position", "Partita finita: il punto non è stato registrato."));
        return;
    }
    if (refuseWhenFull()) {
        return;
    }
    PointWord& word = points_.working();
    courtlog::CreaInfo(word, Attr::DirittoRovescio, 0);
    courtlog::CreaInfo(word, Attr::Colpo, 0);
    courtlog::CreaInfo(word, Attr::CircolettoRosso, 0);
    courtlog::CreaInfo(word, Attr::AceDoppioFallo, index);
    serveOutcomeSet_ = true;
    switch (index) {
        case 1:  // ace: the server wins
            courtlog::CreaInfo(word, Attr::ErroreVincente, 0);
            PuntoGiocatore_Click(score().server);
            break;
        case 2:  // double fault: the point ended on the second serve, the receiver wins
            courtlog::CreaInfo(word, Attr::Servizio, 1);
            courtlog::CreaInfo(word, Attr::ErroreVincente, 0);
            PuntoGiocatore_Click(1 - score().server);
            break;
        default:  // service winner
            courtlog::CreaInfo(word, Attr::ErroreVincente, 0);
            PuntoGiocatore_Click(score().server);
            break;
    }
}

bool MainForm::refuseWhenFull() {
    if (!points_.full()) {
        return false;
    }
    platform_.messageBox(
        Text(CL_TEXT("Messages", "Impossibile registrare altri punti: la partita ha già %1 punti."))
            .arg(kMaxPoints),
        MsgButtons::Ok);
    return true;
}

void MainForm::PuntoGiocatore_Click(int index) {
    // After the end of the match a point is ignored, and the serve-outcome flag belongs to
    // this point only: never carry it to the next one.
    if (score().over) {
        serveOutcomeSet_ = false;
        notice_ = Text(CL_TEXT("Position", "Partita finita: il punto non è stato registrato."));
        return;
    }
    if (refuseWhenFull()) {
        serveOutcomeSet_ = false;
        return;
    }
    const int from = points_.current();

    PointWord& word = points_.working();
    courtlog::CreaInfo(word, Attr::Punto, index);
    if (serveOutcomeSet_) {
        serveOutcomeSet_ = false;
    } else {
        courtlog::CreaInfo(word, Attr::AceDoppioFallo, 0);
    }
    points_.workingTime() = timeOfNewPoint();
    const PointWord recorded = word;
    // Counted while its server still serves; the score follows once the list is in order.
    countPoint(position_.counted, recorded, score().server);

    ChangeKind kind = ChangeKind::Point;
    if (const int later = points_.recordWorking(); later > 0) {
        // The question about the later points shows over the statistics already counted.
        renderStatistics();
        keepPointListInOrder(later);
        if (residualChoice_ == ResidualAnswer::Cancel) {
            // Closed without an answer: the point is taken back, and the panel shows the
            // recorded point as it was.
            MatchMoment before = last_;
            before.position = from;
            goBackTo(before);
            return;
        }
        kind = residualChoice_ == ResidualAnswer::Insert        ? ChangeKind::Insert
               : residualChoice_ == ResidualAnswer::DeleteLater ? ChangeKind::Cut
                                                                : ChangeKind::Overwrite;
    }

    GameScroll.setMaximum(points_.count());
    GameScroll.setValue(points_.current());
    // A fresh slot shows "Prima palla" and three times "Miss"; a recorded point that is now
    // the working slot is shown as stored rather than overwritten by the panel's first
    // buttons.
    showWordInPanel(points_.working());
    workingSlotChanged();

    const Happened happened =
        scorePoint(position_.score, rules_, courtlog::EstraiInfo(recorded, Attr::Punto));
    render();
    changed(kind, from);
    // Asked once the point is wholly scored, so that it shows over the final scoreboard.
    if (happened.match) {
        const int winner = courtlog::EstraiInfo(recorded, Attr::Punto);
        const Text text =
            Text(CL_TEXT("Messages",
                         "Fine partita! Ha vinto %1 in %2 set. Vuoi salvare la partita?"))
                .arg(labels.NomeGiocatore[winner].text())
                .arg(score().sets[winner]);
        if (platform_.messageBox(text, MsgButtons::YesNo) == MsgAnswer::Yes) {
            FileSave_Click();
        }
    }
}

void MainForm::keepPointListInOrder(int laterPoints) {
    const ResidualAnswer answer = platform_.askResidualPoints(laterPoints, points_.canInsert());
    residualChoice_ = points_.keepLater(answer, workingSlotStored_, workingSlotStoredTime_);
}

std::int64_t MainForm::timeOfNewPoint() {
    if (!menus.OraDeiPunti.checked()) {
        return kNoTime;
    }
    const std::int64_t now = platform_.now();
    if (!start_) {
        start_ = now;
    }
    // A clock set back never dates a point before the first.
    return std::max<std::int64_t>(0, now - *start_);
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

}  // namespace courtlog
