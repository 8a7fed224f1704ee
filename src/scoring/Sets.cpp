// Games into sets, tie-breaks, and the end of the match.
#include "form/MainForm.h"

namespace courtlog {

void MainForm::TieBreakPoint(int w) {
    const int l = 1 - w;
    Punteggio[w].addOne();
    // The first server serves one point, then each player serves two in turn.
    if ((Punteggio[0].number() + Punteggio[1].number()) % 2 == 1) {
        ChangeServer();
    }
    const int mine = Punteggio[w].number();
    if (mine >= 7 && mine - Punteggio[l].number() >= 2) {
        GameWon(w);
    }
}

void MainForm::SetChecks(int w) {
    const int l = 1 - w;
    if (Games[0].number() == 6 && Games[1].number() == 6 && TieBreakInSet[CurrentSet]) {
        // Twelve games played: the player who served first in the set serves first now.
        InTieBreak = true;
    } else if (InTieBreak) {
        // After a tie-break the player who received first in the set serves first next.
        Serve[1 - SetFirstServer].setVisible(true);
        Serve[SetFirstServer].setVisible(false);
        SetWon(w);
    } else if (Games[w].number() >= 6 && Games[w].number() - Games[l].number() >= 2) {
        SetWon(w);
    }
}

void MainForm::SetWon(int w) {
    const int l = 1 - w;
    SetPointCount = {0, 0};
    if (CurrentSet >= 0 && CurrentSet <= 4) {
        auto& row = setRow(CurrentSet + 1);
        row[w].setCaption(Games[w].caption());
        row[l].setCaption(Games[l].caption());
        row[w].setFore(colours::Yellow);
        if (InTieBreak) {
            auto& tb = tieBreakRow(CurrentSet + 1);
            tb[0].setNumber(TieBreakPoints[0]);
            tb[1].setNumber(TieBreakPoints[1]);
            tb[0].setVisible(true);
            tb[1].setVisible(true);
        }
    }
    Games[w].setCaption("0");
    Games[l].setCaption("0");
    ++SetsWon[w];

    // More than half the sets: two of three, three of five.
    if (SetsWon[w] * 2 > SetsInMatch) {
        Serve[0].setVisible(false);
        Serve[1].setVisible(false);
        // Asked once the point is wholly scored, so that it shows over the final scoreboard.
        matchWonBy_ = Replaying ? -1 : w;
        MatchOver = true;
    }

    TieBreakPoints = {0, 0};
    InTieBreak = false;
    Server = SetFirstServer = static_cast<std::int16_t>(Serve[0].visible() ? 0 : 1);
    ++CurrentSet;
}

}  // namespace courtlog
