#pragma once

// A file system for tests, over the real one: it records every call a save makes, can make one
// chosen call fail, and can stop a save at a chosen step the way a killed program or a power cut
// would. Steps are the calls in order, counted from 1.
//
// After a stop nothing more reaches the disk: the stopped call and every later one do nothing
// and fail with EIO, the writer's own clean-up included. A power cut also loses what was written
// to a file but not yet flushed to the medium (`applyPowerCut`), the worst a file system may do.

#include "core/files/FileSystem.h"

#include <cerrno>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <vector>

#include <csignal>
#include <cstdlib>

#include <sys/stat.h>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace tombrel::test {

class FakeFileSystem : public FileSystem {
public:
    enum class Op { CheckWritable, Create, Write, SyncFile, Close, Replace, SyncFolder, Remove };

    struct Call {
        Op op;
        std::string path;  // the file or folder named; Replace: the destination
        size_t size = 0;   // Write: bytes handed over
        unsigned mode = 0; // Create: the permission bits the new file had on the disk
    };

    // The step-th call fails with `error`; the others go through.
    void failAt(int step, int error) {
        failStep_ = step;
        failError_ = error;
    }
    // Calls from the step-th on never reach the disk.
    void stopAt(int step) { stopStep_ = step; }
    // The process is killed (SIGKILL) at the step-th call, before it reaches the disk.
    void killAt(int step) { killStep_ = step; }
    // Runs before each Create reaches the disk, with the name asked for.
    std::function<void(const std::string&)> beforeCreate;

    const std::vector<Call>& calls() const { return calls_; }
    std::vector<Op> ops() const {
        std::vector<Op> out;
        for (const Call& c : calls_)
            out.push_back(c.op);
        return out;
    }

    // What was written to a file but not flushed to the medium is lost, as after a power cut.
    void applyPowerCut() {
        for (const auto& [handle, file] : files_)
            loseUnflushed(file);
        for (const FileState& file : closed_)
            loseUnflushed(file);
    }

    int checkWritable(const std::string& path) override {
        if (const std::optional<int> e = intercept({Op::CheckWritable, path}))
            return *e;
        return real_.checkWritable(path);
    }
    int createExclusive(const std::string& path, std::optional<unsigned> mode,
                        Handle& handle) override {
        Call call{Op::Create, path};
        if (const std::optional<int> e = intercept(call))
            return *e;
        if (beforeCreate)
            beforeCreate(path);
        const int error = real_.createExclusive(path, mode, handle);
        if (error == 0) {
            struct stat st {};
            if (::stat(path.c_str(), &st) == 0)
                calls_.back().mode = st.st_mode & 07777;
            files_[handle] = {path, 0, 0};
        }
        return error;
    }
    int write(Handle handle, const void* data, size_t size) override {
        Call call{Op::Write, pathOf(handle)};
        call.size = size;
        if (const std::optional<int> e = intercept(call))
            return *e;
        const int error = real_.write(handle, data, size);
        if (error == 0)
            files_[handle].written += size;
        return error;
    }
    int syncFile(Handle handle) override {
        if (const std::optional<int> e = intercept({Op::SyncFile, pathOf(handle)}))
            return *e;
        const int error = real_.syncFile(handle);
        if (error == 0)
            files_[handle].synced = files_[handle].written;
        return error;
    }
    int close(Handle handle) override {
        if (const std::optional<int> e = intercept({Op::Close, pathOf(handle)})) {
            // A close that reports an error still lets the file go, as close() does; after a
            // stop the file stays open, as in a process that died.
            if (!stopStep_ || static_cast<int>(calls_.size()) < *stopStep_) {
                closed_.push_back(files_[handle]);
                files_.erase(handle);
                real_.close(handle);
            }
            return *e;
        }
        // The file stays known by its name, for a power cut later.
        closed_.push_back(files_[handle]);
        files_.erase(handle);
        return real_.close(handle);
    }
    int replace(const std::string& from, const std::string& to) override {
        if (const std::optional<int> e = intercept({Op::Replace, to}))
            return *e;
        const int error = real_.replace(from, to);
        if (error == 0) {
            for (FileState& f : closed_) {
                if (f.path == from)
                    f.path = to;
            }
        }
        return error;
    }
    int syncFolder(const std::string& folder) override {
        if (const std::optional<int> e = intercept({Op::SyncFolder, folder}))
            return *e;
        return real_.syncFolder(folder);
    }
    int remove(const std::string& path) override {
        if (const std::optional<int> e = intercept({Op::Remove, path}))
            return *e;
        return real_.remove(path);
    }
    std::string describe(int error) const override { return real_.describe(error); }
    bool isNameTaken(int error) const override { return real_.isNameTaken(error); }

private:
    struct FileState {
        std::string path;
        size_t written = 0;
        size_t synced = 0;
    };

    static void loseUnflushed(const FileState& file) {
        if (file.written != file.synced) {
            std::error_code ec;
            std::filesystem::resize_file(file.path, file.synced, ec);
        }
    }

    std::optional<int> intercept(const Call& call) {
        calls_.push_back(call);
        const int step = static_cast<int>(calls_.size());
        if (killStep_ && step == *killStep_) {
#ifdef _WIN32
            std::_Exit(137);
#else
            ::kill(::getpid(), SIGKILL);
#endif
        }
        if (stopStep_ && step >= *stopStep_)
            return EIO;
        if (failStep_ && step == *failStep_)
            return failError_;
        return std::nullopt;
    }
    std::string pathOf(Handle handle) const {
        const auto it = files_.find(handle);
        return it != files_.end() ? it->second.path : std::string();
    }

    FileSystem& real_ = realFileSystem();
    std::vector<Call> calls_;
    std::optional<int> failStep_;
    int failError_ = 0;
    std::optional<int> stopStep_;
    std::optional<int> killStep_;
    std::map<Handle, FileState> files_;
    std::vector<FileState> closed_;
};

inline void PrintTo(FakeFileSystem::Op op, std::ostream* os) {
    static const char* const names[] = {"CheckWritable", "Create",  "Write",      "SyncFile",
                                        "Close",         "Replace", "SyncFolder", "Remove"};
    *os << names[static_cast<int>(op)];
}

} // namespace tombrel::test
