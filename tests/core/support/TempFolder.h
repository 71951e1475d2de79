#pragma once

// A fresh folder under the system's temporary folder, removed with everything in it at the end
// of the test.

#include "core/files/FileIo.h"

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <vector>

namespace tombrel::test {

class TempFolder {
public:
    TempFolder() {
        std::random_device seed;
        for (;;) {
            path_ = std::filesystem::temp_directory_path() /
                    ("tombrel-models-" + std::to_string(seed()));
            if (std::filesystem::create_directory(path_))
                break;
        }
    }
    ~TempFolder() {
        std::error_code ec;
        std::filesystem::remove_all(path_, ec);
    }
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    std::string path() const { return fromFsPath(path_); }
    std::string file(const std::string& name) const { return fromFsPath(path_ / name); }

    static std::vector<uint8_t> read(const std::string& path) {
        std::ifstream in(toFsPath(path), std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    static void write(const std::string& path, const std::vector<uint8_t>& bytes) {
        std::ofstream out(toFsPath(path), std::ios::binary);
        out.write(reinterpret_cast<const char*>(bytes.data()),
                  static_cast<std::streamsize>(bytes.size()));
    }
    static bool exists(const std::string& path) { return std::filesystem::exists(toFsPath(path)); }

private:
    std::filesystem::path path_;
};

} // namespace tombrel::test
