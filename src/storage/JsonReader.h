#pragma once

#include <cstddef>
#include <functional>
#include <nlohmann/json.hpp>
#include <string_view>

#include "storage/MatchDocument.h"

namespace courtlog {

// Deeper nesting is no match: refusing it keeps the recursive writer off a huge stack.
inline constexpr int kMaxDepth = 64;

// JSON text as read: its value, or why it could not be read.
struct ReadJson {
    enum class Fault { None, Syntax, NumberTooLarge, TooDeep };
    // Keys in the order they were read, so that what is written back reads as it was. Null
    // when the text was refused.
    nlohmann::ordered_json value;
    Fault fault = Fault::None;
    // Of a syntax error: how many bytes were read, the one that broke the text included.
    std::size_t bytesRead = 0;
};

// Reads JSON text in time proportional to its length, whatever its shape: nlohmann's own
// reader looks every key up along its whole object, and with a callback goes over the parent
// again at the end of every object, so that a long object or array of objects takes minutes.
// A key given twice keeps its first place and its last value, as there. More than kMaxDepth
// arrays and objects one inside the other are refused.
ReadJson readJson(std::string_view text);

// Adds a member that the object does not have yet, without looking for it along the object.
// Reserve room first: the object's list copies every value whole each time it grows.
void appendMember(nlohmann::ordered_json& object, const std::string& key,
                  nlohmann::ordered_json value);

// Reads a document as decodeDocument does, and hands what this version does not know, as an
// object, to take before it is kept: a reader that keeps keys of its own in a document finds
// them there without reading it all again.
DecodedDocument decodeDocumentTaking(std::string_view bytes,
                                     const std::function<void(nlohmann::ordered_json&)>& take,
                                     const std::string& documentPath = {});

}  // namespace courtlog
