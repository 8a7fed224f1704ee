// Reading the stored options' texts.
#include "storage/StoredOptions.h"

#include <algorithm>
#include <cctype>
#include <cmath>
#include <cstdlib>

#include "history/VideoClips.h"

namespace courtlog {

namespace {

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

}  // namespace

std::optional<int> languageIndex(const std::string& code) {
    for (std::size_t i = 0; i < kLanguageCodes.size(); ++i) {
        if (code == kLanguageCodes[i]) {
            return static_cast<int>(i);
        }
    }
    return std::nullopt;
}

std::optional<int> readClipLead(const std::string& text) {
    const auto v = readWholeNumber(text);
    return v && *v >= kMinClipLeadSeconds && *v <= kMaxClipLeadSeconds ? v : std::nullopt;
}

std::string boolText(bool b) {
    return b ? "True" : "False";
}

const RuleRow* storedRule(std::string_view key) {
    const auto rows = ruleRows();
    const auto it = std::ranges::find(rows, key, &RuleRow::storedKey);
    return key.empty() || it == rows.end() ? nullptr : &*it;
}

std::optional<int> readStoredRule(const RuleRow& row, const std::string& text) {
    std::string word;
    if (row.storedForm == RuleForm::Flag) {
        const auto b = readBoolean(text);
        if (!b) {
            return std::nullopt;
        }
        word = boolText(*b);
    } else if (row.storedForm == RuleForm::Number) {
        const auto n = readWholeNumber(text);
        if (!n) {
            return std::nullopt;
        }
        word = std::to_string(*n);
    } else {
        word = trimmed(text);
    }
    const auto it = std::ranges::find(row.choices, word, &RuleChoice::stored);
    if (it != row.choices.end()) {
        return it->value;
    }
    // A rule the menu does not have: as when none of its marks stands.
    return row.storedForm == RuleForm::Number ? std::optional<int>(row.choices.front().value)
                                              : std::nullopt;
}

std::string storedRuleText(const RuleRow& row, int value) {
    const RuleChoice* choice = choiceOf(row, value);
    return choice ? std::string(choice->stored) : std::string();
}

const std::array<StoredOptionKey, 4> kStoredOptions{{
    {StoredOption::DisabilitaParziale, "DisabilitaParziale", "False", readFlag},
    {StoredOption::DisabilitaPuntiDalMatch, "DisabilitaPuntiDalMatch", "False", readFlag},
    {StoredOption::OraDeiPunti, "OraDeiPunti", "False", readFlag},
    {StoredOption::SalvaOpzioniInUscita, "SalvaOpzioniInUscita", "False", readFlag},
}};

std::optional<bool> readFlag(const std::string& text) {
    return readBoolean(text);
}

}  // namespace courtlog
