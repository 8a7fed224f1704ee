#include "platform/Clock.h"

#include <chrono>
#include <cstdio>
#include <ctime>

namespace courtlog {

namespace {

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
    using namespace std::chrono;
    const sys_time<milliseconds> moment{milliseconds{ms}};
    const sys_days midnight = floor<days>(moment);
    const year_month_day date{midnight};
    const hh_mm_ss time{moment - midnight};
    char out[40];
    std::snprintf(
        out, sizeof out, "%04d-%02u-%02uT%02d:%02d:%02d.%03dZ", static_cast<int>(date.year()),
        static_cast<unsigned>(date.month()), static_cast<unsigned>(date.day()),
        static_cast<int>(time.hours().count()), static_cast<int>(time.minutes().count()),
        static_cast<int>(time.seconds().count()), static_cast<int>(time.subseconds().count()));
    return out;
}

std::optional<std::int64_t> parseIsoUtc(std::string_view t) {
    using namespace std::chrono;
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
    // A date the calendar does not have (month 13, February 30) is none.
    const year_month_day date{year{y}, month{static_cast<unsigned>(mo)},
                              day{static_cast<unsigned>(d)}};
    if (!date.ok()) {
        return std::nullopt;
    }
    const milliseconds moment =
        sys_days{date}.time_since_epoch() + hours{h} + minutes{mi} + seconds{s} + milliseconds{ms};
    return moment.count();
}

std::string localDayMonthTime(std::int64_t ms) {
    const std::time_t whole = static_cast<std::time_t>(ms / 1000);
    std::tm local{};
    // The calendar of <chrono> has no time zones here: the C library knows the user's.
#ifdef _WIN32
    localtime_s(&local, &whole);
#else
    localtime_r(&whole, &local);
#endif
    char out[32];
    std::snprintf(out, sizeof out, "%02d/%02d %02d:%02d", local.tm_mday, local.tm_mon + 1,
                  local.tm_hour, local.tm_min);
    return out;
}

}  // namespace courtlog
