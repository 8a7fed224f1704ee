#pragma once

#include <array>
#include <optional>
#include <string>

#include "scoring/Rules.h"

namespace courtlog {

// The section of the settings store that holds the options.
inline constexpr const char* kOptionsSection = "Opzioni";

// The options the window keeps between runs that are the user's own, not rules of the match
// (those are stored by their rows), in the order they are read at start-up and written.
enum class StoredOption {
    DisabilitaParziale,
    DisabilitaPuntiDalMatch,
    OraDeiPunti,
    SalvaOpzioniInUscita,
};

// One stored option: its key, the text a fresh window stands for, and how a stored text reads
// as a value (a flag reads as 0 or 1). Nothing: the text cannot be read.
struct StoredOptionKey {
    StoredOption option;
    const char* key;
    const char* missing;
    std::optional<int> (*read)(const std::string& text);
};
extern const std::array<StoredOptionKey, 4> kStoredOptions;

// The rule a stored option keeps, or nothing.
const RuleRow* storedRule(std::string_view key);
// The rule's value that a stored text stands for; nothing: it cannot be read. A whole number
// that a numbered rule does not offer reads as its first choice.
std::optional<int> readStoredRule(const RuleRow& row, const std::string& text);
// The text stored for a rule's value.
std::string storedRuleText(const RuleRow& row, int value);

// The language of the window, stored at once when it is chosen, beside the options that wait
// for the user to store them: its key, and the codes stored, by the language's index (the
// first is the default).
inline constexpr const char* kLanguageKey = "Lingua";
inline constexpr std::array<const char*, 2> kLanguageCodes{"it", "en"};
// The index of a stored code; nothing for a code the program does not speak.
std::optional<int> languageIndex(const std::string& code);

// Whether the window draws its texts in high-contrast colours, stored at once when chosen, as
// the language is: one who needs them needs them from the first moment of every start.
inline constexpr const char* kHighContrastKey = "AltoContrasto";
// A stored flag, "True"/"False" or a number; nothing when it cannot be read.
std::optional<bool> readFlag(const std::string& text);

// The main window's place and size on the desktop, "x,y,width,height" without its frame, and
// the scale it is drawn at in percent: stored at once when they change, as the language is.
inline constexpr const char* kWindowPlaceKey = "Finestra";
inline constexpr const char* kZoomKey = "Zoom";

// How many seconds of video a clip shows before its point, stored at once when chosen.
inline constexpr const char* kClipLeadKey = "AnticipoClip";
// The seconds a stored or typed text stands for: a whole number from kMinClipLeadSeconds to
// kMaxClipLeadSeconds; nothing otherwise.
std::optional<int> readClipLead(const std::string& text);

// A flag as the store keeps it.
std::string boolText(bool b);

}  // namespace courtlog
