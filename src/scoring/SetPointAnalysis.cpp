// How many points each player still needs for the set and the match, with the set-point and
// match-point markers.
#include "form/MainForm.h"

namespace courtlog {

namespace {

// Points to win the current game from the game-score texts s (this player) and t (the other).
int pointsForGame(const std::string& s, const std::string& t) {
    const bool other40 = t == "40";
    if (s == "0") {
        return other40 ? 5 : 4;
    }
    if (s == "15") {
        return other40 ? 4 : 3;
    }
    if (s == "30") {
        return other40 ? 3 : 2;
    }
    if (s == "40") {
        return other40 ? 2 : (t == "AD" ? 3 : 1);
    }
    if (s == "AD") {
        return 1;
    }
    return 0;
}

}  // namespace

void MainForm::AnalyseSetAndMatchPoints() {
    // Switched off from the Opzioni menu, to spare slow machines; switching it on again
    // replays the match, so nothing is lost meanwhile.
    if (DisabilitaPuntiDalMatch.checked()) {
        return;
    }
    for (int i = 0; i < 2; ++i) {
        const int o = 1 - i;
        int game;
        if (InTieBreak) {
            const int m = Punteggio[i].number();
            const int n = Punteggio[o].number();
            game = n < 6 ? 7 - m : n - m + 2;
        } else {
            game = pointsForGame(Punteggio[i].caption(), Punteggio[o].caption());
        }

        int set = game;
        if (!InTieBreak) {
            // Every game counts as four points, a tie-break as seven.
            const int g = Games[i].number();
            const int h = Games[o].number();
            if (h <= 4) {
                set = game + (5 - g) * 4;
            } else if (h == 5) {
                set = game + (6 - g) * 4;
            } else if (TieBreakInSet[CurrentSet]) {
                set = game + (5 - g) * 4 + 7;
            } else {
                set = game + ((h + 1) - g) * 4;
            }
        }
        // A further set takes at least 24 points: six games of four.
        const int match = set + (SetsInMatch / 2 - SetsWon[i]) * 24;

        PuntiDalSet[i].setNumber(set);
        PuntiDalMatch[i].setNumber(match);
        SetPoint[i].setVisible(false);
        PuntiDalSet[i].setBack(colours::Cyan);

        if (match == 0) {
            // Player i has won: nothing is left to play.
            MatchPoint[i].setVisible(false);
            PuntiDalMatch[i].setCaption("W");
            PuntiDalMatch[o].setCaption("L");
            PuntiDalSet[0].setCaption("");
            PuntiDalSet[1].setCaption("");
            PuntiDalMatch[i].setBack(colours::Cyan);
            PuntiDalMatch[o].setBack(colours::Cyan);
            return;
        }
        if (match == 1) {
            PuntiDalMatch[i].setBack(colours::Red);
            ++MatchPointCount[i];
            MatchPoint[i].setCaption("Match Point #" + std::to_string(MatchPointCount[i]));
            MatchPoint[i].setVisible(true);
        } else if (match == 2) {
            MatchPoint[i].setVisible(false);
            PuntiDalMatch[i].setBack(colours::Yellow);
        } else {
            if (set == 1) {
                ++SetPointCount[i];
                SetPoint[i].setCaption("Set Point #" + std::to_string(SetPointCount[i]));
                SetPoint[i].setVisible(true);
                PuntiDalSet[i].setBack(colours::Red);
            }
            MatchPoint[i].setVisible(false);
            PuntiDalMatch[i].setBack(colours::Cyan);
        }
    }
}

}  // namespace courtlog
