// Runs a fuzz harness without libFuzzer: every file named (or found below a
// folder named) goes through the harness's entry point once, and so does every
// cut-off beginning of the files given after --prefixes. A harness reports a
// fault by aborting, so a clean run ends with status 0. Every build runs the
// seeds and the shared corpus this way; files a fuzzer found become seeds.
//   NAME_replay [FILE|FOLDER ...] [--prefixes FILE|FOLDER ...]

#include "support/prefix_cuts.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);
// Defined by the harnesses that prepare their process.
extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) __attribute__((weak));

namespace {

namespace fs = std::filesystem;

std::vector<fs::path> filesOf(const fs::path& named) {
    std::vector<fs::path> files;
    if (fs::is_directory(named)) {
        for (const auto& entry : fs::recursive_directory_iterator(named))
            if (entry.is_regular_file()) files.push_back(entry.path());
    } else if (fs::is_regular_file(named)) {
        files.push_back(named);
    }
    std::sort(files.begin(), files.end());
    return files;
}

std::string contentsOf(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

void run(const std::string& bytes, std::size_t length) {
    // A copy of exactly `length` bytes, so that reading past the end is a fault under ASan.
    const std::vector<std::uint8_t> input(bytes.begin(), bytes.begin() + static_cast<long>(length));
    LLVMFuzzerTestOneInput(input.data(), input.size());
}

} // namespace

int main(int argc, char** argv) {
    if (LLVMFuzzerInitialize) LLVMFuzzerInitialize(&argc, &argv);
    bool prefixes = false;
    std::size_t runs = 0, files = 0;
    for (int a = 1; a < argc; ++a) {
        if (std::string(argv[a]) == "--prefixes") {
            prefixes = true;
            continue;
        }
        for (const fs::path& file : filesOf(argv[a])) {
            const std::string bytes = contentsOf(file);
            std::fprintf(stderr, "replay: %s\n", file.string().c_str());
            run(bytes, bytes.size());
            ++runs;
            ++files;
            if (!prefixes) continue;
            for (std::size_t cut : meshsmith::test::prefixCuts(bytes)) {
                run(bytes, cut);
                ++runs;
            }
        }
    }
    if (files == 0) {
        std::fprintf(stderr, "replay: no input files found\n");
        return 1;
    }
    std::fprintf(stderr, "replay: %zu files, %zu runs, every one clean\n", files, runs);
    return 0;
}
