#ifdef _WIN32

#include "ui/WindowsRegistry.h"

#include <windows.h>

namespace courtlog::ui {

long WindowsRegistry::RegOpenKeyExA(Key root, const std::string& subKey, std::uint32_t access,
                                    Key& opened) {
    HKEY key = nullptr;
    const LONG result = ::RegOpenKeyExA(reinterpret_cast<HKEY>(root), subKey.c_str(), 0,
                                        static_cast<REGSAM>(access), &key);
    opened = reinterpret_cast<Key>(key);
    return result;
}

long WindowsRegistry::RegQueryValueExA(Key key, const std::string& valueName, std::uint32_t& type,
                                       std::string& data, std::uint32_t& size) {
    DWORD t = 0;
    DWORD n = size;
    const LONG result = ::RegQueryValueExA(reinterpret_cast<HKEY>(key), valueName.c_str(), nullptr,
                                           &t, reinterpret_cast<BYTE*>(data.data()), &n);
    type = t;
    size = n;
    return result;
}

long WindowsRegistry::RegCloseKey(Key key) {
    return key == 0 ? ERROR_INVALID_HANDLE : ::RegCloseKey(reinterpret_cast<HKEY>(key));
}

}  // namespace courtlog::ui

#endif
