// Renaming the players and the tournament, the about box, and leaving from the File menu.
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
    const std::string name = askName(platform_, labels.NomeGiocatore[index].text());
    if (name.empty()) {
        return;
    }
    setPlayerName(index, Text::verbatim(name));
    changed(ChangeKind::Name, points_.current());
}

void MainForm::setPlayerName(int player, const Text& name) {
    labels.NomeGiocatore[player].setCaption(name);
    labels.FrameStatistiche[player].setCaption(
        Text(CL_TEXT("Scoreboard", "Statistiche %1")).arg(name));
    labels.PuntoGiocatore[player].setCaption(name);
}

void MainForm::NomeTorneo_Click() {
    const std::string name = askName(platform_, labels.NomeTorneo.text());
    if (!name.empty()) {
        labels.NomeTorneo.setCaption(Text::verbatim(name));
        changed(ChangeKind::Name, points_.current());
    }
}

void MainForm::FileExit_Click() {
    platform_.endProgram();
}

void MainForm::HelpInfo_Click() {
    platform_.showAbout();
}

void MainForm::Label3_Click() {
    platform_.showAbout();
}

}  // namespace courtlog
