#pragma once

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

const AttrLayout& layoutOf(Attr attr);

// The attribute of that exact name (case matters), if there is one.
std::optional<Attr> attrFromName(std::string_view name);

// The value one attribute has in a word.
int EstraiInfo(PointWord word, Attr attr);

// Stores value into the field; every other bit of the word is kept. The value is not masked:
// callers pass option indexes, which always fit.
void CreaInfo(PointWord& word, Attr attr, int value);

}  // namespace courtlog
