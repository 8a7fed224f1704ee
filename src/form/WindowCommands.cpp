// Renaming the players and the tournament, the about box, and leaving from the File menu.
#include "form/MainForm.h"
#include "storage/Cp1252.h"

namespace courtlog {

namespace {

// The answer of the rename box, or empty when the user cancelled or erased the text. The
// name is kept as typed (blanks included) except for characters that a match file cannot hold.
std::string askName(Platform& platform, const Text& current) {
    std::string name = foldToCp1252(platform.inputBox(CL_TEXT("Messages", "Inserire il nuovo nome"),
                                                      CL_TEXT("Messages", "Cambio nome"),
                                                      platform.shown(current)));
    // A match file holds at most this many characters per name.
    if (utf8ToCp1252(name).size() > static_cast<std::size_t>(kMaxTextLength)) {
        name = cp1252ToUtf8(utf8ToCp1252(name).substr(0, kMaxTextLength));
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
