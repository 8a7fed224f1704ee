// The start of a match, and the score with its statistics and indicators put into the labels.
#include "form/Captions.h"
#include "form/MainForm.h"
#include "scoring/Scoring.h"

namespace courtlog {

namespace {

void setPair(std::array<Field, 2>& pair, int p, int value) {
    pair[static_cast<std::size_t>(p)].setNumber(value);
}

Colour closenessColour(Closeness c) {
    switch (c) {
        case Closeness::MatchPoint:
            return colours::Red;
        case Closeness::TwoPoints:
            return colours::Yellow;
        case Closeness::Far:
            break;
    }
    return colours::Cyan;
}

}  // namespace

void MainForm::ResetMatch() {
    // Pending window events are deliberately not processed here: a navigation command handled
    // at that moment would start a replay inside this one.
    rules_ = rulesFromMenus();
    position_ = startPosition(rules_);
    GameScroll.setMinimum(0);
    GameScroll.setMaximum(points_.count());
    GameScroll.setValue(points_.current());
    render();
    // The partial of the start of a match, whatever the position says.
    labels.Parziale[0].setNumber(0);
    labels.Parziale[1].setNumber(0);
}

void MainForm::render() {
    renderScoreboard();
    renderIndicators();
    renderStatistics();
    renderPointsNeeded();
    renderPosition();
}

void MainForm::renderScoreboard() {
    const Score& s = score();
    for (int p = 0; p < 2; ++p) {
        Field& points = labels.Punteggio[p];
        points.setCaption(pointCaption(s, p));
        points.setBack(s.breakPointFor == p ? colours::Red : colours::Cyan);
        setPair(labels.Games, p, s.games[p]);
        labels.Serve[p].setVisible(!s.over && s.server == p);
    }
    for (int set = 1; set <= 5; ++set) {
        auto& row = labels.setRow(set);
        auto& tb = labels.tieBreakRow(set);
        const bool finished = set <= s.set;
        const FinishedSet& result = s.finished[static_cast<std::size_t>(set - 1)];
        const int winner = result.games[1] > result.games[0] ? 1 : 0;
        for (int p = 0; p < 2; ++p) {
            row[p].setNumber(finished ? result.games[p] : 0);
            row[p].setFore(finished && p == winner ? colours::Yellow : colours::Black);
            const bool decidedByTieBreak = finished && result.tieBreak;
            tb[p].setNumber(decidedByTieBreak ? result.tieBreakPoints[p] : 0);
            tb[p].setVisible(decidedByTieBreak);
        }
    }
}

void MainForm::renderIndicators() {
    const Score& s = score();
    labels.PalleNuove.setVisible(newBalls(s));
    // A hidden marker keeps the number it last showed.
    labels.BreakPoint.setVisible(s.breakPointFor >= 0);
    if (s.breakPointShown > 0) {
        labels.BreakPoint.setCaption(
            Text(CL_TEXT("Scoreboard", "Break Point # %1")).arg(s.breakPointShown));
    }
    labels.Parità.setVisible(s.deuce);
    if (s.deuceShown > 0) {
        labels.Parità.setCaption(Text(CL_TEXT("Scoreboard", "Parità # %1")).arg(s.deuceShown));
    }
}

void MainForm::renderStatistics() {
    for (int p = 0; p < 2; ++p) {
        const PlayerStatistics c = position_.counts(p);
        setPair(labels.PuntiVinti, p, c.pointsWon);
        setPair(labels.BreakFatti, p, c.breakPointsWon);
        setPair(labels.BreakAvuti, p, c.breakPointsHad);
        setPair(labels.Aces, p, c.aces);
        setPair(labels.DoppiFalli, p, c.doubleFaults);
        setPair(labels.ColpiVincenti, p, c.shots.winners);
        setPair(labels.ErroriGratuiti, p, c.shots.unforcedErrors);
        labels.PercentualePrimePalle[p].setCaption(firstServesText(c));
        labels.PercentualeConPrimaPalla[p].setCaption(firstServeWonText(c));
        labels.PercentualeConSecondaPalla[p].setCaption(secondServeWonText(c));
    }
    // Switched off from the Opzioni menu, to spare slow machines.
    const Pair partial =
        menus.DisabilitaParziale.checked() ? Pair{0, 0} : partialScore(points_.played());
    setPair(labels.Parziale, 0, partial[0]);
    setPair(labels.Parziale, 1, partial[1]);
}

void MainForm::renderPointsNeeded() {
    if (menus.DisabilitaPuntiDalMatch.checked()) {
        // Nothing stale stays on show while the analysis is switched off.
        for (int p = 0; p < 2; ++p) {
            labels.PuntiDalMatch[p].setNumber(0);
            labels.PuntiDalSet[p].setNumber(0);
            labels.PuntiDalMatch[p].setBack(colours::Cyan);
            labels.PuntiDalSet[p].setBack(colours::Cyan);
            labels.SetPoint[p].setVisible(false);
            labels.MatchPoint[p].setVisible(false);
        }
        return;
    }
    const Score& s = score();
    for (int p = 0; p < 2; ++p) {
        const Needs& n = s.needs[p];
        if (s.setPointShown[p] > 0) {
            labels.SetPoint[p].setCaption(
                Text(CL_TEXT("Scoreboard", "Set Point #%1")).arg(s.setPointShown[p]));
        }
        if (s.matchPointShown[p] > 0) {
            labels.MatchPoint[p].setCaption(
                Text(CL_TEXT("Scoreboard", "Match Point #%1")).arg(s.matchPointShown[p]));
        }
        labels.SetPoint[p].setVisible(n.setPoint);
        labels.PuntiDalSet[p].setBack(n.setPoint ? colours::Red : colours::Cyan);
        labels.MatchPoint[p].setVisible(n.matchPointMarker);
        labels.PuntiDalMatch[p].setBack(closenessColour(n.closeness));
        if (s.decidedFor < 0) {
            setPair(labels.PuntiDalSet, p, n.set);
            setPair(labels.PuntiDalMatch, p, n.match);
        } else {
            // Nothing is left to play: the winner and the loser.
            labels.PuntiDalSet[p].setCaption(Text());
            labels.PuntiDalMatch[p].setCaption(p == s.decidedFor ? CL_TEXT("Scoreboard", "W")
                                                                 : CL_TEXT("Scoreboard", "L"));
        }
    }
}

}  // namespace courtlog
