// Renaming the players and the tournament, and leaving the program from the File menu.
#include "scoring/MainForm.h"
#include "storage/Cp1252.h"

namespace courtlog {

namespace {

// The answer of the rename box, or empty when the user cancelled or erased the text. The
// name is kept as typed (blanks included) except for characters that a match file cannot hold.
std::string askName(Platform& platform, const std::string& current) {
    const std::string answer = platform.inputBox("Inserire il nuovo nome", "Cambio nome", current);
    return answer.empty() ? answer : foldToCp1252(answer);
}

}  // namespace

void MainForm::NomeGiocatore_Click(int index) {
    const std::string name = askName(platform_, NomeGiocatore[index].caption());
    if (name.empty()) {
        return;
    }
    NomeGiocatore[index].setCaption(name);
    FrameStatistiche[index].setCaption("Statistiche " + name);
    PuntoGiocatore[index].setCaption(name);
}

void MainForm::NomeTorneo_Click() {
    const std::string name = askName(platform_, NomeTorneo.caption());
    if (!name.empty()) {
        NomeTorneo.setCaption(name);
    }
}

void MainForm::FileExit_Click() { platform_.endProgram(); }

}  // namespace courtlog
