#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "platform/Text.h"

namespace courtlog {

// ReplaceSaveAsCancel: "Sostituisci", "Salva con nome…", "Annulla", for a file that changed
// since this window last read or wrote it.
enum class MsgButtons { Ok, YesNo, ReplaceSaveAsCancel };
enum class MsgAnswer { Ok, Yes, No, Replace, SaveAs, Cancel };

// The residual-points question: what to do with the recorded points after a point recorded in
// the middle of the history, or none: the question was closed and nothing is recorded.
enum class ResidualAnswer { Overwrite = 0, Insert = 1, DeleteLater = 2, Cancel = 3 };

inline constexpr const char* kAppTitle = "Courtlog";
inline constexpr Source kFileFilter = CL_TEXT("Files", "File di Courtlog (*.clg)");
inline constexpr Source kDocumentFilter = CL_TEXT("Files", "Partita Courtlog (*.courtlog)");

// A file chosen in a file dialog; an empty title means the user cancelled.
struct FileChoice {
    std::string path;
    std::string title;  // the name without its folder
};

// Everything that waits for the user: the boxes, the questions, the file dialogs.
class Dialogs {
public:
    virtual ~Dialogs() = default;

    // A modal box without icon. An empty title means the application's title. Yes/No boxes
    // have Yes as their default button, the replace question "Salva con nome…"; closing either
    // without a choice is No or Cancel.
    virtual MsgAnswer messageBox(const Text& text, MsgButtons buttons, const Text& title = {}) = 0;

    // A modal text input; an empty result when cancelled.
    virtual std::string inputBox(const Text& prompt, const Text& title,
                                 const std::string& defaultText) = 0;

    // Asks about the residualPoints recorded points that follow a point just recorded in the
    // middle of the history. Must always give an answer, Cancel when the question was closed
    // without one; insertion is not offered when offerInsert is false and is never the
    // answer then.
    virtual ResidualAnswer askResidualPoints(int residualPoints, bool offerInsert) = 0;

    // The file dialogs. Saving offers a name, shows the given filters ("Description (*.ext)")
    // with the one at index `selected` chosen, gives a name typed without extension that
    // filter's, and asks before overwriting a file; opening shows match files.
    virtual FileChoice saveFileDialog(const std::string& defaultName,
                                      const std::vector<Text>& filters, std::size_t selected) = 0;
    virtual FileChoice openFileDialog() = 0;
    // Opens a video: any file the player may read, starting in `folder` when given. Nobody to
    // ask: cancelled.
    virtual FileChoice openVideoDialog(const std::string& folder) {
        (void)folder;
        return {};
    }

    // The about box, modal.
    virtual void showAbout() = 0;
};

}  // namespace courtlog
