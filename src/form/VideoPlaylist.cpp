#include "form/VideoPlaylist.h"

#include <utility>

namespace courtlog {

void VideoPlaylist::play(std::vector<PlaylistClip> clips) {
    clips_ = std::move(clips);
    if (active()) {
        start(0);
        video_.playVideo(true);
    }
}

void VideoPlaylist::start(int index) {
    current_ = index;
    entered_ = false;
    video_.seekVideo(clip().clip.startMs);
}

bool VideoPlaylist::next() {
    if (!active() || current_ + 1 >= size()) {
        return false;
    }
    start(current_ + 1);
    return true;
}

bool VideoPlaylist::previous() {
    if (!active()) {
        return false;
    }
    start(current_ > 0 ? current_ - 1 : 0);
    return true;
}

void VideoPlaylist::stop() {
    if (active()) {
        video_.playVideo(false);
        clips_.clear();
        current_ = 0;
    }
}

bool VideoPlaylist::moved(std::int64_t ms) {
    if (!active()) {
        return false;
    }
    const Clip& c = clip().clip;
    if (ms >= c.startMs && ms < c.endMs) {
        entered_ = true;
        return false;
    }
    if (!entered_ || ms < c.endMs) {
        return false;
    }
    if (!next()) {
        stop();
    }
    return true;
}

}  // namespace courtlog
