// Feeds every file of the folders it was built with (separated by "|") to the fuzz target it is
// linked with, as a fuzzing run would, so that what a run once found stays fixed without the
// fuzzer: a failed check aborts the program, and the test with it.
#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

int main() {
    std::vector<std::filesystem::path> files;
    std::istringstream folders(COURTLOG_REPLAY_FOLDERS);
    for (std::string folder; std::getline(folders, folder, '|');) {
        for (const auto& entry : std::filesystem::directory_iterator(folder)) {
            // A folder's placeholder is no input.
            if (entry.is_regular_file() && !entry.path().filename().string().starts_with(".")) {
                files.push_back(entry.path());
            }
        }
    }
    std::ranges::sort(files);
    for (const auto& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::string bytes{std::istreambuf_iterator<char>(in), {}};
        // Named before it runs, so that the one that aborts is the last one named.
        std::printf("%s\n", file.string().c_str());
        std::fflush(stdout);
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    // A folder with nothing to replay is a wrong path, not a pass.
    std::printf("%zu inputs replayed\n", files.size());
    return files.empty() ? 1 : 0;
}
