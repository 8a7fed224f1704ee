// The recovery files a window that died left: offered back at the start.
#include "form/MainForm.h"
#include "platform/Clock.h"
#include "storage/FileAccess.h"
#include "storage/Recovery.h"
#include "storage/RecoveryCopy.h"

namespace courtlog {

namespace {

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
            if (view_.Avviso.text().empty()) {
                view_.Avviso.show(
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
        recovery_->setFileOfMatch(decoded.file);
        // This window carries the match on in the same file, under the lock it now holds.
        recovery_->adopt(file.path);
        session_.startAfresh(false);
        draw();
        return true;
    }
    return false;
}

}  // namespace courtlog
