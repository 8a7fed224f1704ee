#pragma once

#include <QString>
#include <optional>
#include <string>
#include <vector>

#include "platform/Text.h"

namespace courtlog {

// The languages the program speaks. Italian is its own; the others come from catalogues.
enum class Language { Italian, English };

// "it" or "en", as the settings and the command line name them; nothing for any other code.
std::optional<Language> languageFromCode(const QString& code);
QString codeOf(Language language);

// Makes the program, and Qt's own buttons and dialogs, speak the language from now on; it
// replaces the catalogues of the last choice. Needs the application object.
void useLanguage(Language language);
Language currentLanguage();

// A text of the core in the language in use.
QString say(const Text& text);
std::string sayUtf8(const Text& text);
// The same, as a function for the core's calls.
Text::Translate translation();

// A translated text of the program with its arguments put in at %1, %2... in one pass, as the
// core fills its own: a name that holds "%1" stays as typed, and a translation may reorder
// the arguments or leave one out.
std::string filled(const QString& translated, const std::vector<std::string>& args = {});

}  // namespace courtlog
