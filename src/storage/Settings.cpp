// The stored options, and the window's load and close steps that use them.
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
    if (t.empty()) {
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

const char* boolText(bool b) {
    return b ? "True" : "False";
}

}  // namespace

void MainForm::SalvaOpzioni_Click() {
    auto save = [this](const char* key, const std::string& value) {
        platform_.saveSetting(kAppTitle, kSection, key, value);
    };
    save("DisabilitaParziale", boolText(DisabilitaParziale.checked()));
    save("DisabilitaPuntiDalMatch", boolText(DisabilitaPuntiDalMatch.checked()));
    for (int i = 0; i < static_cast<int>(TieBreakWhen.size()); ++i) {
        if (TieBreakWhen[i].checked()) {
            save("TieBreakWhen", std::to_string(i));
            break;
        }
    }
    save("MatchInTreSet", boolText(MatchInTreSet.checked()));
    save("SalvaOpzioniInUscita", boolText(SalvaOpzioniInUscita.checked()));
}

void MainForm::Form_Load() {
    Caption = std::string(kAppTitle) + " - Versione " + std::to_string(kVersionMajor) + "." +
              std::to_string(kVersionMinor);

    // A stored value that cannot be read leaves that option as a fresh window has it.
    auto stored = [this](const char* key, const char* missing) {
        return platform_.getSetting(kAppTitle, kSection, key).value_or(missing);
    };
    if (const auto off = readBoolean(stored("DisabilitaParziale", "False")); off && *off) {
        DisabilitaParziale_Click();
    }
    if (const auto off = readBoolean(stored("DisabilitaPuntiDalMatch", "False")); off && *off) {
        DisabilitaPuntiDalMatch_Click();
    }
    if (const auto rule = readWholeNumber(stored("TieBreakWhen", "1"));
        rule && *rule >= 0 && *rule < static_cast<int>(TieBreakWhen.size())) {
        TieBreakWhen_Click(*rule);
    }
    if (const auto three = readBoolean(stored("MatchInTreSet", "False"))) {
        if (*three) {
            MatchInTreSet_Click();
        } else {
            MatchInCinqueSet_Click();
        }
    }
    if (const auto atExit = readBoolean(stored("SalvaOpzioniInUscita", "False"));
        atExit && *atExit) {
        SalvaOpzioniInUscita_Click();
    }

    PointCount = 0;
    CurrentPoint = 0;
    ResetMatch();
}

void MainForm::Form_Unload() {
    if (SalvaOpzioniInUscita.checked()) {
        SalvaOpzioni_Click();
    }
    if (!MatchSaved) {
        FileSave_Click();
    }
}

}  // namespace courtlog
