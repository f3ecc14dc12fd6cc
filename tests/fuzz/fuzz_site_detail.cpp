// The detail reader on any list file: the first bytes are the reference asked for, the rest the
// content of Liste_PC.csv. A site found carries exactly that reference, and the index read once
// finds the same site.

#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <string_view>

#include "model/reference_list.h"

namespace {

void check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

const std::filesystem::path& listPath() {
    static const std::filesystem::path path =
        std::filesystem::temp_directory_path() /
        ("orv_fuzz_list_" + std::to_string(getpid()) + ".csv");
    return path;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min<std::size_t>(5, input.size());
    const std::string_view reference = input.substr(0, split);
    {
        std::ofstream out(listPath(), std::ios::binary | std::ios::trunc);
        out << input.substr(split);
    }
    const orv::FoundSite found = orv::findSite(listPath(), reference);
    check(found.outcome != orv::SiteSearch::NoList);
    const orv::ReferenceSite* indexed = orv::readReferenceList(listPath()).find(reference);
    check((found.outcome == orv::SiteSearch::Found) == (indexed != nullptr));
    if (indexed) {
        check(found.site == *indexed && found.site.reference == reference);
        for (const std::string* field : {&found.site.name, &found.site.number,
                                         &found.site.communeStart, &found.site.communeEnd}) {
            check(field->find(';') == std::string::npos);
        }
    }
    return 0;
}
