// The match document: its text, what it keeps that a match file cannot, the documents it
// refuses and why, and how the save and load commands choose between the two formats.
#include "storage/MatchDocument.h"

#include <gtest/gtest.h>

#include <filesystem>

#include "storage/MatchFile.h"
#include "storage/MatchLoading.h"
#include "storage/Recovery.h"
#include "storage/StoredOptions.h"
#include "support/Harness.h"
#include "support/MatchScript.h"
#include "support/TempDir.h"

namespace courtlog {
namespace {

bool has(const std::string& text, const std::string& part) {
    return text.find(part) != text.npos;
}

using namespace testing;

// A document as another program, or a later version of this one, may write it: keys in
// another order, keys this version does not know, a time or a moment in the video on some
// points only.
const std::string kForeign = R"({
  "version": 1, "format": "courtlog-match", "comment": {"by": ["x", 1]},
  "players": ["Đoković", "Sinner"], "tournament": "Roland Garros – Paris", "round": 7,
  "rules": {"firstServer": 1, "bestOf": 3, "setTieBreak": false, "decidingSet": "mtb10",
            "noAd": true, "shotClock": 25},
  "start": "2024-06-09T13:05:00.250Z",
  "video": {"offsetMs": -1500, "file": "video/partita 1.mp4", "angle": 2},
  "points": [{"word": 4097, "ms": 0}, {"word": 65535, "videoMs": 187250},
             {"word": 2, "ms": 31250, "note": "x", "videoMs": 0}]
})";

std::string field(const MatchRecord& m) {
    return std::to_string(m.rules.setsInMatch) + " " + std::string(codeOf(m.rules.decidingSet)) +
           " " + std::to_string(m.rules.setTieBreak) + std::to_string(m.rules.noAd) +
           std::to_string(m.rules.firstServer) + " " + m.players[0] + "|" + m.players[1] + "|" +
           m.tournament + " " + std::to_string(m.round) + " " + m.start;
}

TEST(MatchDocument, ItsTextKeepsEveryFieldAndWhatItDoesNotKnowThroughASecondSave) {
    // Taken: a refused document keeps no field.
    const MatchRecord m = decodeDocument(kForeign).match;
    EXPECT_EQ(
        std::tuple(field(m), m.points, m.times, m.tieBreakMarks, m.video, m.videoMs),
        std::tuple("3 mtb10 011 Đoković|Sinner|Roland Garros – Paris 7 2024-06-09T13:05:00.250Z",
                   std::vector<PointWord>{4097, 65535, 2},
                   std::vector<std::int64_t>{0, kNoTime, 31250}, std::array{true, false, false},
                   MatchRecord::VideoLink{"video/partita 1.mp4", -1500},
                   std::vector<std::int64_t>{kNoTime, 187250, 0}));

    // Written back, the unknown keys are where a reader looks for them; a point's are not.
    const std::string written = encodeDocument(m);
    EXPECT_TRUE(has(written, R"("comment": {"by":["x",1]})") && has(written, R"("shotClock":25)") &&
                !has(written, "note"))
        << written;
    const MatchRecord again = decodeDocument(written).match;
    EXPECT_TRUE(sameMatch(again, m) && again.unknown == m.unknown &&
                encodeDocument(again) == written);
}

// A doubles match of three sets begun: 6-1 from A's first serve, 0-6 from B's (six games, so B
// opens the third too), one point of the third. Its first and third sets are served otherwise
// than each side's first player first; the second as the first.
MatchRecord doublesMatch() {
    MatchRecord m{.players = {"Ana", "Cleo"}, .partners = {"Bea", "Dina"}};
    m.setRules(rulesOf(3, {false, true, false}));
    m.rules.doubles = true;
    m.rules.servingOrder = {{1, 0}, {1, 0}, {0, 1}};
    std::ranges::transform(testing::lettered("baaaaaa bbbbbb A"), std::back_inserter(m.points),
                           testing::word);
    return m;
}

