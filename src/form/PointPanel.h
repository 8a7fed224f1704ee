#pragma once

#include <array>
#include <span>
#include <string>

namespace courtlog {

// The four option groups of the point panel.
enum class Panel { Servizio, DirittoRovescio, Colpo, ErroreVincente };

// What the point panel's options and serve-outcome buttons say, by index. The window shows
// these words and the reports name a point's marks with them.
inline constexpr std::array<const char*, 2> kServizioCaptions{"Prima palla", "Seconda palla"};
inline constexpr std::array<const char*, 3> kDirittoRovescioCaptions{"Miss", "Diritto", "Rovescio"};
inline constexpr std::array<const char*, 8> kColpoCaptions{
    "Miss", "Volee lunga", "Volee smorzata", "Lob", "Drop", "Passante", "Smash", "Risposta"};
inline constexpr std::array<const char*, 5> kErroreVincenteCaptions{
    "Miss", "Vincente", "Errore gratuito", "Errore forzato", "Errore tentato"};
// Index 0 is a point played out, which has no button.
inline constexpr std::array<const char*, 4> kAceDoppioFalloCaptions{"", "Ace", "Doppio fallo",
                                                                    "Servizio vincente"};

inline std::span<const char* const> captionsOf(Panel p) {
    switch (p) {
        case Panel::Servizio:
            return kServizioCaptions;
        case Panel::DirittoRovescio:
            return kDirittoRovescioCaptions;
        case Panel::Colpo:
            return kColpoCaptions;
        case Panel::ErroreVincente:
            break;
    }
    return kErroreVincenteCaptions;
}

// A mark of a recorded point in words: "" for the first option ("Miss", nothing marked) and
// for an index the panel has no option for.
inline std::string markText(std::span<const char* const> captions, int index) {
    if (index <= 0 || index >= static_cast<int>(captions.size())) {
        return {};
    }
    return captions[static_cast<std::size_t>(index)];
}

}  // namespace courtlog
