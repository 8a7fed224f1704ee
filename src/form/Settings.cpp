// The stored options, and the window's load and close steps that use them.
#include <algorithm>
#include <array>

#include "form/MainForm.h"
#include "form/Version.h"
#include "storage/Recovery.h"
#include "storage/StoredOptions.h"

namespace courtlog {

namespace {

// The options that are a check mark, each switched by its own menu handler.
struct FlagOption {
    StoredOption option;
    MenuCheck MainForm::Menus::*check;
    void (MainForm::*click)();
};
constexpr std::array<FlagOption, 5> kFlagOptions{{
    {StoredOption::KillerPoint, &MainForm::Menus::KillerPoint, &MainForm::KillerPoint_Click},
    {StoredOption::OraDeiPunti, &MainForm::Menus::OraDeiPunti, &MainForm::OraDeiPunti_Click},
    {StoredOption::DisabilitaParziale, &MainForm::Menus::DisabilitaParziale,
     &MainForm::DisabilitaParziale_Click},
    {StoredOption::DisabilitaPuntiDalMatch, &MainForm::Menus::DisabilitaPuntiDalMatch,
     &MainForm::DisabilitaPuntiDalMatch_Click},
    {StoredOption::SalvaOpzioniInUscita, &MainForm::Menus::SalvaOpzioniInUscita,
     &MainForm::SalvaOpzioniInUscita_Click},
}};

const FlagOption* flagOption(StoredOption option) {
    const auto it = std::ranges::find(kFlagOptions, option, &FlagOption::option);
    return it == kFlagOptions.end() ? nullptr : &*it;
}

// Applies a stored value through the option's own menu handler.
void apply(MainForm& f, StoredOption option, int value) {
    if (const FlagOption* flag = flagOption(option)) {
        if (value != 0) {
            (f.*flag->click)();
        }
    } else if (option == StoredOption::MatchInTreSet && value != 0) {
        f.MatchInTreSet_Click();
    } else if (option == StoredOption::MatchInTreSet) {
        f.MatchInCinqueSet_Click();
    } else if (option == StoredOption::SetDecisivo) {
        f.SetDecisivo_Click(value);
    } else if (value >= 0 && value < static_cast<int>(f.menus.TieBreakWhen.size())) {
        f.TieBreakWhen_Click(value);
    } else {
        // A rule the menu does not have: no set has a tie-break, as when none of the marks
        // stands, and the mark that says so is checked.
        f.TieBreakWhen_Click(static_cast<int>(TieBreakRule::None));
    }
}

// What is stored for an option; nothing: nothing to store.
std::optional<std::string> stored(const MainForm& f, StoredOption option) {
    const MainForm::Menus& m = f.menus;
    // The mark a timed match set is the match's, not the user's choice.
    if (option == StoredOption::OraDeiPunti) {
        return boolText(f.timingChosen());
    }
    if (const FlagOption* flag = flagOption(option)) {
        return boolText((m.*flag->check).checked());
    }
    if (option == StoredOption::MatchInTreSet) {
        return boolText(m.MatchInTreSet.checked());
    }
    if (option == StoredOption::SetDecisivo) {
        return std::string(codeOf(f.rulesFromMenus().decidingSet));
    }
    for (std::size_t i = 0; i < m.TieBreakWhen.size(); ++i) {
        if (m.TieBreakWhen[i].checked()) {
            return std::to_string(i);
        }
    }
    return std::nullopt;
}

}  // namespace

void MainForm::SalvaOpzioni_Click() {
    for (const StoredOptionKey& option : kStoredOptions) {
        if (const auto text = stored(*this, option.option)) {
            platform_.saveSetting(kAppTitle, kOptionsSection, option.key, *text);
        }
    }
}

void MainForm::Lingua_Click(int index) {
    useLanguageForRun(index);
    platform_.saveSetting(kAppTitle, kOptionsSection, kLanguageKey,
                          kLanguageCodes[static_cast<std::size_t>(language())]);
}

void MainForm::useLanguageForRun(int index) {
    if (index < 0 || index >= static_cast<int>(menus.Lingua.size())) {
        return;
    }
    for (int i = 0; i < static_cast<int>(menus.Lingua.size()); ++i) {
        menus.Lingua[static_cast<std::size_t>(i)].setChecked(i == index);
    }
}

void MainForm::Form_Load() {
    caption_ = Text(CL_TEXT("Window", "%1 - Versione %2.%3"))
                   .arg(Text::verbatim(kAppTitle))
                   .arg(kVersionMajor)
                   .arg(kVersionMinor);

    // A stored value that cannot be read leaves that option as a fresh window has it.
    for (const StoredOptionKey& option : kStoredOptions) {
        const std::string text =
            platform_.getSetting(kAppTitle, kOptionsSection, option.key).value_or(option.missing);
        if (const auto value = option.read(text)) {
            apply(*this, option.option, *value);
        }
    }
    // Italian unless another language was chosen, whatever the system's language.
    if (const auto code = platform_.getSetting(kAppTitle, kOptionsSection, kLanguageKey)) {
        useLanguageForRun(languageIndex(*code).value_or(0));
    }

    points_.clear();
    ResetMatch();
    // The options just read are where this match starts, not changes to undo.
    startAfresh(true);
}

bool MainForm::Form_Unload() {
    if (menus.SalvaOpzioniInUscita.checked()) {
        SalvaOpzioni_Click();
    }
    if (!matchSaved_) {
        FileSave_Click();
        // A save that failed keeps the window and the match, so the user can save elsewhere;
        // a cancelled one still closes.
        if (saveFailed_) {
            return false;
        }
    }
    // Saved, or the user chose not to: a clean end leaves no recovery file.
    removeRecovery();
    if (!recoveryPath_.empty()) {
        platform_.unlockFile(lockPathOf(recoveryPath_));
    }
    return true;
}

}  // namespace courtlog
