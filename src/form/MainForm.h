#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "form/Field.h"
#include "form/MatchRecord.h"
#include "form/PointPanel.h"
#include "form/PointWord.h"
#include "platform/Platform.h"

namespace courtlog {

// A label of the window with its control name and, for control arrays, its index (-1 for a
// single control). The view binds widgets by these names; objectName is "Name_i" or "Name".
struct NamedField {
    std::string_view name;
    int index;
    Field* field;

    std::string objectName() const;
    std::string displayName() const;  // "Name(i)" or "Name"
};

// Where the window should put the keyboard focus next.
struct FocusRequest {
    std::string objectName;  // empty: leave the focus where it is
};

// The main window's logic: every label as a Field, the state of the match, and the handlers of
// the window's events. The view forwards each event here and then shows what changed.
class MainForm {
public:
    explicit MainForm(Platform& platform);
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    Platform& platform() { return platform_; }

    // ---- Labels and controls of the window -------------------------------------------------
    Field NomeTorneo;
    std::array<Field, 2> NomeGiocatore;
    std::array<Field, 2> Serve;
    std::array<Field, 2> Punteggio;
    std::array<Field, 2> Games;
    std::array<Field, 2> Set1, Set2, Set3, Set4, Set5;
    std::array<Field, 2> TieBreak1, TieBreak2, TieBreak3, TieBreak4, TieBreak5;

    std::array<Field, 2> FrameStatistiche;
    std::array<Field, 2> PuntiVinti;
    std::array<Field, 2> BreakFatti, BreakAvuti;
    std::array<Field, 2> Aces, DoppiFalli;
    std::array<Field, 2> PercentualePrimePalle;
    std::array<Field, 2> PercentualeConPrimaPalla, PercentualeConSecondaPalla;
    std::array<Field, 2> ColpiVincenti;
    std::array<Field, 2> ErroriGratuiti;
    std::array<Field, 2> PuntiDalSet, PuntiDalMatch;

    std::array<Field, 2> PuntoGiocatore;  // the players' point buttons follow their names
    std::array<Field, 2> Parziale;

    Field PalleNuove;
    Field Parità;
    Field BreakPoint;
    std::array<Field, 2> SetPoint, MatchPoint;

    OptionGroup Servizio{2};
    OptionGroup DirittoRovescio{3};
    OptionGroup Colpo{8};
    OptionGroup ErroreVincente{5};
    OptionGroup Turno{8};
    ScrollBar GameScroll;

    // Menu check marks, as in a fresh window.
    MenuCheck MatchInTreSet{false};
    MenuCheck MatchInCinqueSet{true};
    std::array<MenuCheck, 3> TieBreakWhen{MenuCheck{false}, MenuCheck{true}, MenuCheck{false}};
    MenuCheck DisabilitaParziale{false};
    MenuCheck DisabilitaPuntiDalMatch{false};
    MenuCheck SalvaOpzioniInUscita{false};

    FocusRequest focus;

    // Every label above with its control name, in a fixed order.
    const std::vector<NamedField>& fields() const { return fields_; }
    std::array<Field, 2>& setRow(int set);       // set 1 to 5
    std::array<Field, 2>& tieBreakRow(int set);  // set 1 to 5
    OptionGroup& panel(Panel p);

    // ---- State of the match -----------------------------------------------------------------
    std::array<PointWord, kMaxPoints + 1> PointInfo{};
    std::int16_t PointCount = 0;
    std::int16_t CurrentPoint = 0;

    std::int16_t Server = 0;
    std::int16_t SetFirstServer = 0;
    std::int16_t CurrentSet = 0;
    std::int16_t SetsInMatch = 5;
    std::array<std::int16_t, 2> SetsWon{};
    std::array<bool, 6> TieBreakInSet{};
    bool InTieBreak = false;
    std::array<std::int16_t, 2> TieBreakPoints{};
    std::int16_t GamesPlayed = 0;
    std::int16_t BreakPointNumber = 0;
    std::int16_t DeuceNumber = 0;
    bool ServeOutcomeSet = false;
    bool MatchOver = false;
    bool MatchSaved = true;
    bool Replaying = false;

    // Serve counters behind the three serve percentages, index = player as server.
    std::array<std::int16_t, 2> ServedPoints{};
    std::array<std::int16_t, 2> FirstServesIn{};
    std::array<std::int16_t, 2> FirstServeWon{};
    std::array<std::int16_t, 2> SecondServeWon{};

    // Shared with the residual-points question: the points after the new one, and the answer.
    std::int16_t ResidualPoints = 0;
    std::int16_t ResidualChoice = 0;

    // ---- Point record -----------------------------------------------------------------------
    // Field access by attribute name, for names that arrive as text. An unknown name is a
    // programming error: it is reported and the program ends.
    int EstraiInfo(PointWord word, std::string_view name);
    void CreaInfo(PointWord& word, std::string_view name, int value);
    PointWord& workingWord() { return PointInfo[CurrentPoint]; }

