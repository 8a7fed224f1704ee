#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Text.h"

namespace courtlog::ui {

// What `courtlog [--lang it|en] [--] [FILE.clg]` asks for.
struct WindowArguments {
    // The window, or an answer on standard output without one.
    enum class Asks { Window, Help, Version };
    Asks asks = Asks::Window;
    std::string file;             // the path's bytes as given; empty for none
    std::optional<int> language;  // the language's index, for this run only
    Text error;                   // what is wrong with the command line; empty when nothing
};

// The arguments after the program's name. Options come before the file and "--" ends them.
// A lone argument is the file, so that any file name opens as it always has, except the
// options that every program answers (-h, --help, --version) and --lang, which alone is a
// language without a file.
WindowArguments parseWindowArguments(const std::vector<std::string>& args);

// "Uso: courtlog ...", and the whole help that begins with it.
Text windowUsage();
Text windowHelp();

}  // namespace courtlog::ui
