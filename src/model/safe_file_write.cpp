#include "model/safe_file_write.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <utility>

#include "model/folder_lock.h"
#include "model/text_file.h"
#include "model/unique_fd.h"

namespace orv {
namespace {

constexpr unsigned kNewFileMode = 0644;
constexpr unsigned kPermissionBits = 0777;
constexpr unsigned kWriteBits = 0222;
// As many links as the system itself follows before giving up.
constexpr int kMaxLinkHops = 40;

class PosixFileCalls final : public FileSystemCalls {
public:
    int createNew(const char* path, unsigned mode) override {
        int fd = -1;
        do {
            fd = ::open(path, O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, mode);
        } while (fd < 0 && errno == EINTR);
        // The umask may have taken bits away: the file gets exactly the ones asked for.
        if (fd >= 0 && ::fchmod(fd, mode) != 0) {
            const int error = errno;
            ::close(fd);
            errno = error;
            return -1;
        }
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

    // The folder's write lock is held, so a file of the scratch name is a stale one, whatever it
    // is: removed, and never written through should it be a link.
    std::error_code create(unsigned mode) {
        errno = 0;
        if (calls_.remove(path_.c_str()) != 0 && errno != ENOENT) {
            return failedCall();
        }
        errno = 0;
        fd_ = calls_.createNew(path_.c_str(), mode);
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

std::filesystem::path folderOf(const std::filesystem::path& file) {
    const std::filesystem::path folder = file.parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

// The file a path names once every symbolic link on the way is followed; a missing file is given
// as it is named, for the caller to handle.
std::filesystem::path followLinks(std::filesystem::path path, std::error_code& error) {
    for (int hop = 0; hop < kMaxLinkHops; ++hop) {
        struct stat info {};
        if (::lstat(path.c_str(), &info) != 0 || !S_ISLNK(info.st_mode)) {
            return path;
        }
        const std::filesystem::path target = std::filesystem::read_symlink(path, error);
        if (error) {
            return {};
        }
        path = target.is_absolute() ? target : folderOf(path) / target;
    }
    error = std::make_error_code(std::errc::too_many_symbolic_link_levels);
    return {};
}

struct CurrentFile {
    std::string content;
    unsigned mode = kNewFileMode;
};

bool mayBeChanged(const std::filesystem::path& file, const struct stat& info) {
    return (info.st_mode & kWriteBits) != 0 &&
           ::faccessat(AT_FDCWD, file.c_str(), W_OK, AT_EACCESS) == 0;
}

std::error_code readCurrent(const std::filesystem::path& file, MissingFile missing,
                            CurrentFile& current) {
    struct stat info {};
    if (::stat(file.c_str(), &info) != 0) {
        if (errno == ENOENT && missing == MissingFile::ReadsAsEmpty) {
            return {};
        }
        return failedCall();
    }
    if (S_ISREG(info.st_mode) && !mayBeChanged(file, info)) {
        return std::make_error_code(std::errc::permission_denied);
    }
    current.mode = info.st_mode & kPermissionBits;
    std::error_code error;
    current.content = readWholeFile(file, error);
    return error;
}

std::error_code replaceContent(const std::filesystem::path& file,
                               const std::filesystem::path& scratch, std::string_view content,
                               unsigned mode, FileSystemCalls& calls) {
    {
        Scratch written(calls, scratch);
        std::error_code error = written.create(mode);
        if (!error) {
            error = written.write(content);
        }
        if (!error) {
            error = written.renameOver(file);
        }
        if (error) {
            return error;
        }
    }
    // The new content is in place; a folder that cannot be flushed does not undo that.
    calls.flushFolder(folderOf(file).c_str());
    return {};
}

}  // namespace

FileSystemCalls& systemFileCalls() {
    static PosixFileCalls calls;
    return calls;
}

std::error_code rewriteFile(const std::filesystem::path& path, std::string_view scratchName,
                            MissingFile missing, const ContentChange& change,
                            FileSystemCalls& calls) {
    std::error_code error;
    const std::filesystem::path file = followLinks(path, error);
    if (error) {
        return error;
    }
    const std::filesystem::path folder = folderOf(file);
    const FolderWriteLock lock(folder);
    if (lock.error()) {
        return lock.error();
    }
    CurrentFile current;
    error = readCurrent(file, missing, current);
    if (error) {
        return error;
    }
    const std::optional<std::string> content = change(current.content);
    if (!content) {
        return {};
    }
    return replaceContent(file, folder / scratchName, *content, current.mode, calls);
}

std::error_code createEmptyFile(const std::filesystem::path& path) {
    const UniqueFd fd(::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644));
    if (!fd.valid()) {
        return {errno, std::generic_category()};
    }
    return {};
}

}  // namespace orv
