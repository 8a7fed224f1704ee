#pragma once

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#ifdef _WIN32
#include <random>
#else
#include <stdlib.h>
#endif

namespace courtlog::testing {

// A fresh folder for one test, removed afterwards. Paths in and out are UTF-8, as the
// program's own paths are.
class TempDir {
public:
    TempDir() {
#ifdef _WIN32
        std::random_device random;
        do {
            path_ =
                std::filesystem::temp_directory_path() / ("courtlog-" + std::to_string(random()));
        } while (!std::filesystem::create_directory(path_));
#else
        std::string name = (std::filesystem::temp_directory_path() / "courtlog-XXXXXX").string();
        path_ = ::mkdtemp(name.data());
#endif
    }
    ~TempDir() {
        std::error_code ec;
#ifdef _WIN32
        // Windows deletes no file in read-only mode.
        for (const auto& e : std::filesystem::recursive_directory_iterator(path_, ec)) {
            std::filesystem::permissions(e.path(), std::filesystem::perms::owner_write,
                                         std::filesystem::perm_options::add, ec);
        }
#endif
        std::filesystem::remove_all(path_, ec);
    }

    std::string file(const std::string& name) const {
        return utf8(path_ / path(name));
    }

    static std::filesystem::path path(const std::string& utf8) {
        return std::u8string(utf8.begin(), utf8.end());
    }
    static std::string utf8(const std::filesystem::path& p) {
        const std::u8string s = p.u8string();
        return {s.begin(), s.end()};
    }

    static std::string read(const std::string& file) {
        std::ifstream in(path(file), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void write(const std::string& file, const std::string& bytes) {
        std::ofstream out(path(file), std::ios::binary);
        out << bytes;
    }

private:
    std::filesystem::path path_;
};

}  // namespace courtlog::testing
