#pragma once

#include <algorithm>
#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "form/Field.h"
#include "form/PointPanel.h"
#include "history/MatchRecord.h"
#include "history/PointList.h"
#include "history/Replay.h"
#include "history/UndoHistory.h"
#include "platform/Platform.h"
#include "scoring/PointWord.h"
#include "scoring/Rules.h"
#include "storage/FileAccess.h"

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

// The main window's logic: every label as a Field, the match behind them, and the handlers of
// the window's events. The view forwards each event here and then shows what changed. The
// match itself is a point list and the engine's score; after every step the form renders the
// score into its labels, and nothing reads a label back.
class MainForm {
public:
    explicit MainForm(Platform& platform);
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    Platform& platform() { return platform_; }

    // ---- Labels and controls of the window -------------------------------------------------
    struct Labels {
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

        // Where the user stands: "Punto N di M", highlighted in the history, or the end.
        Field Posizione;

        std::array<Field, 2>& setRow(int set);       // set 1 to 5
        std::array<Field, 2>& tieBreakRow(int set);  // set 1 to 5
        const std::array<Field, 2>& setRow(int set) const;
        const std::array<Field, 2>& tieBreakRow(int set) const;
    };
    Labels labels;

    OptionGroup Servizio{2};
    OptionGroup DirittoRovescio{3};
    OptionGroup Colpo{8};
    OptionGroup ErroreVincente{5};
    OptionGroup Turno{8};
    ScrollBar GameScroll;

    // Menu check marks, as in a fresh window.
    struct Menus {
        MenuCheck MatchInTreSet{false};
        MenuCheck MatchInCinqueSet{true};
        std::array<MenuCheck, 3> TieBreakWhen{MenuCheck{false}, MenuCheck{true}, MenuCheck{false}};
        // How the deciding set ends, in the order of kDecidingSets.
        std::array<MenuCheck, 5> SetDecisivo{MenuCheck{true}, MenuCheck{false}, MenuCheck{false},
                                             MenuCheck{false}, MenuCheck{false}};
        MenuCheck KillerPoint{false};
        MenuCheck OraDeiPunti{false};
        // Player A, player B.
        std::array<MenuCheck, 2> PrimoAlServizio{MenuCheck{true}, MenuCheck{false}};
        MenuCheck DisabilitaParziale{false};
        MenuCheck DisabilitaPuntiDalMatch{false};
        MenuCheck SalvaOpzioniInUscita{false};
        // Italian, English.
        std::array<MenuCheck, 2> Lingua{MenuCheck{true}, MenuCheck{false}};
    };
    Menus menus;

    FocusRequest focus;

    // The band under the menu bar: the recovery file that cannot be written, for as long as it
    // cannot, or a match another window holds, until the user closes it.
    Notice Avviso;
    void Avviso_Close();

    // Every label above with its control name, in a fixed order.
    const std::vector<NamedField>& fields() const { return fields_; }
    OptionGroup& panel(Panel p);

    // ---- The match --------------------------------------------------------------------------
    const PointList& points() const { return points_; }
    // The score and statistics at the current position.
    const Position& position() const { return position_; }
    const Score& score() const { return position_.score; }
    // The detailed statistics of the points before the position, the match and each set.
    MatchStatistics statistics() const {
        return statisticsOf(points_.played(),
                            points_.recordedTimes().first(static_cast<std::size_t>(
                                std::min(points_.current(), points_.count()))),
                            rules_);
    }
    // The rules the score was reckoned by: the option menus at the last reset.
    const Rules& rules() const { return rules_; }
    // The rules the option menus stand for, which the next replay takes.
    Rules rulesFromMenus() const;
    bool matchSaved() const { return matchSaved_; }
    // The answer to the last residual-points question.
    ResidualAnswer residualChoice() const { return residualChoice_; }
    // The window's caption, set by the load step.
    const Text& caption() const { return caption_; }

    // ---- Point record -----------------------------------------------------------------------
    // Field access by attribute name, for names that arrive as text. An unknown name is a
    // programming error: it is reported and the program ends.
    int EstraiInfo(PointWord word, std::string_view name);
    void CreaInfo(PointWord& word, std::string_view name, int value);

    // ---- Point entry ------------------------------------------------------------------------
    // A selection in the point panel, made by the user or by the program: it runs the group's
    // handler when it changes the selected option.
    void SelectOption(Panel p, int index);
    void Servizio_Click(int index);
    void DirittoRovescio_Click(int index);
    void Colpo_Click(int index);
    void ErroreVincente_Click(int index);
    void AceDoppioFallo_Click(int index);
    // Records a point won by player 0 or 1.
    void PuntoGiocatore_Click(int index);

