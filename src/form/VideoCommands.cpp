// The video beside the match: opening it, playing it from the keyboard, lining the points up
// with it, and playing the clips of a list of points.
#include <filesystem>

#include "form/MainForm.h"
#include "scoring/Scoring.h"
#include "storage/StoredOptions.h"

namespace courtlog {

namespace {

std::string folderOf(const std::string& path) {
    return path.empty() ? std::string() : std::filesystem::path(path).parent_path().string();
}

}  // namespace

void MainForm::FileVideo_Click() {
    const std::string& tied = session_.video().file;
    const FileChoice choice =
        platform_.openVideoDialog(folderOf(tied.empty() ? view_.currentFile : tied));
    if (!choice.title.empty()) {
        openVideoFile(choice.path);
    }
}

bool MainForm::openVideoFile(const std::string& path) {
    const std::string error = platform_.openVideo(path);
    if (!error.empty()) {
        platform_.messageBox(Text(CL_TEXT("Messages", "Impossibile aprire il video %1: %2"))
                                 .arg(Text::verbatim(path))
                                 .arg(Text::verbatim(error)),
                             MsgButtons::Ok);
        return false;
    }
    playlist_.stop();
    if (!missingVideo_.empty()) {
        missingVideo_.clear();
        view_.Avviso.clear();
    }
    session_.videoOpened(path);
    showVideoMoment();
    draw();
    return true;
}

void MainForm::showMatchVideo() {
    const std::string file = session_.video().file;
    if (file.empty()) {
        return;
    }
    const bool there = platform_.fileExists(file);
    const std::string error = there ? platform_.openVideo(file) : std::string();
    if (there && error.empty()) {
        session_.videoOpened(file);
        showVideoMoment();
        return;
    }
    // Another video may still be open: its moments are not this match's.
    session_.videoOpened({});
    missingVideo_ = file;
    view_.Avviso.show(there ? Text(CL_TEXT("Messages", "Impossibile aprire il video %1: %2"))
                                  .arg(Text::verbatim(file))
                                  .arg(Text::verbatim(error))
                            : Text(CL_TEXT("Video", "Il video della partita non si trova: %1"))
                                  .arg(Text::verbatim(file)),
                      true, CL_TEXT("Video", "Cerca il video…"));
}

void MainForm::showVideoMoment() {
    if (platform_.videoOpen()) {
        if (const auto at = session_.videoMoment(clipLeadMs())) {
            platform_.seekVideo(*at);
        }
    }
}

void MainForm::Avviso_Action() {
    if (missingVideo_.empty()) {
        return;
    }
    // Moved along with the match, most likely: the search starts beside it.
    const FileChoice choice = platform_.openVideoDialog(
        folderOf(view_.currentFile.empty() ? missingVideo_ : view_.currentFile));
    if (!choice.title.empty()) {
        openVideoFile(choice.path);
    }
}

void MainForm::VideoPlayPause_Click() {
    platform_.playVideo(!platform_.videoPlaying());
}

void MainForm::VideoSkip_Click(int direction) {
    platform_.seekVideo(
        std::max<std::int64_t>(0, platform_.videoPosition() + direction * kVideoSkipMs));
}

void MainForm::VideoFrame_Click(int direction) {
    platform_.stepVideoFrame(direction < 0 ? -1 : 1);
}

void MainForm::VideoRate_Click(int index) {
    if (index >= 0 && index < static_cast<int>(kVideoRates.size())) {
        platform_.setVideoRate(kVideoRates[static_cast<std::size_t>(index)]);
    }
}

void MainForm::VideoPointStart_Click() {
    // The point whose outcome the board shows, or the first one before any.
    const int shown = std::max(session_.points().current() - 1, 0);
    if (const auto clip = session_.clip(shown, clipLeadMs())) {
        platform_.seekVideo(clip->startMs);
    }
}

void MainForm::VideoClip_Click(int direction) {
    direction < 0 ? playlist_.previous() : playlist_.next();
    drawVideo();
}

void MainForm::VideoStop_Click() {
    playlist_.stop();
    drawVideo();
}

void MainForm::VideoAlign_Click() {
    if (session_.alignVideo()) {
        draw();
    }
}

void MainForm::VideoMark_Click() {
    if (session_.markVideo()) {
        draw();
    }
}

void MainForm::AnticipoClip_Click() {
    const std::string typed = platform_.inputBox(
        Text(CL_TEXT("Video",
                     "Quanti secondi di video mostra ogni clip prima del suo punto? (da %1 a %2)"))
            .arg(kMinClipLeadSeconds)
            .arg(kMaxClipLeadSeconds),
        CL_TEXT("Video", "Anticipo della clip"), std::to_string(clipLeadSeconds_));
    if (typed.empty()) {
        return;
    }
    const auto seconds = readClipLead(typed);
    if (!seconds) {
        platform_.messageBox(
            Text(CL_TEXT("Messages", "L'anticipo della clip è un numero di secondi da %1 a %2."))
                .arg(kMinClipLeadSeconds)
                .arg(kMaxClipLeadSeconds),
            MsgButtons::Ok);
        return;
    }
    clipLeadSeconds_ = *seconds;
    platform_.saveSetting(kAppTitle, kOptionsSection, kClipLeadKey, std::to_string(*seconds));
}

void MainForm::playPoints(const std::vector<int>& points, const Text& label) {
    if (!platform_.videoOpen()) {
        platform_.messageBox(CL_TEXT("Messages", "Apri prima il video della partita (F4)."),
                             MsgButtons::Ok);
        return;
    }
    std::vector<PlaylistClip> clips;
    for (int k : points) {
        if (const auto clip = session_.clip(k, clipLeadMs())) {
            clips.push_back({k, *clip});
        }
    }
    if (clips.empty()) {
        platform_.messageBox(
            CL_TEXT("Messages", "Nessuno di questi punti ha il suo momento nel video."),
            MsgButtons::Ok);
        return;
    }
    playlistLabel_ = label;
    playlist_.play(std::move(clips));
    drawVideo();
}

void MainForm::videoMoved(std::int64_t ms) {
    if (playlist_.moved(ms)) {
        drawVideo();
    }
}

void MainForm::drawVideo() {
    const bool open = platform_.videoOpen();
    const int shown = session_.points().current();
    const auto times = session_.points().recordedTimes();
    view_.video = {open, open && shown > 0 && times[static_cast<std::size_t>(shown - 1)] != kNoTime,
                   open && shown > 0, playlist_.active()};
    if (!open) {
        return;
    }
    // The scoreboard as the board shows it: the position, then each player's sets, games and
    // points, the server marked.
    const auto lines = [this](const Board& board, const Score& score) {
        std::vector<std::string> out{platform_.shown(board.Posizione.text())};
        for (std::size_t p = 0; p < 2; ++p) {
            // The side's name, both players in doubles, as its point button has it.
            std::string line = (board.Serve[p].visible() ? "● " : "   ") +
                               platform_.shown(board.PuntoGiocatore[p].text());
            // The sets finished, then the games and points of the one being played.
            for (int set = 1; set <= std::min(score.set, 5); ++set) {
                line += "  " + platform_.shown(board.setRow(set)[p].text());
            }
            line += "  " + platform_.shown(board.Games[p].text()) + "  " +
                    platform_.shown(board.Punteggio[p].text());
            out.push_back(line);
        }
        return out;
    };
    if (!playlist_.active()) {
        platform_.showOverVideo(lines(view_.board, session_.score()));
        return;
    }
    // The score from which the clip's point was played.
    const int k = playlist_.clip().point;
    const auto recorded = session_.points().recorded();
    const Position before = replay(recorded.first(static_cast<std::size_t>(k)), session_.rules());
    Board board;
    board.draw({session_.players(), session_.names(),
                before.score.over ? -1 : servingPlayer(before.score, session_.rules()),
                session_.tournament(), &session_.rules(), &before,
                recorded.first(static_cast<std::size_t>(k)), session_.points().count(),
                view_.menus.DisabilitaParziale.checked(),
                view_.menus.DisabilitaPuntiDalMatch.checked()});
    std::vector<std::string> over = lines(board, before.score);
    over.insert(over.begin(), platform_.shown(Text(CL_TEXT("Video", "%1 di %2 · %3"))
                                                  .arg(playlist_.current() + 1)
                                                  .arg(playlist_.size())
                                                  .arg(playlistLabel_)));
    platform_.showOverVideo(over);
}

}  // namespace courtlog
