#pragma once

#include <optional>
#include <string>
#include <vector>

#include "platform/Text.h"

namespace courtlog::ui {

// What `courtlog [--lang it|en] [--] [FILE.clg]` asks for.
struct WindowArguments {
    std::string file;             // the path's bytes as given; empty for none
    std::optional<int> language;  // the language's index, for this run only
    Text error;                   // what is wrong with the command line; empty when nothing
};

// The arguments after the program's name. Options come before the file and "--" ends them;
// a lone argument is always the file, so that any file name opens as it always has.
WindowArguments parseWindowArguments(const std::vector<std::string>& args);

}  // namespace courtlog::ui