TEST(MatchDocument, KeepsADoublesMatchItsNamesAndEachSetsServingTurn) {
    const MatchRecord m = doublesMatch();
    const std::string text = encodeDocument(m);
    EXPECT_TRUE(has(text, R"("players": [["Ana","Bea"],["Cleo","Dina"]],)") &&
                has(text, R"("doubles":true)") &&
                has(text, R"("servingOrder": [[1,2,0,3],[2,1,3,0],[3,0,2,1]],)"))
        << text;
    // The recovery copy is the same document.
    for (const std::string& kept : {text, encodeRecovery(m, "")}) {
        EXPECT_TRUE(sameMatch(decodeDocument(kept).match, m));
    }
    // An empty serving order is each side's first player first; a set not begun is not kept, as
    // it would not be written back; a singles document's order is read by nobody and not kept.
    const auto order = [&text](const std::string& list) {
        return decodeDocument(std::string(text).replace(text.find("[[1,2,0,3],"), 31, list))
            .match.rules.servingOrder;
    };
    std::string singles = kForeign;
    singles.insert(1, R"("servingOrder": [[9]],)");
    const DecodedDocument single = decodeDocument(singles);
    EXPECT_EQ(std::tuple(order("[]"), order("[[1,2,0,3],[2,1,3,0],[3,0,2,1],[0,2,1,3]]"),
                         single.refusal.has_value(), single.match.unknown),
              std::tuple(std::vector<SetServing>{}, m.rules.servingOrder, false,
                         decodeDocument(kForeign).match.unknown));
    // A match file keeps each side as one name; still the save offers a document first.
    EXPECT_EQ(decodeMatch(encodeMatch(m)).match.players,
              (std::array<std::string, 2>{"Ana / Bea", "Cleo / Dina"}));
}

// A video in the document's folder or under it is kept relative to the document, so the two
// move together; any other as it is. Without the document's path (a recovery file), every
// path is kept as it is: the round trip above and the recovery's test.
TEST(MatchDocument, KeepsTheVideoRelativeToTheDocumentWhenBesideIt) {
    // The video, where the document is written, what it keeps, where it is read again, what
    // that reads.
    const std::string cwd = std::filesystem::current_path().generic_string();
    const std::tuple<std::string, std::string, std::string, std::string, std::string> cases[] = {
#ifndef _WIN32
        {"/m/partita.mp4", "/m/a.courtlog", "partita.mp4", "/m/b.courtlog", "/m/partita.mp4"},
        {"/m/x/./p.mp4", "/m/a.courtlog", "x/p.mp4", "/n/b.courtlog", "/n/x/p.mp4"},
        {"/m2/p.mp4", "/m/a.courtlog", "/m2/p.mp4", "/n/b.courtlog", "/m2/p.mp4"},
        {cwd + "/v/p.mp4", "a.courtlog", "v/p.mp4", "/n/../b.courtlog", "/v/p.mp4"},
#else
        {"C:\\m\\v\\p.mp4", "C:\\m\\a.courtlog", "v/p.mp4", "D:\\n\\b.courtlog", "D:\\n\\v\\p.mp4"},
        {"C:\\p.mp4", "C:\\m\\a.courtlog", "C:\\p.mp4", "D:\\n\\b.courtlog", "C:\\p.mp4"},
        {"D:\\m\\p.mp4", "C:\\m\\a.courtlog", "D:\\m\\p.mp4", "C:\\m\\b.courtlog", "D:\\m\\p.mp4"},
        {cwd + "/v/p.mp4", "a.courtlog", "v/p.mp4", "D:\\n\\b.courtlog", "D:\\n\\v\\p.mp4"},
#endif
    };
    for (const auto& [file, path, kept, again, read] : cases) {
        const std::string text = encodeDocument({.video = {file, {}}}, path);
        // Read without a path, the file is as the document keeps it.
        EXPECT_EQ(std::tuple(decodeDocument(text).match.video.file,
                             decodeDocument(text, again).match.video.file),
                  std::tuple(kept, read))
            << file << " " << path;
    }
}

