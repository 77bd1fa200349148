// Runs a fuzz target's checks over files, without libFuzzer: every build repeats the
// seed corpus and every input that ever failed, under its own compiler and sanitizers.
// Arguments are files or folders of files; each file is one input.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {
namespace fs = std::filesystem;

std::vector<fs::path> Inputs(const std::vector<fs::path>& arguments) {
    std::vector<fs::path> files;
    for (const fs::path& argument : arguments) {
        if (!fs::is_directory(argument)) {
            files.push_back(argument);
            continue;
        }
        std::vector<fs::path> inFolder;
        for (const fs::directory_entry& entry : fs::directory_iterator(argument))
            if (entry.is_regular_file()) inFolder.push_back(entry.path());
        std::sort(inFolder.begin(), inFolder.end());
        files.insert(files.end(), inFolder.begin(), inFolder.end());
    }
    return files;
}

}  // namespace

int main(int argc, char** argv) {
    const std::vector<fs::path> files = Inputs(std::vector<fs::path>(argv + 1, argv + argc));
    if (files.empty()) {
        std::cerr << "no inputs\n";
        return 2;
    }
    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        if (!in) {
            std::cerr << "cannot read " << file << "\n";
            return 2;
        }
        const std::string bytes((std::istreambuf_iterator<char>(in)), {});
        // Named before it runs: a crash names the input that caused it.
        std::cerr << file.string() << "\n";
        LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    }
    std::cerr << files.size() << " inputs passed\n";
    return 0;
}
