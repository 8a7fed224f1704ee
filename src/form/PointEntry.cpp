// Recording a point from the point panel.
#include <algorithm>

#include "form/MainForm.h"

namespace courtlog {

void MainForm::SelectOption(Panel p, int index) {
    if (index < 0 || index >= view_.panel(p).count() || view_.panel(p).selected() == index) {
        return;
    }
    static constexpr std::array<Attr, 4> kAttrs{Attr::Servizio, Attr::DirittoRovescio, Attr::Colpo,
                                                Attr::ErroreVincente};
    std::vector<std::pair<Attr, int>> marks{{kAttrs[static_cast<std::size_t>(p)], index}};
    // A shot marks the point as a winner until the user picks an error instead.
    if (p == Panel::Colpo && index != 0) {
        marks.emplace_back(Attr::ErroreVincente, 1);
    }
    session_.mark(marks);
    draw();
}

std::optional<std::int64_t> MainForm::nowIfTimed() {
    return timing_ ? std::optional(platform_.now()) : std::nullopt;
}

ResidualAnswer MainForm::askLater(int later, bool canInsert) {
    // The question shows over the statistics already counted.
    draw();
    return platform_.askResidualPoints(later, canInsert);
}

void MainForm::AceDoppioFallo_Click(int index) {
    afterPoint(session_.recordServe(index, nowIfTimed(), [this](int later, bool canInsert) {
        return askLater(later, canInsert);
    }));
}

void MainForm::PuntoGiocatore_Click(int index) {
    afterPoint(session_.recordPoint(index, nowIfTimed(), [this](int later, bool canInsert) {
        return askLater(later, canInsert);
    }));
}

void MainForm::afterPoint(const PointRecorded& done) {
    switch (done.refused) {
        case NotRecorded::MatchOver:
            notice_ = Text(CL_TEXT("Position", "Partita finita: il punto non è stato registrato."));
            return;
        case NotRecorded::Full:
            platform_.messageBox(
                Text(CL_TEXT("Messages",
                             "Impossibile registrare altri punti: la partita ha già %1 punti."))
                    .arg(kMaxPoints),
                MsgButtons::Ok);
            return;
        case NotRecorded::Cancelled:
            draw();
            return;
        case NotRecorded::No:
            break;
    }
    draw();
    // Asked once the point is wholly scored, so that it shows over the final scoreboard.
    if (done.happened.match) {
        const Text text =
            Text(session_.rules().doubles
                     ? CL_TEXT("Messages",
                               "Fine partita! Hanno vinto %1 in %2 set. Vuoi salvare la partita?")
                     : CL_TEXT("Messages",
                               "Fine partita! Ha vinto %1 in %2 set. Vuoi salvare la partita?"))
                .arg(session_.players()[static_cast<std::size_t>(done.winner)])
                .arg(session_.score().sets[static_cast<std::size_t>(done.winner)]);
        if (platform_.messageBox(text, MsgButtons::YesNo) == MsgAnswer::Yes) {
            FileSave_Click();
        }
    }
}

}  // namespace courtlog
