// The stored options, and the window's load and close steps that use them.
#include <algorithm>

#include "form/MainForm.h"
#include "form/Version.h"
#include "storage/RecoveryCopy.h"
#include "storage/StoredOptions.h"

namespace courtlog {

namespace {

// The options that are the user's own check marks, not rules of the match.
MenuCheck* switchOf(Menus& m, StoredOption option) {
    switch (option) {
        case StoredOption::DisabilitaParziale:
            return &m.DisabilitaParziale;
        case StoredOption::DisabilitaPuntiDalMatch:
            return &m.DisabilitaPuntiDalMatch;
        case StoredOption::SalvaOpzioniInUscita:
            return &m.SalvaOpzioniInUscita;
        case StoredOption::OraDeiPunti:
            break;
    }
    return nullptr;
}

}  // namespace

void MainForm::SalvaOpzioni_Click() {
    const auto save = [this](std::string_view key, const std::string& text) {
        platform_.saveSetting(kAppTitle, kOptionsSection, std::string(key), text);
    };
    for (const StoredOptionKey& option : kStoredOptions) {
        MenuCheck* check = switchOf(view_.menus, option.option);
        // The mark a timed match set is the match's, not the user's choice.
        save(option.key, boolText(check ? check->checked() : timingChosen_));
    }
    for (const RuleRow& row : ruleRows()) {
        if (row.storedKey.empty()) {
            continue;
        }
        // The tie-break rule is stored as the first of the marks shown; none, not at all.
        if (row.key == "setTieBreak") {
            const auto& marks = session_.tieBreakMarks();
            if (const auto first = std::ranges::find(marks, true); first != marks.end()) {
                save(row.storedKey, std::to_string(first - marks.begin()));
            }
            continue;
        }
        save(row.storedKey, storedRuleText(row, row.get(session_.rules())));
    }
}

void MainForm::Lingua_Click(int index) {
    useLanguageForRun(index);
    platform_.saveSetting(kAppTitle, kOptionsSection, kLanguageKey,
                          kLanguageCodes[static_cast<std::size_t>(view_.language)]);
}

void MainForm::AltoContrasto_Click() {
    MenuCheck& check = view_.menus.AltoContrasto;
    check.setChecked(!check.checked());
    platform_.saveSetting(kAppTitle, kOptionsSection, kHighContrastKey, boolText(check.checked()));
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
    // A stored value that cannot be read leaves that option as a fresh window has it.
    for (const StoredOptionKey& option : kStoredOptions) {
        const std::string text =
            platform_.getSetting(kAppTitle, kOptionsSection, option.key).value_or(option.missing);
        if (const auto value = option.read(text)) {
            if (MenuCheck* check = switchOf(view_.menus, option.option)) {
                check->setChecked(*value != 0);
            } else {
                timing_ = timingChosen_ = *value != 0;
            }
        }
    }
    if (const auto contrast = platform_.getSetting(kAppTitle, kOptionsSection, kHighContrastKey)) {
        view_.menus.AltoContrasto.setChecked(readFlag(*contrast).value_or(false));
    }
    if (const auto lead = platform_.getSetting(kAppTitle, kOptionsSection, kClipLeadKey)) {
        clipLeadSeconds_ = readClipLead(*lead).value_or(kDefaultClipLeadSeconds);
    }
    // The rules read are where the match starts, in the table's order: the deciding set the
    // tie-break rule stands for, then the deciding set stored.
    Rules rules = session_.rules();
    for (const RuleRow& row : ruleRows()) {
        if (row.storedKey.empty()) {
            continue;
        }
        const auto text =
            platform_.getSetting(kAppTitle, kOptionsSection, std::string(row.storedKey));
        if (const auto value = text ? readStoredRule(row, *text) : std::nullopt) {
            row.set(rules, *value);
        }
    }
    if (!conflictOf(rules)) {
        session_.chooseRules(rules, RuleCheck::None);
    }
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
