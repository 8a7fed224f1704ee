#include "storage/MatchLoading.h"

#include <algorithm>
#include <string_view>

#include "storage/FileAccess.h"
#include "storage/MatchDocument.h"
#include "storage/MatchFile.h"

namespace courtlog {

namespace {

Text openingError(LoadError error) {
    return Text(CL_TEXT("Messages", "Errore %1 durante il processo di apertura file."))
        .arg(errorNumber(error));
}

LoadedMatch refused(Text why) {
    LoadedMatch loaded;
    loaded.refusal = std::move(why);
    return loaded;
}

}  // namespace

std::optional<Text> LoadedMatch::leftOut() const {
    if (pointsIgnored == 0) {
        return std::nullopt;
    }
    Text message =
        pointsIgnored == 1
            ? CL_TEXT("Messages",
                      "Il file contiene %1 punto oltre il limite di %2: non è stato caricato.")
            : CL_TEXT("Messages",
                      "Il file contiene %1 punti oltre il limite di %2: non sono "
                      "stati caricati.");
    return message.arg(static_cast<long long>(pointsIgnored)).arg(kMaxPoints);
}

LoadedMatch loadMatchFile(const std::string& path) {
    const ReadOutcome read =
        readFileStart(path, std::max(kMaxUsefulFileSize, kMaxUsefulDocumentSize));
    if (read.error == LoadError::NotFound) {
        return refused(
            Text(CL_TEXT("Messages",
                         "Errore %1 nell'apertura del file %2. Controllare la sua presenza!"))
                .arg(errorNumber(LoadError::NotFound))
                .arg(Text::verbatim(fileTitleOf(path))));
    }
    if (read.error) {
        // Which file, and why: the number alone tells the user little.
        return refused(
            Text(CL_TEXT("Messages", "Errore %1 durante il processo di apertura file. %2: %3"))
                .arg(errorNumber(*read.error))
                .arg(Text::verbatim(fileTitleOf(path)))
                .arg(read.reason));
    }
    const bool document = isMatchDocument(read.bytes);
    DecodedMatch decoded;
    if (document) {
        DecodedDocument decodedDocument;
        // A document cut short by the cap could only be refused as broken; say why instead.
        if (read.size > read.bytes.size()) {
            decodedDocument.refusal =
                Text(CL_TEXT("Messages", "Il documento è troppo grande: supera %1 byte."))
                    .arg(static_cast<long long>(kMaxUsefulDocumentSize));
        } else {
            decodedDocument = decodeDocument(read.bytes, path);
        }
        if (decodedDocument.refusal) {
            return refused(Text(CL_TEXT("Messages", "Impossibile aprire il file %1. %2"))
                               .arg(Text::verbatim(fileTitleOf(path)))
                               .arg(*decodedDocument.refusal));
        }
        decoded = std::move(decodedDocument);
    } else {
        // The match file's reader takes no more than it can use.
        const std::size_t taken = std::min(read.bytes.size(), kMaxUsefulFileSize);
        decoded = decodeMatch(std::string_view(read.bytes).substr(0, taken), read.size - taken);
    }
    if (decoded.fatalError) {
        return refused(openingError(*decoded.fatalError));
    }
    LoadedMatch loaded;
    loaded.record = std::move(decoded.match);
    loaded.roundValid = decoded.roundValid;
    loaded.document = document;
    loaded.pointsIgnored = decoded.pointsIgnored;
    for (LoadError error : decoded.errors) {
        loaded.faults.push_back(openingError(error));
    }
    return loaded;
}

}  // namespace courtlog
