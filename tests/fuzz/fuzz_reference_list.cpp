// The reference-list lookup over any file: a site line put first is always found with its name;
// the line ends a file uses do not change what is found; a name found is one field of one line.

#include <fuzzer/FuzzedDataProvider.h>

#include "fuzz_check.h"
#include "model/reference_list.h"
#include "model/text_lines.h"

namespace orv {
namespace {

std::string lookUp(const std::string& content, std::string_view reference) {
    const std::filesystem::path list = fuzz::scratchFolder() / kReferenceListFile;
    fuzz::writeFile(list, content);
    return Cherche_Nom_Patrimoine(list, reference);
}

std::string withLfOnly(std::string_view content) {
    std::string result;
    for (const std::string& line : splitLines(content)) {
        result += line + "\n";
    }
    return result;
}

}  // namespace
}  // namespace orv

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string reference = orv::fuzz::oneLine(data.ConsumeRandomLengthString(6));
    std::string name = orv::fuzz::oneLine(data.ConsumeRandomLengthString(40));
    std::erase(name, ';');
    const std::string revision = orv::fuzz::oneLine(data.ConsumeRandomLengthString(30));
    const std::string rest = data.ConsumeRemainingBytesAsString();

    const std::string found = orv::lookUp(rest, reference);
    FUZZ_CHECK(found.find_first_of(";\r\n") == std::string::npos);
    FUZZ_CHECK(found.empty() || rest.find(";" + found) != std::string::npos);
    FUZZ_CHECK(orv::lookUp(orv::withLfOnly(rest), reference) == found);

    if (!reference.empty() && reference.find(';') == std::string::npos) {
        const std::string first = "PC-" + reference + ";" + name + ";x;001;y;Ville;;z\r\n";
        FUZZ_CHECK(orv::lookUp(revision + "\r\n" + first + rest, reference) == name);
    }
    return 0;
}