// Every choice of every rule reads back as written, from the document and from the stored
// options, and leaves the other rules as they were.
TEST(MatchDocument, EveryRuleChoiceReadsBackAsWritten) {
    for (const RuleRow& row : ruleRows()) {
        for (const RuleChoice& choice : row.choices) {
            Rules rules;
            row.set(rules, choice.value);
            MatchRecord m;
            m.setRules(rules);
            const std::optional<int> stored =
                row.storedKey.empty() ? choice.value
                                      : readStoredRule(row, storedRuleText(row, choice.value));
            EXPECT_EQ(
                std::tuple(row.get(rules), stored, decodeDocument(encodeDocument(m)).match.rules),
                std::tuple(choice.value, choice.value, rules))
                << row.key << " " << choice.value;
        }
    }
}

// Told by the first byte after a byte-order mark and blanks, never by the file's name.
TEST(MatchDocument, IsToldFromAMatchFileByItsContents) {
    const std::pair<std::string, bool> cases[] = {
        {"{", true},
        {"\xEF\xBB\xBF \r\n\t{}", true},
        {encodeMatch(MatchRecord{}), false},
        {"", false},
        {"\xEF\xBB\xBF", false},
        {" [{}]", false},
        {"\xEF\xBB{", false},  // half a mark is no mark
        // Text in another encoding, which the document's reader refuses by name.
        {"\xFE\xFF", true},
        {"\xFF\xFE{", true},
        {std::string("\0\0\xFE\xFF", 4), true},
    };
    for (const auto& [bytes, document] : cases) {
        EXPECT_EQ(isMatchDocument(bytes), document) << bytes;
    }
    EXPECT_FALSE(decodeDocument("\xEF\xBB\xBF\n" + kForeign).refusal);
}

