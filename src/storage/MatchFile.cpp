#include "storage/MatchFile.h"

#include <algorithm>

#include "scoring/Rounds.h"
#include "storage/Cp1252.h"

namespace courtlog {

namespace {

void put16(std::string& out, int value) {
    const auto v = static_cast<std::uint16_t>(value);
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8);
}

void putText(std::string& out, const std::string& utf8) {
    std::string bytes = utf8ToCp1252(utf8);
    if (bytes.size() > static_cast<std::size_t>(kMaxTextLength)) {
        bytes.resize(kMaxTextLength);
    }
    put16(out, static_cast<int>(bytes.size()));
    out += bytes;
}

// Reads the file front to back; every read says whether the bytes were there.
class Reader {
public:
    explicit Reader(std::string_view bytes) : bytes_(bytes) {}

    bool read16(std::int16_t& value) {
        if (remaining() < 2) {
            return false;
        }
        const auto lo = static_cast<unsigned char>(bytes_[pos_]);
        const auto hi = static_cast<unsigned char>(bytes_[pos_ + 1]);
        value = static_cast<std::int16_t>(static_cast<std::uint16_t>(lo | (hi << 8)));
        pos_ += 2;
        return true;
    }

    bool readByte(int& value) {
        if (remaining() < 1) {
            return false;
        }
        value = static_cast<unsigned char>(bytes_[pos_++]);
        return true;
    }

    bool readBytes(std::size_t count, std::string_view& out) {
        if (remaining() < count) {
            return false;
        }
        out = bytes_.substr(pos_, count);
        pos_ += count;
        return true;
    }

    std::size_t remaining() const { return bytes_.size() - pos_; }

private:
    std::string_view bytes_;
    std::size_t pos_ = 0;
};

}  // namespace

std::string encodeMatch(const MatchRecord& match) {
    std::string out;
    put16(out, static_cast<std::int16_t>(match.rules.setsInMatch));
    for (bool flag : match.tieBreakMarks) {
        put16(out, flag ? 0xFFFF : 0);
    }
    // A doubles side as one name: a match file has room for two.
    putText(out, match.sideName(0));
    putText(out, match.sideName(1));
    putText(out, match.tournament);
    out += static_cast<char>(match.round >= 0 && match.round <= 255 ? match.round : 0);
    const std::size_t n = std::min<std::size_t>(match.points.size(), kMaxPoints);
    for (std::size_t i = 0; i < n; ++i) {
        put16(out, match.points[i]);
    }
    return out;
}

DecodedMatch decodeMatch(std::string_view bytes, std::uint64_t bytesBeyond) {
    DecodedMatch result;
    MatchRecord& m = result.match;
    Reader in(bytes);
    const auto pastEnd = [&result]() {
        result.fatalError = LoadError::PastEnd;
        return result;
    };

    std::int16_t sets = 0;
    if (!in.read16(sets)) {
        return pastEnd();
    }
    for (bool& flag : m.tieBreakMarks) {
        std::int16_t v = 0;
        if (!in.read16(v)) {
            return pastEnd();
        }
        flag = v != 0;
    }
    m.rules = rulesOf(sets, m.tieBreakMarks);
    for (std::string* text : {&m.players[0], &m.players[1], &m.tournament}) {
        std::int16_t length = 0;
        if (!in.read16(length)) {
            return pastEnd();
        }
        if (length < 0) {
            result.errors.push_back(LoadError::BadLength);
            text->clear();
            continue;
        }
        std::string_view raw;
        if (!in.readBytes(static_cast<std::size_t>(length), raw)) {
            return pastEnd();
        }
        *text = cp1252ToUtf8(raw);
    }
    if (!in.readByte(m.round)) {
        return pastEnd();
    }
    if (!isRound(m.round)) {
        result.errors.push_back(LoadError::BadRound);
        result.roundValid = false;
    }
    const std::uint64_t words = (in.remaining() + bytesBeyond) / 2;
    const std::size_t taken = std::min<std::size_t>(in.remaining() / 2, kMaxPoints);
    result.pointsIgnored = words - taken;
    m.points.reserve(taken);
    for (std::size_t i = 0; i < taken; ++i) {
        std::int16_t w = 0;
        in.read16(w);
        m.points.push_back(static_cast<PointWord>(w));
    }
    return result;
}

}  // namespace courtlog
