#ifdef _WIN32

#include "platform/WindowsRegistry.h"

#define WIN32_LEAN_AND_MEAN
#include <windows.h>

namespace courtlog {

namespace {

// The root keys are 32-bit numbers with the top bit set; Windows' own headers widen them with
// their sign (HKEY_LOCAL_MACHINE is 0xFFFFFFFF80000002 in a 64-bit program), and so do we,
// rather than count on the system looking at the low half only.
HKEY handleOf(Registry::Key key) {
    if (key >= 0x80000000 && key <= 0xFFFFFFFF) {
        return reinterpret_cast<HKEY>(
            static_cast<LONG_PTR>(static_cast<LONG>(static_cast<std::uint32_t>(key))));
    }
    return reinterpret_cast<HKEY>(key);
}

}  // namespace

long WindowsRegistry::RegOpenKeyExA(Key root, const std::string& subKey, std::uint32_t access,
                                    Key& opened) {
    // Only ever read: the write rights the about box asks for are refused to a standard user
    // under HKEY_LOCAL_MACHINE, which would hide system information anyone may read.
    const REGSAM readOnly =
        (static_cast<REGSAM>(access) & (KEY_WOW64_32KEY | KEY_WOW64_64KEY)) | KEY_READ;
    HKEY key = nullptr;
    const LONG result = ::RegOpenKeyExA(handleOf(root), subKey.c_str(), 0, readOnly, &key);
    opened = reinterpret_cast<Key>(key);
    return result;
}

long WindowsRegistry::RegQueryValueExA(Key key, const std::string& valueName, std::uint32_t& type,
                                       std::string& data, std::uint32_t& size) {
    if (data.size() < size) {
        data.resize(size);  // Windows writes up to size bytes
    }
    DWORD t = 0;
    DWORD n = size;
    const LONG result = ::RegQueryValueExA(handleOf(key), valueName.c_str(), nullptr, &t,
                                           reinterpret_cast<BYTE*>(data.data()), &n);
    type = t;
    size = n;
    return result;
}

long WindowsRegistry::RegCloseKey(Key key) {
    return key == 0 ? ERROR_INVALID_HANDLE : ::RegCloseKey(handleOf(key));
}

}  // namespace courtlog

#endif
