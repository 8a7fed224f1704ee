// Undo and redo of every change to the match, deleting one point, and the recovery file that
// keeps the match on disk after each change.
#include <algorithm>

#include "form/MainForm.h"
#include "platform/Clock.h"
#include "storage/FileAccess.h"
#include "storage/Recovery.h"

namespace courtlog {

namespace {

struct ChangeCaptions {
    Source undo;
    Source redo;
};

// By ChangeKind.
constexpr std::array<ChangeCaptions, 10> kChangeCaptions{{
    {CL_TEXT("Edit", "Annulla punto"), CL_TEXT("Edit", "Ripeti punto")},
    {CL_TEXT("Edit", "Annulla sovrascrittura"), CL_TEXT("Edit", "Ripeti sovrascrittura")},
    {CL_TEXT("Edit", "Annulla inserimento"), CL_TEXT("Edit", "Ripeti inserimento")},
    {CL_TEXT("Edit", "Annulla taglio"), CL_TEXT("Edit", "Ripeti taglio")},
    {CL_TEXT("Edit", "Annulla eliminazione"), CL_TEXT("Edit", "Ripeti eliminazione")},
    {CL_TEXT("Edit", "Annulla modifica del punto"), CL_TEXT("Edit", "Ripeti modifica del punto")},
    {CL_TEXT("Edit", "Annulla nome"), CL_TEXT("Edit", "Ripeti nome")},
    {CL_TEXT("Edit", "Annulla turno"), CL_TEXT("Edit", "Ripeti turno")},
    {CL_TEXT("Edit", "Annulla regola"), CL_TEXT("Edit", "Ripeti regola")},
    {CL_TEXT("Edit", "Annulla cancellazione del match"),
     CL_TEXT("Edit", "Ripeti cancellazione del match")},
}};

constexpr Source kFolderNotice =
    CL_TEXT("Messages",
            "Impossibile scrivere i file di ripristino nella cartella %1: %2\nSe il programma "
            "si chiude senza salvare, la partita andrà persa.");

const ChangeCaptions& captionsOf(ChangeKind kind) {
    return kChangeCaptions[static_cast<std::size_t>(kind)];
}

// A name as a question shows it: one of thousands of characters, which the window shows cut,
// is cut here too, before the first character past a hundred, so that the box lays out at once.
Text shortName(std::string name) {
    int characters = 0;
    for (std::size_t i = 0; i < name.size(); ++i) {
        if ((name[i] & 0xC0) != 0x80 && ++characters > 100) {
            name.resize(i);
            return Text::verbatim(name + "…");
        }
    }
    return Text::verbatim(name);
}

}  // namespace

MatchMoment MainForm::moment() const {
    MatchMoment m{matchRecord(),
                  {labels.NomeGiocatore[0].text(), labels.NomeGiocatore[1].text()},
                  labels.NomeTorneo.text(),
                  points_.current()};
    // Compared in one language whatever the window speaks, so that switching it is no change.
    for (int p = 0; p < 2; ++p) {
        m.match.players[p] = m.players[p].italian();
    }
    m.match.tournament = m.tournament.italian();
    return m;
}

void MainForm::changed(ChangeKind kind, int from) {
    MatchMoment now = moment();
    if (sameMatch(now.match, last_.match)) {
        return;
    }
    MatchMoment before = std::move(last_);
    before.position = from;
    last_ = now;
    undo_.record(kind, std::move(before), std::move(now));
    matchSaved_ = saved_ && sameMatch(last_.match, *saved_);
    writeRecovery();
}

void MainForm::goBackTo(const MatchMoment& m) {
    putMatch(m, true);
    last_ = moment();
    matchSaved_ = saved_ && sameMatch(last_.match, *saved_);
    writeRecovery();
}

void MainForm::EditUndo_Click() {
    if (const auto step = undo_.undo()) {
        goBackTo(step->before);
    }
}

void MainForm::EditRedo_Click() {
    if (const auto step = undo_.redo()) {
        goBackTo(step->after);
    }
}

Text MainForm::undoCaption() const {
    const auto kind = undo_.nextUndo();
    return kind ? Text(captionsOf(*kind).undo) : Text(CL_TEXT("Edit", "Annulla"));
}

Text MainForm::redoCaption() const {
    const auto kind = undo_.nextRedo();
    return kind ? Text(captionsOf(*kind).redo) : Text(CL_TEXT("Edit", "Ripeti"));
}

void MainForm::startAfresh(bool saved) {
    undo_.clear();
    last_ = moment();
    saved_ = saved ? std::optional(last_.match) : std::nullopt;
    matchSaved_ = saved;
    if (saved) {
        removeRecovery();
    } else {
        writeRecovery();
    }
}

void MainForm::GameDelete_Click() {
    const int from = points_.current();
    if (!points_.erase(from - 1)) {
        return;
    }
    ReplayToCurrentPoint();
    changed(ChangeKind::Delete, from);
}

void MainForm::Turno_Click(int index) {
    const int from = points_.current();
    Turno.select(index);
    changed(ChangeKind::Round, from);
}

void MainForm::writeRecovery() {
    if (!recoveryArmed_) {
        return;
    }
    if (matchSaved_) {
        // The file on disk holds it all.
        removeRecovery();
        return;
    }
    if (recoveryPath_.empty()) {
        const std::string folder = usableRecoveryFolder();
        if (folder.empty()) {
            return;
        }
        const std::int64_t now = platform_.now();
        for (int attempt = 0; attempt < 100 && recoveryPath_.empty(); ++attempt) {
            const std::string path = recoveryPathIn(folder, now, attempt);
            if (!fileIsThere(path) && platform_.lockFile(lockPathOf(path))) {
                recoveryPath_ = path;
            }
        }
        if (recoveryPath_.empty()) {
            // Tried again at the next change.
            recoveryOff(Text(kFolderNotice)
                            .arg(Text::verbatim(folder))
                            .arg(CL_TEXT("Messages", "non vi si può creare alcun file")));
            return;
        }
    }
    const std::optional<Text> failure = writeFileReplacing(
        recoveryPath_, encodeRecovery(matchRecord(), fileOfMatch()), Links::Refuse);
    if (failure) {
        recoveryOff(Text(CL_TEXT("Messages",
                                 "Impossibile scrivere il file di ripristino %1: %2\nSe il "
                                 "programma si chiude senza salvare, la partita andrà persa."))
                        .arg(Text::verbatim(recoveryPath_))
                        .arg(*failure));
    } else if (recoveryOff_) {
        recoveryOff_ = false;
        Avviso.clear();
    }
}

std::string MainForm::usableRecoveryFolder() {
    const std::string folder = platform_.recoveryFolder();
    if (folder.empty()) {
        return {};
    }
    if (const std::optional<Text> why = makeFolder(folder)) {
        recoveryOff(Text(kFolderNotice).arg(Text::verbatim(folder)).arg(*why));
        return {};
    }
    return folder;
}

void MainForm::recoveryOff(const Text& notice) {
    // In place of any other notice: nothing else matters as much.
    recoveryOff_ = true;
    Avviso.show(notice, false);
}

void MainForm::Avviso_Close() {
    if (Avviso.closable()) {
        Avviso.clear();
    }
}

void MainForm::removeRecovery() {
    if (!recoveryPath_.empty()) {
        removeFileIfAny(recoveryPath_);
    }
}

bool MainForm::offerRecovery() {
    const std::string folder = platform_.recoveryFolder();
    if (folder.empty()) {
        return false;
    }
    removeOldDeclined(folder);
    for (const RecoveryFile& file : recoveryFiles(folder)) {
        const std::string lock = lockPathOf(file.path);
        // Another window still running keeps its own; the user is told where it is.
        if (!platform_.lockFile(lock)) {
            if (Avviso.text().empty()) {
                Avviso.show(
                    Text(CL_TEXT("Messages",
                                 "Un'altra finestra di Courtlog ha una partita non salvata "
                                 "(file di ripristino %1): la si salva da quella finestra."))
                        .arg(Text::verbatim(file.path)),
                    true);
            }
            continue;
        }
        const ReadOutcome read = readFileStart(file.path, kMaxUsefulDocumentSize, Links::Refuse);
        DecodedRecovery decoded;
        if (read.error) {
            decoded.refusal = read.reason;
        } else if (read.size > read.bytes.size()) {
            decoded.refusal =
                Text(CL_TEXT("Messages", "Il documento è troppo grande: supera %1 byte."))
                    .arg(static_cast<long long>(kMaxUsefulDocumentSize));
        } else {
            decoded = decodeRecovery(read.bytes);
        }
        if (decoded.refusal || decoded.fatalError) {
            // Kept as it is: it may hold the only copy of a match.
            platform_.messageBox(
                Text(CL_TEXT("Messages",
                             "Impossibile leggere il file di ripristino %1. %2\nIl file resta "
                             "dov'è."))
                    .arg(Text::verbatim(file.path))
                    .arg(decoded.refusal ? *decoded.refusal : Text()),
                MsgButtons::Ok);
            platform_.unlockFile(lock);
            continue;
        }
        const MatchRecord& m = decoded.match;
        const auto count = static_cast<long long>(m.points.size());
        const Text points = count == 1 ? Text(CL_TEXT("Messages", "1 punto"))
                                       : Text(CL_TEXT("Messages", "%1 punti")).arg(count);
        const MsgAnswer answer = platform_.messageBox(
            Text(CL_TEXT("Messages",
                         "È stata trovata una partita non salvata: %1-%2, %3, ultima modifica "
                         "%4. Ripristinarla?"))
                .arg(shortName(m.players[0]))
                .arg(shortName(m.players[1]))
                .arg(points)
                .arg(Text::verbatim(localDayMonthTime(file.modified))),
            MsgButtons::YesNo);
        if (answer != MsgAnswer::Yes) {
            declineRecovery(file.path);
            platform_.unlockFile(lock);
            continue;
        }
        applyMatch(m, decoded.roundValid);
        // Only a suggestion: the recovery file may name any path, and the first save asks.
        suggestedFile_ = decoded.file;
        // This window carries the match on in the same file, under the lock it now holds.
        removeRecovery();
        recoveryPath_ = file.path;
        recoveryArmed_ = true;
        startAfresh(false);
        return true;
    }
    return false;
}

void MainForm::renderPosition() {
    Field& f = labels.Posizione;
    const bool history = !points_.atEnd();
    if (!history && score().over) {
        f.setCaption(CL_TEXT("Position", "Partita finita"));
    } else {
        Text where =
            Text(CL_TEXT("Position", "Punto %1 di %2")).arg(points_.current()).arg(points_.count());
        f.setCaption(history ? Text(CL_TEXT("Position", "%1 (storico)")).arg(where) : where);
    }
    f.setBack(history ? colours::Yellow : colours::LightGreen);
}

}  // namespace courtlog
