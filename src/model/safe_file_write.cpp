#include "model/safe_file_write.h"

#include <fcntl.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "model/unique_fd.h"

namespace orv {
namespace {

class PosixFileCalls final : public FileSystemCalls {
public:
    int openForWriting(const char* path) override {
        int fd = -1;
        do {
            fd = ::open(path, O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
        } while (fd < 0 && errno == EINTR);
        return fd;
    }

    int writeAll(int fd, std::string_view data) override {
        while (!data.empty()) {
            const ssize_t written = ::write(fd, data.data(), data.size());
            if (written < 0) {
                if (errno == EINTR) {
                    continue;
                }
                return -1;
            }
            data.remove_prefix(static_cast<std::size_t>(written));
        }
        return 0;
    }

    int flushToDisk(int fd) override {
        int result = -1;
        do {
            result = ::fsync(fd);
        } while (result < 0 && errno == EINTR);
        return result;
    }

    // Not retried on EINTR: on Linux the descriptor is released whatever close returns.
    int close(int fd) override { return ::close(fd); }

    int rename(const char* from, const char* to) override { return std::rename(from, to); }

    int flushFolder(const char* folder) override {
        const UniqueFd fd(::open(folder, O_RDONLY | O_DIRECTORY | O_CLOEXEC));
        if (!fd.valid()) {
            return -1;
        }
        return flushToDisk(fd.get());
    }

    int remove(const char* path) override { return ::unlink(path); }
};

// errno of the call that just failed, read before any clean-up call can change it.
std::error_code failedCall() {
    return {errno != 0 ? errno : EIO, std::generic_category()};
}

// The scratch file while it is written: closed and removed unless the rewrite gets to the rename.
class Scratch {
public:
    Scratch(FileSystemCalls& calls, const std::filesystem::path& path)
        : calls_(calls), path_(path) {}
    Scratch(const Scratch&) = delete;
    Scratch& operator=(const Scratch&) = delete;
    ~Scratch() {
        if (fd_ >= 0) {
            calls_.close(fd_);
        }
        if (!kept_) {
            calls_.remove(path_.c_str());
        }
    }

    std::error_code open() {
        errno = 0;
        fd_ = calls_.openForWriting(path_.c_str());
        if (fd_ < 0 && (errno == EACCES || errno == EPERM)) {
            // A stale read-only scratch file: it is ours to replace.
            calls_.remove(path_.c_str());
            errno = 0;
            fd_ = calls_.openForWriting(path_.c_str());
        }
        return fd_ < 0 ? failedCall() : std::error_code();
    }

    std::error_code write(std::string_view content) {
        errno = 0;
        if (calls_.writeAll(fd_, content) != 0 || calls_.flushToDisk(fd_) != 0) {
            return failedCall();
        }
        errno = 0;
        const int result = calls_.close(std::exchange(fd_, -1));
        return result != 0 ? failedCall() : std::error_code();
    }

    std::error_code renameOver(const std::filesystem::path& target) {
        errno = 0;
        if (calls_.rename(path_.c_str(), target.c_str()) != 0) {
            return failedCall();
        }
        kept_ = true;
        return {};
    }

private:
    FileSystemCalls& calls_;
    const std::filesystem::path& path_;
    int fd_ = -1;
    bool kept_ = false;
};

}  // namespace

FileSystemCalls& systemFileCalls() {
    static PosixFileCalls calls;
    return calls;
}

std::error_code replaceFileContent(const std::filesystem::path& target,
                                   const std::filesystem::path& scratch, std::string_view content,
                                   FileSystemCalls& calls) {
    {
        Scratch file(calls, scratch);
        std::error_code error = file.open();
        if (!error) {
            error = file.write(content);
        }
        if (!error) {
            error = file.renameOver(target);
        }
        if (error) {
            return error;
        }
    }
    // The new content is in place; a folder that cannot be flushed does not undo that.
    const std::filesystem::path folder = target.parent_path();
    calls.flushFolder(folder.empty() ? "." : folder.c_str());
    return {};
}

std::error_code createEmptyFile(const std::filesystem::path& path) {
    const UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (!fd.valid()) {
        return {errno, std::generic_category()};
    }
    return {};
}

}  // namespace orv
