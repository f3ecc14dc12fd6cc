// The detail reader on any list file: the first bytes are the reference asked for, the rest the
// content of Liste_PC.csv. A site found carries exactly that reference, and the index read once
// finds the same site.

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "model/reference_list.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const std::size_t split = std::min<std::size_t>(5, input.size());
    const std::string_view reference = input.substr(0, split);
    const std::filesystem::path list = orv::fuzz::scratchFolder() / orv::kReferenceListFile;
    orv::fuzz::writeFile(list, input.substr(split));
    const orv::FoundSite found = orv::findSite(list, reference);
    FUZZ_CHECK(found.outcome != orv::SiteSearch::NoList);
    const orv::ReferenceList indexedList = orv::readReferenceList(list);
    const orv::ReferenceSite* indexed = indexedList.find(reference);
    FUZZ_CHECK((found.outcome == orv::SiteSearch::Found) == (indexed != nullptr));
    if (indexed) {
        FUZZ_CHECK(found.site == *indexed && found.site.reference == reference);
        for (const std::string* field : {&found.site.name, &found.site.number,
                                         &found.site.communeStart, &found.site.communeEnd}) {
            FUZZ_CHECK(field->find(';') == std::string::npos);
        }
    }
    return 0;
}
