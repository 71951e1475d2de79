#include "core/names/FlashStyleBackup.h"

#include "core/files/FileIo.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <system_error>

namespace tombrel {

const std::array<uint8_t, 16> kFlashStyleBackupSignature = {
    0x00, 0x60, 0x00, 0x00, 0x00, 0x20, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00, 0x00};

namespace {

UserMessage message(const Message& m, std::string platformError = {}) {
    UserMessage out;
    out.message = &m;
    out.platformError = std::move(platformError);
    return out;
}

std::string describeErrno(int err) {
    return err != 0 ? std::string(std::strerror(err)) : std::string();
}

} // namespace

FlashStyleBackupResult parseFlashStyleBackup(std::span<const uint8_t> bytes) {
    if (bytes.size() < kFlashStyleBackupReadSize)
        return message(msg::ErrorReadingFlashStyleData);
    if (std::memcmp(bytes.data(), kFlashStyleBackupSignature.data(),
                    kFlashStyleBackupSignature.size()) != 0)
        return message(msg::FlashStyleNamesNotInFile);

    FlashStyleNames out;
    for (int p = 0; p < kFlashStyleCount; ++p) {
        const uint8_t* record = bytes.data() + kFlashStyleBackupHeadSize +
                                static_cast<size_t>(p) * kFlashStyleRecordSize;
        const void* zero = std::memchr(record, 0, kFlashStyleRecordSize);
        size_t length = kFlashStyleRecordSize;
        if (zero)
            length = static_cast<size_t>(static_cast<const uint8_t*>(zero) - record);
        else
            out.unterminated.push_back(p);
        out.names[static_cast<size_t>(p)].assign(reinterpret_cast<const char*>(record), length);
    }
    return out;
}

FlashStyleBackupResult readFlashStyleBackup(const std::string& path) {
    std::error_code ec;
    const std::filesystem::file_status status = std::filesystem::status(toFsPath(path), ec);
    if (std::filesystem::is_directory(status))
        return message(msg::ErrorOpeningFlashStyleBackup, describeErrno(EISDIR));
    // Opening a FIFO would wait for a writer, a device might never end: regular files only.
    if (std::filesystem::exists(status) && !std::filesystem::is_regular_file(status))
        return message(msg::ErrorOpeningFlashStyleBackup, {});
    errno = 0;
    std::FILE* f = openFile(path, "rb");
    if (!f)
        return message(msg::ErrorOpeningFlashStyleBackup, describeErrno(errno));

    std::vector<uint8_t> head(kFlashStyleBackupReadSize);
    errno = 0;
    const size_t got = std::fread(head.data(), 1, head.size(), f);
    const bool readError = std::ferror(f) != 0;
    const int err = errno;
    std::fclose(f);
    if (readError)
        return message(msg::ErrorReadingFlashStyleData, describeErrno(err));
    head.resize(got);
    return parseFlashStyleBackup(head);
}

} // namespace tombrel
