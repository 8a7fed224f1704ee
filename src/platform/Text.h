#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace courtlog {

// A text of the program as written in its source language, Italian, with the context that
// tells translators where it is read.
struct Source {
    const char* context = nullptr;
    const char* text = nullptr;
};

// Marks a text for the translation catalogues. lupdate reads it as QT_TRANSLATE_NOOP, so the
// core names its texts without depending on Qt.
#define CL_TEXT(context, text) (::courtlog::Source{context, text})

// What a person reads: a source text with its arguments filled in at %1, %2..., or a text
// taken verbatim (a name the user typed, a number). The view translates the source and each
// argument when it shows it; Italian is the source filled in.
class Text {
public:
    Text() = default;
    Text(Source source) : source_(source) {}  // NOLINT: every marked text is a Text

    static Text verbatim(std::string text);
    // A layout of other texts that reads the same in every language, such as "%1 / %2".
    static Text pattern(const char* text) { return Text(Source{nullptr, text}); }
    static Text number(long long n);

    // Fills the next placeholder.
    Text& arg(Text value);
    Text& arg(long long n) { return arg(number(n)); }

    bool isVerbatim() const { return source_.text == nullptr; }
    bool empty() const { return isVerbatim() && verbatim_.empty(); }
    const Source& source() const { return source_; }
    const std::vector<Text>& args() const { return args_; }

    // The text in the words translate gives for each source; its arguments are rendered the
    // same way and put in the placeholders.
    using Translate = std::function<std::string(const Source&)>;
    std::string render(const Translate& translate) const;
    // The text in the source language.
    std::string italian() const;

    // The same source with the same arguments, or the same verbatim text.
    friend bool operator==(const Text& a, const Text& b);
    // Reads so in Italian.
    friend bool operator==(const Text& a, std::string_view b) { return a.italian() == b; }

private:
    Source source_;
    std::string verbatim_;
    std::vector<Text> args_;
};

// Puts the arguments into %1 ... %99 of pattern in one pass, so that an argument that itself
// holds "%2" stays as it is. A placeholder without an argument is kept.
std::string fillIn(std::string_view pattern, const std::vector<std::string>& args);

}  // namespace courtlog