    // ---- Point entry ------------------------------------------------------------------------
    // A selection in the point panel, made by the user or by the program: it runs the group's
    // handler when it changes the selected option.
    void SelectOption(Panel p, int index);
    void Servizio_Click(int index);
    void DirittoRovescio_Click(int index);
    void Colpo_Click(int index);
    void ErroreVincente_Click(int index);
    void AceDoppioFallo_Click(int index);
    // 0 or 1 records a point won by that player; 2 or 3 scores a stored point again.
    void PuntoGiocatore_Click(int index);

    // ---- Games, sets and the match ----------------------------------------------------------
    // One point of a regular game for player w, from the captions of Punteggio.
    void GameStep(int w);
    void GameWon(int w);
    void ChangeServer();
    void UpdateBreakPoint();
    void UpdateDeuce();
    // One point of a tie-break for player w.
    void TieBreakPoint(int w);
    // After a game won by w: a tie-break begins, or the set ends.
    void SetChecks(int w);
    void SetWon(int w);
    void AnalyseSetAndMatchPoints();

    std::array<std::int16_t, 2> SetPointCount{};
    std::array<std::int16_t, 2> MatchPointCount{};

    // ---- Statistics and the partial score ---------------------------------------------------
    void UpdateStatistics(PointWord info);
    // The three serve percentages of player p from the counters behind them.
    void showServePercentages(int p);
    void UpdatePartial();

    // ---- Reset, history and replay -----------------------------------------------------------
    // Back to the start of a match with the recorded points untouched; the number of sets and
    // the tie-break table come from the option menus.
    void ResetMatch();
    // Rebuilds the whole display by scoring the recorded points up to CurrentPoint again.
    void ReplayToCurrentPoint();
    void GameStart_Click();
    void GameUndo_Click();
    void GameRedo_Click();
    void GameEnd_Click();
    void GameScroll_Change(int value);
    void GameClear_Click();
    // Called during every replay just before point k is counted and scored, while the
    // scoreboard shows the position before it; for reports that follow the match.
    std::function<void(int k)> beforeReplayedPoint;

    // ---- Options ----------------------------------------------------------------------------
    void MatchInTreSet_Click();
    void MatchInCinqueSet_Click();
    void TieBreakWhen_Click(int index);
    void DisabilitaParziale_Click();
    void DisabilitaPuntiDalMatch_Click();
    void SalvaOpzioniInUscita_Click();
    // Three or five sets: the number, the check marks and the columns of sets four and five,
    // without any refusal.
    void setSetsInMatch(int sets);

    void SalvaOpzioni_Click();

    // ---- Match file and the window's start and close ------------------------------------------
    void FileSave_Click();
    void FileLoad_Click();
    // Loads the match file at path and shows it at its end; false, with the match on screen
    // untouched, when the file cannot be used. Recoverable faults are reported and the rest
    // loads.
    bool loadMatch(const std::string& path);
    // Puts a match in place of the one on screen and shows it at its end, as loading does.
    void applyMatch(const MatchRecord& match, bool roundValid = true);
    // Before the window is first shown: caption, stored options, the first reset.
    void Form_Load();
    // When the window is first shown: the match named on the command line, or a clean panel.
    void Form_Activate(const std::string& commandLine);
    // When the user closes the window: options saved if asked, an unsaved match offered.
    // False when the window must stay open: the save it offered failed.
    bool Form_Unload();
    // The name the save dialog offers, made from the players, the tournament and the round.
    std::string defaultFileName() const;
    // What a match file keeps of the match on screen.
    MatchRecord matchRecord() const;

    // ---- Window -----------------------------------------------------------------------------
    void NomeGiocatore_Click(int index);
    // A player's name wherever the window shows it: the name label, the title of the
    // statistics frame and the point button.
    void setPlayerName(int player, const std::string& name);
    void NomeTorneo_Click();
    [[noreturn]] void FileExit_Click();
    void HelpInfo_Click();
    void Label3_Click();

    // Entries of the round list, by index.
    static constexpr std::array<const char*, 8> TurnoEntries{
        "",           "1° Turno", "2° Turno", "3° Turno", "Ottavi di finale", "Quarti di finale",
        "Semifinale", "Finale"};

    // The window's caption, set by the load step.
    std::string Caption;
    // The command line while the start-up step loads it; empty at all other times.
    std::string MatchFileName;

    // Shows a stored word in the point panel without running the selection handlers, so the
    // word stays exactly as stored.
    void showWordInPanel(PointWord word);
    // The working slot has become another slot (or was refilled): remember what it holds, so
    // that inserting a point before it keeps that point.
    void workingSlotChanged() { workingSlotStored_ = PointInfo[CurrentPoint]; }

private:
    void buildFieldList();
    // Stops a point that would take the list past its capacity; true when refused.
    bool refuseWhenFull();
    void keepPointListInOrder();
    // Steps that run for recorded and replayed points alike.
    void scorePoint(int w);

    Platform& platform_;
    std::vector<NamedField> fields_;
    PointWord workingSlotStored_ = 0;
    // The winner of a match that the point being scored has just ended, until the question
    // about saving it is asked; -1 otherwise.
    int matchWonBy_ = -1;
    // The last save the user chose a file for could not be written.
    bool saveFailed_ = false;
    // During a replay every point would compute the partial score of the same position, so it
    // is computed once at the end instead.
    bool partialDeferred_ = false;
};

}  // namespace courtlog
