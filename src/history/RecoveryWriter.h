#pragma once

#include "history/MatchRecord.h"

namespace courtlog {

// Where a session keeps its unsaved match, so that a program that dies loses nothing. The
// session says what to keep after every change; how and where is the writer's business.
class RecoveryWriter {
public:
    virtual ~RecoveryWriter() = default;
    // The match as it stands, not saved anywhere else.
    virtual void keep(const MatchRecord& match) = 0;
    // The match is safe in its file: nothing to keep.
    virtual void discard() = 0;
};

}  // namespace courtlog
