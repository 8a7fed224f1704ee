#include "storage/RecoveryCopy.h"

#include "storage/FileAccess.h"
#include "storage/Recovery.h"

namespace courtlog {

namespace {

constexpr Source kFolderNotice =
    CL_TEXT("Messages",
            "Impossibile scrivere i file di ripristino nella cartella %1: %2\nSe il programma "
            "si chiude senza salvare, la partita andrà persa.");

}  // namespace

std::string RecoveryCopy::usableFolder() {
    const std::string folder = platform_.recoveryFolder();
    if (folder.empty()) {
        return {};
    }
    if (const std::optional<Text> why = makeFolder(folder)) {
        problem_ = Text(kFolderNotice).arg(Text::verbatim(folder)).arg(*why);
        return {};
    }
    return folder;
}

void RecoveryCopy::keep(const MatchRecord& match) {
    if (!armed_) {
        return;
    }
    if (path_.empty()) {
        const std::string folder = usableFolder();
        if (folder.empty()) {
            return;
        }
        const std::int64_t now = platform_.now();
        for (int attempt = 0; attempt < 100 && path_.empty(); ++attempt) {
            const std::string path = recoveryPathIn(folder, now, attempt);
            if (!fileIsThere(path) && platform_.lockFile(lockPathOf(path))) {
                path_ = path;
            }
        }
        if (path_.empty()) {
            // Tried again at the next change.
            problem_ = Text(kFolderNotice)
                           .arg(Text::verbatim(folder))
                           .arg(CL_TEXT("Messages", "non vi si può creare alcun file"));
            return;
        }
    }
    const std::optional<Text> failure =
        writeFileReplacing(path_, encodeRecovery(match, fileOfMatch_), Links::Refuse);
    if (failure) {
        problem_ = Text(CL_TEXT("Messages",
                                "Impossibile scrivere il file di ripristino %1: %2\nSe il "
                                "programma si chiude senza salvare, la partita andrà persa."))
                       .arg(Text::verbatim(path_))
                       .arg(*failure);
    } else {
        problem_.reset();
    }
}

void RecoveryCopy::discard() {
    if (armed_ && !path_.empty()) {
        removeFileIfAny(path_);
    }
}

void RecoveryCopy::adopt(const std::string& path) {
    if (!path_.empty()) {
        removeFileIfAny(path_);
    }
    path_ = path;
    armed_ = true;
}

void RecoveryCopy::setAside() {
    if (!path_.empty() && declineRecovery(path_)) {
        platform_.unlockFile(lockPathOf(path_));
        path_.clear();
    }
}

void RecoveryCopy::release() {
    if (!path_.empty()) {
        removeFileIfAny(path_);
        platform_.unlockFile(lockPathOf(path_));
    }
}

}  // namespace courtlog
