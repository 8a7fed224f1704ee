#pragma once

#include <string>

namespace courtlog {

// The files the program keeps for itself beside the matches, and what it asks about others.
class Files {
public:
    virtual ~Files() = default;

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

    virtual bool fileExists(const std::string& path) = 0;
};

}  // namespace courtlog