// Nothing of a refused document is taken; the message says what is wrong and where.
TEST(MatchDocument, RefusesWhatItCannotReadSayingWhy) {
    const auto invalid = [](const std::string& key, bool missing = false) {
        return "Il documento non è valido: il valore \"" + key + "\" " +
               (missing ? "manca o non è del tipo previsto." : "non è ammesso.");
    };
    const auto encoding = [](int bits) {
        return "Il file è un testo in UTF-" + std::to_string(bits) +
               ", non una partita di Courtlog. Un documento di Courtlog è scritto in UTF-8.";
    };
    const auto syntax = [](int line, int column) {
        return "Il documento non è scritto correttamente: errore di sintassi alla riga " +
               std::to_string(line) + ", colonna " + std::to_string(column) + ".";
    };
    // The foreign document, or the doubles one, with one part replaced; a part it lacks throws.
    const std::string doubles = encodeDocument(doublesMatch());
    const auto with = [](const std::string& what, const std::string& by,
                         const std::string& in = kForeign) {
        return std::string(in).replace(in.find(what), what.size(), by);
    };
    const std::pair<std::string, std::string> cases[] = {
        {with(R"("version": 1)", R"("version": 2)"),
         "Il documento è della versione 2 di Courtlog, più recente di quella che questo "
         "programma sa leggere. Per aprirlo occorre una versione aggiornata di Courtlog."},
        // The column counts characters: "Đoković" is seven of them in nine bytes. The list
        // ends at the colon after "tournament".
        {with(R"("Sinner"])", R"("Sinner")"), syntax(3, 48)},
        {"{\n\n  \"a\": tru }", syntax(3, 11)},
        {"", syntax(1, 1)},
        {"{\"format\": \"courtlog-match\"", syntax(1, 28)},
        {"[1]", "Il file non è una partita di Courtlog."},
        {with("courtlog-match", "courtlog-matches"), "Il file non è una partita di Courtlog."},
        {with(R"("version": 1)", R"("version": 0)"), invalid("version")},
        {with(R"("Sinner")", "null"), invalid("players[1]", true)},
        // Longer than a name can be typed, in characters.
        {with("Sinner", std::string(32768, 'x')), invalid("players[1]")},
        {with(R"(, "Sinner")", ""), invalid("players")},
        {with(R"("Sinner")", R"(["Sinner", "Alcaraz"])"), invalid("players[1]", true)},
        {with(R"([["Ana","Bea"],)", R"(["Ana",)", doubles), invalid("players[0]", true)},
        {with(R"(["Cleo","Dina"])", R"(["Cleo"])", doubles), invalid("players[1]")},
        {with("[1,2,0,3]", "[1,0,2,3]", doubles), invalid("servingOrder[0]")},
        {with("[2,1,3,0]", "[1,2,0,3]", doubles), invalid("servingOrder[1]")},
        {with("[3,0,2,1]", "[3,0,2,true]", doubles), invalid("servingOrder[2]", true)},
        {with(R"("round": 7)", R"("round": 1.0)"), invalid("round", true)},
        {with(R"("bestOf": 3)", R"("bestOf": 4)"), invalid("rules.bestOf")},
        {with(R"("noAd": true, )", ""), invalid("rules.noAd", true)},
        {with("mtb10", "tb12"), invalid("rules.decidingSet")},
        // A short set has no twelve games all.
        {with(R"("mtb10")", R"("tb7at12", "shortSets": true)"), invalid("rules.decidingSet")},
        {with(R"("firstServer": 1)", R"("firstServer": 2)"), invalid("rules.firstServer")},
        {with("13:05:00.250Z", "13:05:00+02:00"), invalid("start")},
        {with(R"("start": "2024-06-09T13:05:00.250Z",)", ""), invalid("start", true)},
        {with(R"("ms": 31250)", R"("ms": -1)"), invalid("points[2].ms")},
        {with(R"({"word": 65535)", R"({"word": 65536)"), invalid("points[1].word")},
        {with(R"({"word": 65535, "videoMs": 187250})", "7"), invalid("points[1]", true)},
        {with(R"("videoMs": 0)", R"("videoMs": -1)"), invalid("points[2].videoMs")},
        {with(R"("video": {)", R"("video": [], "v": {)"), invalid("video", true)},
        {with(R"("file": "video/partita 1.mp4")", R"("file": null)"), invalid("video.file", true)},
        {with(R"("video/partita 1.mp4")", R"("")"), invalid("video.file")},
        {with(R"("offsetMs": -1500)", R"("offsetMs": "-1500")"), invalid("video.offsetMs", true)},
        {with(R"("round": 7)", R"("round": 1e999)"),
         "Il documento non è valido: contiene un numero troppo grande."},
        // One array or object too many: the top, the comment's and 63 more.
        {with(R"(["x", 1])", std::string(63, '[') + "1" + std::string(63, ']')),
         "Il documento non è valido: contiene valori annidati troppo in profondità."},
        {"\xFE\xFF", encoding(16)},
        {std::string("\xFF\xFE{\0", 4), encoding(16)},
        {std::string("\xFF\xFE\0\0{\0\0\0", 8), encoding(32)},
        {std::string("\0\0\xFE\xFF", 4), encoding(32)},
    };
    for (const auto& [text, message] : cases) {
        const DecodedDocument d = decodeDocument(text);
        EXPECT_EQ(std::tuple(d.refusal ? d.refusal->italian() : "(taken)", d.match.points.size()),
                  std::tuple(message, 0u))
            << text;
    }
}

