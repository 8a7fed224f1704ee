// The start of a match: scoreboard, statistics, partial score and match state.
#include "form/MainForm.h"
#include "history/Statistics.h"

namespace courtlog {

void MainForm::ResetMatch() {
    // Pending window events are deliberately not processed here: a navigation command handled
    // at that moment would start a replay inside this one.
    CurrentSet = 0;
    MatchSaved = true;
    SetsInMatch = MatchInTreSet.checked() ? 3 : 5;
    GameScroll.setMinimum(0);
    GameScroll.setMaximum(PointCount);
    GameScroll.setValue(CurrentPoint);

    // With no rule checked (a stored rule the menu lacks, a file with none) every set is
    // played out, rather than by whatever rule the window had before.
    TieBreakInSet.fill(false);
    if (TieBreakWhen[1].checked()) {
        for (int i = 0; i <= SetsInMatch - 2; ++i) {
            TieBreakInSet[i] = true;
        }
        TieBreakInSet[SetsInMatch - 1] = false;  // the deciding set is played out
    }
    if (TieBreakWhen[2].checked()) {
        for (int i = 0; i <= 4; ++i) {
            TieBreakInSet[i] = true;
        }
    }

    for (int p = 0; p < 2; ++p) {
        PuntiVinti[p].setCaption("0");
        Aces[p].setCaption("0");
        DoppiFalli[p].setCaption("0");
        ServedPoints[p] = 0;
        FirstServesIn[p] = 0;
        ColpiVincenti[p].setCaption("0");
        ErroriGratuiti[p].setCaption("0");
        FirstServeWon[p] = 0;
        SecondServeWon[p] = 0;
        MatchPointCount[p] = 0;
        SetPointCount[p] = 0;
        Punteggio[p].setCaption("0");
        Games[p].setCaption("0");
        for (int set = 1; set <= 5; ++set) {
            setRow(set)[p].setCaption("0");
            setRow(set)[p].setFore(colours::Black);
            tieBreakRow(set)[p].setCaption("0");
            tieBreakRow(set)[p].setVisible(false);
        }
        BreakAvuti[p].setCaption("0");
        BreakFatti[p].setCaption("0");
        Parziale[p].setCaption("0");
        Punteggio[p].setBack(colours::Cyan);
        SetsWon[p] = 0;
        showServePercentages(p);
    }

    InTieBreak = false;
    MatchOver = false;
    Serve[0].setVisible(true);
    Serve[1].setVisible(false);
    Server = 0;
    SetFirstServer = 0;
    GamesPlayed = 0;
    BreakPointNumber = 0;
    DeuceNumber = 0;
    PalleNuove.setVisible(false);
    BreakPoint.setVisible(false);
    Parità.setVisible(false);
    AnalyseSetAndMatchPoints();
}

}  // namespace courtlog
