// The Opzioni menu: number of sets, tie-break rule, and the two displays that can be switched off;
// the rules of scoring that the menu's marks stand for.
#include "form/MainForm.h"

namespace courtlog {

namespace {

template <std::size_t N>
int checkedIndex(const std::array<MenuCheck, N>& items) {
    for (std::size_t i = 0; i < N; ++i) {
        if (items[i].checked()) {
            return static_cast<int>(i);
        }
    }
    return 0;
}

template <std::size_t N>
void checkOnly(std::array<MenuCheck, N>& items, int index) {
    for (std::size_t i = 0; i < N; ++i) {
        items[i].setChecked(static_cast<int>(i) == index);
    }
}

}  // namespace

Rules MainForm::rulesFromMenus() const {
    std::array<bool, 3> marks{};
    for (std::size_t i = 0; i < marks.size(); ++i) {
        marks[i] = menus.TieBreakWhen[i].checked();
    }
    Rules rules = rulesOf(menus.MatchInTreSet.checked() ? 3 : 5, marks);
    rules.decidingSet = kDecidingSets[static_cast<std::size_t>(checkedIndex(menus.SetDecisivo))];
    rules.noAd = menus.KillerPoint.checked();
    rules.firstServer = checkedIndex(menus.PrimoAlServizio);
    return rules;
}

void MainForm::showRules(const Rules& rules) {
    // The tie-break menu shows the one rule these stand for; a match file's own marks are
    // put back by the load itself.
    checkOnly(menus.TieBreakWhen, static_cast<int>(rules.tieBreakRule()));
    checkOnly(menus.SetDecisivo, static_cast<int>(rules.decidingSet));
    menus.KillerPoint.setChecked(rules.noAd);
    checkOnly(menus.PrimoAlServizio, rules.firstServer);
}

bool MainForm::rescore(const Rules& next, std::span<const PointWord> words) {
    const Score before = replay(points_.recorded(), rulesFromMenus()).score;
    const Score after = replay(words, next).score;
    for (int set = 0; set < before.set && set < static_cast<int>(before.finished.size()); ++set) {
        const auto k = static_cast<std::size_t>(set);
        if (after.set <= set || after.finished[k] != before.finished[k]) {
            platform_.messageBox(
                CL_TEXT("Messages",
                        "Spiacente, ma cambierebbe un set già giocato. Impossibile modificare."),
                MsgButtons::Ok);
            return false;
        }
    }
    showRules(next);
    points_.rewrite(words);
    workingSlotChanged();
    ReplayToCurrentPoint();
    changed(ChangeKind::Rule, points_.current());
    return true;
}

void MainForm::SetDecisivo_Click(int index) {
    if (index < 0 || index >= static_cast<int>(menus.SetDecisivo.size()) ||
        menus.SetDecisivo[static_cast<std::size_t>(index)].checked()) {
        return;
    }
    Rules next = rulesFromMenus();
    next.decidingSet = kDecidingSets[static_cast<std::size_t>(index)];
    rescore(next, points_.recorded());
}

void MainForm::KillerPoint_Click() {
    Rules next = rulesFromMenus();
    next.noAd = !next.noAd;
    rescore(next, points_.recorded());
}

void MainForm::PrimoAlServizio_Click(int index) {
    if (index < 0 || index > 1 ||
        menus.PrimoAlServizio[static_cast<std::size_t>(index)].checked()) {
        return;
    }
    Rules next = rulesFromMenus();
    next.firstServer = index;
    const std::vector<PointWord> moved = serveMarksFollowingServer(points_.recorded(), next);
    rescore(next, moved);
}

void MainForm::OraDeiPunti_Click() {
    menus.OraDeiPunti.setChecked(!menus.OraDeiPunti.checked());
    timingChosen_ = menus.OraDeiPunti.checked();
}

void MainForm::MatchInCinqueSet_Click() {
    if (menus.MatchInCinqueSet.checked()) {
        return;
    }
    setSetsInMatch(5);
    ReplayToCurrentPoint();
    changed(ChangeKind::Rule, points_.current());
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
    changed(ChangeKind::Rule, points_.current());
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
    checkOnly(menus.TieBreakWhen, index);
    // The deciding set the rule stands for: played out, or a tie-break at six all when every
    // set has one.
    checkOnly(menus.SetDecisivo, static_cast<int>(decidingSetOf(static_cast<TieBreakRule>(index))));
    ReplayToCurrentPoint();
    changed(ChangeKind::Rule, points_.current());
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
