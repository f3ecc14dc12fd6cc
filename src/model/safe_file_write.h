#pragma once
// Whole-file rewrites that can never leave a file cut or missing: the new content goes to a scratch
// file in the same folder, is flushed to the disk, and only then takes the file's place in one
// rename. Whatever fails, or wherever the program stops, the file holds either its old or its new
// content. Every rewrite of a data file (the log, the first-name memory, the reference list, the
// backups) goes through here.

#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <system_error>

namespace orv {

// The system calls that write a scratch file and put it in place, one by one, so that a test can
// make any of them fail.
class FileSystemCalls {
public:
    virtual ~FileSystemCalls() = default;
    // Creates a file that does not exist yet, never through a symbolic link, with exactly the
    // permission bits mode (whatever the umask). Returns a file descriptor, or -1 with errno set.
    virtual int createNew(const char* path, unsigned mode) = 0;
    // Writes all of data or fails; returns 0, or -1 with errno set.
    virtual int writeAll(int fd, std::string_view data) = 0;
    virtual int flushToDisk(int fd) = 0;
    virtual int close(int fd) = 0;
    virtual int rename(const char* from, const char* to) = 0;
    // Flushes the folder entry so that the rename itself survives a power cut.
    virtual int flushFolder(const char* folder) = 0;
    // Removes a name; a symbolic link is removed itself, never what it points to.
    virtual int remove(const char* path) = 0;
};

// The real calls (POSIX).
FileSystemCalls& systemFileCalls();

enum class MissingFile {
    Fails,         // a missing file is an error (std::errc::no_such_file_or_directory)
    ReadsAsEmpty,  // a missing file is read as empty and created by the rewrite
};

// The new content of a file from its current content, or nothing to leave the file as it is.
using ContentChange = std::function<std::optional<std::string>(std::string_view current)>;

// Rewrites the file at path whole:
// - a path that is a symbolic link, or a chain of them, is followed to the file it names, which is
//   rewritten in its own folder; the links stay as they are;
// - under the write lock of that folder, the current content is read and change gives the new one;
// - a file that has no write permission bit, or that the process may not write, is refused as an
//   access denied (std::errc::permission_denied), untouched: a file made read-only is not to be
//   changed, even by a process that could;
// - the new content goes to the scratch file scratchName of that folder: a stale file of that name
//   is removed first (a link removed, never followed), the scratch file is created exclusively with
//   the old file's permission bits (0644 for a new file), written, flushed, closed and renamed over
//   the file, then the folder is flushed.
// On any failure before the rename the scratch file is removed, the file is untouched and the
// error is returned. Once the rename has succeeded the new content is in place and the call
// succeeds even if the folder flush fails.
std::error_code rewriteFile(const std::filesystem::path& path, std::string_view scratchName,
                            MissingFile missing, const ContentChange& change,
                            FileSystemCalls& calls = systemFileCalls());

// Creates an empty file; an existing file is never emptied (the call then fails with
// std::errc::file_exists).
std::error_code createEmptyFile(const std::filesystem::path& path);

}  // namespace orv
