#pragma once

#include <array>
#include <string>

#include "platform/Text.h"

namespace courtlog {

// What the residual-points question shows; the window draws it, the logic owns the words.
struct ResidualQuestion {
    static constexpr Source Caption = CL_TEXT("Residual", "Attenzione: punti residui !!!");
    static constexpr std::array<Source, 3> Choices{
        CL_TEXT("Residual", "Sovrascrivi il vecchio punto"),
        CL_TEXT("Residual", "Inserisci il nuovo punto"),
        CL_TEXT("Residual", "Cancella i punti residui")};

    Text message;
    // Which of the three choices are offered, by index.
    std::array<bool, 3> offered{true, true, true};
};

// The question for residualPoints later points. A single later point is only overwritten or
// followed by the new one; a full point list cannot take an inserted point.
ResidualQuestion residualQuestion(int residualPoints, bool offerInsert);

}  // namespace courtlog
