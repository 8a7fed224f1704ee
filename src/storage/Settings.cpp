// The stored options, and the window's load and close steps that use them.
#include <array>
#include <cctype>
#include <cmath>
#include <cstdlib>
#include <optional>

#include "form/MainForm.h"
#include "form/Version.h"

namespace courtlog {

namespace {

constexpr const char* kSection = "Opzioni";

std::string trimmed(const std::string& s) {
    std::size_t b = 0;
    std::size_t e = s.size();
    while (b < e && std::isspace(static_cast<unsigned char>(s[b]))) {
        ++b;
    }
    while (e > b && std::isspace(static_cast<unsigned char>(s[e - 1]))) {
        --e;
    }
    return s.substr(b, e - b);
}

std::optional<double> number(const std::string& text) {
    const std::string t = trimmed(text);
    // Decimal notation only: strtod would also take "0x2", "inf" and "nan".
    if (t.empty() || t.find_first_not_of("0123456789+-.eE") != std::string::npos) {
        return std::nullopt;
    }
    char* end = nullptr;
    const double v = std::strtod(t.c_str(), &end);
    if (end != t.c_str() + t.size() || !std::isfinite(v)) {
        return std::nullopt;
    }
    return v;
}

// "True" and "False" in any letter case, or a number: 0 is False, anything else True.
std::optional<bool> readBoolean(const std::string& text) {
    std::string t = trimmed(text);
    for (char& c : t) {
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    }
    if (t == "true") {
        return true;
    }
    if (t == "false") {
        return false;
    }
    if (const auto v = number(t)) {
        return *v != 0.0;
    }
    return std::nullopt;
}

// A whole number that fits in 16 bits.
std::optional<int> readWholeNumber(const std::string& text) {
    const auto v = number(text);
    if (!v || *v != std::floor(*v) || *v < -32768.0 || *v > 32767.0) {
        return std::nullopt;
    }
    return static_cast<int>(*v);
}

std::optional<int> readFlag(const std::string& text) {
    const auto b = readBoolean(text);
    return b ? std::optional<int>(*b ? 1 : 0) : std::nullopt;
}

std::string boolText(bool b) {
    return b ? "True" : "False";
}

// One stored option: its key, the text a fresh window stands for, how a stored text is read,
// how the value is applied through the option's own menu handler, and what is stored.
struct StoredOption {
    const char* key;
    const char* missing;
    std::optional<int> (*read)(const std::string& text);
    void (*apply)(MainForm& form, int value);
    std::optional<std::string> (*write)(const MainForm& form);  // nothing: nothing to store
};

// In the order they are read at start-up and written.
const std::array<StoredOption, 5> kStoredOptions{{
    {"DisabilitaParziale", "False", readFlag,
     [](MainForm& f, int off) {
         if (off != 0) {
             f.DisabilitaParziale_Click();
         }
     },
     [](const MainForm& f) -> std::optional<std::string> {
         return boolText(f.DisabilitaParziale.checked());
     }},
    {"DisabilitaPuntiDalMatch", "False", readFlag,
     [](MainForm& f, int off) {
         if (off != 0) {
             f.DisabilitaPuntiDalMatch_Click();
         }
     },
     [](const MainForm& f) -> std::optional<std::string> {
         return boolText(f.DisabilitaPuntiDalMatch.checked());
     }},
    {"TieBreakWhen", "1", readWholeNumber,
     [](MainForm& f, int rule) {
         if (rule >= 0 && rule < static_cast<int>(f.TieBreakWhen.size())) {
             f.TieBreakWhen_Click(rule);
             return;
         }
         // A rule the menu does not have: none of its items is checked.
         for (MenuCheck& item : f.TieBreakWhen) {
             item.setChecked(false);
         }
     },
     [](const MainForm& f) -> std::optional<std::string> {
         for (std::size_t i = 0; i < f.TieBreakWhen.size(); ++i) {
             if (f.TieBreakWhen[i].checked()) {
                 return std::to_string(i);
             }
         }
         return std::nullopt;
     }},
    {"MatchInTreSet", "False", readFlag,
     [](MainForm& f, int three) {
         if (three != 0) {
             f.MatchInTreSet_Click();
         } else {
             f.MatchInCinqueSet_Click();
         }
     },
     [](const MainForm& f) -> std::optional<std::string> {
         return boolText(f.MatchInTreSet.checked());
     }},
    {"SalvaOpzioniInUscita", "False", readFlag,
     [](MainForm& f, int on) {
         if (on != 0) {
             f.SalvaOpzioniInUscita_Click();
         }
     },
     [](const MainForm& f) -> std::optional<std::string> {
         return boolText(f.SalvaOpzioniInUscita.checked());
     }},
}};

}  // namespace

void MainForm::SalvaOpzioni_Click() {
    for (const StoredOption& option : kStoredOptions) {
        if (const auto text = option.write(*this)) {
            platform_.saveSetting(kAppTitle, kSection, option.key, *text);
        }
    }
}

void MainForm::Form_Load() {
    Caption = std::string(kAppTitle) + " - Versione " + std::to_string(kVersionMajor) + "." +
              std::to_string(kVersionMinor);

    // A stored value that cannot be read leaves that option as a fresh window has it.
    for (const StoredOption& option : kStoredOptions) {
        const std::string text =
            platform_.getSetting(kAppTitle, kSection, option.key).value_or(option.missing);
        if (const auto value = option.read(text)) {
            option.apply(*this, *value);
        }
    }

    PointCount = 0;
    CurrentPoint = 0;
    ResetMatch();
}

bool MainForm::Form_Unload() {
    if (SalvaOpzioniInUscita.checked()) {
        SalvaOpzioni_Click();
    }
    if (!MatchSaved) {
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
