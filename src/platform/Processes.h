#pragma once

#include <cstdint>
#include <cstdlib>
#include <string>

namespace courtlog {

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

// This program and the others on the machine: starting one, ending this one, what the system
// says about itself.
class Processes {
public:
    virtual ~Processes() = default;

    virtual Registry& registry() = 0;
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
