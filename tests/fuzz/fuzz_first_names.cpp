// The first-name memory against the file it writes: after an update the file holds exactly the
// rule's lines, the other lines unchanged and in order, and the lookup finds the name just
// recorded unless another spelling of the callsign comes later.

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>

#include "fuzz_check.h"
#include "model/contact_memory.h"
#include "model/cp1252.h"
#include "model/log_line.h"
#include "model/text_lines.h"

namespace orv {
namespace {

constexpr std::size_t kCallsignWidth = 12;

std::string callsignOf(std::string_view line) {
    return std::string(trimBlanks(line.substr(0, std::min(line.size(), kCallsignWidth))));
}

}  // namespace
}  // namespace orv

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    using namespace orv;
    FuzzedDataProvider data(bytes, size);
    std::string callsign = fuzz::oneLine(data.ConsumeRandomLengthString(kCallsignWidth));
    std::erase(callsign, ' ');
    const std::string departement = fuzz::oneLine(data.ConsumeRandomLengthString(2));
    const std::string firstName = fuzz::oneLine(data.ConsumeRandomLengthString(20));
    const std::string content = data.ConsumeRemainingBytesAsString();
    if (callsign.empty()) {
        return 0;
    }
    const std::string key = firstNameKey(callsign, departement, firstName);
    const std::vector<std::string> before = splitLines(content);
    const std::vector<std::string> after = withFirstNameKey(before, key);

    const std::filesystem::path memory = fuzz::scratchFolder() / kFirstNameFile;
    fuzz::writeFile(memory, content);
    FUZZ_CHECK(!Maj_Prenom(memory, key));
    FUZZ_CHECK(fuzz::readFile(memory) == joinLines(after));

    const bool known = std::any_of(before.begin(), before.end(), [&key](const std::string& line) {
        return std::string_view(line).substr(0, kCallsignWidth) == key.substr(0, kCallsignWidth);
    });
    FUZZ_CHECK(after.size() == before.size() + (known ? 0 : 1));
    for (std::size_t i = 0; i < before.size(); ++i) {
        FUZZ_CHECK(after[i] == before[i] || after[i] == key);
    }

    // Another line whose callsign reads the same once trimmed (" F4ABC", say) may follow the key's
    // and win the lookup: the memory's own lines never look like that.
    const auto last = std::find_if(after.rbegin(), after.rend(), [&callsign](const auto& line) {
        return callsignOf(line) == callsign;
    });
    const auto found = Cherche_Prenom(memory, callsign);
    FUZZ_CHECK(found.has_value() && last != after.rend());
    if (*last == key) {
        FUZZ_CHECK(found->firstName == toUpperCp1252(firstName));
        FUZZ_CHECK(trimBlanks(found->departement) == trimBlanks(departement));
    }
    return 0;
}
