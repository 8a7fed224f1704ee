#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "history/MatchRecord.h"
#include "platform/Text.h"
#include "storage/LoadError.h"
#include "storage/MatchFile.h"

namespace courtlog {

// The match document: UTF-8 JSON that keeps everything a match record holds, the rules a
// match file cannot express, the points' times, the video and each point's moment in it, and
// the names as typed.
//
//   {"format": "courtlog-match", "version": 1, "players": [a, b], "tournament": t,
//    "round": r, "rules": {one key a rule, as ruleRows() names them},
//    "start": optional ISO 8601 UTC,
//    "video": optional {"file": path, "offsetMs": optional, a whole number},
//    "servingOrder": in doubles only, [[four players in serving turn], ...],
//    "points": [{"word": w, "ms": optional, "videoMs": optional}, ...]}
//
// In doubles ("rules": {"doubles": true}) "players" is [[a1, a2], [b1, b2]], and
// "servingOrder" has one entry a set begun: its players by index, A1 = 0, A2 = 1, B1 = 2,
// B2 = 3, from the one who serves the set's first game. Without it each side's first player
// serves first in every set. A singles document's "servingOrder" is not read.
//
// "ms" counts from "start"; "videoMs" from the start of the video. The video's file is kept
// relative to the document, with "/", when it sits in the document's folder or under it, so
// that the two can be moved together; absolute otherwise.
//
// Keys this program does not know, at the top level, in "rules" and in "video", are kept in
// MatchRecord::unknown and written back.

inline constexpr int kDocumentVersion = 1;

// The document's text. At most kMaxPoints points are written. `documentPath` is where it goes,
// which a video beside it or under it is written relative to; without it, the video's path is
// written as it is (a recovery file keeps it absolute).
std::string encodeDocument(const MatchRecord& match, const std::string& documentPath = {});
// The document's "rules", as JSON text: what a report says of them.
std::string encodeRules(const Rules& rules);

// What a match file's reader gives, the faults the rest survives reported the same way; a
// document refused says why in words rather than by number.
struct DecodedDocument : DecodedMatch {
    // Why the document cannot be used, when it cannot: nothing of it is taken then.
    std::optional<Text> refusal;
};

// Reads a document. A round beyond the list is reported and the rest loads; a newer version,
// bad JSON, text in another encoding than UTF-8, a missing key, a value of the wrong type or
// out of its range refuse the document. A video's relative path is taken from `documentPath`'s
// folder, and stays as it is without one.
DecodedDocument decodeDocument(std::string_view bytes, const std::string& documentPath = {});

// Whether the bytes are a document rather than a match file: the first byte after an
// optional byte-order mark and white space is "{". A match file never starts so, since its
// first field is a small number of sets. Text in UTF-16 or UTF-32, told by its byte-order mark,
// is read as a document too, which refuses it by its encoding.
bool isMatchDocument(std::string_view bytes);

// What a match file would lose of this match, one text for each thing; empty when it keeps
// everything.
std::vector<Text> matchFileLosses(const MatchRecord& match);

// The largest document worth reading: a full point list with times, long names and room for
// what a later version adds.
inline constexpr std::size_t kMaxUsefulDocumentSize = 4u << 20;

}  // namespace courtlog
