// The form's drawing: the session's match into the board, the panel, the menus and the
// history's bounds.
#include "form/MainForm.h"

#include "form/Captions.h"
#include "storage/RecoveryCopy.h"

namespace courtlog {

namespace {

template <std::size_t N>
void checkOnly(std::array<MenuCheck, N>& items, int index) {
    for (std::size_t i = 0; i < N; ++i) {
        items[i].setChecked(static_cast<int>(i) == index);
    }
}

}  // namespace

int EstraiInfo(Platform& platform, PointWord word, std::string_view name) {
    const auto attr = attrFromName(name);
    if (!attr) {
        platform.messageBox(Text(CL_TEXT("Messages", "Chiamata a EstraiInfo non valida (%1)"))
                                .arg(Text::verbatim(std::string(name))),
                            MsgButtons::Ok);
        platform.endProgram();
    }
    return EstraiInfo(word, *attr);
}

void CreaInfo(Platform& platform, PointWord& word, std::string_view name, int value) {
    const auto attr = attrFromName(name);
    if (!attr) {
        platform.messageBox(Text(CL_TEXT("Messages", "Chiamata a CreaInfo non valida (%1)"))
                                .arg(Text::verbatim(std::string(name))),
                            MsgButtons::Ok);
        platform.endProgram();
    }
    CreaInfo(word, *attr, value);
}

const OptionGroup& FormView::panel(Panel p) const {
    switch (p) {
        case Panel::Servizio:
            return Servizio;
        case Panel::DirittoRovescio:
            return DirittoRovescio;
        case Panel::Colpo:
            return Colpo;
        case Panel::ErroreVincente:
            break;
    }
    return ErroreVincente;
}

MainForm::MainForm(Platform& platform)
    : platform_(platform),
      recovery_(std::make_unique<RecoveryCopy>(platform)),
      session_([&platform](const Text& t) { return platform.shown(t); }, recovery_.get()) {
    draw();
}

MainForm::~MainForm() = default;

void MainForm::draw() {
    const PointList& points = session_.points();
    view_.board.draw({session_.players(), session_.tournament(), &session_.rules(),
                      &session_.position(), points.played(), points.count(),
                      view_.menus.DisabilitaParziale.checked(),
                      view_.menus.DisabilitaPuntiDalMatch.checked()});
    drawPanel();
    view_.Turno.select(session_.round());
    view_.GameScroll.setMinimum(0);
    view_.GameScroll.setMaximum(points.count());
    view_.GameScroll.setValue(points.current());
    drawMenus();
    view_.canDelete = points.current() > 0;
    view_.canUndo = session_.nextUndo().has_value();
    view_.canRedo = session_.nextRedo().has_value();
    showRecoveryProblem();
    view_.recoveryFile = recovery_->path();
    view_.undoCaption = undoCaptionOf(session_.nextUndo());
    view_.redoCaption = redoCaptionOf(session_.nextRedo());
}

void MainForm::drawPanel() {
    // The working point as it stands: a fresh one shows "Prima palla" and three times "Miss",
    // a recorded one its own marks.
    const PointWord word = session_.working();
    auto show = [word](OptionGroup& group, Attr attr) {
        const int v = EstraiInfo(word, attr);
        group.select(v < group.count() ? v : -1);
    };
    show(view_.Servizio, Attr::Servizio);
    show(view_.DirittoRovescio, Attr::DirittoRovescio);
    show(view_.Colpo, Attr::Colpo);
    show(view_.ErroreVincente, Attr::ErroreVincente);
}

void MainForm::drawMenus() {
    const Rules& rules = session_.rules();
    Menus& m = view_.menus;
    m.MatchInTreSet.setChecked(rules.setsInMatch == 3);
    m.MatchInCinqueSet.setChecked(rules.setsInMatch != 3);
    // A match file's own marks, as it has them, so that what is saved is what was read.
    const std::array<bool, 3>& marks = session_.tieBreakMarks();
    for (std::size_t i = 0; i < marks.size(); ++i) {
        m.TieBreakWhen[i].setChecked(marks[i]);
    }
    checkOnly(m.SetDecisivo, static_cast<int>(rules.decidingSet));
    m.KillerPoint.setChecked(rules.noAd);
    checkOnly(m.PrimoAlServizio, rules.firstServer);
    m.OraDeiPunti.setChecked(timing_);
}

void MainForm::showRecoveryProblem() {
    // In place of any other notice: nothing else matters as much.
    if (const auto& problem = recovery_->problem()) {
        view_.Avviso.show(*problem, false);
    } else if (!view_.Avviso.text().empty() && !view_.Avviso.closable()) {
        view_.Avviso.clear();
    }
}

void MainForm::afterMove() {
    draw();
    if (session_.points().count() == 0) {
        return;
    }
    const int outcome = EstraiInfo(session_.working(), Attr::AceDoppioFallo);
    view_.focus.request(outcome > 0 ? "AceDoppioFallo_" + std::to_string(outcome)
                                    : std::string("PuntoGiocatore_0"));
}

void MainForm::Avviso_Close() {
    if (view_.Avviso.closable()) {
        view_.Avviso.clear();
    }
}

void MainForm::FileExit_Click() {
    platform_.endProgram();
}

void MainForm::HelpInfo_Click() {
    platform_.showAbout();
}

}  // namespace courtlog
