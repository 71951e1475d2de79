#pragma once

// Whole-file reads, path conversion, and (through AtomicFileWriter.h) safe whole-file writes.
// Errors carry the platform's own description.

#include "core/files/AtomicFileWriter.h"

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace tombrel {

// Paths are UTF-8 byte strings throughout the program.
std::filesystem::path toFsPath(std::string_view utf8Path);
std::string fromFsPath(const std::filesystem::path& path);

// std::fopen by a UTF-8 path; on Windows through the wide-character call, so that a folder or
// file name outside the ANSI code page opens too.
std::FILE* openFile(const std::string& utf8Path, const char* mode);

struct FileReadResult {
    enum class Status { Ok, OpenFailed, WrongSize, ReadFailed };
    Status status = Status::OpenFailed;
    std::vector<uint8_t> bytes;
    std::string platformError; // empty when the platform gave no description
};

// Reads the whole file in one read. With `requiredSize`, a file of another length is refused
// (WrongSize) before any byte is read.
FileReadResult readWholeFile(const std::string& path,
                             std::optional<uint64_t> requiredSize = std::nullopt);

} // namespace tombrel
