#include "storage/MatchDocument.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <filesystem>
#include <limits>

#include "history/Replay.h"
#include "platform/Clock.h"
#include "scoring/Rounds.h"
#include "storage/Cp1252.h"
#include "storage/JsonReader.h"

namespace courtlog {

namespace {

// Keys keep the order they were read in, so that what is written back reads as it was.
using Json = nlohmann::ordered_json;

constexpr std::string_view kFormat = "courtlog-match";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
// A singles document's "servingOrder" is read by nobody and not written back: whoever wrote it,
// a side's one player serves every game of that side.
constexpr const char* kTopKeys[] = {"format", "version", "players", "tournament",   "round",
                                    "rules",  "start",   "video",   "servingOrder", "points"};
constexpr const char* kVideoKeys[] = {"file", "offsetMs"};

template <std::size_t N>
bool isOneOf(const std::string& key, const char* const (&keys)[N]) {
    return std::find(std::begin(keys), std::end(keys), key) != std::end(keys);
}

bool isRuleKey(const std::string& key) {
    return std::ranges::any_of(ruleRows(), [&key](const RuleRow& row) { return row.key == key; });
}

std::string_view withoutByteOrderMark(std::string_view bytes) {
    return bytes.starts_with(kByteOrderMark) ? bytes.substr(kByteOrderMark.size()) : bytes;
}

// The encoding of text that begins with the byte-order mark of one other than UTF-8, or
// nothing. UTF-32's little-endian mark begins as UTF-16's does, so it is looked for first.
std::string_view foreignEncoding(std::string_view bytes) {
    using namespace std::string_view_literals;
    static constexpr std::pair<std::string_view, std::string_view> kMarks[] = {
        {"\xFF\xFE\0\0"sv, "UTF-32"},
        {"\0\0\xFE\xFF"sv, "UTF-32"},
        {"\xFF\xFE"sv, "UTF-16"},
        {"\xFE\xFF"sv, "UTF-16"}};
    for (const auto& [mark, encoding] : kMarks) {
        if (bytes.starts_with(mark)) {
            return encoding;
        }
    }
    return {};
}

// Names whatever the reader refuses; the text is what the user reads.
struct Refused {
    Text reason;
};

[[noreturn]] void missingOrWrongType(const std::string& key) {
    throw Refused{Text(CL_TEXT("Messages",
                               "Il documento non è valido: il valore \"%1\" manca o non è del "
                               "tipo previsto."))
                      .arg(Text::verbatim(key))};
}

[[noreturn]] void badValue(const std::string& key) {
    throw Refused{
        Text(CL_TEXT("Messages", "Il documento non è valido: il valore \"%1\" non è ammesso."))
            .arg(Text::verbatim(key))};
}

const Json& member(const Json& object, const char* key, bool (Json::*is)() const,
                   const std::string& path) {
    const auto it = object.find(key);
    if (it == object.end() || !((*it).*is)()) {
        missingOrWrongType(path);
    }
    return *it;
}

// A whole number in [low, high]; JSON's 3.0 is a number of another type.
std::int64_t integer(const Json& value, std::int64_t low, std::int64_t high,
                     const std::string& path) {
    if (!value.is_number_integer()) {
        missingOrWrongType(path);
    }
    if (value.is_number_unsigned()) {
        const auto v = value.get<std::uint64_t>();
        if (v > static_cast<std::uint64_t>(high) ||
            (low > 0 && v < static_cast<std::uint64_t>(low))) {
            badValue(path);
        }
        return static_cast<std::int64_t>(v);
    }
    const auto v = value.get<std::int64_t>();
    if (v < low || v > high) {
        badValue(path);
    }
    return v;
}

// A name no longer than the window lets one be typed, in characters: a longer one comes from
// no writer of ours, and would take seconds to lay out on screen.
std::string name(const Json& value, const std::string& path) {
    if (!value.is_string()) {
        missingOrWrongType(path);
    }
    const auto& text = value.get_ref<const std::string&>();
    if (std::ranges::count_if(text, [](char c) { return (c & 0xC0) != 0x80; }) > kMaxTextLength) {
        badValue(path);
    }
    return text;
}

// The line and the column (both from 1, the column in characters) of the byte at offset.
std::pair<long long, long long> lineAndColumn(std::string_view text, std::size_t offset) {
    offset = std::min(offset, text.size());
    long long line = 1, column = 1;
    for (std::size_t i = 0; i < offset; ++i) {
        const auto c = static_cast<unsigned char>(text[i]);
        if (c == '\n') {
            ++line;
            column = 1;
        } else if ((c & 0xC0) != 0x80) {  // a continuation byte is part of the character before
            ++column;
        }
    }
    return {line, column};
}

std::string dumped(const Json& value) {
    return value.dump(-1, ' ', false, Json::error_handler_t::replace);
}

// A rule's value as the document writes it.
Json ruleJson(const RuleRow& row, int value) {
    if (row.form == RuleForm::Number) {
        return value;
    }
    const RuleChoice* choice = choiceOf(row, value);
    const std::string code(choice ? choice->code : std::string_view());
    return row.form == RuleForm::Flag ? Json(code == "true") : Json(code);
}

// The rules as the document writes them, one key a rule.
Json rulesJson(const Rules& r) {
    const Rules defaults;
    Json rules = Json::object();
    for (const RuleRow& row : ruleRows()) {
        if (row.writtenWhenDefault || row.get(r) != row.get(defaults)) {
            rules[std::string(row.key)] = ruleJson(row, row.get(r));
        }
    }
    return rules;
}

// The value of the row's choice that the document's value names.
int ruleValue(const RuleRow& row, const Json& value, const std::string& path) {
    if (row.form == RuleForm::Number) {
        const auto v =
            integer(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max(), path);
        if (!choiceOf(row, static_cast<int>(v))) {
            badValue(path);
        }
        return static_cast<int>(v);
    }
    const bool flag = row.form == RuleForm::Flag;
    if (flag ? !value.is_boolean() : !value.is_string()) {
        missingOrWrongType(path);
    }
    const std::string code =
        flag ? (value.get<bool>() ? "true" : "false") : value.get<std::string>();
    const auto it = std::ranges::find(row.choices, code, &RuleChoice::code);
    if (it == row.choices.end()) {
        badValue(path);
    }
    return it->value;
}

void readRules(const Json& rules, DecodedDocument& result, Json& unknown) {
    MatchRecord& m = result.match;
    Rules r;
    // In the table's order: a rule may set what a later one refines.
    for (const RuleRow& row : ruleRows()) {
        const std::string path = "rules." + std::string(row.key);
        const auto it = rules.find(std::string(row.key));
        if (it == rules.end() && !row.writtenWhenDefault) {
            continue;
        }
        if (it == rules.end()) {
            missingOrWrongType(path);
        }
        row.set(r, ruleValue(row, *it, path));
    }
    if (const auto key = conflictOf(r)) {
        badValue("rules." + std::string(*key));
    }
    m.setRules(r);

    Json extra = Json::object();
    extra.get_ref<Json::object_t&>().reserve(rules.size());
    for (const auto& [key, value] : rules.items()) {
        if (!isRuleKey(key)) {
            appendMember(extra, key, value);
        }
    }
    if (!extra.empty()) {
        unknown["rules"] = std::move(extra);
    }
}

void readPoints(const Json& points, bool timed, DecodedDocument& result) {
    MatchRecord& m = result.match;
    const std::size_t taken = std::min<std::size_t>(points.size(), kMaxPoints);
    result.pointsIgnored = points.size() - taken;
    bool anyTime = false, anyMoment = false;
    std::vector<std::int64_t> times, moments;
    for (std::size_t i = 0; i < points.size(); ++i) {
        // Every point is checked, also those left out: a damaged list is not half loaded.
        const std::string path = "points[" + std::to_string(i) + "]";
        const Json& point = points[i];
        if (!point.is_object()) {
            missingOrWrongType(path);
        }
        // A point's other keys are not kept: nothing written so far puts any there, and a
        // point list edited in the window could not say where they belong.
        const auto word = static_cast<PointWord>(
            integer(member(point, "word", &Json::is_number_integer, path + ".word"), 0, 0xFFFF,
                    path + ".word"));
        std::int64_t ms = kNoTime;
        if (const auto it = point.find("ms"); it != point.end()) {
            if (!timed) {
                missingOrWrongType("start");  // what the time counts from
            }
            ms = integer(*it, 0, std::numeric_limits<std::int64_t>::max(), path + ".ms");
            anyTime = true;
        }
        std::int64_t moment = kNoTime;
        if (const auto it = point.find("videoMs"); it != point.end()) {
            moment = integer(*it, 0, std::numeric_limits<std::int64_t>::max(), path + ".videoMs");
            anyMoment = true;
        }
        if (i < taken) {
            m.points.push_back(word);
            times.push_back(ms);
            moments.push_back(moment);
        }
    }
    if (anyTime) {
        m.times = std::move(times);
    }
    if (anyMoment) {
        m.videoMs = std::move(moments);
    }
}

// The side serving first in each set the points begin; the set being played counts while the
// match goes on, so a match without points has one. The sides alternate whoever of a side serves.
std::vector<int> firstSidesOfSets(std::span<const PointWord> points, const Rules& rules) {
    Position position = startPosition(rules);
    std::vector<int> firsts{position.score.setFirstServer};
    for (const PointWord word : points) {
        if (position.score.over) {
            break;
        }
        const int set = position.score.set;
        playPoint(position, rules, word);
        if (position.score.set != set && !position.score.over) {
            firsts.push_back(position.score.setFirstServer);
        }
    }
    return firsts;
}

// Each set begun, its four players in serving turn.
Json servingOrderJson(const MatchRecord& match) {
    const std::size_t n = std::min<std::size_t>(match.points.size(), kMaxPoints);
    const std::vector<int> firsts = firstSidesOfSets(std::span(match.points).first(n), match.rules);
    Json order = Json::array();
    for (std::size_t k = 0; k < firsts.size(); ++k) {
        order.push_back(turnOf(match.rules.servingIn(static_cast<int>(k)), firsts[k]));
    }
    return order;
}

// Each entry is the four players with the sides alternating, and a set the points reach starts
// with the side that serves first in it.
void readServingOrder(const Json& order, MatchRecord& m) {
    if (!order.is_array()) {
        missingOrWrongType("servingOrder");
    }
    const std::vector<int> firsts = firstSidesOfSets(m.points, m.rules);
    std::vector<SetServing> servings;
    for (std::size_t k = 0; k < order.size(); ++k) {
        const std::string path = "servingOrder[" + std::to_string(k) + "]";
        const Json& entry = order[k];
        if (!entry.is_array() || !std::ranges::all_of(entry, &Json::is_number_integer)) {
            missingOrWrongType(path);
        }
        std::vector<int> turn;
        for (const Json& player : entry) {
            turn.push_back(static_cast<int>(integer(player, 0, kPlayers - 1, path)));
        }
        const std::optional<SetServing> serving = servingOfTurn(turn);
        if (!serving || (k < firsts.size() && sideOf(turn[0]) != firsts[k])) {
            badValue(path);
        }
        servings.push_back(*serving);
    }
    // Only the sets begun are written back; a set served as the one before it, at the end of
    // the list, is what a shorter list says. So the same match reads back with the same rules
    // whatever list a writer gave it.
    m.rules.servingOrder = shortestServing(std::move(servings), firsts.size());
}

// In doubles each side is a list of its two players.
void readPlayers(const Json& players, MatchRecord& m) {
    if (players.size() != 2) {
        badValue("players");
    }
    for (std::size_t p = 0; p < 2; ++p) {
        const std::string path = "players[" + std::to_string(p) + "]";
        if (!m.rules.doubles) {
            m.players[p] = name(players[p], path);
            continue;
        }
        const Json& side = players[p];
        if (!side.is_array()) {
            missingOrWrongType(path);
        }
        if (side.size() != 2) {
            badValue(path);
        }
        m.players[p] = name(side[0], path + "[0]");
        m.partners[p] = name(side[1], path + "[1]");
    }
}

namespace fs = std::filesystem;

fs::path pathOf(const std::string& utf8) {
    return fs::path(std::u8string(utf8.begin(), utf8.end()));
}

std::string utf8Of(const std::u8string& text) {
    return std::string(text.begin(), text.end());
}

// The folder a document is in, absolute: a name given from the command line may be bare.
fs::path folderOf(const std::string& documentPath) {
    std::error_code error;
    const fs::path whole = fs::absolute(pathOf(documentPath), error);
    return (error ? pathOf(documentPath) : whole).lexically_normal().parent_path();
}

// The video's path as a document at documentPath keeps it: relative, with "/", when the video
// is in the document's folder or under it, so that moving both keeps them together.
std::string videoFileToWrite(const std::string& file, const std::string& documentPath) {
    const fs::path video = pathOf(file).lexically_normal();
    if (documentPath.empty() || !video.is_absolute()) {
        return file;
    }
    const fs::path relative = video.lexically_relative(folderOf(documentPath));
    if (relative.empty() || relative == "." || *relative.begin() == "..") {
        return file;
    }
    return utf8Of(relative.generic_u8string());
}

// The reverse: a relative path is taken from the document's folder. One with a root of its
// own ("C:x", "\\x" on Windows) is left as written: it names no place beside the document.
std::string videoFileRead(const std::string& file, const std::string& documentPath) {
    const fs::path video = pathOf(file);
    if (documentPath.empty() || file.empty() || video.has_root_name() ||
        video.has_root_directory()) {
        return file;
    }
    return utf8Of((folderOf(documentPath) / video).lexically_normal().u8string());
}

void readVideo(const Json& video, const std::string& documentPath, DecodedDocument& result,
               Json& unknown) {
    if (!video.is_object()) {
        missingOrWrongType("video");
    }
    MatchRecord::VideoLink& link = result.match.video;
    const auto& file = member(video, "file", &Json::is_string, "video.file");
    // No writer of ours names no file: what else it holds would have nowhere to go back to.
    if (file.get_ref<const std::string&>().empty()) {
        badValue("video.file");
    }
    link.file = videoFileRead(file.get<std::string>(), documentPath);
    if (const auto it = video.find("offsetMs"); it != video.end()) {
        link.offsetMs = integer(*it, std::numeric_limits<std::int64_t>::min(),
                                std::numeric_limits<std::int64_t>::max(), "video.offsetMs");
    }
    Json extra = Json::object();
    extra.get_ref<Json::object_t&>().reserve(video.size());
    for (const auto& [key, value] : video.items()) {
        if (!isOneOf(key, kVideoKeys)) {
            appendMember(extra, key, value);
        }
    }
    if (!extra.empty()) {
        unknown["video"] = std::move(extra);
    }
}

}  // namespace

std::string encodeDocument(const MatchRecord& match, const std::string& documentPath) {
    Json rules = rulesJson(match.rules);
    Json unknown = Json::object();
    if (!match.unknown.empty()) {
        unknown = readJson(match.unknown).value;
        if (!unknown.is_object()) {
            unknown = Json::object();  // kept by no reader of ours: nothing to give back
        }
    }
    if (const auto it = unknown.find("rules"); it != unknown.end() && it->is_object()) {
        rules.get_ref<Json::object_t&>().reserve(rules.size() + it->size());
        for (const auto& [key, value] : it->items()) {
            if (!isRuleKey(key)) {
                appendMember(rules, key, value);
            }
        }
    }

    // One key a line and one point a line: a document stays readable, and a diff of two saves
    // shows the points that changed.
    std::string out = "{\n";
    const auto put = [&out](std::string_view key, const std::string& value) {
        out += "  " + dumped(Json(key)) + ": " + value + ",\n";
    };
    put("format", dumped(Json(kFormat)));
    put("version", std::to_string(kDocumentVersion));
    const bool doubles = match.rules.doubles;
    put("players",
        dumped(doubles ? Json::array({Json::array({match.players[0], match.partners[0]}),
                                      Json::array({match.players[1], match.partners[1]})})
                       : Json::array({match.players[0], match.players[1]})));
    put("tournament", dumped(Json(match.tournament)));
    // A round the list does not have is none, as a reader would take it.
    put("round", std::to_string(isRound(match.round) ? match.round : 0));
    put("rules", dumped(rules));
    const bool timed = !match.start.empty();
    if (timed) {
        put("start", dumped(Json(match.start)));
    }
    if (!match.video.file.empty()) {
        Json video = {{"file", videoFileToWrite(match.video.file, documentPath)}};
        if (match.video.offsetMs) {
            video["offsetMs"] = *match.video.offsetMs;
        }
        if (const auto it = unknown.find("video"); it != unknown.end() && it->is_object()) {
            video.get_ref<Json::object_t&>().reserve(video.size() + it->size());
            for (const auto& [key, value] : it->items()) {
                if (!isOneOf(key, kVideoKeys)) {
                    appendMember(video, key, value);
                }
            }
        }
        put("video", dumped(video));
    }
    if (doubles) {
        put("servingOrder", dumped(servingOrderJson(match)));
    }
    for (const auto& [key, value] : unknown.items()) {
        if (!isOneOf(key, kTopKeys)) {
            put(key, dumped(value));
        }
    }
    out += "  \"points\": [";
    const std::size_t n = std::min<std::size_t>(match.points.size(), kMaxPoints);
    for (std::size_t i = 0; i < n; ++i) {
        out += i == 0 ? "\n" : ",\n";
        out += "    {\"word\": " + std::to_string(match.points[i]);
        if (timed && i < match.times.size() && match.times[i] != kNoTime) {
            out += ", \"ms\": " + std::to_string(match.times[i]);
        }
        if (i < match.videoMs.size() && match.videoMs[i] != kNoTime) {
            out += ", \"videoMs\": " + std::to_string(match.videoMs[i]);
        }
        out += "}";
    }
    out += n == 0 ? "]\n}\n" : "\n  ]\n}\n";
    return out;
}

std::string encodeRules(const Rules& rules) {
    return dumped(rulesJson(rules));
}

DecodedDocument decodeDocument(std::string_view bytes, const std::string& documentPath) {
    return decodeDocumentTaking(
        bytes, [](nlohmann::ordered_json&) {}, documentPath);
}

DecodedDocument decodeDocumentTaking(std::string_view bytes,
                                     const std::function<void(nlohmann::ordered_json&)>& take,
                                     const std::string& documentPath) {
    DecodedDocument result;
    if (const std::string_view encoding = foreignEncoding(bytes); !encoding.empty()) {
        result.refusal = Text(CL_TEXT("Messages",
                                      "Il file è un testo in %1, non una partita di Courtlog. Un "
                                      "documento di Courtlog è scritto in UTF-8."))
                             .arg(Text::verbatim(std::string(encoding)));
        return result;
    }
    const std::string_view text = withoutByteOrderMark(bytes);
    ReadJson read = readJson(text);
    switch (read.fault) {
        case ReadJson::Fault::None:
            break;
        case ReadJson::Fault::Syntax: {
            // The position is of the byte that broke the text, counted from 1.
            const auto [line, column] =
                lineAndColumn(text, read.bytesRead == 0 ? 0 : read.bytesRead - 1);
            result.refusal = Text(CL_TEXT("Messages",
                                          "Il documento non è scritto correttamente: errore di "
                                          "sintassi alla riga %1, colonna %2."))
                                 .arg(line)
                                 .arg(column);
            return result;
        }
        case ReadJson::Fault::NumberTooLarge:
            result.refusal =
                CL_TEXT("Messages", "Il documento non è valido: contiene un numero troppo grande.");
            return result;
        case ReadJson::Fault::TooDeep:
            result.refusal = CL_TEXT("Messages",
                                     "Il documento non è valido: contiene valori annidati troppo "
                                     "in profondità.");
            return result;
    }
    Json& doc = read.value;

    try {
        if (!doc.is_object() || doc.value("format", Json()) != Json(kFormat)) {
            throw Refused{CL_TEXT("Messages", "Il file non è una partita di Courtlog.")};
        }
        const auto version = integer(member(doc, "version", &Json::is_number_integer, "version"), 1,
                                     std::numeric_limits<std::int64_t>::max(), "version");
        if (version > kDocumentVersion) {
            throw Refused{Text(CL_TEXT("Messages",
                                       "Il documento è della versione %1 di Courtlog, più "
                                       "recente di quella che questo programma sa leggere. "
                                       "Per aprirlo occorre una versione aggiornata di "
                                       "Courtlog."))
                              .arg(version)};
        }

        MatchRecord& m = result.match;
        const Json& players = member(doc, "players", &Json::is_array, "players");
        m.tournament =
            name(member(doc, "tournament", &Json::is_string, "tournament"), "tournament");
        // As in a match file: a round the list does not have is reported, and left out.
        const Json& round = member(doc, "round", &Json::is_number_integer, "round");
        const bool inList = round.is_number_unsigned() ? round.get<std::uint64_t>() < kRounds.size()
                                                       : isRound(round.get<std::int64_t>());
        if (inList) {
            m.round = round.get<int>();
        } else {
            result.errors.push_back(LoadError::BadRound);
            result.roundValid = false;
        }

        Json unknown = Json::object();
        readRules(member(doc, "rules", &Json::is_object, "rules"), result, unknown);
        // The rules say whether the names are of two players or of four.
        readPlayers(players, m);
        if (const auto it = doc.find("start"); it != doc.end()) {
            if (!it->is_string()) {
                missingOrWrongType("start");
            }
            m.start = it->get<std::string>();
            if (!parseIsoUtc(m.start)) {
                badValue("start");
            }
        }
        if (const auto it = doc.find("video"); it != doc.end()) {
            readVideo(*it, documentPath, result, unknown);
        }
        readPoints(member(doc, "points", &Json::is_array, "points"), !m.start.empty(), result);
        if (const auto it = doc.find("servingOrder"); it != doc.end() && m.rules.doubles) {
            readServingOrder(*it, m);
        }

        unknown.get_ref<Json::object_t&>().reserve(doc.size());
        for (auto& [key, value] : doc.get_ref<Json::object_t&>()) {
            if (!isOneOf(key, kTopKeys)) {
                appendMember(unknown, key, std::move(value));
            }
        }
        take(unknown);
        if (!unknown.empty()) {
            m.unknown = dumped(unknown);
        }
    } catch (const Refused& refused) {
        result.refusal = refused.reason;
    }
    if (result.refusal) {
        result.match = MatchRecord{};
        result.errors.clear();
    }
    return result;
}

bool isMatchDocument(std::string_view bytes) {
    if (!foreignEncoding(bytes).empty()) {
        return true;  // text all the same, which the document's reader names
    }
    for (char c : withoutByteOrderMark(bytes)) {
        if (c != ' ' && c != '\t' && c != '\r' && c != '\n') {
            return c == '{';
        }
    }
    return false;
}

std::vector<Text> matchFileLosses(const MatchRecord& match) {
    std::vector<Text> losses;
    // What a match file keeps: the number of sets and the tie-break menu's marks.
    const Rules& r = match.rules;
    const Rules kept = rulesOf(r.setsInMatch, match.tieBreakMarks);
    for (const RuleRow& row : ruleRows()) {
        if (row.lost.text != nullptr && row.get(r) != row.get(kept)) {
            Text loss(row.lost);
            if (const RuleChoice* choice = choiceOf(row, row.get(r));
                choice && choice->inWords.text != nullptr) {
                loss.arg(choice->inWords);
            }
            losses.push_back(std::move(loss));
        }
    }
    // A doubles side is kept as one name, its two joined.
    const std::array<std::string, 3> names{match.sideName(0), match.sideName(1), match.tournament};
    for (const std::string* name : {&names[0], &names[1], &names[2]}) {
        std::string kept = utf8ToCp1252(*name);
        kept.resize(std::min<std::size_t>(kept.size(), kMaxTextLength));
        if (cp1252ToUtf8(kept) != *name) {
            losses.emplace_back(Text(CL_TEXT("Messages", "il nome \"%1\", che diventerebbe \"%2\""))
                                    .arg(Text::verbatim(*name))
                                    .arg(Text::verbatim(cp1252ToUtf8(kept))));
        }
    }
    if (std::any_of(match.times.begin(), match.times.end(),
                    [](std::int64_t t) { return t != kNoTime; })) {
        losses.emplace_back(CL_TEXT("Messages", "i tempi dei punti"));
    }
    if (!match.video.file.empty()) {
        losses.emplace_back(CL_TEXT("Messages", "il video della partita"));
    }
    if (std::ranges::any_of(match.videoMs, [](std::int64_t t) { return t != kNoTime; })) {
        losses.emplace_back(CL_TEXT("Messages", "i momenti dei punti nel video"));
    }
    if (!match.unknown.empty()) {
        losses.emplace_back(CL_TEXT("Messages",
                                    "i dati del documento che questa versione di Courtlog non "
                                    "legge"));
    }
    return losses;
}

}  // namespace courtlog
