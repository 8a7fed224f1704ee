#pragma once

#include <string>

#include "platform/Platform.h"

namespace courtlog {

// Reads one registry value as text into value; false (and an empty value) when it cannot be
// read. A text value loses its terminating zero byte.
bool GetKeyValue(Registry& registry, Registry::Key root, const std::string& keyName,
                 const std::string& valueName, std::string& value);

// Finds the system-information program through the registry and starts it; every failure
// ends in one message.
void StartSysInfo(Platform& platform);

}  // namespace courtlog