// Read in one pass whatever the shape, each of these up to the largest document: they took
// minutes while every object's end went over its parent again and every key was looked up
// along its object.
TEST(MatchDocument, AnyShapeIsReadInOnePass) {
    std::string empties = "{\"x\": [{}";
    while (empties.size() < kMaxUsefulDocumentSize - 5) {
        empties += ",{}";
    }
    EXPECT_EQ(decodeDocument(empties + "]}").refusal.value_or(Text()).italian(),
              "Il file non è una partita di Courtlog.");

    // 200,000 points, past the list's capacity, a long object, and nesting as deep as allowed.
    // A key given twice keeps its first place and its last value, also one placed since the keys
    // were last spread.
    std::string keys = "{", kept = "{", points = "[{\"word\": 1}";
    const std::string deep = std::string(62, '[') + std::string(62, ']');
    for (int i = 0; i < 150'000; ++i) {
        keys += "\"" + std::to_string(i) + "\":0,";
        kept += (i ? ",\"" : "\"") + std::to_string(i) + (i == 149'999 ? "\":\"x\"" : "\":0");
    }
    for (int i = 1; i < 200'000; ++i) {
        points += ",{\"word\": 2}";
    }
    std::string text = kForeign, unknown = decodeDocument(kForeign).match.unknown;
    text.replace(text.find("[{\"word\": 4097"), std::string::npos, points + "]}");
    text.replace(text.find(R"({"by": ["x", 1]})"), 16,
                 keys + R"("149999":"x", "d": )" + deep + "}");
    unknown.replace(unknown.find(R"({"by":["x",1]})"), 14, kept + R"(,"d":)" + deep + "}");
    // As with a match file, a round beyond the list is reported and the rest loads.
    for (const std::string round : {"8", "-1", "18446744073709551615"}) {
        const DecodedDocument d = decodeDocument(
            std::string(text).replace(text.find("\"round\": 7"), 10, "\"round\": " + round));
        EXPECT_EQ(std::tuple(d.refusal.has_value(), d.match.points.size(), d.pointsIgnored,
                             d.match.unknown == unknown, d.errors, d.roundValid, d.match.times),
                  std::tuple(false, 1000u, 199'000u, true, std::vector{LoadError::BadRound}, false,
                             std::vector<std::int64_t>{}))
            << round;
    }
}

TEST(MatchDocument, SaysWhatAMatchFileWouldLose) {
    const auto losses = [](const MatchRecord& m) {
        std::string all;
        for (const Text& t : matchFileLosses(m)) {
            all += t.italian() + ";";
        }
        return all;
    };
    // What the marks stand for is kept, a file's odd marks included, and so is every name the
    // code page holds and a point without time.
    MatchRecord kept{.rules = {.decidingSet = DecidingSet::TieBreak7},
                     .tieBreakMarks = {true, true, true},
                     .players = {"Parità Œuvre", std::string(32767, 'x')},
                     .points = {1},
                     .times = {kNoTime}};
    EXPECT_EQ(losses(kept), "");
    EXPECT_EQ(
        losses({.rules = {.decidingSet = DecidingSet::TieBreak10,
                          .noAd = true,
                          .firstServer = 1,
                          .shortSets = true}}),
        "il set decisivo: tie-break a 10 sul 6 pari;il punto secco sul 40 pari;il servizio del "
        "secondo giocatore all'inizio;i set brevi;");
    EXPECT_EQ(losses({.tieBreakMarks = {false, false, true},
                      .tournament = "Đoković",
                      .points = {1, 2},
                      .times = {kNoTime, 5},
                      .videoMs = {kNoTime, 7},
                      .video = {"/v.mp4"},
                      .unknown = "{\"a\":1}"}),
              "il set decisivo: ai vantaggi;il nome \"Đoković\", che diventerebbe "
              "\"?okovic\";i tempi dei punti;il video della partita;i momenti dei punti nel "
              "video;i dati del documento che questa versione di Courtlog non legge;");
    // A name longer than a match file keeps would be cut.
    kept.players[1] += 'x';
    EXPECT_NE(losses(kept), "");
}

// ---- The save and load commands -------------------------------------------------------------

// A match a match file keeps is saved as one, byte for byte as before, unless the user names
// a document. Any other is offered as a document; a match file for it is written only when
// the user agrees to what it loses, and "No" writes nothing.
TEST(MatchDocumentCommands, SavesInTheFormatThatKeepsTheMatchOrAsksFirst) {
    TempDir dir;
    // Whether the default names are kept, the name the user gives and what is written: "clg",
    // "doc", or nothing when the user declines.
    const std::tuple<bool, std::string, std::string> cases[] = {
        {true, "a.clg", "clg"},       {true, "b.courtlog", "doc"}, {true, "c.txt", "clg"},
        {false, "d.CourtLog", "doc"}, {false, "e", "doc"},         {false, "f.CLG", ""},
        {false, "g.clg", "clg"},
    };
    for (const auto& [fits, file, w] : cases) {
        SCOPED_TRACE(file);
        Harness h;
        if (!fits) {
            h.rename(1, "Ćorić\U0010FFFF");  // the highest code point too
        }
        h.play("AB*");
        const MatchRecord record = h.session().record();
        h.platform.saveChoices.push_back({dir.file(file), file});
        h.platform.messageAnswers.push_back(w.empty() ? MsgAnswer::No : MsgAnswer::Yes);
        h.form.FileSave_Click();

        EXPECT_EQ(std::tuple(h.platform.saveDialogNames.at(0), h.platform.saveDialogFilters.at(0)),
                  fits ? std::tuple("Giocatore A-Giocatore B (Nome torneo).clg",
                                    "File di Courtlog (*.clg)")
                       : std::tuple("Giocatore A-Ćorić\U0010FFFF (Nome torneo).courtlog",
                                    "Partita Courtlog (*.courtlog)"));
        const bool asked = !fits && (file.ends_with(".clg") || file.ends_with(".CLG"));
        const std::string question =
            "Un file .clg non può conservare:\n- il nome \"Ćorić\U0010FFFF\", che "
            "diventerebbe \"Coric?\"\nSalvare comunque il file " +
            file + " in questo formato?";
        EXPECT_EQ(h.platform.messages, std::vector<std::string>(asked, question));
        // Nothing at all is written when the user says no.
        EXPECT_EQ(std::tuple(h.session().saved(), TempDir::read(dir.file(file))),
                  std::tuple(!w.empty(), w.empty()    ? ""
                                         : w == "clg" ? encodeMatch(record)
                                                      : encodeDocument(record)));
        // Read back, the name is as typed, or as folded once the user agreed.
        if (!w.empty()) {
            ASSERT_TRUE(h.load(dir.file(file)));
            EXPECT_EQ(h.session().record().players[1],
                      !fits && w == "clg" ? "Coric?" : record.players[1]);
        }
        if (w.empty()) {
            // Declined on closing the window, it keeps the window open with the match.
            h.platform.saveChoices.push_back({dir.file(file), file});
            h.platform.messageAnswers.push_back(MsgAnswer::No);
            EXPECT_FALSE(h.form.Form_Unload());
        }
    }
}

// Both formats load whatever their name, and a full match with times and the longest names, far
// larger than any match file, loads whole. What this version does not know goes out again with
// the next save as a document. A refused document, like a match file, leaves the match on
// screen as it was: the match file's test loads some.
TEST(MatchDocumentCommands, LoadsByContentsUpToTheLargestDocument) {
    TempDir dir;
    std::string name;
    for (int i = 0; i < kMaxTextLength; ++i) {
        name += "李";  // \u674E: three bytes
    }
    const MatchRecord m{.players = {name, name},
                        .tournament = name,
                        .points = std::vector<PointWord>(kMaxPoints, 0xFFFF),
                        .start = "2024-06-09T13:05:00Z",
                        .times = std::vector<std::int64_t>(kMaxPoints, 99'999'999'999)};
    TempDir::write(dir.file("big.courtlog"), encodeDocument(m));
    TempDir::write(dir.file("match.courtlog"), encodeMatch(MatchRecord{}));
    TempDir::write(dir.file("doc.clg"), kForeign);
    // Its video is taken from the folder it was loaded from.
    EXPECT_EQ(
        loadMatchFile(dir.file("doc.clg")).record.video.file,
        (std::filesystem::path(dir.file("video")) / "partita 1.mp4").lexically_normal().string());
    TempDir::write(dir.file("huge.courtlog"), "{" + std::string(kMaxUsefulDocumentSize, ' '));
    const LoadedMatch big = loadMatchFile(dir.file("big.courtlog")),
                      file = loadMatchFile(dir.file("match.courtlog"));
    EXPECT_EQ(
        std::tuple(file.document || file.refusal, big.refusal, big.record.points.size(),
                   big.record.tournament,
                   loadMatchFile(dir.file("huge.courtlog")).refusal.value_or(Text()).italian()),
        std::tuple(false, std::nullopt, std::size_t(kMaxPoints), name,
                   "Impossibile aprire il file huge.courtlog. Il documento è troppo grande: supera "
                   "4194304 byte."));
    Harness h;
    ASSERT_TRUE(h.load(dir.file("doc.clg")));
    h.platform.saveChoices.push_back({dir.file("again.courtlog"), "again.courtlog"});
    h.form.FileSave_Click();
    EXPECT_EQ(std::tuple(h.platform.messages.size(),
                         decodeDocument(TempDir::read(dir.file("again.courtlog"))).match.unknown),
              std::tuple(0u, decodeDocument(kForeign).match.unknown));
}

}  // namespace
}  // namespace courtlog
