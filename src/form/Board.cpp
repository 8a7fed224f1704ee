// The labels of the window, drawn from the score, the statistics and the position.
#include "form/Board.h"

#include "form/Captions.h"
#include "scoring/Scoring.h"

namespace courtlog {

std::string NamedField::objectName() const {
    std::string s(name);
    if (index >= 0) {
        s += '_';
        s += std::to_string(index);
    }
    return s;
}

std::string NamedField::displayName() const {
    std::string s(name);
    if (index >= 0) {
        s += '(';
        s += std::to_string(index);
        s += ')';
    }
    return s;
}

namespace {

void initPair(std::array<Field, 2>& pair, const Text& caption, Colour back,
              Colour fore = colours::Black, bool visible = true) {
    for (Field& f : pair) {
        f = Field(caption, back, fore, visible);
    }
}

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

Board::Board() {
    using namespace colours;
    const Text none, zero = Text::number(0);
    NomeTorneo = Field(kDefaultTournament, LightGreen);
    initPair(NomeGiocatore, none, Yellow);
    initPair(Compagno, none, Yellow, Black, false);
    // The marker of the server is a coloured block without text.
    initPair(Serve, none, Red);
    initPair(Punteggio, zero, Cyan);
    initPair(Games, zero, Teal);
    for (int set = 1; set <= 5; ++set) {
        initPair(setRow(set), zero, Teal);
        initPair(tieBreakRow(set), zero, Teal);
    }
    initPair(FrameStatistiche, none, LightGreen);
    for (auto* row : {&PuntiVinti, &BreakFatti, &BreakAvuti, &Aces, &DoppiFalli, &ColpiVincenti,
                      &ErroriGratuiti, &PuntiDalSet, &PuntiDalMatch, &Parziale}) {
        initPair(*row, zero, Cyan);
    }
    // The serve percentages are worked out from their counters when the board is drawn.
    initPair(PercentualePrimePalle, none, Cyan);
    initPair(PercentualeConPrimaPalla, none, Cyan);
    initPair(PercentualeConSecondaPalla, none, Cyan);
    initPair(PuntoGiocatore, none, LightOrange);
    // What shows and what is hidden is the score's to say, when the board is drawn; a marker
    // keeps its caption until it has a number to show.
    PalleNuove = Field(newBallsCaption(), Green, Blue);
    Parità = Field(deuceCaption(0), Green, Blue);
    BreakPoint = Field(breakPointCaption(0), Red, Blue);
    initPair(SetPoint, setPointCaption(0), Red, Blue);
    initPair(MatchPoint, matchPointCaption(0), Red, Blue);
    Posizione = Field(none, LightGreen);
    Vincitore = Field(none, Yellow, Black, false);
    buildFieldList();
}

std::array<Field, 2>& Board::setRow(int set) {
    std::array<std::array<Field, 2>*, 5> rows{&Set1, &Set2, &Set3, &Set4, &Set5};
    return *rows.at(static_cast<std::size_t>(set - 1));
}

const std::array<Field, 2>& Board::setRow(int set) const {
    return const_cast<Board*>(this)->setRow(set);
}

std::array<Field, 2>& Board::tieBreakRow(int set) {
    std::array<std::array<Field, 2>*, 5> rows{&TieBreak1, &TieBreak2, &TieBreak3, &TieBreak4,
                                              &TieBreak5};
    return *rows.at(static_cast<std::size_t>(set - 1));
}

const std::array<Field, 2>& Board::tieBreakRow(int set) const {
    return const_cast<Board*>(this)->tieBreakRow(set);
}

void Board::buildFieldList() {
    auto single = [this](std::string_view name, Field& f) { fields_.push_back({name, -1, &f}); };
    auto pair = [this](std::string_view name, std::array<Field, 2>& a) {
        fields_.push_back({name, 0, &a[0]});
        fields_.push_back({name, 1, &a[1]});
    };
    single("NomeTorneo", NomeTorneo);
    pair("NomeGiocatore", NomeGiocatore);
    pair("Serve", Serve);
    pair("Punteggio", Punteggio);
    pair("Games", Games);
    pair("Set1", Set1);
    pair("Set2", Set2);
    pair("Set3", Set3);
    pair("Set4", Set4);
    pair("Set5", Set5);
    pair("TieBreak1", TieBreak1);
    pair("TieBreak2", TieBreak2);
    pair("TieBreak3", TieBreak3);
    pair("TieBreak4", TieBreak4);
    pair("TieBreak5", TieBreak5);
    pair("FrameStatistiche", FrameStatistiche);
    pair("PuntiVinti", PuntiVinti);
    pair("BreakFatti", BreakFatti);
    pair("BreakAvuti", BreakAvuti);
    pair("Aces", Aces);
    pair("DoppiFalli", DoppiFalli);
    pair("PercentualePrimePalle", PercentualePrimePalle);
    pair("PercentualeConPrimaPalla", PercentualeConPrimaPalla);
    pair("PercentualeConSecondaPalla", PercentualeConSecondaPalla);
    pair("ColpiVincenti", ColpiVincenti);
    pair("ErroriGratuiti", ErroriGratuiti);
    pair("PuntiDalSet", PuntiDalSet);
    pair("PuntiDalMatch", PuntiDalMatch);
    pair("PuntoGiocatore", PuntoGiocatore);
    pair("Parziale", Parziale);
    single("PalleNuove", PalleNuove);
    single("Parità", Parità);
    single("BreakPoint", BreakPoint);
    pair("SetPoint", SetPoint);
    pair("MatchPoint", MatchPoint);
    single("Posizione", Posizione);
}

void Board::draw(const BoardState& state) {
    drawNames(state);
    drawScoreboard(state.position->score, *state.rules);
    drawIndicators(state.position->score);
    drawStatistics(state);
    drawPointsNeeded(state);
    drawPosition(state);
    drawWinner(state);
}

void Board::drawNames(const BoardState& s) {
    NomeTorneo.setCaption(s.tournament);
    for (int p = 0; p < 2; ++p) {
        const Text& name = s.players[static_cast<std::size_t>(p)];
        const bool doubles = s.rules != nullptr && s.rules->doubles;
        NomeGiocatore[p].setCaption(doubles ? s.names[2 * static_cast<std::size_t>(p)] : name);
        Compagno[p].setCaption(doubles ? s.names[2 * static_cast<std::size_t>(p) + 1] : Text());
        Compagno[p].setVisible(doubles);
        serving = doubles ? s.serving : -1;
        FrameStatistiche[p].setCaption(statisticsTitle(name));
        PuntoGiocatore[p].setCaption(name);
    }
}

void Board::drawScoreboard(const Score& s, const Rules& rules) {
    for (int p = 0; p < 2; ++p) {
        Field& points = Punteggio[p];
        points.setCaption(pointCaption(s, p));
        points.setBack(s.breakPointFor == p ? colours::Red : colours::Cyan);
        setPair(Games, p, s.games[p]);
        Serve[p].setVisible(!s.over && s.server == p);
    }
    for (int set = 1; set <= 5; ++set) {
        auto& row = setRow(set);
        auto& tb = tieBreakRow(set);
        const bool finished = set <= s.set;
        const FinishedSet& result = s.finished[static_cast<std::size_t>(set - 1)];
        const int winner = result.games[1] > result.games[0] ? 1 : 0;
        for (int p = 0; p < 2; ++p) {
            row[p].setNumber(finished ? result.games[p] : 0);
            row[p].setFore(finished && p == winner ? colours::Yellow : colours::Black);
            // The columns of the sets a match does not have stay empty.
            row[p].setVisible(set <= rules.setsInMatch);
            const bool decidedByTieBreak = finished && result.tieBreak;
            tb[p].setNumber(decidedByTieBreak ? result.tieBreakPoints[p] : 0);
            tb[p].setVisible(decidedByTieBreak);
        }
    }
}

void Board::drawIndicators(const Score& s) {
    PalleNuove.setVisible(newBalls(s));
    // A hidden marker keeps the number it last showed.
    BreakPoint.setVisible(s.breakPointFor >= 0);
    if (s.breakPointShown > 0) {
        BreakPoint.setCaption(breakPointCaption(s.breakPointShown));
    }
    Parità.setVisible(s.deuce);
    if (s.deuceShown > 0) {
        Parità.setCaption(deuceCaption(s.deuceShown));
    }
}

void Board::drawStatistics(const BoardState& s) {
    for (int p = 0; p < 2; ++p) {
        const PlayerStatistics c = s.position->counts(p);
        setPair(PuntiVinti, p, c.pointsWon);
        setPair(BreakFatti, p, c.breakPointsWon);
        setPair(BreakAvuti, p, c.breakPointsHad);
        setPair(Aces, p, c.aces);
        setPair(DoppiFalli, p, c.doubleFaults);
        setPair(ColpiVincenti, p, c.shots.winners);
        setPair(ErroriGratuiti, p, c.shots.unforcedErrors);
        PercentualePrimePalle[p].setCaption(firstServesText(c));
        PercentualeConPrimaPalla[p].setCaption(firstServeWonText(c));
        PercentualeConSecondaPalla[p].setCaption(secondServeWonText(c));
    }
    // Switched off from the Opzioni menu, to spare slow machines.
    const Pair partial = s.partialOff ? Pair{0, 0} : partialScore(s.played);
    setPair(Parziale, 0, partial[0]);
    setPair(Parziale, 1, partial[1]);
}

void Board::drawPointsNeeded(const BoardState& state) {
    if (state.pointsNeededOff) {
        // Nothing stale stays on show while the analysis is switched off.
        for (int p = 0; p < 2; ++p) {
            PuntiDalMatch[p].setNumber(0);
            PuntiDalSet[p].setNumber(0);
            PuntiDalMatch[p].setBack(colours::Cyan);
            PuntiDalSet[p].setBack(colours::Cyan);
            SetPoint[p].setVisible(false);
            MatchPoint[p].setVisible(false);
        }
        return;
    }
    const Score& s = state.position->score;
    for (int p = 0; p < 2; ++p) {
        const Needs& n = s.needs[p];
        if (s.setPointShown[p] > 0) {
            SetPoint[p].setCaption(setPointCaption(s.setPointShown[p]));
        }
        if (s.matchPointShown[p] > 0) {
            MatchPoint[p].setCaption(matchPointCaption(s.matchPointShown[p]));
        }
        SetPoint[p].setVisible(n.setPoint);
        PuntiDalSet[p].setBack(n.setPoint ? colours::Red : colours::Cyan);
        MatchPoint[p].setVisible(n.matchPointMarker);
        PuntiDalMatch[p].setBack(closenessColour(n.closeness));
        if (s.decidedFor < 0) {
            setPair(PuntiDalSet, p, n.set);
            setPair(PuntiDalMatch, p, n.match);
        } else {
            // Nothing is left to play: the winner and the loser.
            PuntiDalSet[p].setCaption(Text());
            PuntiDalMatch[p].setCaption(decidedCaption(p == s.decidedFor));
        }
    }
}

void Board::drawPosition(const BoardState& s) {
    const int current = static_cast<int>(s.played.size());
    const bool history = current != s.count;
    if (!history && s.position->score.over) {
        Posizione.setCaption(CL_TEXT("Position", "Partita finita"));
    } else {
        Text where = Text(CL_TEXT("Position", "Punto %1 di %2")).arg(current).arg(s.count);
        Posizione.setCaption(history ? Text(CL_TEXT("Position", "%1 (storico)")).arg(where)
                                     : where);
    }
    Posizione.setBack(history ? colours::Yellow : colours::LightGreen);
}

void Board::drawWinner(const BoardState& s) {
    const Score& score = s.position->score;
    Vincitore.setVisible(score.over);
    if (!score.over) {
        return;
    }
    const int w = score.sets[1] > score.sets[0] ? 1 : 0;
    // A doubles side is two players, and wins in the plural.
    const bool doubles = s.rules != nullptr && s.rules->doubles;
    Vincitore.setCaption(Text(doubles ? CL_TEXT("Scoreboard", "Vincono %1 %2-%3")
                                      : CL_TEXT("Scoreboard", "Vince %1 %2-%3"))
                             .arg(s.players[static_cast<std::size_t>(w)])
                             .arg(score.sets[w])
                             .arg(score.sets[1 - w]));
}

}  // namespace courtlog
