#pragma once

#ifdef _WIN32

#include "platform/Processes.h"

namespace courtlog {

// The real registry of Windows, read only.
class WindowsRegistry : public Registry {
public:
    long RegOpenKeyExA(Key root, const std::string& subKey, std::uint32_t access,
                       Key& opened) override;
    long RegQueryValueExA(Key key, const std::string& valueName, std::uint32_t& type,
                          std::string& data, std::uint32_t& size) override;
    long RegCloseKey(Key key) override;
};

}  // namespace courtlog

#endif
