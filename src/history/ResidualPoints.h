#pragma once

#include <array>
#include <string>

namespace courtlog {

// What the residual-points question shows; the window draws it, the logic owns the words.
struct ResidualQuestion {
    static constexpr const char* Caption = "Attenzione: punti residui !!!";
    static constexpr std::array<const char*, 3> Choices{
        "Sovrascrivi il vecchio punto", "Inserisci il nuovo punto", "Cancella i punti residui"};

    std::string message;
    // Which of the three choices are offered, by index.
    std::array<bool, 3> offered{true, true, true};
};

// The question for residualPoints later points. A single later point is only overwritten or
// followed by the new one; a full point list cannot take an inserted point.
ResidualQuestion residualQuestion(int residualPoints, bool offerInsert);

}  // namespace courtlog
