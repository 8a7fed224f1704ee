#pragma once

#include <array>

#include "platform/Text.h"

namespace courtlog {

// The rounds of a tournament a match may be in, by the index a match file and a document keep;
// the first is none.
inline constexpr std::array<Source, 8> kRounds{Source{},
                                               CL_TEXT("Rounds", "1° Turno"),
                                               CL_TEXT("Rounds", "2° Turno"),
                                               CL_TEXT("Rounds", "3° Turno"),
                                               CL_TEXT("Rounds", "Ottavi di finale"),
                                               CL_TEXT("Rounds", "Quarti di finale"),
                                               CL_TEXT("Rounds", "Semifinale"),
                                               CL_TEXT("Rounds", "Finale")};

// Whether a match file's or a document's round is one of the list.
constexpr bool isRound(long long index) {
    return index >= 0 && index < static_cast<long long>(kRounds.size());
}

// The round's name, empty for none and for an index the list does not have.
inline Text roundName(int index) {
    return isRound(index) ? Text(kRounds[static_cast<std::size_t>(index)]) : Text();
}

}  // namespace courtlog
