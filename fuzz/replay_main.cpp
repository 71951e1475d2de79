// Runs a fuzz target's LLVMFuzzerTestOneInput over files, without libFuzzer: each argument is a
// file or a folder whose files (not its subfolders) are fed in name order. A failed check in the
// target ends the program abnormally; a file that cannot be read, or no file at all, fails the run
// with exit status 2.

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

namespace {

namespace fs = std::filesystem;

bool replay(const fs::path& file) {
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::fprintf(stderr, "cannot read %s\n", file.string().c_str());
        return false;
    }
    const std::vector<uint8_t> bytes{std::istreambuf_iterator<char>(in),
                                     std::istreambuf_iterator<char>()};
    std::printf("%s (%zu bytes)\n", file.string().c_str(), bytes.size());
    std::fflush(stdout);
    // A copy of exactly the input's size, so that a read past its end is caught by a sanitizer.
    std::vector<uint8_t> exact(bytes);
    static const uint8_t nothing = 0;
    LLVMFuzzerTestOneInput(exact.empty() ? &nothing : exact.data(), exact.size());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    size_t count = 0;
    bool ok = true;
    for (int i = 1; i < argc; ++i) {
        const fs::path path(argv[i]);
        std::error_code ec;
        if (!fs::is_directory(path, ec)) {
            ok = replay(path) && ok;
            ++count;
            continue;
        }
        std::vector<fs::path> files;
        for (const fs::directory_entry& entry : fs::directory_iterator(path, ec)) {
            if (entry.is_regular_file())
                files.push_back(entry.path());
        }
        std::sort(files.begin(), files.end());
        for (const fs::path& file : files) {
            ok = replay(file) && ok;
            ++count;
        }
    }
    std::printf("%zu inputs replayed\n", count);
    return ok && count > 0 ? 0 : 2;
}
