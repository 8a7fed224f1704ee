#pragma once

#include <map>
#include <string>
#include <utility>

#include "platform/Processes.h"

namespace courtlog {

// A registry held in memory: empty unless values are put in. Key paths compare without regard
// to letter case, as the Windows registry does.
class MemoryRegistry : public Registry {
public:
    static constexpr long FileNotFound = 2;
    static constexpr long InvalidHandle = 6;
    static constexpr long MoreData = 234;

    void put(Key root, const std::string& keyPath, const std::string& valueName, std::uint32_t type,
             const std::string& data);

    long RegOpenKeyExA(Key root, const std::string& subKey, std::uint32_t access,
                       Key& opened) override;
    long RegQueryValueExA(Key key, const std::string& valueName, std::uint32_t& type,
                          std::string& data, std::uint32_t& size) override;
    long RegCloseKey(Key key) override;

    int openHandles() const { return static_cast<int>(open_.size()); }

private:
    struct Value {
        std::uint32_t type;
        std::string data;
    };
    std::map<std::string, std::map<std::string, Value>> keys_;  // folded path -> values
    std::map<Key, std::string> open_;
    Key next_ = 0x1000;
};

}  // namespace courtlog
