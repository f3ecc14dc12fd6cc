#pragma once
// Whole-file rewrites that can never leave a file cut or missing: the new content goes to a scratch
// file in the same folder, is flushed to the disk, and only then takes the file's place in one
// rename. Whatever fails, or wherever the program stops, the file holds either its old or its new
// content. Every rewrite of a data file (the log, the first-name memory, the reference list) goes
// through here.

#include <filesystem>
#include <string_view>
#include <system_error>

namespace orv {

// The system calls a rewrite makes, one by one, so that a test can make any of them fail.
class FileSystemCalls {
public:
    virtual ~FileSystemCalls() = default;
    // Returns a file descriptor, or -1 with errno set (open(2) semantics).
    virtual int openForWriting(const char* path) = 0;
    // Writes all of data or fails; returns 0, or -1 with errno set.
    virtual int writeAll(int fd, std::string_view data) = 0;
    virtual int flushToDisk(int fd) = 0;
    virtual int close(int fd) = 0;
    virtual int rename(const char* from, const char* to) = 0;
    // Flushes the folder entry so that the rename itself survives a power cut.
    virtual int flushFolder(const char* folder) = 0;
    virtual int remove(const char* path) = 0;
};

// The real calls (POSIX).
FileSystemCalls& systemFileCalls();

// Writes content to scratch (created, or emptied when a stale one is left over), flushes it, closes
// it and renames it over target, then flushes the folder. On any failure before the rename the
// scratch file is removed, target is untouched and the error is returned. Once the rename has
// succeeded the new content is in place and the call succeeds even if the folder flush fails.
std::error_code replaceFileContent(const std::filesystem::path& target,
                                   const std::filesystem::path& scratch, std::string_view content,
                                   FileSystemCalls& calls = systemFileCalls());

// Creates an empty file; an existing file is never emptied (the call then fails with
// std::errc::file_exists).
std::error_code createEmptyFile(const std::filesystem::path& path);

}  // namespace orv
