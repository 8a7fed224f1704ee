// Reading the stored options' texts.
#include "storage/StoredOptions.h"

#include <cctype>
#include <cmath>
#include <cstdlib>

#include "scoring/Rules.h"

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

std::optional<int> readDecidingSet(const std::string& text) {
    const auto d = decidingSetFromCode(trimmed(text));
    return d ? std::optional<int>(static_cast<int>(*d)) : std::nullopt;
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

std::string boolText(bool b) {
    return b ? "True" : "False";
}

const std::array<StoredOptionKey, 8> kStoredOptions{{
    {StoredOption::DisabilitaParziale, "DisabilitaParziale", "False", readFlag},
    {StoredOption::DisabilitaPuntiDalMatch, "DisabilitaPuntiDalMatch", "False", readFlag},
    {StoredOption::TieBreakWhen, "TieBreakWhen", "1", readWholeNumber},
    // None stored: the deciding set the tie-break rule stands for.
    {StoredOption::SetDecisivo, "SetDecisivo", "", readDecidingSet},
    {StoredOption::KillerPoint, "KillerPoint", "False", readFlag},
    {StoredOption::OraDeiPunti, "OraDeiPunti", "False", readFlag},
    {StoredOption::MatchInTreSet, "MatchInTreSet", "False", readFlag},
    {StoredOption::SalvaOpzioniInUscita, "SalvaOpzioniInUscita", "False", readFlag},
}};

}  // namespace courtlog
