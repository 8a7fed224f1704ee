#pragma once

#include <array>
#include <span>
#include <string>

#include "platform/Text.h"

namespace courtlog {

// The four option groups of the point panel.
enum class Panel { Servizio, DirittoRovescio, Colpo, ErroreVincente };

// What the point panel's options and serve-outcome buttons say, by index. The window shows
// these words and the reports name a point's marks with them.
inline constexpr std::array<Source, 2> kServizioCaptions{CL_TEXT("Panel", "Prima palla"),
                                                         CL_TEXT("Panel", "Seconda palla")};
inline constexpr std::array<Source, 3> kDirittoRovescioCaptions{
    CL_TEXT("Panel", "Miss"), CL_TEXT("Panel", "Diritto"), CL_TEXT("Panel", "Rovescio")};
inline constexpr std::array<Source, 8> kColpoCaptions{
    CL_TEXT("Panel", "Miss"),  CL_TEXT("Panel", "Volee lunga"), CL_TEXT("Panel", "Volee smorzata"),
    CL_TEXT("Panel", "Lob"),   CL_TEXT("Panel", "Drop"),        CL_TEXT("Panel", "Passante"),
    CL_TEXT("Panel", "Smash"), CL_TEXT("Panel", "Risposta")};
inline constexpr std::array<Source, 5> kErroreVincenteCaptions{
    CL_TEXT("Panel", "Miss"), CL_TEXT("Panel", "Vincente"), CL_TEXT("Panel", "Errore gratuito"),
    CL_TEXT("Panel", "Errore forzato"), CL_TEXT("Panel", "Errore tentato")};
// Index 0 is a point played out, which has no button.
inline constexpr std::array<Source, 4> kAceDoppioFalloCaptions{
    Source{}, CL_TEXT("Panel", "Ace"), CL_TEXT("Panel", "Doppio fallo"),
    CL_TEXT("Panel", "Servizio vincente")};

inline std::span<const Source> captionsOf(Panel p) {
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

// A mark of a recorded point in words: empty for the first option ("Miss", nothing marked) and
// for an index the panel has no option for.
inline Text markText(std::span<const Source> captions, int index) {
    if (index <= 0 || index >= static_cast<int>(captions.size())) {
        return {};
    }
    return captions[static_cast<std::size_t>(index)];
}

}  // namespace courtlog
