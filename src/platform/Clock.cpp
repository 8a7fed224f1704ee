#include "platform/Clock.h"

#include <cstdio>
#include <ctime>

namespace courtlog {

namespace {

constexpr std::int64_t kMsPerDay = 86'400'000;

// Days since 1970-01-01 of a date of the proleptic Gregorian calendar, and back.
std::int64_t daysFromCivil(std::int64_t y, int m, int d) {
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = (y >= 0 ? y : y - 399) / 400;
    const std::int64_t yoe = y - era * 400;
    const std::int64_t doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

void civilFromDays(std::int64_t z, std::int64_t& y, int& m, int& d) {
    z += 719468;
    const std::int64_t era = (z >= 0 ? z : z - 146096) / 146097;
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    d = static_cast<int>(doy - (153 * mp + 2) / 5 + 1);
    m = static_cast<int>(mp < 10 ? mp + 3 : mp - 9);
    y = yoe + era * 400 + (m <= 2 ? 1 : 0);
}

// Reads exactly `count` digits at `pos`.
bool digits(std::string_view t, std::size_t& pos, std::size_t count, int& value) {
    if (pos + count > t.size()) {
        return false;
    }
    value = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const char c = t[pos + i];
        if (c < '0' || c > '9') {
            return false;
        }
        value = value * 10 + (c - '0');
    }
    pos += count;
    return true;
}

bool expect(std::string_view t, std::size_t& pos, char c) {
    if (pos < t.size() && t[pos] == c) {
        ++pos;
        return true;
    }
    return false;
}

}  // namespace

std::string isoUtc(std::int64_t ms) {
    std::int64_t days = ms / kMsPerDay;
    std::int64_t rest = ms % kMsPerDay;
    if (rest < 0) {
        rest += kMsPerDay;
        --days;
    }
    std::int64_t y = 0;
    int m = 0;
    int d = 0;
    civilFromDays(days, y, m, d);
    char out[40];
    std::snprintf(out, sizeof out, "%04lld-%02d-%02dT%02d:%02d:%02d.%03dZ",
                  static_cast<long long>(y), m, d, static_cast<int>(rest / 3'600'000),
                  static_cast<int>(rest / 60'000 % 60), static_cast<int>(rest / 1000 % 60),
                  static_cast<int>(rest % 1000));
    return out;
}

std::optional<std::int64_t> parseIsoUtc(std::string_view t) {
    std::size_t pos = 0;
    int y = 0;
    int mo = 0;
    int d = 0;
    int h = 0;
    int mi = 0;
    int s = 0;
    if (!digits(t, pos, 4, y) || !expect(t, pos, '-') || !digits(t, pos, 2, mo) ||
        !expect(t, pos, '-') || !digits(t, pos, 2, d) || !expect(t, pos, 'T') ||
        !digits(t, pos, 2, h) || !expect(t, pos, ':') || !digits(t, pos, 2, mi) ||
        !expect(t, pos, ':') || !digits(t, pos, 2, s)) {
        return std::nullopt;
    }
    int ms = 0;
    if (expect(t, pos, '.')) {
        int scale = 100;
        const std::size_t first = pos;
        while (pos < t.size() && t[pos] >= '0' && t[pos] <= '9') {
            ms += (t[pos] - '0') * scale;
            scale /= 10;
            ++pos;
        }
        if (pos == first) {
            return std::nullopt;
        }
    }
    const std::string_view zone = t.substr(pos);
    if ((zone != "Z" && zone != "+00:00") || h > 23 || mi > 59 || s > 60) {
        return std::nullopt;
    }
    // A date the calendar does not have (month 13, February 30) comes back as another.
    const std::int64_t days = daysFromCivil(y, mo, d);
    std::int64_t backYear = 0;
    int backMonth = 0;
    int backDay = 0;
    civilFromDays(days, backYear, backMonth, backDay);
    if (backYear != y || backMonth != mo || backDay != d) {
        return std::nullopt;
    }
    return days * kMsPerDay + ((h * 60 + mi) * 60 + s) * 1000LL + ms;
}

std::string localDayMonthTime(std::int64_t ms) {
    const std::time_t seconds = static_cast<std::time_t>(ms / 1000);
    std::tm local{};
#ifdef _WIN32
    localtime_s(&local, &seconds);
#else
    localtime_r(&seconds, &local);
#endif
    char out[32];
    std::snprintf(out, sizeof out, "%02d/%02d %02d:%02d", local.tm_mday, local.tm_mon + 1,
                  local.tm_hour, local.tm_min);
    return out;
}

}  // namespace courtlog
