// Replays inputs through a fuzz target built with the normal compiler: every file of the
// target's seed corpus, or the files and folders named on the command line (a finding of
// tools/fuzz, say). A target that finds a fault aborts, which fails the replay.

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size);
// Defined only by the targets that need set-up.
extern "C" __attribute__((weak)) int LLVMFuzzerInitialize(int* argc, char*** argv);

namespace {

namespace fs = std::filesystem;

// The files of `path`, or `path` itself when it is a file, in name order.
bool Collect(const fs::path& path, std::vector<fs::path>& files)
{
    std::error_code error;
    if (fs::is_regular_file(path, error)) {
        files.push_back(path);
        return true;
    }
    if (!fs::is_directory(path, error)) {
        std::fprintf(stderr, "replay: %s is neither a file nor a folder\n", path.c_str());
        return false;
    }
    std::vector<fs::path> found;
    for (const fs::directory_entry& entry : fs::directory_iterator(path, error)) {
        if (entry.is_regular_file(error))
            found.push_back(entry.path());
    }
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (LLVMFuzzerInitialize)
        LLVMFuzzerInitialize(&argc, &argv);

    std::vector<fs::path> files;
    if (argc > 1) {
        for (int i = 1; i < argc; ++i) {
            if (!Collect(argv[i], files))
                return 2;
        }
    } else if (!Collect(TORNAVEL_FUZZ_CORPUS, files)) {
        return 2;
    }
    // A replay that feeds nothing would pass whatever the target does.
    if (files.empty()) {
        std::fprintf(stderr, "replay: no input to replay\n");
        return 2;
    }

    for (const fs::path& file : files) {
        std::ifstream in(file, std::ios::binary);
        const std::vector<char> bytes{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
        if (in.bad()) {
            std::fprintf(stderr, "replay: cannot read %s\n", file.c_str());
            return 2;
        }
        std::printf("replay: %s (%zu bytes)\n", file.c_str(), bytes.size());
        std::fflush(stdout);
        // A copy of its own, as libFuzzer gives, so that a read past the end is caught.
        std::vector<uint8_t> input(bytes.begin(), bytes.end());
        LLVMFuzzerTestOneInput(input.data(), input.size());
    }
    std::printf("replay: %zu inputs, no fault\n", files.size());
    return 0;
}
