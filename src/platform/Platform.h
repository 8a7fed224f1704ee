#pragma once

#include <chrono>
#include <cstdint>
#include <cstdlib>
#include <optional>
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

// Read access to the system registry, with the calls of the Windows API. Elsewhere it is a
// small in-memory registry that holds nothing unless it is given values.
class Registry {
public:
    using Key = std::uintptr_t;
    static constexpr Key LocalMachine = 0x80000002;
    static constexpr long Success = 0;
    static constexpr std::uint32_t TypeText = 1;
    static constexpr std::uint32_t TypeNumber = 4;

    virtual ~Registry() = default;
    virtual long RegOpenKeyExA(Key root, const std::string& subKey, std::uint32_t access,
                               Key& opened) = 0;
    // Reads up to size bytes of the value into data; size becomes the length of the value.
    virtual long RegQueryValueExA(Key key, const std::string& valueName, std::uint32_t& type,
                                  std::string& data, std::uint32_t& size) = 0;
    virtual long RegCloseKey(Key key) = 0;
};

// Everything modal or outside the process goes through here, so the match logic runs the same
// behind the real window, behind the command-line tools and inside the tests.
class Platform {
public:
    virtual ~Platform() = default;

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

    // The per-user settings store: text values by application, section and key.
    virtual std::optional<std::string> getSetting(const std::string& app,
                                                  const std::string& section,
                                                  const std::string& key) = 0;
    virtual void saveSetting(const std::string& app, const std::string& section,
                             const std::string& key, const std::string& value) = 0;

    // A text in the language the user reads, for what leaves the window as words: the names
    // a saved match keeps, a file name offered.
    virtual std::string shown(const Text& text) { return text.italian(); }

    // The time now, in milliseconds since 1970-01-01 00:00 UTC.
    virtual std::int64_t now() {
        return std::chrono::duration_cast<std::chrono::milliseconds>(
                   std::chrono::system_clock::now().time_since_epoch())
            .count();
    }

    // The folder of the recovery files, which the program makes when it needs it; empty when
    // this platform keeps none.
    virtual std::string recoveryFolder() { return {}; }
    // Takes the lock file at path ("<file>.lock") and holds it until unlockFile or the end of
    // the process; false only when a running program holds it. A lock left by a program that
    // died, one that cannot be read, and one from another machine whose file has not changed
    // for a day are taken. Where no lock can be made or put away, the file is used unlocked.
    virtual bool lockFile(const std::string& path) {
        (void)path;
        return true;
    }
    virtual void unlockFile(const std::string& path) { (void)path; }

    // The about box, modal.
    virtual void showAbout() = 0;

    virtual Registry& registry() = 0;
    virtual bool fileExists(const std::string& path) = 0;
    // Starts a program without waiting for it; false when it could not be started.
    virtual bool startProgram(const std::string& path) = 0;

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
