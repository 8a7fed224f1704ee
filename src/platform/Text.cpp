#include "platform/Text.h"

#include <cstring>

namespace courtlog {

Text Text::verbatim(std::string text) {
    Text t;
    t.verbatim_ = std::move(text);
    return t;
}

Text Text::number(long long n) {
    return verbatim(std::to_string(n));
}

Text& Text::arg(Text value) {
    args_.push_back(std::move(value));
    return *this;
}

std::string Text::render(const Translate& translate) const {
    if (isVerbatim()) {
        return verbatim_;
    }
    std::vector<std::string> filled;
    filled.reserve(args_.size());
    for (const Text& a : args_) {
        filled.push_back(a.render(translate));
    }
    return fillIn(source_.context == nullptr ? std::string(source_.text) : translate(source_),
                  filled);
}

std::string Text::italian() const {
    if (isVerbatim()) {
        return verbatim_;
    }
    if (args_.empty()) {
        return source_.text;
    }
    return render([](const Source& s) { return std::string(s.text); });
}

bool operator==(const Text& a, const Text& b) {
    const auto same = [](const char* x, const char* y) {
        return x == y || (x != nullptr && y != nullptr && std::strcmp(x, y) == 0);
    };
    return same(a.source_.text, b.source_.text) && same(a.source_.context, b.source_.context) &&
           a.verbatim_ == b.verbatim_ && a.args_ == b.args_;
}

std::string fillIn(std::string_view pattern, const std::vector<std::string>& args) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const auto digit = [&](std::size_t at) {
            return at < pattern.size() && pattern[at] >= '0' && pattern[at] <= '9';
        };
        if (pattern[i] == '%' && digit(i + 1) && pattern[i + 1] != '0') {
            std::size_t n = static_cast<std::size_t>(pattern[i + 1] - '0');
            std::size_t used = 2;
            if (digit(i + 2)) {
                n = n * 10 + static_cast<std::size_t>(pattern[i + 2] - '0');
                used = 3;
            }
            if (n <= args.size()) {
                out += args[n - 1];
                i += used - 1;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

}  // namespace courtlog
