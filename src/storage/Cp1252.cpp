#include "storage/Cp1252.h"

#include <algorithm>
#include <array>
#include <cstdint>
#include <iterator>
#include <utility>
#include <vector>

#include "storage/Cp1252Folds.h"

namespace courtlog {

namespace {

// Code points of the bytes 0x80 to 0x9F; the undefined ones keep their own number.
constexpr std::array<char32_t, 32> kHigh{
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, 0x02C6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008D, 0x017D, 0x008F, 0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022,
    0x2013, 0x2014, 0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178};

constexpr int kNone = -1;

// The byte for a code point, or kNone when the code page has no such character.
int byteOf(char32_t c) {
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) {
        return static_cast<int>(c);
    }
    // The five undefined bytes read as the control characters of the same number; they go
    // back to the same bytes, so a name read from a file is written back unchanged.
    for (std::size_t i = 0; i < kHigh.size(); ++i) {
        if (kHigh[i] == c) {
            return static_cast<int>(0x80 + i);
        }
    }
    return kNone;
}

int foldedByte(char32_t c) {
    const int b = byteOf(c);
    if (b != kNone) {
        return b;
    }
    const auto* end = std::end(cp1252_detail::kFolds);
    const auto* it =
        std::lower_bound(std::begin(cp1252_detail::kFolds), end, c,
                         [](const cp1252_detail::Fold& f, char32_t v) { return f.from < v; });
    if (it != end && it->from == c) {
        return byteOf(it->to);
    }
    return '?';
}

// Decodes one UTF-8 sequence at text[i]; malformed bytes read as U+FFFD, one at a time.
char32_t decodeAt(std::string_view text, std::size_t& i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char b0 = byte(i);
    int extra = 0;
    char32_t c = 0;
    if (b0 < 0x80) {
        ++i;
        return b0;
    } else if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        c = b0 & 0x07;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + extra >= text.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= extra; ++k) {
        const unsigned char b = byte(i + k);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        c = (c << 6) | (b & 0x3F);
    }
    i += static_cast<std::size_t>(extra) + 1;
    if ((c >= 0xD800 && c <= 0xDFFF) || c > 0x10FFFF) {
        return 0xFFFD;
    }
    return c;
}

void appendUtf8(std::string& out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

// The letter a base letter and a combining mark compose into, or 0 when they stay apart.
char32_t composedOf(char32_t base, char32_t mark) {
    if (mark < 0x300 || mark > 0x36F) {
        return 0;
    }
    const auto* end = std::end(cp1252_detail::kCompositions);
    const auto* it =
        std::lower_bound(std::begin(cp1252_detail::kCompositions), end, std::pair{base, mark},
                         [](const cp1252_detail::Composition& c, std::pair<char32_t, char32_t> v) {
                             return std::pair<char32_t, char32_t>{c.base, c.mark} < v;
                         });
    return it != end && it->base == base && it->mark == mark ? it->composed : 0;
}

char32_t charOfByte(unsigned char b) {
    return (b >= 0x80 && b <= 0x9F) ? kHigh[b - 0x80] : static_cast<char32_t>(b);
}

}  // namespace

std::string utf8ToCp1252(std::string_view utf8) {
    std::vector<char32_t> chars;
    chars.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();) {
        const char32_t c = decodeAt(utf8, i);
        if (!chars.empty()) {
            if (const char32_t composed = composedOf(chars.back(), c)) {
                chars.back() = composed;
                continue;
            }
        }
        chars.push_back(c);
    }
    std::string out;
    out.reserve(chars.size());
    for (const char32_t c : chars) {
        out += static_cast<char>(foldedByte(c));
    }
    return out;
}

std::string cp1252ToUtf8(std::string_view bytes) {
    std::string out;
    out.reserve(bytes.size());
    for (char b : bytes) {
        appendUtf8(out, charOfByte(static_cast<unsigned char>(b)));
    }
    return out;
}

std::string wellFormedUtf8(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        appendUtf8(out, decodeAt(text, i));
    }
    return out;
}

std::string foldToCp1252(std::string_view utf8) {
    return cp1252ToUtf8(utf8ToCp1252(utf8));
}

}  // namespace courtlog
