#pragma once

#include <array>
#include <span>

#include "history/MatchRecord.h"
#include "platform/Dialogs.h"
#include "scoring/PointWord.h"

namespace courtlog {

// The recorded points and the position in them. The slot at the position is the working slot:
// the point being marked, or the recorded point that comes next.
class PointList {
public:
    int count() const { return count_; }
    int current() const { return current_; }
    bool atEnd() const { return current_ == count_; }
    // No slot is left for another point.
    bool full() const { return current_ >= kMaxPoints; }

    PointWord& working() { return words_[static_cast<std::size_t>(current_)]; }
    // The time of the point in the working slot, kept with it wherever it goes.
    std::int64_t& workingTime() { return times_[static_cast<std::size_t>(current_)]; }
    std::int64_t workingTime() const { return times_[static_cast<std::size_t>(current_)]; }
    std::span<const std::int64_t> recordedTimes() const { return {times_.data(), size(count_)}; }
    // Its moment in the video, which goes with it the same way.
    std::int64_t& workingVideo() { return videos_[static_cast<std::size_t>(current_)]; }
    std::int64_t workingVideo() const { return videos_[static_cast<std::size_t>(current_)]; }
    std::span<const std::int64_t> recordedVideos() const { return {videos_.data(), size(count_)}; }
    std::span<std::int64_t> recordedVideos() { return {videos_.data(), size(count_)}; }
    PointWord working() const { return words_[static_cast<std::size_t>(current_)]; }
    PointWord at(int k) const { return words_[static_cast<std::size_t>(k)]; }
    std::span<const PointWord> recorded() const { return {words_.data(), size(count_)}; }
    // The points before the position.
    std::span<const PointWord> played() const { return {words_.data(), size(current_)}; }

    // Moves to a position from 0 to count(); false, with nothing moved, outside that range.
    bool moveTo(int position);

    // The working slot becomes a recorded point and the position moves past it. Returns how
    // many recorded points now lie after it; with none, the new working slot is empty.
    int recordWorking();
    // One more point fits in the list.
    bool canInsert() const { return count_ < kMaxPoints; }
    // What becomes of the points after a point recorded in the middle: `displaced` is the
    // point that stood where the new one was recorded. Returns what was done: a full list
    // takes no inserted point, so it is overwritten instead.
    ResidualAnswer keepLater(ResidualAnswer answer, PointWord displaced,
                             std::int64_t displacedTime = kNoTime,
                             std::int64_t displacedVideo = kNoTime);

    // Every point replaced by these (at most kMaxPoints of them), with their times and video
    // moments when given; the position at their end.
    void assign(std::span<const PointWord> points, std::span<const std::int64_t> times = {},
                std::span<const std::int64_t> videos = {});
    // Removes the recorded point k; the later points move up, and a position past it moves
    // back with them. False, with nothing removed, for a k the list does not have.
    bool erase(int k);
    // The recorded points become these, as many; the position stays.
    void rewrite(std::span<const PointWord> points);
    // No points: the position and the working slot empty.
    void clear();

private:
    static std::size_t size(int n) { return static_cast<std::size_t>(n); }

    std::array<PointWord, kMaxPoints + 1> words_{};
    using Stamps = std::array<std::int64_t, kMaxPoints + 1>;
    static Stamps none() {
        Stamps t{};
        t.fill(kNoTime);
        return t;
    }
    Stamps times_ = none();
    Stamps videos_ = none();
    int count_ = 0;
    int current_ = 0;
};

}  // namespace courtlog
