#pragma once

#include <optional>
#include <string>

#include "history/RecoveryWriter.h"
#include "platform/Platform.h"
#include "platform/Text.h"

namespace courtlog {

// A window's recovery file: the whole unsaved match after each change, in a file of its own
// under a lock, removed once the match is safe. Nothing is written until the window has
// offered back what an earlier one left (`arm`).
class RecoveryCopy : public RecoveryWriter {
public:
    explicit RecoveryCopy(Platform& platform) : platform_(platform) {}

    void keep(const MatchRecord& match) override;
    void discard() override;

    // From now on the match is kept.
    void arm() { armed_ = true; }
    // The file the match came from, which the copy names so that a recovered match can be
    // saved back there.
    void setFileOfMatch(std::string file) { fileOfMatch_ = std::move(file); }
    // Why the copy cannot be written, for as long as it cannot; nothing when it can.
    const std::optional<Text>& problem() const { return problem_; }
    // The folder, made if need be; empty when this platform keeps none or it cannot be made,
    // which the problem then says.
    std::string usableFolder();
    // Carries the match on in a recovery file taken back, under the lock already held.
    void adopt(const std::string& path);
    // The unsaved match is being replaced: its copy is kept a week among the declined.
    void setAside();
    // A clean end: nothing kept, the lock let go.
    void release();
    const std::string& path() const { return path_; }

private:
    Platform& platform_;
    bool armed_ = false;
    std::string path_;
    std::string fileOfMatch_;
    std::optional<Text> problem_;
};

}  // namespace courtlog
