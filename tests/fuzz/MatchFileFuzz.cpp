// Feeds arbitrary bytes to the match-file reader, or to the document reader when they look like
// a document, and, when it takes them, to the replay and the moves that follow a load. Any crash,
// sanitizer report or broken round trip is a finding.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "form/MainForm.h"
#include "history/UndoHistory.h"
#include "platform/HeadlessPlatform.h"
#include "scoring/Rounds.h"
#include "storage/MatchDocument.h"
#include "storage/MatchFile.h"

using namespace courtlog;

namespace {

void check(bool ok) {
    if (!ok) {
        std::abort();
    }
}

// A document that was read is written back and reads back the same, and the second text is
// the first.
bool documentRoundTrip(const MatchRecord& m) {
    const std::string text = encodeDocument(m);
    const DecodedDocument again = decodeDocument(text);
    // A round the list does not have is written as none, and the tie-break rule as its one mark,
    // where a match file may have set more.
    MatchRecord kept = m;
    kept.round = isRound(m.round) ? m.round : 0;
    kept.setRules(m.rules);
    return !again.refusal && sameMatch(again.match, kept) && again.match.unknown == m.unknown &&
           encodeDocument(again.match) == text;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    MatchRecord m;
    bool roundValid = true;
    if (isMatchDocument(bytes)) {
        DecodedDocument decoded = decodeDocument(bytes);
        if (decoded.refusal) {
            check(decoded.match.points.empty());
            return 0;
        }
        check(documentRoundTrip(decoded.match));
        m = std::move(decoded.match);
        roundValid = decoded.roundValid;
    } else {
        DecodedMatch decoded = decodeMatch(bytes);
        if (decoded.fatalError) {
            return 0;
        }
        m = std::move(decoded.match);
        roundValid = decoded.roundValid;

        // What was read is written back the same way and reads back the same.
        const DecodedMatch again = decodeMatch(encodeMatch(m));
        check(!again.fatalError && sameMatch(again.match, m));
        // A match file keeps its own matches whole, and so does a document.
        check(matchFileLosses(m).empty() && documentRoundTrip(m));
    }
    check(m.points.size() <= static_cast<std::size_t>(kMaxPoints));

    static HeadlessPlatform platform;
    MainForm form(platform);
    form.Form_Load();
    form.applyMatch(m, roundValid);
    check(form.session().points().count() == static_cast<int>(m.points.size()));

    // The moves a user makes after opening a file.
    form.goTo(form.session().points().current() - 1);
    form.goTo(form.session().points().count() / 2);
    form.goTo(0);
    form.goTo(form.session().points().count());
    form.chooseRule("setTieBreak", 2);
    form.chooseRule("bestOf", 0);
    form.PuntoGiocatore_Click(size % 2);
    form.goTo(form.session().points().count() / 3);
    form.AceDoppioFallo_Click(1 + static_cast<int>(size % 3));
    check(form.session().points().count() <= kMaxPoints);
    return 0;
}
