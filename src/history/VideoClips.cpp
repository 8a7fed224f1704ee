#include "history/VideoClips.h"

#include <algorithm>

#include "history/MatchRecord.h"

namespace courtlog {

std::optional<Clip> clipOf(std::span<const std::int64_t> videoMs, int k, std::int64_t leadMs) {
    if (k < 0 || static_cast<std::size_t>(k) >= videoMs.size()) {
        return std::nullopt;
    }
    const std::int64_t at = videoMs[static_cast<std::size_t>(k)];
    if (at == kNoTime) {
        return std::nullopt;
    }
    std::int64_t start = at - leadMs;
    if (k > 0) {
        const std::int64_t previous = videoMs[static_cast<std::size_t>(k) - 1];
        // A previous moment after this one (points tied by hand out of order) would leave an
        // empty clip; the lead alone stands then.
        if (previous != kNoTime && previous > start && previous < at) {
            start = previous;
        }
    }
    return Clip{std::max<std::int64_t>(start, 0), at + kClipTailMs};
}

std::optional<std::int64_t> videoMomentAt(std::span<const std::int64_t> videoMs, int position,
                                          std::int64_t leadMs) {
    const int count = static_cast<int>(videoMs.size());
    if (position < count) {
        const auto clip = clipOf(videoMs, position, leadMs);
        return clip ? std::optional(clip->startMs) : std::nullopt;
    }
    const auto last = clipOf(videoMs, count - 1, leadMs);
    return last ? std::optional(last->endMs) : std::nullopt;
}

}  // namespace courtlog
