#pragma once

#include <cstdint>
#include <optional>
#include <span>

namespace courtlog {

// How much of the video before a point's moment its clip shows, when the user has not said:
// a point's moment is when it was recorded, just after it ended.
inline constexpr int kDefaultClipLeadSeconds = 25;
inline constexpr int kMinClipLeadSeconds = 3;
inline constexpr int kMaxClipLeadSeconds = 120;
// How long a clip runs on after the point's moment.
inline constexpr std::int64_t kClipTailMs = 2000;

// A stretch of the video, in milliseconds from its start.
struct Clip {
    std::int64_t startMs = 0;
    std::int64_t endMs = 0;
    bool operator==(const Clip&) const = default;
};

// The clip of point k: from the later of the previous point's moment and its own moment less
// the lead, to its own moment and the tail. Nothing when point k has no moment. `videoMs`
// holds each point's moment, kNoTime for none.
std::optional<Clip> clipOf(std::span<const std::int64_t> videoMs, int k, std::int64_t leadMs);

// Where the video stands for the score after `position` points: the start of the next point's
// clip, from which that score was played on; at the end, the end of the last point's clip.
// Nothing when that point has no moment.
std::optional<std::int64_t> videoMomentAt(std::span<const std::int64_t> videoMs, int position,
                                          std::int64_t leadMs);

}  // namespace courtlog
