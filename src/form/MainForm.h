#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "form/Board.h"
#include "form/Field.h"
#include "form/PointPanel.h"
#include "form/VideoPlaylist.h"
#include "history/MatchRecord.h"
#include "history/MatchSession.h"
#include "platform/Platform.h"
#include "scoring/Rules.h"
#include "storage/FileAccess.h"

namespace courtlog {

class RecoveryCopy;

// Where the window should put the keyboard focus next: the view moves it when the request is
// new.
class FocusRequest : public Dirty {
public:
    const std::string& objectName() const { return objectName_; }
    void request(std::string objectName) {
        objectName_ = std::move(objectName);
        touch();
    }

private:
    std::string objectName_;  // empty: leave the focus where it is
};

// The check marks of the Opzioni menu that are the user's choices, not the match's.
enum class Switch {
    OraDeiPunti,
    DisabilitaParziale,
    DisabilitaPuntiDalMatch,
    SalvaOpzioniInUscita
};

// Menu check marks, as the window draws them.
struct Menus {
    // The items of the rules, by row of the rule table and by choice.
    std::vector<std::vector<MenuCheck>> rules = ruleItems();
    MenuCheck OraDeiPunti{false};
    MenuCheck DisabilitaParziale{false};
    MenuCheck DisabilitaPuntiDalMatch{false};
    MenuCheck SalvaOpzioniInUscita{false};
    // The window's texts in high-contrast colours; the view's alone, not the match's.
    MenuCheck AltoContrasto{false};
    // Italian, English.
    std::array<MenuCheck, 2> Lingua{MenuCheck{true}, MenuCheck{false}};
    // Doubles: the four servings the set shown allows, each named by the players in turn;
    // offered in doubles only.
    std::array<MenuCheck, 4> AlServizio{MenuCheck{}, MenuCheck{}, MenuCheck{}, MenuCheck{}};
    std::array<Text, 4> AlServizioCaptions{};

    // A rule's item by its object name, "MatchInTreSet" or "SetDecisivo_2".
    const MenuCheck& rule(std::string_view item) const;

private:
    static std::vector<std::vector<MenuCheck>> ruleItems();
};

template <class List>
constexpr int sizeOf(const List& list) {
    return static_cast<int>(list.size());
}

// Everything the window shows, as the form last drew it: the one thing the view reads.
struct FormView {
    Board board;
    // As many options as the panel has captions, and the round list as many as there are rounds.
    OptionGroup Servizio{sizeOf(kServizioCaptions)};
    OptionGroup DirittoRovescio{sizeOf(kDirittoRovescioCaptions)};
    OptionGroup Colpo{sizeOf(kColpoCaptions)};
    OptionGroup ErroreVincente{sizeOf(kErroreVincenteCaptions)};
    OptionGroup Turno{sizeOf(kRounds)};
    ScrollBar GameScroll;
    Menus menus;
    // The band under the menu bar: the recovery file that cannot be written, for as long as it
    // cannot, or a match another window holds, until the user closes it.
    Notice Avviso;
    FocusRequest focus;
    // The window's caption.
    Text caption;
    // "Annulla punto", "Ripeti nome"...; "Annulla" and "Ripeti" when there is nothing.
    Text undoCaption;
    Text redoCaption;
    bool canUndo = false;
    bool canRedo = false;
    bool canDelete = false;
    // The index of the language the window speaks.
    int language = 0;
    // The file the match came from or was last saved to; empty for none.
    std::string currentFile;
    // This window's recovery file, once it has written one.
    std::string recoveryFile;

    // What the video's commands can do now.
    struct VideoControls {
        bool open = false;
        bool canAlign = false;  // a timed point is shown
        bool canMark = false;   // a point is shown
        bool playlist = false;  // a playlist plays
        bool operator==(const VideoControls&) const = default;
    } video;

    const OptionGroup& panel(Panel p) const;
};

// The speeds the keys choose, from slow to fast; the second is the recording's own.
inline constexpr std::array<double, 3> kVideoRates{0.5, 1.0, 2.0};
// How far a skip goes, back or forward.
inline constexpr std::int64_t kVideoSkipMs = 5000;

// Field access by attribute name, for names that arrive as text. An unknown name is a
// programming error: it is reported and the program ends.
int EstraiInfo(Platform& platform, PointWord word, std::string_view name);
void CreaInfo(Platform& platform, PointWord& word, std::string_view name, int value);

// The main window's logic: it turns the user's commands into calls of the match session and
// draws what the session holds into the view. It keeps nothing of the match itself.
class MainForm {
public:
    explicit MainForm(Platform& platform);
    ~MainForm();
    MainForm(const MainForm&) = delete;
    MainForm& operator=(const MainForm&) = delete;

    const FormView& view() const { return view_; }
    const MatchSession& session() const { return session_; }
    // A short word for the user that the view shows for a moment where the position is,
    // never in a box; taking it clears it.
    std::optional<Text> takeNotice() { return std::exchange(notice_, std::nullopt); }

    // ---- Point entry ------------------------------------------------------------------------
    // A selection in the point panel, made by the user or by the program.
    void SelectOption(Panel p, int index);
    // An ace (1), a double fault (2) or a service winner (3).
    void AceDoppioFallo_Click(int index);
    // Records a point won by player 0 or 1.
    void PuntoGiocatore_Click(int index);

    // ---- The history ------------------------------------------------------------------------
    // Moves to a position, from 0 to the number of points; another number changes nothing.
    void goTo(int point);
    void GameClear_Click();
    // Removes the point the scoreboard shows as the last one played; nothing at the start.
    void GameDelete_Click();
    void Turno_Click(int index);
    void EditUndo_Click();
    void EditRedo_Click();

