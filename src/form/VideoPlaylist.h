#pragma once

#include <cstdint>
#include <vector>

#include "history/VideoClips.h"
#include "platform/Video.h"

namespace courtlog {

// One clip of a playlist: the point it shows, and its stretch of the video.
struct PlaylistClip {
    int point = 0;
    Clip clip;
};

// Plays the clips of a list of points one after another: at the end of a clip the video goes on
// to the start of the next, and after the last it stops. It learns where the video stands only
// from the position changes it is told of.
class VideoPlaylist {
public:
    explicit VideoPlaylist(Video& video) : video_(video) {}

    // Plays these clips in order from the first; with none, nothing plays.
    void play(std::vector<PlaylistClip> clips);
    // The playlist plays (or stands paused in one of its clips).
    bool active() const { return !clips_.empty(); }
    // The clip shown, from 0, and how many there are.
    int current() const { return current_; }
    int size() const { return static_cast<int>(clips_.size()); }
    const PlaylistClip& clip() const { return clips_[static_cast<std::size_t>(current_)]; }
    // The next clip, or the previous (the first starts again); false when inactive or there is
    // no next one.
    bool next();
    bool previous();
    // Ends the playlist where the video stands, paused.
    void stop();
    // The video stands at `ms`. Past the end of a clip it has played into, the next one starts;
    // past the last, the playlist ends. True when that changed the clip shown or ended it.
    bool moved(std::int64_t ms);

private:
    void start(int index);

    Video& video_;
    std::vector<PlaylistClip> clips_;
    int current_ = 0;
    // The video has been seen inside the current clip since it started: until then a position
    // reported from before the seek is not the clip's end.
    bool entered_ = false;
};

}  // namespace courtlog
