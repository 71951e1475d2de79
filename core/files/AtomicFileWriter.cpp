#include "core/files/AtomicFileWriter.h"

#include "core/files/FileIo.h"

#include <chrono>
#include <cstdint>
#include <filesystem>
#include <random>
#include <system_error>

namespace tombrel {

namespace fs = std::filesystem;

namespace {

// Read while the program starts, before any save: temporary files last written before it
// belong to a save that can no longer be running in this program. File times are coarser than
// the clock (a tick of the kernel, two seconds on a FAT stick) and may come from another
// machine's clock on a network folder, so a file counts as older only by a clear margin.
constexpr std::chrono::seconds kFileTimeMargin{10};
const fs::file_time_type kStaleBefore = fs::file_time_type::clock::now() - kFileTimeMargin;

constexpr std::string_view kTempPrefix = ".tombrel-";
constexpr std::string_view kTempSuffix = ".tmp";
constexpr size_t kTempRandomDigits = 16;
// How often a fresh name is tried when something already has the one picked.
constexpr int kCreateAttempts = 16;
// How much one call hands to the file system; a big image is written in several steps.
constexpr size_t kWriteChunk = 64 * 1024;
// More links in a row than this is a loop.
constexpr int kMaxLinkHops = 40;
// Bits of a file that the save keeps; a new file gets the usual ones, as any new file.
constexpr unsigned kPermissionBits = 0777;

uint64_t randomBits() {
    try {
        std::random_device device;
        return (static_cast<uint64_t>(device()) << 32) ^ device();
    } catch (...) {
        // No source of randomness: the exclusive create still keeps the save safe.
        static std::mt19937_64 fallback(static_cast<uint64_t>(
            std::chrono::high_resolution_clock::now().time_since_epoch().count()));
        return fallback();
    }
}

std::string temporaryFileName() {
    static constexpr char kHex[] = "0123456789abcdef";
    uint64_t bits = randomBits();
    std::string name(kTempPrefix);
    for (size_t i = 0; i < kTempRandomDigits; ++i, bits >>= 4)
        name += kHex[bits & 0xF];
    name += kTempSuffix;
    return name;
}

// Follows symbolic links to the file they finally name, whether that file exists yet or not.
std::error_code followLinks(fs::path& path) {
    for (int hops = 0;; ++hops) {
        std::error_code ec;
        if (!fs::is_symlink(fs::symlink_status(path, ec)))
            return {};
        if (hops == kMaxLinkHops)
            return std::make_error_code(std::errc::too_many_symbolic_link_levels);
        fs::path destination = fs::read_symlink(path, ec);
        if (ec)
            return ec;
        path = destination.is_absolute() ? destination : path.parent_path() / destination;
    }
}

// Removes what killed saves of an earlier run left in `folder`: regular files with this
// program's temporary name, last written before this program started. Nothing else is touched,
// and a file that cannot be removed is left for another time.
void removeStaleTemporaryFiles(const fs::path& folder, FileSystem& fileSystem) {
    std::error_code ec;
    fs::directory_iterator it(folder.empty() ? fs::path(".") : folder, ec);
    for (; !ec && it != fs::directory_iterator(); it.increment(ec)) {
        const fs::path& entry = it->path();
        if (!isTemporaryFileName(fromFsPath(entry.filename())))
            continue;
        std::error_code entryEc;
        if (!fs::is_regular_file(fs::symlink_status(entry, entryEc)))
            continue;
        const fs::file_time_type written = fs::last_write_time(entry, entryEc);
        if (entryEc || written >= kStaleBefore)
            continue;
        fileSystem.remove(fromFsPath(entry));
    }
}

} // namespace

bool isTemporaryFileName(std::string_view name) {
    if (name.size() != kTempPrefix.size() + kTempRandomDigits + kTempSuffix.size() ||
        name.substr(0, kTempPrefix.size()) != kTempPrefix ||
        name.substr(name.size() - kTempSuffix.size()) != kTempSuffix)
        return false;
    for (char c : name.substr(kTempPrefix.size(), kTempRandomDigits)) {
        if (!((c >= '0' && c <= '9') || (c >= 'a' && c <= 'f')))
            return false;
    }
    return true;
}

AtomicFileWriter::AtomicFileWriter(std::string targetPath, FileSystem& fs)
    : fs_(fs), target_(std::move(targetPath)) {}

AtomicFileWriter::~AtomicFileWriter() {
    discard();
}

bool AtomicFileWriter::fail(int error) {
    if (!failed_) {
        failed_ = true;
        error_ = fs_.describe(error);
    }
    return false;
}

bool AtomicFileWriter::fail(const std::error_code& error) {
    if (!failed_) {
        failed_ = true;
        error_ = error.message();
    }
    return false;
}

void AtomicFileWriter::closeTemporary() {
    if (handle_) {
        fs_.close(*handle_);
        handle_.reset();
    }
}

bool AtomicFileWriter::open() {
    if (failed_ || handle_)
        return false;
    // Saving through a symbolic link updates the file it points to and keeps the link; a link
    // to a file not there yet creates that file.
    fs::path target = toFsPath(target_);
    if (const std::error_code ec = followLinks(target))
        return fail(ec);
    target_ = fromFsPath(target);

    std::error_code ec;
    const fs::file_status status = fs::status(target, ec);
    if (fs::is_directory(status))
        return fail(std::make_error_code(std::errc::is_a_directory));
    std::optional<unsigned> mode;
    if (fs::is_regular_file(status)) {
        // A file that may not be written stays as it is, although the folder would let us
        // replace it.
        if (const int error = fs_.checkWritable(target_))
            return fail(error);
        mode = static_cast<unsigned>(status.permissions()) & kPermissionBits;
    }

    const fs::path folder = target.parent_path();
    removeStaleTemporaryFiles(folder, fs_);

    for (int attempt = 1;; ++attempt) {
        const std::string temp = fromFsPath(folder / toFsPath(temporaryFileName()));
        FileSystem::Handle handle{};
        const int error = fs_.createExclusive(temp, mode, handle);
        if (error == 0) {
            temp_ = temp;
            handle_ = handle;
            return true;
        }
        if (!fs_.isNameTaken(error) || attempt == kCreateAttempts)
            return fail(error);
    }
}

bool AtomicFileWriter::write(const void* data, size_t size) {
    if (failed_ || !handle_)
        return false;
    const char* bytes = static_cast<const char*>(data);
    while (size > 0) {
        const size_t chunk = size < kWriteChunk ? size : kWriteChunk;
        if (const int error = fs_.write(*handle_, bytes, chunk)) {
            fail(error);
            discard();
            return false;
        }
        bytes += chunk;
        size -= chunk;
    }
    return true;
}

bool AtomicFileWriter::commit() {
    if (failed_ || !handle_)
        return false;
    int error = fs_.syncFile(*handle_);
    const int closeError = fs_.close(*handle_);
    handle_.reset();
    if (error == 0)
        error = closeError;
    if (error == 0)
        error = fs_.replace(temp_, target_);
    if (error != 0) {
        fail(error);
        discard();
        return false;
    }
    temp_.clear();
    // The new file is in place; only flushing the folder makes the replacement itself last.
    fs::path folder = toFsPath(target_).parent_path();
    if (const int folderError = fs_.syncFolder(fromFsPath(folder)))
        return fail(folderError);
    return true;
}

void AtomicFileWriter::discard() {
    closeTemporary();
    if (!temp_.empty()) {
        fs_.remove(temp_);
        temp_.clear();
    }
}

std::optional<std::string> writeFileAtomically(const std::string& path, const void* data,
                                               size_t size, FileSystem& fs) {
    AtomicFileWriter writer(path, fs);
    if (writer.open() && writer.write(data, size) && writer.commit())
        return std::nullopt;
    return writer.platformError();
}

} // namespace tombrel
