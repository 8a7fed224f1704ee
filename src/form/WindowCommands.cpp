// Renaming the players and the tournament.
#include "form/MainForm.h"
#include "storage/Cp1252.h"

namespace courtlog {

namespace {

// The answer of the rename box, or empty when the user cancelled or erased the text. The
// name is kept as typed, blanks included: a match document keeps any character, and a match
// file folds what it cannot hold only when it is written.
std::string askName(Platform& platform, const Text& current) {
    // Whatever bytes arrive, the name is text that every file and report can hold.
    std::string name = wellFormedUtf8(
        platform.inputBox(CL_TEXT("Messages", "Inserire il nuovo nome"),
                          CL_TEXT("Messages", "Cambio nome"), platform.shown(current)));
    // No longer than a match file keeps, in characters: cut before the first one past it.
    int characters = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if ((static_cast<unsigned char>(name[i]) & 0xC0) != 0x80 && ++characters > kMaxTextLength) {
            name.resize(i);
            break;
        }
    }
    return name;
}

}  // namespace

void MainForm::NomeGiocatore_Click(int index) {
    if (index >= 0 && index <= 1) {
        rename(2 * index);
    }
}

void MainForm::Compagno_Click(int index) {
    if (index >= 0 && index <= 1 && session_.rules().doubles) {
        rename(2 * index + 1);
    }
}

void MainForm::rename(int player) {
    const std::string name = askName(platform_, session_.names()[static_cast<std::size_t>(player)]);
    if (!name.empty()) {
        session_.renamePlayer(player, Text::verbatim(name));
        draw();
    }
}

void MainForm::NomeTorneo_Click() {
    const std::string name = askName(platform_, session_.tournament());
    if (!name.empty()) {
        session_.renameTournament(Text::verbatim(name));
        draw();
    }
}

}  // namespace courtlog
