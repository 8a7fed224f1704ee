// The stored options, and the window's load and close steps that use them.
#include "form/MainForm.h"
#include "form/Version.h"
#include "storage/StoredOptions.h"

namespace courtlog {

namespace {

// Applies a stored value through the option's own menu handler.
void apply(MainForm& f, StoredOption option, int value) {
    switch (option) {
        case StoredOption::DisabilitaParziale:
            if (value != 0) {
                f.DisabilitaParziale_Click();
            }
            break;
        case StoredOption::DisabilitaPuntiDalMatch:
            if (value != 0) {
                f.DisabilitaPuntiDalMatch_Click();
            }
            break;
        case StoredOption::TieBreakWhen:
            if (value >= 0 && value < static_cast<int>(f.menus.TieBreakWhen.size())) {
                f.TieBreakWhen_Click(value);
                break;
            }
            // A rule the menu does not have: none of its items is checked.
            for (MenuCheck& item : f.menus.TieBreakWhen) {
                item.setChecked(false);
            }
            break;
        case StoredOption::MatchInTreSet:
            if (value != 0) {
                f.MatchInTreSet_Click();
            } else {
                f.MatchInCinqueSet_Click();
            }
            break;
        case StoredOption::SalvaOpzioniInUscita:
            if (value != 0) {
                f.SalvaOpzioniInUscita_Click();
            }
            break;
    }
}

// What is stored for an option; nothing: nothing to store.
std::optional<std::string> stored(const MainForm& f, StoredOption option) {
    const MainForm::Menus& m = f.menus;
    switch (option) {
        case StoredOption::DisabilitaParziale:
            return boolText(m.DisabilitaParziale.checked());
        case StoredOption::DisabilitaPuntiDalMatch:
            return boolText(m.DisabilitaPuntiDalMatch.checked());
        case StoredOption::TieBreakWhen:
            for (std::size_t i = 0; i < m.TieBreakWhen.size(); ++i) {
                if (m.TieBreakWhen[i].checked()) {
                    return std::to_string(i);
                }
            }
            return std::nullopt;
        case StoredOption::MatchInTreSet:
            return boolText(m.MatchInTreSet.checked());
        case StoredOption::SalvaOpzioniInUscita:
            break;
    }
    return boolText(m.SalvaOpzioniInUscita.checked());
}

}  // namespace

void MainForm::SalvaOpzioni_Click() {
    for (const StoredOptionKey& option : kStoredOptions) {
        if (const auto text = stored(*this, option.option)) {
            platform_.saveSetting(kAppTitle, kOptionsSection, option.key, *text);
        }
    }
}

void MainForm::Form_Load() {
    caption_ = std::string(kAppTitle) + " - Versione " + std::to_string(kVersionMajor) + "." +
              std::to_string(kVersionMinor);

    // A stored value that cannot be read leaves that option as a fresh window has it.
    for (const StoredOptionKey& option : kStoredOptions) {
        const std::string text =
            platform_.getSetting(kAppTitle, kOptionsSection, option.key).value_or(option.missing);
        if (const auto value = option.read(text)) {
            apply(*this, option.option, *value);
        }
    }

    points_.clear();
    ResetMatch();
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
    return true;
}

}  // namespace courtlog