    // ---- Reset, history and replay -----------------------------------------------------------
    // Back to the start of a match with the recorded points untouched; the number of sets and
    // the tie-break rule come from the option menus.
    void ResetMatch();
    // Rebuilds the whole display by scoring the recorded points up to the position again.
    void ReplayToCurrentPoint();
    // Moves to a position of the history, from 0 to the number of points; another number
    // changes nothing.
    void goTo(int point);
    void GameStart_Click();
    void GameUndo_Click();
    void GameRedo_Click();
    void GameEnd_Click();
    void GameScroll_Change(int value);
    void GameClear_Click();
    // Removes the point the scoreboard shows as the last one played and shows the position
    // before it; nothing at the start.
    void GameDelete_Click();
    bool canDeletePoint() const { return points_.current() > 0; }
    void Turno_Click(int index);

    // ---- Undo and redo ----------------------------------------------------------------------
    // Every change to the match can be taken back and made again, with the position the user
    // stood at.
    void EditUndo_Click();
    void EditRedo_Click();
    // "Annulla punto", "Ripeti nome"...; "Annulla" and "Ripeti" when there is nothing.
    Text undoCaption() const;
    Text redoCaption() const;
    bool canUndo() const { return undo_.nextUndo().has_value(); }
    bool canRedo() const { return undo_.nextRedo().has_value(); }
    // A short word for the user that the view shows for a moment where the position is,
    // never in a box; taking it clears it.
    std::optional<Text> takeNotice() { return std::exchange(notice_, std::nullopt); }

    // ---- Options ----------------------------------------------------------------------------
    void MatchInTreSet_Click();
    void MatchInCinqueSet_Click();
    void TieBreakWhen_Click(int index);
    // The rules of the match itself: each rescores the recorded points, and is refused when a
    // set already completed would end differently.
    void SetDecisivo_Click(int index);
    void KillerPoint_Click();
    // Who serves first. The points marked as won or lost on the serve stay with the serve.
    void PrimoAlServizio_Click(int index);
    // The user's choice: a match loaded with times goes on timing its points and shows the
    // mark, but the choice, which "Salva le opzioni" stores, stays the user's.
    void OraDeiPunti_Click();
    bool timingChosen() const { return timingChosen_; }
    void DisabilitaParziale_Click();
    void DisabilitaPuntiDalMatch_Click();
    void SalvaOpzioniInUscita_Click();
    void SalvaOpzioni_Click();
    // Chooses the window's language and stores the choice at once.
    void Lingua_Click(int index);
    // Chooses it for this run only, as the command line may; the stored choice stays.
    void useLanguageForRun(int index);
    // The index of the language the window speaks.
    int language() const { return menus.Lingua[1].checked() ? 1 : 0; }

    // ---- Match file and the window's start and close ------------------------------------------
    void FileSave_Click();
    // Saves to the file the match came from or was last saved to, without a dialog; as
    // FileSave_Click when there is none, or when that match file cannot hold the match.
    void FileSaveCurrent_Click();
    // The file the match came from or was last saved to; empty for none.
    const std::string& currentFile() const { return currentFile_; }
    // This window's recovery file, once it has written one.
    const std::string& recoveryFile() const { return recoveryPath_; }
    void FileLoad_Click();
    // Loads the match file at path and shows it at its end; false, with the match on screen
    // untouched, when the file cannot be used. Recoverable faults are reported and the rest
    // loads.
    bool loadMatch(const std::string& path);
    // Puts a match in place of the one on screen and shows it at its end, as loading does.
    void applyMatch(const MatchRecord& match, bool roundValid = true);
    // Before the window is first shown: caption, stored options, the first reset.
    void Form_Load();
    // When the window is first shown: a match left by a window that died, offered back; else
    // the match named on the command line, or a clean panel.
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
    void setPlayerName(int player, const Text& name);
    void NomeTorneo_Click();
    [[noreturn]] void FileExit_Click();
    void HelpInfo_Click();
    void Label3_Click();

