#pragma once

#include <chrono>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace courtlog {

// The time now, which tests set by hand.
class Clock {
public:
    virtual ~Clock() = default;

    // The time now, in milliseconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t now() {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
    }
};

// A moment as milliseconds since 1970-01-01 00:00 UTC, written in ISO 8601:
// "2024-07-14T13:05:09.250Z".
std::string isoUtc(std::int64_t msSinceEpoch);

// Reads that form back, with or without the milliseconds (any fraction of a second is read
// to the millisecond), ending in "Z" or "+00:00"; nothing for anything else.
std::optional<std::int64_t> parseIsoUtc(std::string_view text);

// The moment in the user's own time zone as "DD/MM HH:MM", as a person reads a recent time.
std::string localDayMonthTime(std::int64_t msSinceEpoch);

}  // namespace courtlog
