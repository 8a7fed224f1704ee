#pragma once

#include <array>
#include <cstddef>

#include "platform/Text.h"

namespace courtlog {

// The entries of the round list, by index; the first is no round at all.
inline constexpr std::array<Source, 8> kRoundCaptions{Source{},
                                                      CL_TEXT("Rounds", "1° Turno"),
                                                      CL_TEXT("Rounds", "2° Turno"),
                                                      CL_TEXT("Rounds", "3° Turno"),
                                                      CL_TEXT("Rounds", "Ottavi di finale"),
                                                      CL_TEXT("Rounds", "Quarti di finale"),
                                                      CL_TEXT("Rounds", "Semifinale"),
                                                      CL_TEXT("Rounds", "Finale")};

// The round's name, empty for none and for an index the list does not have.
inline Text roundName(int index) {
    return static_cast<std::size_t>(index) < kRoundCaptions.size()
               ? Text(kRoundCaptions[static_cast<std::size_t>(index)])
               : Text();
}

}  // namespace courtlog
