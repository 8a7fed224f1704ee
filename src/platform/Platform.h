#pragma once

#include "platform/Clock.h"
#include "platform/Dialogs.h"
#include "platform/Files.h"
#include "platform/Processes.h"
#include "platform/Settings.h"
#include "platform/Text.h"
#include "platform/Video.h"

namespace courtlog {

// Everything modal or outside the process goes through here, so the match logic runs the same
// behind the real window, behind the command-line tools and inside the tests. Code that needs
// one concern alone may take that interface.
class Platform : public Dialogs, public Settings, public Files, public Clock, public Processes,
                 public Video {
public:
    // A text in the language the user reads, for what leaves the window as words: the names
    // a saved match keeps, a file name offered.
    virtual std::string shown(const Text& text) { return text.italian(); }
};

}  // namespace courtlog
