#include "history/PointList.h"

#include <algorithm>

namespace courtlog {

bool PointList::moveTo(int position) {
    if (position < 0 || position > count_) {
        return false;
    }
    current_ = position;
    return true;
}

int PointList::recordWorking() {
    ++current_;
    if (current_ >= count_) {
        words_[size(current_)] = 0;
        times_[size(current_)] = kNoTime;
        videos_[size(current_)] = kNoTime;
        count_ = current_;
        return 0;
    }
    return count_ - current_;
}

ResidualAnswer PointList::keepLater(ResidualAnswer answer, PointWord displaced,
                                    std::int64_t displacedTime, std::int64_t displacedVideo) {
    switch (answer) {
        case ResidualAnswer::Insert:
            if (!canInsert()) {
                return ResidualAnswer::Overwrite;  // no room: the new point overwrites the old one
            }
            // The later points move up one slot, and the point that stood where the new one
            // was recorded follows it, as it was before the user marked the new point over it.
            std::copy_backward(words_.begin() + current_, words_.begin() + count_,
                               words_.begin() + count_ + 1);
            std::copy_backward(times_.begin() + current_, times_.begin() + count_,
                               times_.begin() + count_ + 1);
            std::copy_backward(videos_.begin() + current_, videos_.begin() + count_,
                               videos_.begin() + count_ + 1);
            words_[size(current_)] = displaced;
            times_[size(current_)] = displacedTime;
            videos_[size(current_)] = displacedVideo;
            ++count_;
            break;
        case ResidualAnswer::DeleteLater:
            words_[size(current_)] = 0;
            times_[size(current_)] = kNoTime;
            videos_[size(current_)] = kNoTime;
            count_ = current_;
            break;
        case ResidualAnswer::Overwrite:
        case ResidualAnswer::Cancel:
            break;
    }
    return answer;
}

void PointList::assign(std::span<const PointWord> points, std::span<const std::int64_t> times,
                       std::span<const std::int64_t> videos) {
    const std::size_t n = std::min<std::size_t>(points.size(), kMaxPoints);
    std::copy_n(points.begin(), n, words_.begin());
    for (std::size_t i = 0; i <= n; ++i) {
        times_[i] = i < n && i < times.size() ? times[i] : kNoTime;
        videos_[i] = i < n && i < videos.size() ? videos[i] : kNoTime;
    }
    count_ = current_ = static_cast<int>(n);
    words_[n] = 0;
}

bool PointList::erase(int k) {
    if (k < 0 || k >= count_) {
        return false;
    }
    // The empty slot after the last point comes along, so the list still ends in one.
    std::copy(words_.begin() + k + 1, words_.begin() + count_ + 1, words_.begin() + k);
    std::copy(times_.begin() + k + 1, times_.begin() + count_ + 1, times_.begin() + k);
    std::copy(videos_.begin() + k + 1, videos_.begin() + count_ + 1, videos_.begin() + k);
    --count_;
    if (current_ > k) {
        --current_;
    }
    return true;
}

void PointList::rewrite(std::span<const PointWord> points) {
    std::copy_n(points.begin(), std::min<std::size_t>(points.size(), size(count_)), words_.begin());
}

void PointList::clear() {
    count_ = current_ = 0;
    words_[0] = 0;
    times_[0] = kNoTime;
    videos_[0] = kNoTime;
}

}  // namespace courtlog
