#pragma once

#include <cstdlib>
#include <string>

namespace courtlog {

enum class MsgButtons { Ok, YesNo };
enum class MsgAnswer { Ok, Yes, No };

// The residual-points question: what to do with the recorded points after a point recorded in
// the middle of the history.
enum class ResidualAnswer { Overwrite = 0, Insert = 1, DeleteLater = 2 };

inline constexpr const char* kAppTitle = "Courtlog";

// Everything modal or outside the process goes through here, so the match logic runs the same
// behind the real window, behind the command-line tools and inside the tests.
class Platform {
public:
    virtual ~Platform() = default;

    // A modal box without icon. An empty title means the application's title. Yes/No boxes
    // have Yes as their default button.
    virtual MsgAnswer messageBox(const std::string& text, MsgButtons buttons,
                                 const std::string& title = {}) = 0;

    // A modal text input; an empty result when cancelled.
    virtual std::string inputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultText) = 0;

    // Asks about the residualPoints recorded points that follow a point just recorded in the
    // middle of the history. Must always give an answer; insertion is not offered when
    // offerInsert is false and is never the answer then.
    virtual ResidualAnswer askResidualPoints(int residualPoints, bool offerInsert) = 0;

    // Ends the program at once, without the window's close step.
    [[noreturn]] void endProgram() {
        exitProgram();
        std::abort();  // exitProgram never returns; this only tells the compiler so
    }

protected:
    // Ends the process, or leaves by an exception; it never returns.
    virtual void exitProgram() = 0;
};

}  // namespace courtlog
