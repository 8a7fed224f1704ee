#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

namespace courtlog::testing {

// A fresh folder for one test, removed afterwards. Paths in and out are UTF-8, as the
// program's own paths are.
class TempDir {
public:
    TempDir() {
        std::random_device random;
        do {
            path_ =
                std::filesystem::temp_directory_path() / ("courtlog-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
    }
    ~TempDir() {
        std::error_code ec;
        // Windows deletes no file in read-only mode.
        for (const auto& e : std::filesystem::recursive_directory_iterator(path_, ec)) {
            std::filesystem::permissions(e.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, ec);
        }
        std::filesystem::remove_all(path_, ec);
    }

    std::string file(const std::string& name) const {
        const std::u8string s = (path_ / path(name)).u8string();
        return {s.begin(), s.end()};
    }
    static std::filesystem::path path(const std::string& utf8) {
        return std::u8string(utf8.begin(), utf8.end());
    }
    static std::string read(const std::string& file) {
        std::ifstream in(path(file), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void write(const std::string& file, const std::string& bytes) {
        std::ofstream(path(file), std::ios::binary) << bytes;
    }
    // How many entries a folder holds.
    static long entries(const std::string& folder) {
        return static_cast<long>(
            std::distance(std::filesystem::directory_iterator(path(folder)), {}));
    }

private:
    std::filesystem::path path_;
};

}  // namespace courtlog::testing
