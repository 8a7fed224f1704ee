// Saving and loading matches, and the start-up step that opens the file named on the command
// line.
#include <algorithm>
#include <cctype>
#include <string_view>

#include "form/MainForm.h"
#include "platform/Clock.h"
#include "storage/FileAccess.h"
#include "storage/MatchDocument.h"
#include "storage/MatchFile.h"
#include "storage/MatchLoading.h"
#include "storage/Recovery.h"
#include "storage/RecoveryCopy.h"

namespace courtlog {

namespace {

// Characters that the file system does not take in a file name become "-".
std::string safeFileName(std::string name) {
#ifdef _WIN32
    const std::string forbidden = "\\/:*?\"<>|";
#else
    const std::string forbidden = "/";
#endif
    for (char& c : name) {
        if (forbidden.find(c) != std::string::npos) {
            c = '-';
        }
    }
    return name;
}

// One line each, under the question.
Text lossList(const std::vector<Text>& losses) {
    Text list;
    for (const Text& loss : losses) {
        list = list.empty() ? Text(Text::pattern("- %1")).arg(loss)
                            : Text(Text::pattern("%1\n- %2")).arg(list).arg(loss);
    }
    return list;
}

}  // namespace

std::string MainForm::defaultFileName() const {
    // In the words the user reads: a name not yet given is offered as shown.
    std::string name = platform_.shown(session_.players()[0]) + "-" +
                       platform_.shown(session_.players()[1]) + " (" +
                       platform_.shown(session_.tournament());
    if (const Text round = roundName(session_.round()); !round.empty()) {
        name += ", " + platform_.shown(round);
    }
    return safeFileName(name + ").clg");
}

void MainForm::FileSave_Click() {
    saveFailed_ = false;
    const MatchRecord record = session_.record();
    // A match file as before whenever it keeps the whole match; otherwise the dialog starts on
    // the document, which keeps everything.
    const std::vector<Text> losses = matchFileLosses(record);
    std::string name = suggestedFile_.empty() ? defaultFileName() : suggestedFile_;
    if (!losses.empty() && hasExtension(name, ".clg")) {
        name.replace(name.size() - 4, 4, ".courtlog");
    }
    const bool onDocument = !hasExtension(name, ".clg");
    const FileChoice choice =
        platform_.saveFileDialog(name, {kFileFilter, kDocumentFilter}, onDocument ? 1 : 0);
    if (choice.title.empty()) {
        return;
    }
    // The name's extension picks the format; any other keeps the one the dialog started on.
    const bool asDocument = hasExtension(choice.path, ".courtlog") ||
                            (onDocument && !hasExtension(choice.path, ".clg"));
    if (!asDocument && !losses.empty()) {
        const MsgAnswer answer = platform_.messageBox(
            Text(CL_TEXT("Messages",
                         "Un file .clg non può conservare:\n%1\nSalvare comunque il file %2 in "
                         "questo formato?"))
                .arg(lossList(losses))
                .arg(Text::verbatim(choice.title)),
            MsgButtons::YesNo);
        if (answer != MsgAnswer::Yes) {
            // Nothing written: closing the window keeps it open, so the match can still be
            // saved as a document.
            saveFailed_ = true;
            return;
        }
    }
    writeMatchTo(choice.path, choice.title, asDocument, record);
}

void MainForm::FileSaveCurrent_Click() {
    const MatchRecord record = session_.record();
    const std::string& currentFile_ = view_.currentFile;
    // A match file that would lose part of the match is a choice for the dialog to offer.
    if (currentFile_.empty() || (!currentFileIsDocument_ && !matchFileLosses(record).empty())) {
        FileSave_Click();
        return;
    }
    saveFailed_ = false;
    writeMatchTo(currentFile_, fileTitleOf(currentFile_), currentFileIsDocument_, record);
}

bool MainForm::writeMatchTo(const std::string& path, const std::string& title, bool asDocument,
                            const MatchRecord& record) {
    // Another window may have saved its own match there since this one read or wrote it; that
    // is replaced only when the user says so. A file that has gone loses nothing.
    if (fileOnDisk_ && sameFile(path, view_.currentFile)) {
        const std::optional<FileFingerprint> now = fingerprintOf(path);
        if (now && *now != *fileOnDisk_) {
            const MsgAnswer answer = platform_.messageBox(
                Text(CL_TEXT("Messages",
                             "Il file %1 è cambiato da quando questa finestra lo ha aperto o "
                             "salvato: forse un'altra finestra vi ha salvato una partita.\n"
                             "Sostituirlo con la partita di questa finestra?"))
                    .arg(Text::verbatim(title)),
                MsgButtons::ReplaceSaveAsCancel);
            if (answer == MsgAnswer::SaveAs) {
                FileSave_Click();
                return !saveFailed_;
            }
            if (answer != MsgAnswer::Replace) {
                // Nothing written: closing the window keeps it open with the match.
                saveFailed_ = true;
                return false;
            }
        }
    }
    const std::optional<Text> failure =
        writeFileReplacing(path, asDocument ? encodeDocument(record) : encodeMatch(record));
    if (failure) {
        saveFailed_ = true;
        // The old file, the match and its saved state stay as they were.
        platform_.messageBox(Text(CL_TEXT("Messages", "Impossibile salvare il file %1: %2"))
                                 .arg(Text::verbatim(title))
                                 .arg(*failure),
                             MsgButtons::Ok);
        return false;
    }
    view_.currentFile = path;
    currentFileIsDocument_ = asDocument;
    suggestedFile_.clear();
    recovery_->setFileOfMatch(path);
    fileOnDisk_ = fingerprintOf(path);
    session_.markSaved(record);
    draw();
    return true;
}

void MainForm::FileLoad_Click() {
    std::string path;
    if (matchFileName_.empty()) {
        const FileChoice choice = platform_.openFileDialog();
        if (choice.title.empty()) {
            return;
        }
        path = choice.path;
    } else {
        path = matchFileName_;
        matchFileName_.clear();
    }
    loadMatch(path);
}

bool MainForm::loadMatch(const std::string& path) {
    // The whole file is read and checked before anything on screen changes.
    const LoadedMatch loaded = loadMatchFile(path);
    if (loaded.refusal) {
        platform_.messageBox(*loaded.refusal, MsgButtons::Ok);
        return false;
    }
    for (const Text& fault : loaded.faults) {
        platform_.messageBox(fault, MsgButtons::Ok);
    }
    applyMatch(loaded.record, loaded.roundValid);
    view_.currentFile = path;
    currentFileIsDocument_ = loaded.document;
    recovery_->setFileOfMatch(path);
    fileOnDisk_ = fingerprintOf(path);
    // Said over the match as loaded, so the user sees what was kept.
    if (const std::optional<Text> leftOut = loaded.leftOut()) {
        draw();
        platform_.messageBox(*leftOut, MsgButtons::Ok);
    }
    return true;
}

void MainForm::applyMatch(const MatchRecord& m, bool roundValid) {
    // The match it replaces, if never saved, stays a week among the declined recovery files.
    if (!session_.saved()) {
        recovery_->setAside();
    }
    // Another match: nothing of the one before can be undone into it.
    view_.currentFile.clear();
    currentFileIsDocument_ = false;
    suggestedFile_.clear();
    recovery_->setFileOfMatch({});
    fileOnDisk_.reset();
    session_.replace(m, roundValid);
    // A timed match goes on timing its points; another takes the user's choice back.
    timing_ = timingChosen_ || session_.timed();
    playlist_.stop();
    if (!missingVideo_.empty()) {
        missingVideo_.clear();
        view_.Avviso.clear();
    }
    showMatchVideo();
    afterMove();
}

void MainForm::Form_Activate(const std::string& commandLine) {
    std::string name = commandLine;
    // One path, possibly in double quotes; a path without them is used as it is.
    if (name.size() >= 2 && name.front() == '"' && name.back() == '"') {
        name = name.substr(1, name.size() - 2);
    }
    // A match that only a recovery file still holds comes first; the file named can be
    // opened once it is safe.
    if (offerRecovery()) {
        return;
    }
    // From here on an unsaved match is kept, even one that changed before the first showing
    // and stays if the file named cannot be opened.
    recovery_->arm();
    // A folder that cannot take the recovery file is said before the first point.
    recovery_->usableFolder();
    session_.keepRecovery();
    matchFileName_ = name;
    if (!matchFileName_.empty()) {
        FileLoad_Click();
        return;
    }
    for (Panel p : {Panel::Servizio, Panel::DirittoRovescio, Panel::Colpo, Panel::ErroreVincente}) {
        SelectOption(p, 0);
    }
    session_.startAfresh(true);
    draw();
    view_.focus.request("PuntoGiocatore_0");
}

void MainForm::ExportReport_Click(const std::function<std::string(const MatchRecord&)>& page) {
    std::string name = defaultFileName();
    name.replace(name.size() - 4, 4, ".html");  // in place of ".clg"
    const FileChoice choice =
        platform_.saveFileDialog(name, {CL_TEXT("Files", "Pagina web (*.html)")}, 0);
    if (choice.title.empty()) {
        return;
    }
    // The whole recorded match, wherever the user stands in it.
    if (const std::optional<Text> failure =
            writeFileReplacing(choice.path, page(session_.record()))) {
        platform_.messageBox(Text(CL_TEXT("Messages", "Impossibile salvare il file %1: %2"))
                                 .arg(Text::verbatim(choice.title))
                                 .arg(*failure),
                             MsgButtons::Ok);
    }
}

}  // namespace courtlog
