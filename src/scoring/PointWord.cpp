#include "scoring/PointWord.h"

#include <array>

namespace courtlog {

namespace {

constexpr std::array<AttrLayout, 7> kLayouts{{
    {"Punto", 0x0001, 0},
    {"Servizio", 0x0002, 1},
    {"DirittoRovescio", 0x000C, 2},
    {"Colpo", 0x0070, 4},
    {"ErroreVincente", 0x0380, 7},
    {"AceDoppioFallo", 0x0C00, 10},
    {"CircolettoRosso", 0x1000, 12},
}};

}  // namespace

const AttrLayout& layoutOf(Attr attr) {
    return kLayouts[static_cast<std::size_t>(attr)];
}

std::optional<Attr> attrFromName(std::string_view name) {
    for (std::size_t i = 0; i < kLayouts.size(); ++i) {
        if (kLayouts[i].name == name) {
            return static_cast<Attr>(i);
        }
    }
    return std::nullopt;
}

int EstraiInfo(PointWord word, Attr attr) {
    const AttrLayout& l = layoutOf(attr);
    return (word & l.mask) >> l.shift;
}

void CreaInfo(PointWord& word, Attr attr, int value) {
    const AttrLayout& l = layoutOf(attr);
    word = static_cast<PointWord>((word & ~l.mask) | (value << l.shift));
}

}  // namespace courtlog
