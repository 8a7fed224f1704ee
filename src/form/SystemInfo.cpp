#include "form/SystemInfo.h"

#include <cstdio>

namespace courtlog {

namespace {

// READ_CONTROL with the query, set, create, enumerate, notify and link key rights.
constexpr std::uint32_t kKeyAccess = 0x2003F;
constexpr std::uint32_t kBufferSize = 1024;

}  // namespace

bool GetKeyValue(Registry& registry, Registry::Key root, const std::string& keyName,
                 const std::string& valueName, std::string& value) {
    Registry::Key key = 0;
    if (registry.RegOpenKeyExA(root, keyName, kKeyAccess, key) != Registry::Success) {
        value.clear();
        registry.RegCloseKey(key);
        return false;
    }
    std::string buffer(kBufferSize, '\0');
    std::uint32_t size = kBufferSize;
    std::uint32_t type = 0;
    if (registry.RegQueryValueExA(key, valueName, type, buffer, size) != Registry::Success) {
        value.clear();
        registry.RegCloseKey(key);
        return false;
    }
    buffer.resize(size);
    if (!buffer.empty() && buffer.back() == '\0') {
        buffer.pop_back();
    }
    if (type == Registry::TypeText) {
        value = buffer;
    } else if (type == Registry::TypeNumber) {
        // Each byte's digits from the last byte to the first, without padding, read as one
        // hexadecimal number.
        std::string hex;
        for (auto it = buffer.rbegin(); it != buffer.rend(); ++it) {
            char digits[3];
            std::snprintf(digits, sizeof digits, "%X", static_cast<unsigned char>(*it));
            hex += digits;
        }
        if (hex.empty()) {
            value.assign(1, '0');
        } else if (hex.size() <= 16) {
            value = std::to_string(std::stoull(hex, nullptr, 16));
        } else {
            value = "&h" + hex;  // too long for a number; shown as read
        }
    }
    registry.RegCloseKey(key);
    return true;
}

void StartSysInfo(Platform& platform) {
    Registry& registry = platform.registry();
    std::string path;
    bool started = false;
    if (GetKeyValue(registry, Registry::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO",
                    "PATH", path)) {
        started = platform.startProgram(path);
    } else if (GetKeyValue(registry, Registry::LocalMachine,
                           "SOFTWARE\\Microsoft\\Shared Tools Location", "MSINFO", path)) {
        path += "\\MSINFO32.EXE";
        started = platform.fileExists(path) && platform.startProgram(path);
    }
    if (!started) {
        platform.messageBox(
            CL_TEXT("Messages", "Le informazioni sul sistema non sono attualmente disponibili."),
            MsgButtons::Ok);
    }
}

}  // namespace courtlog
