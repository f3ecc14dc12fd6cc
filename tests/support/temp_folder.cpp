#include "support/temp_folder.h"

#include <stdlib.h>

#include <cerrno>
#include <string>
#include <system_error>

namespace orv::test {

TempFolder::TempFolder(std::string_view namePrefix) {
    std::string pattern =
        (std::filesystem::temp_directory_path() / (std::string(namePrefix) + "_XXXXXX")).string();
    if (::mkdtemp(pattern.data()) == nullptr) {
        throw std::filesystem::filesystem_error("mkdtemp", pattern,
                                                std::error_code(errno, std::generic_category()));
    }
    path_ = pattern;
}

TempFolder::~TempFolder() {
    std::error_code ignored;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                                 std::filesystem::perm_options::add, ignored);
    std::filesystem::remove_all(path_, ignored);
}

}  // namespace orv::test
