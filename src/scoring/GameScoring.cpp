// Points into games: 15, 30, 40, deuce and advantage, with the break-point and deuce displays.
#include "form/MainForm.h"

namespace courtlog {

namespace {

bool isBelow40(const std::string& s) {
    return s == "0" || s == "15" || s == "30";
}

}  // namespace

void MainForm::GameStep(int w) {
    const int l = 1 - w;
    const std::string s = Punteggio[w].caption();
    const std::string& t = Punteggio[l].caption();
    if (s == "0") {
        Punteggio[w].setCaption("15");
    } else if (s == "15") {
        Punteggio[w].setCaption("30");
    } else if (s == "30") {
        Punteggio[w].setCaption("40");
    } else if (s == "40") {
        if (t == "40") {
            Punteggio[w].setCaption("AD");
        } else if (t == "AD") {
            Punteggio[l].setCaption("40");  // deuce again
        } else {
            GameWon(w);
        }
    } else if (s == "AD") {
        GameWon(w);
    }
}

void MainForm::GameWon(int w) {
    if (InTieBreak) {
        TieBreakPoints[0] = static_cast<std::int16_t>(Punteggio[0].number());
        TieBreakPoints[1] = static_cast<std::int16_t>(Punteggio[1].number());
    }
    Punteggio[0].setCaption("0");
    Punteggio[1].setCaption("0");
    BreakPointNumber = 0;
    DeuceNumber = 0;
    ChangeServer();
    Games[w].addOne();
    ++GamesPlayed;
    // The colour still shows the break point that stood before this game's last point.
    if (Punteggio[w].back() == colours::Red) {
        BreakFatti[w].addOne();
    }
    // New balls after the 7th game of the match and every 9 games after it.
    PalleNuove.setVisible(GamesPlayed == 7 || (GamesPlayed > 7 && (GamesPlayed - 7) % 9 == 0));
    SetChecks(w);
}

void MainForm::ChangeServer() {
    Serve[Server].setVisible(false);
    Serve[1 - Server].setVisible(true);
    Server = static_cast<std::int16_t>(1 - Server);
}

void MainForm::UpdateBreakPoint() {
    BreakPoint.setVisible(false);
    Punteggio[0].setBack(colours::Cyan);
    Punteggio[1].setBack(colours::Cyan);
    for (int i = 0; i < 2; ++i) {
        if (!Serve[i].visible()) {
            continue;
        }
        const int r = 1 - i;
        const std::string& server = Punteggio[i].caption();
        const std::string& receiver = Punteggio[r].caption();
        if ((isBelow40(server) && receiver == "40") || (server == "40" && receiver == "AD")) {
            BreakPoint.setVisible(true);
            BreakAvuti[r].addOne();
            Punteggio[r].setBack(colours::Red);
        }
    }
    if (BreakPoint.visible()) {
        ++BreakPointNumber;
        BreakPoint.setCaption("Break Point # " + std::to_string(BreakPointNumber));
    }
}

void MainForm::UpdateDeuce() {
    Parità.setVisible(Punteggio[0].caption() == "40" && Punteggio[1].caption() == "40");
    if (Parità.visible()) {
        ++DeuceNumber;
        Parità.setCaption("Parità # " + std::to_string(DeuceNumber));
    }
}

}  // namespace courtlog
