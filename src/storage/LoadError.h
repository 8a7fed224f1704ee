#pragma once

namespace courtlog {

// Why a match file could not be loaded, or what the rest of the file survived. The value is
// the number the messages show.
enum class LoadError {
    BadLength = 5,      // a negative length field
    NotFound = 53,      // no such file
    PastEnd = 62,       // the file ends inside its header
    AccessDenied = 70,  // no permission to read
    Unreachable = 75,   // any other failure to reach or read the file
    NoFolder = 76,      // the folder does not exist
    BadRound = 380,     // a round beyond the last entry of the list
};

constexpr int errorNumber(LoadError e) {
    return static_cast<int>(e);
}

}  // namespace courtlog
