#pragma once

#include <optional>
#include <string>

namespace courtlog {

// The per-user settings store: text values by application, section and key.
class Settings {
public:
    virtual ~Settings() = default;

    virtual std::optional<std::string> getSetting(const std::string& app,
                                                  const std::string& section,
                                                  const std::string& key) = 0;
    virtual void saveSetting(const std::string& app, const std::string& section,
                             const std::string& key, const std::string& value) = 0;
};

}  // namespace courtlog
