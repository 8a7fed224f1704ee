// The stored options, and the window's load and close steps that use them.
#include "form/MainForm.h"
#include "form/Version.h"
#include "storage/RecoveryCopy.h"
#include "storage/StoredOptions.h"

namespace courtlog {

namespace {

// What is stored for an option; nothing: nothing to store.
std::optional<std::string> stored(StoredOption option, const MatchSession& session,
                                  const Menus& m, bool timingChosen) {
    const Rules& rules = session.rules();
    switch (option) {
        case StoredOption::OraDeiPunti:
            // The mark a timed match set is the match's, not the user's choice.
            return boolText(timingChosen);
        case StoredOption::DisabilitaParziale:
            return boolText(m.DisabilitaParziale.checked());
        case StoredOption::DisabilitaPuntiDalMatch:
            return boolText(m.DisabilitaPuntiDalMatch.checked());
        case StoredOption::SalvaOpzioniInUscita:
            return boolText(m.SalvaOpzioniInUscita.checked());
        case StoredOption::KillerPoint:
            return boolText(rules.noAd);
        case StoredOption::MatchInTreSet:
            return boolText(rules.setsInMatch == 3);
        case StoredOption::SetDecisivo:
            return std::string(codeOf(rules.decidingSet));
        case StoredOption::TieBreakWhen:
            break;
    }
    const auto& marks = session.tieBreakMarks();
    for (std::size_t i = 0; i < marks.size(); ++i) {
        if (marks[i]) {
            return std::to_string(i);
        }
    }
    return std::nullopt;
}

}  // namespace

void MainForm::SalvaOpzioni_Click() {
    for (const StoredOptionKey& option : kStoredOptions) {
        if (const auto text = stored(option.option, session_, view_.menus, timingChosen_)) {
            platform_.saveSetting(kAppTitle, kOptionsSection, option.key, *text);
        }
    }
}

void MainForm::Lingua_Click(int index) {
    useLanguageForRun(index);
    platform_.saveSetting(kAppTitle, kOptionsSection, kLanguageKey,
                          kLanguageCodes[static_cast<std::size_t>(view_.language)]);
}

void MainForm::useLanguageForRun(int index) {
    if (index < 0 || index >= static_cast<int>(view_.menus.Lingua.size())) {
        return;
    }
    for (int i = 0; i < static_cast<int>(view_.menus.Lingua.size()); ++i) {
        view_.menus.Lingua[static_cast<std::size_t>(i)].setChecked(i == index);
    }
    view_.language = index;
}

void MainForm::applyStoredOptions() {
    // A stored value that cannot be read leaves that option as a fresh window has it. The
    // rules read are where the match starts, in the order the options are stored.
    Rules rules = session_.rules();
    Menus& m = view_.menus;
    for (const StoredOptionKey& option : kStoredOptions) {
        const std::string text =
            platform_.getSetting(kAppTitle, kOptionsSection, option.key).value_or(option.missing);
        const auto value = option.read(text);
        if (!value) {
            continue;
        }
        const bool on = *value != 0;
        switch (option.option) {
            case StoredOption::DisabilitaParziale:
                m.DisabilitaParziale.setChecked(on);
                break;
            case StoredOption::DisabilitaPuntiDalMatch:
                m.DisabilitaPuntiDalMatch.setChecked(on);
                break;
            case StoredOption::SalvaOpzioniInUscita:
                m.SalvaOpzioniInUscita.setChecked(on);
                break;
            case StoredOption::OraDeiPunti:
                timing_ = timingChosen_ = on;
                break;
            case StoredOption::KillerPoint:
                rules.noAd = on;
                break;
            case StoredOption::MatchInTreSet:
                rules.setsInMatch = on ? 3 : 5;
                break;
            case StoredOption::SetDecisivo:
                if (*value >= 0 && *value < static_cast<int>(kDecidingSets.size())) {
                    rules.decidingSet = kDecidingSets[static_cast<std::size_t>(*value)];
                }
                break;
            case StoredOption::TieBreakWhen: {
                // A rule the menu does not have: no set has a tie-break, as when none of the
                // marks stands.
                const auto rule = *value >= 0 && *value <= 2 ? static_cast<TieBreakRule>(*value)
                                                             : TieBreakRule::None;
                rules.setTieBreak = setTieBreakOf(rule);
                rules.decidingSet = decidingSetOf(rule);
                break;
            }
        }
    }
    session_.chooseRules(rules, RuleCheck::None);
}

void MainForm::Form_Load() {
    view_.caption = Text(CL_TEXT("Window", "%1 - Versione %2.%3"))
                        .arg(Text::verbatim(kAppTitle))
                        .arg(kVersionMajor)
                        .arg(kVersionMinor);
    applyStoredOptions();
    // Italian unless another language was chosen, whatever the system's language.
    if (const auto code = platform_.getSetting(kAppTitle, kOptionsSection, kLanguageKey)) {
        useLanguageForRun(languageIndex(*code).value_or(0));
    }
    // The options just read are where this match starts, not changes to undo.
    session_.startAfresh(true);
    draw();
}

bool MainForm::Form_Unload() {
    if (view_.menus.SalvaOpzioniInUscita.checked()) {
        SalvaOpzioni_Click();
    }
    if (!session_.saved()) {
        FileSave_Click();
        // A save that failed keeps the window and the match, so the user can save elsewhere;
        // a cancelled one still closes.
        if (saveFailed_) {
            return false;
        }
    }
    // Saved, or the user chose not to: a clean end leaves no recovery file.
    recovery_->release();
    return true;
}

}  // namespace courtlog
