#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace courtlog {

// The video a match is charted from or reviewed against, played beside the window. Positions
// are milliseconds from the start of the file. Without a player (the tools, a headless run)
// nothing opens and nothing plays.
class Video {
public:
    virtual ~Video() = default;

    // Opens the file and shows it, paused at its start; an empty answer when it plays, else
    // why not, in the words the player gives.
    virtual std::string openVideo(const std::string& path) {
        (void)path;
        return "no video player";
    }
    virtual bool videoOpen() { return false; }
    // Where the picture stands now.
    virtual std::int64_t videoPosition() { return 0; }
    // Shows the frame at `ms` exactly (the nearest keyframe first, as the player can).
    virtual void seekVideo(std::int64_t ms) { (void)ms; }
    virtual void playVideo(bool play) { (void)play; }
    virtual bool videoPlaying() { return false; }
    // 1.0 is the recording's own speed.
    virtual void setVideoRate(double rate) { (void)rate; }
    // One frame on (+1) or back (-1), paused.
    virtual void stepVideoFrame(int direction) { (void)direction; }
    // The lines drawn over the picture: the point and the score shown, a playlist's progress.
    virtual void showOverVideo(const std::vector<std::string>& lines) { (void)lines; }
};

}  // namespace courtlog
