#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string_view>

namespace courtlog {

// One recorded point packed in 16 bits; the same bits go into the match file unchanged.
using PointWord = std::uint16_t;

// The seven fields of a point word, in the order of their bits.
enum class Attr {
    Punto,            // bit 0: winner, 0 = player A, 1 = player B
    Servizio,         // bit 1: 0 first serve, 1 second serve
    DirittoRovescio,  // bits 2-3: 0 none, 1 forehand, 2 backhand
    Colpo,            // bits 4-6: kind of shot, 0 none
    ErroreVincente,   // bits 7-9: 0 none, 1 winner, 2 unforced, 3 forced, 4 attempted
    AceDoppioFallo,   // bits 10-11: 0 played out, 1 ace, 2 double fault, 3 service winner
    CircolettoRosso,  // bit 12: marker bit, kept as stored
};

struct AttrLayout {
    std::string_view name;
    PointWord mask;
    int shift;
};

// Where each attribute sits in a word, in the order of Attr.
inline constexpr std::array<AttrLayout, 7> kAttrLayouts{{
    {"Punto", 0x0001, 0},
    {"Servizio", 0x0002, 1},
    {"DirittoRovescio", 0x000C, 2},
    {"Colpo", 0x0070, 4},
    {"ErroreVincente", 0x0380, 7},
    {"AceDoppioFallo", 0x0C00, 10},
    {"CircolettoRosso", 0x1000, 12},
}};

constexpr const AttrLayout& layoutOf(Attr attr) {
    return kAttrLayouts[static_cast<std::size_t>(attr)];
}

// The attribute of that exact name (case matters), if there is one.
std::optional<Attr> attrFromName(std::string_view name);

// The value one attribute has in a word. Inline: a replay reads every word several times.
constexpr int EstraiInfo(PointWord word, Attr attr) {
    const AttrLayout& l = layoutOf(attr);
    return (word & l.mask) >> l.shift;
}

// Stores value into the field; every other bit of the word is kept. The value is not masked:
// callers pass option indexes, which always fit.
constexpr void CreaInfo(PointWord& word, Attr attr, int value) {
    const AttrLayout& l = layoutOf(attr);
    word = static_cast<PointWord>((word & ~l.mask) | (value << l.shift));
}

}  // namespace courtlog
