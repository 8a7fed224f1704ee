// The form's drawing: the session's match into the board, the panel, the menus and the
// history's bounds.
#include "form/MainForm.h"

#include <stdexcept>

#include "form/Captions.h"
#include "storage/RecoveryCopy.h"

namespace courtlog {

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
      session_([&platform](const Text& t) { return platform.shown(t); }, recovery_.get(),
               &platform),
      playlist_(platform) {
    draw();
}

MainForm::~MainForm() = default;

void MainForm::draw() {
    const PointList& points = session_.points();
    view_.board.draw({session_.players(), session_.names(), session_.servingPlayer(),
                      session_.tournament(), &session_.rules(), &session_.position(),
                      points.played(), points.count(), view_.menus.DisabilitaParziale.checked(),
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
    drawVideo();
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

std::vector<std::vector<MenuCheck>> Menus::ruleItems() {
    std::vector<std::vector<MenuCheck>> items;
    for (const RuleRow& row : ruleRows()) {
        items.emplace_back(row.choices.size());
    }
    return items;
}

const MenuCheck& Menus::rule(std::string_view item) const {
    const auto rows = ruleRows();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        for (std::size_t c = 0; c < rows[r].choices.size(); ++c) {
            if (rows[r].choices[c].item == item) {
                return rules[r][c];
            }
        }
    }
    throw std::out_of_range("no rule item " + std::string(item));
}

void MainForm::drawMenus() {
    const Rules& rules = session_.rules();
    const auto rows = ruleRows();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        const RuleRow& row = rows[r];
        for (std::size_t c = 0; c < row.choices.size(); ++c) {
            const int value = row.choices[c].value;
            MenuCheck& item = view_.menus.rules[r][c];
            // The tie-break rule shows a match file's own marks, as it has them, so that what
            // is saved is what was read.
            item.setChecked(row.key == "setTieBreak" ? session_.tieBreakMarks()[c]
                                                     : row.get(rules) == value);
            // A choice that cannot go with the other rules is not offered.
            Rules with = rules;
            row.set(with, value);
            item.setEnabled(!conflictOf(with));
        }
    }
    view_.menus.OraDeiPunti.setChecked(timing_);

    const Score& score = session_.score();
    const auto choices = servingChoices(score.setFirstServer);
    const SetServing now = rules.servingIn(score.set);
    for (std::size_t k = 0; k < choices.size(); ++k) {
        const auto turn = turnOf(choices[k], score.setFirstServer);
        Text caption = Text::pattern("%1, %2, %3, %4");
        for (int p : turn) {
            caption.arg(session_.names()[static_cast<std::size_t>(p)]);
        }
        view_.menus.AlServizioCaptions[k] = caption;
        view_.menus.AlServizio[k].setChecked(choices[k] == now);
        view_.menus.AlServizio[k].setEnabled(rules.doubles && !score.over);
    }
}

void MainForm::AlServizio_Click(int index) {
    if (index < 0 || index >= 4 || !session_.rules().doubles || session_.score().over) {
        return;
    }
    session_.chooseServing(
        servingChoices(session_.score().setFirstServer)[static_cast<std::size_t>(index)]);
    afterMove();
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