    // ---- Options ----------------------------------------------------------------------------
    // A rule of the match chosen from its menu, by the rule's key and the choice's place
    // among its row's; a rule that is one check item is switched. It rescores the recorded
    // points, and is refused when the match would read otherwise than it was played.
    void chooseRule(std::string_view rule, int choice);
    // Doubles: the serving of the set shown, by its place among the menu's four.
    void AlServizio_Click(int index);
    void toggle(Switch option);
    void SalvaOpzioni_Click();
    // Chooses the window's language and stores the choice at once.
    void Lingua_Click(int index);
    // Chooses it for this run only, as the command line may; the stored choice stays.
    void useLanguageForRun(int index);
    // Switches the high-contrast colours and stores the choice at once.
    void AltoContrasto_Click();

    // ---- Files and the window's start and close ---------------------------------------------
    void FileSave_Click();
    // Saves to the file the match came from or was last saved to, without a dialog.
    void FileSaveCurrent_Click();
    void FileLoad_Click();
    // Puts a match in place of the one on screen and shows it at its end, as loading does;
    // the round stays as it was when the match's own cannot be used.
    void applyMatch(const MatchRecord& match, bool roundValid = true);
    // The whole match as a web page, in a file the user chooses; `page` writes it.
    void ExportReport_Click(const std::function<std::string(const MatchRecord&)>& page);
    // Before the window is first shown: caption, stored options, the first reset.
    void Form_Load();
    // When the window is first shown: a match left by a window that died, offered back; else
    // the match named on the command line, or a clean panel.
    void Form_Activate(const std::string& commandLine);
    // When the user closes the window; false when it must stay open: the save it offered
    // failed.
    bool Form_Unload();

    // ---- The video --------------------------------------------------------------------------
    // Opens a video beside the match: the match is tied to it, and points keep their moments.
    void FileVideo_Click();
    void VideoPlayPause_Click();
    // Back (-1) or forward (+1): five seconds, or one frame.
    void VideoSkip_Click(int direction);
    void VideoFrame_Click(int direction);
    // A speed of kVideoRates.
    void VideoRate_Click(int index);
    // The start of the clip of the point shown.
    void VideoPointStart_Click();
    // The previous (-1) or next (+1) clip of the playlist, and its end.
    void VideoClip_Click(int direction);
    void VideoStop_Click();
    void VideoAlign_Click();
    void VideoMark_Click();
    // Asks how many seconds a clip shows before its point, and stores them.
    void AnticipoClip_Click();
    // Plays the clips of these recorded points, in order; `label` says what they are.
    void playPoints(const std::vector<int>& points, const Text& label);
    // The video has moved to `ms`, playing or by a seek.
    void videoMoved(std::int64_t ms);
    // The notice's own action: looking for a video that is not where the match says.
    void Avviso_Action();

    // ---- Window -----------------------------------------------------------------------------
    // A side's name; in doubles, its first player's, and Compagno its second's.
    void NomeGiocatore_Click(int index);
    void Compagno_Click(int index);
    void NomeTorneo_Click();
    [[noreturn]] void FileExit_Click();
    void HelpInfo_Click();
    void Avviso_Close();

private:
    // Draws the session into the view: the board, the panel, the menus, the history's bounds.
    void draw();
    void drawMenus();
    void drawPanel();
    // After a move: the board and where the focus goes.
    void afterMove();
    // Asks for the name of player 0 to 3 and gives it.
    void rename(int player);
    std::optional<std::int64_t> nowIfTimed();
    ResidualAnswer askLater(int later, bool canInsert);
    void refuseWhenFull();
    void afterPoint(const PointRecorded& done);
    std::string defaultFileName() const;
    // Loads the match file at path and shows it at its end; false, with the match on screen
    // untouched, when it cannot be used.
    bool loadMatch(const std::string& path);
    bool writeMatchTo(const std::string& path, const std::string& title, bool asDocument,
                      const MatchRecord& record);
    bool offerRecovery();
    void showRecoveryProblem();
    void applyStoredOptions();
    std::int64_t clipLeadMs() const { return std::int64_t{clipLeadSeconds_} * 1000; }
    // Opens the video at path; false, said in a message, when it cannot be played.
    bool openVideoFile(const std::string& path);
    // Puts the video where the score shown was played on from, when that point has a moment.
    void showVideoMoment();
    // After a match is put in place: its video opened, or a notice when it is not there.
    void showMatchVideo();
    // The lines over the picture and what the video's commands can do.
    void drawVideo();

    Platform& platform_;
    std::unique_ptr<RecoveryCopy> recovery_;
    MatchSession session_;
    FormView view_;

    VideoPlaylist playlist_;
    Text playlistLabel_;
    int clipLeadSeconds_ = kDefaultClipLeadSeconds;
    // The video the notice says is missing.
    std::string missingVideo_;

    bool timingChosen_ = false;
    bool timing_ = false;
    std::optional<Text> notice_;
    // The last save the user chose a file for could not be written.
    bool saveFailed_ = false;
    // The command line while the start-up step loads it; empty at all other times.
    std::string matchFileName_;
    bool currentFileIsDocument_ = false;
    // The file a recovered match came from, offered by the save dialog until a save.
    std::string suggestedFile_;
    // The file as this window last loaded or saved it, to see whether another wrote it since.
    std::optional<FileFingerprint> fileOnDisk_;
};

}  // namespace courtlog