    // Entries of the round list, by index.
    static constexpr std::array<Source, 8> TurnoEntries{Source{},
                                                        CL_TEXT("Rounds", "1° Turno"),
                                                        CL_TEXT("Rounds", "2° Turno"),
                                                        CL_TEXT("Rounds", "3° Turno"),
                                                        CL_TEXT("Rounds", "Ottavi di finale"),
                                                        CL_TEXT("Rounds", "Quarti di finale"),
                                                        CL_TEXT("Rounds", "Semifinale"),
                                                        CL_TEXT("Rounds", "Finale")};
    // The round's name, empty for none and for an index the list does not have.
    static Text roundName(int index);

private:
    void buildFieldList();
    // The match as it stands, with the position and the names as shown.
    MatchMoment moment() const;
    // Puts a match in place of the one on screen, at its position, as a load does.
    void putMatch(const MatchMoment& m, bool roundValid);
    // After every change to the match: the step to undo it, the saved state, the recovery
    // file. `from` is the position the user stood at before it.
    void changed(ChangeKind kind, int from);
    // Goes to a moment of the undo history.
    void goBackTo(const MatchMoment& m);
    // The match now on screen is the one in `file` (none: nobody saved it): nothing to undo.
    void startAfresh(bool saved);
    // The recovery file: the whole match after each change, nothing once it is saved.
    void writeRecovery();
    void removeRecovery();
    // The folder of the recovery files, made if need be; empty when this platform keeps none or
    // it cannot be made, which the notice then says.
    std::string usableRecoveryFolder();
    // The recovery file cannot be written, where and why: said in the notice until it can.
    void recoveryOff(const Text& notice);
    // Offers back the matches of windows that died; true when one was taken.
    bool offerRecovery();
    // Writes the match to a file in the chosen format; false, with the reason told, on failure.
    bool writeMatchTo(const std::string& path, const std::string& title, bool asDocument,
                      const MatchRecord& record);
    void renderPosition();
    // Stops a point that would take the list past its capacity; true when refused.
    bool refuseWhenFull();
    void keepPointListInOrder(int laterPoints);
    // Shows a stored word in the point panel without running the selection handlers, so the
    // word stays exactly as stored.
    void showWordInPanel(PointWord word);
    // The working slot has become another slot (or was refilled): remember what it holds, so
    // that inserting a point before it keeps that point.
    void workingSlotChanged() {
        workingSlotStored_ = points_.working();
        workingSlotStoredTime_ = points_.workingTime();
    }
    // The time a point recorded now keeps: milliseconds since the first timed point of the
    // match, which this may be; none while the times are not recorded.
    std::int64_t timeOfNewPoint();
    // Three or five sets: the check marks and the columns of sets four and five.
    void setSetsInMatch(int sets);
    // The check marks that show these rules.
    void showRules(const Rules& rules);
    // Rescores the recorded points, now these words, by these rules, unless a set already
    // completed would end differently: then it says so and changes nothing. True when done.
    bool rescore(const Rules& next, std::span<const PointWord> words);

    // The score, the statistics, the partial and the indicators into the labels.
    void render();
    void renderScoreboard();
    void renderIndicators();
    void renderStatistics();
    void renderPointsNeeded();

    Platform& platform_;
    std::vector<NamedField> fields_;

    PointList points_;
    Rules rules_;
    Position position_;
    bool matchSaved_ = true;
    // The serve-outcome buttons have filled the working word of the point being recorded.
    bool serveOutcomeSet_ = false;
    ResidualAnswer residualChoice_ = ResidualAnswer::Overwrite;
    PointWord workingSlotStored_ = 0;
    std::int64_t workingSlotStoredTime_ = kNoTime;
    // The moment of the first timed point, in milliseconds since 1970 UTC.
    std::optional<std::int64_t> start_;
    // The last save the user chose a file for could not be written.
    bool saveFailed_ = false;
    Text caption_;
    // What the loaded document held that this program does not read, for the next save.
    std::string unknown_;
    // The command line while the start-up step loads it; empty at all other times.
    std::string matchFileName_;

    UndoHistory undo_;
    // The match after the last change, and as last saved or loaded (none: never saved).
    MatchMoment last_;
    std::optional<MatchRecord> saved_;
    std::string currentFile_;
    bool currentFileIsDocument_ = false;
    // The file a recovered match came from, offered by the save dialog until a save.
    std::string suggestedFile_;
    const std::string& fileOfMatch() const {
        return currentFile_.empty() ? suggestedFile_ : currentFile_;
    }
    // The recovery file is written once the start-up step has offered back what it found.
    bool recoveryArmed_ = false;
    std::string recoveryPath_;
    // The notice says that the recovery file cannot be written.
    bool recoveryOff_ = false;
    // The file as this window last loaded or saved it, to see whether another wrote it since.
    std::optional<FileFingerprint> fileOnDisk_;
    bool timingChosen_ = false;
    std::optional<Text> notice_;
};

}  // namespace courtlog
