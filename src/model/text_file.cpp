#include "model/text_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <array>
#include <cerrno>

#include "model/line_scan.h"
#include "model/unique_fd.h"

namespace orv {
namespace {

constexpr std::size_t kBlockSize = 64 * 1024;

std::error_code lastError() {
    return {errno, std::generic_category()};
}

// Like read(2), but never gives up on an interrupted call.
ssize_t readSome(int fd, char* buffer, std::size_t size) {
    ssize_t count = 0;
    do {
        count = ::read(fd, buffer, size);
    } while (count < 0 && errno == EINTR);
    return count;
}

// Opens a regular file for reading. O_NONBLOCK keeps a FIFO put in a file's place from hanging
// the program; it makes no difference to a regular file.
UniqueFd openRegularFile(const std::filesystem::path& path, std::error_code& error,
                         std::size_t* size = nullptr) {
    UniqueFd fd(::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NONBLOCK));
    struct stat info {};
    if (!fd.valid() || ::fstat(fd.get(), &info) != 0) {
        error = lastError();
        return UniqueFd(-1);
    }
    if (S_ISDIR(info.st_mode)) {
        error = std::make_error_code(std::errc::is_a_directory);
        return UniqueFd(-1);
    }
    if (!S_ISREG(info.st_mode)) {
        error = std::make_error_code(std::errc::invalid_argument);
        return UniqueFd(-1);
    }
    if (size != nullptr) {
        *size = static_cast<std::size_t>(info.st_size);
    }
    return fd;
}

// Splits blocks of a stream into lines by the rules of splitLines. A line may span blocks, and a
// CR ending one block followed by an LF starting the next is one line end.
class BlockLineSplitter {
public:
    explicit BlockLineSplitter(const std::function<bool(std::string_view)>& visit)
        : visit_(visit) {}

    // False once the visitor has asked to stop.
    bool feed(std::string_view block) {
        std::size_t start = 0;
        if (pendingLf_ && !block.empty() && block.front() == '\n') {
            start = 1;
        }
        pendingLf_ = false;
        while (true) {
            const std::size_t end = findLineEnd(block, start);
            if (end == std::string_view::npos) {
                partial_.append(block.substr(start));
                return true;
            }
            if (!emit(block.substr(start, end - start))) {
                return false;
            }
            start = end + 1;
            if (block[end] == '\r') {
                if (start == block.size()) {
                    pendingLf_ = true;
                } else if (block[start] == '\n') {
                    ++start;
                }
            }
        }
    }

    // The last line, when the content does not end with a line end.
    void finish() {
        if (!partial_.empty()) {
            visit_(partial_);
            partial_.clear();
        }
    }

private:
    bool emit(std::string_view tail) {
        if (partial_.empty()) {
            return visit_(tail);
        }
        partial_.append(tail);
        const bool more = visit_(partial_);
        partial_.clear();
        return more;
    }

    const std::function<bool(std::string_view)>& visit_;
    std::string partial_;
    bool pendingLf_ = false;
};

}  // namespace

std::string readWholeFile(const std::filesystem::path& path, std::error_code& error) {
    error.clear();
    std::size_t size = 0;
    const UniqueFd fd = openRegularFile(path, error, &size);
    if (!fd.valid()) {
        return {};
    }
    std::string content;
    content.reserve(size);
    std::array<char, kBlockSize> block{};
    while (true) {
        const ssize_t count = readSome(fd.get(), block.data(), block.size());
        if (count < 0) {
            error = lastError();
            return {};
        }
        if (count == 0) {
            return content;
        }
        content.append(block.data(), static_cast<std::size_t>(count));
    }
}

std::optional<std::string> readWholeFile(const std::filesystem::path& path) {
    std::error_code error;
    std::string content = readWholeFile(path, error);
    if (error) {
        return std::nullopt;
    }
    return content;
}

bool forEachFileLine(const std::filesystem::path& path,
                     const std::function<bool(std::string_view line)>& visit) {
    std::error_code error;
    const UniqueFd fd = openRegularFile(path, error);
    if (!fd.valid()) {
        return false;
    }
    BlockLineSplitter splitter(visit);
    std::array<char, kBlockSize> block{};
    while (true) {
        const ssize_t count = readSome(fd.get(), block.data(), block.size());
        if (count < 0) {
            return false;
        }
        if (count == 0) {
            splitter.finish();
            return true;
        }
        if (!splitter.feed({block.data(), static_cast<std::size_t>(count)})) {
            return true;
        }
    }
}

void forEachLine(std::string_view content,
                 const std::function<bool(std::string_view line)>& visit) {
    BlockLineSplitter splitter(visit);
    if (splitter.feed(content)) {
        splitter.finish();
    }
}

}  // namespace orv
