#include "platform/MemoryRegistry.h"

#include <algorithm>
#include <cctype>

namespace courtlog {

namespace {

std::string fold(Registry::Key root, const std::string& path) {
    std::string s = std::to_string(root) + "\\" + path;
    std::transform(s.begin(), s.end(), s.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return s;
}

}  // namespace

void MemoryRegistry::put(Key root, const std::string& keyPath, const std::string& valueName,
                         std::uint32_t type, const std::string& data) {
    keys_[fold(root, keyPath)][fold(0, valueName)] = {type, data};
}

long MemoryRegistry::RegOpenKeyExA(Key root, const std::string& subKey, std::uint32_t,
                                   Key& opened) {
    const std::string path = fold(root, subKey);
    if (keys_.find(path) == keys_.end()) {
        return FileNotFound;
    }
    opened = next_++;
    open_[opened] = path;
    return Success;
}

long MemoryRegistry::RegQueryValueExA(Key key, const std::string& valueName, std::uint32_t& type,
                                      std::string& data, std::uint32_t& size) {
    const auto handle = open_.find(key);
    if (handle == open_.end()) {
        return InvalidHandle;
    }
    const auto& values = keys_[handle->second];
    const auto value = values.find(fold(0, valueName));
    if (value == values.end()) {
        return FileNotFound;
    }
    type = value->second.type;
    const auto length = static_cast<std::uint32_t>(value->second.data.size());
    if (length > size) {
        size = length;
        return MoreData;
    }
    data.replace(0, length, value->second.data);
    size = length;
    return Success;
}

long MemoryRegistry::RegCloseKey(Key key) {
    return open_.erase(key) == 1 ? Success : InvalidHandle;
}

}  // namespace courtlog
