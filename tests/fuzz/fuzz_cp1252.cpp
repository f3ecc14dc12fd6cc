// The Windows-1252 codec: every byte string survives a trip through Unicode, UTF-8 that holds only
// code-page characters survives the trip the other way, and capitals and small letters pair up.

#include "fuzz_check.h"
#include "model/cp1252.h"

namespace orv {
namespace {

void checkBytes(std::string_view bytes) {
    FUZZ_CHECK(encodeCp1252(decodeCp1252(bytes)) == std::string(bytes));
    FUZZ_CHECK(utf8ToCp1252(cp1252ToUtf8(bytes)) == std::string(bytes));
    const std::string upper = toUpperCp1252(bytes);
    const std::string lower = toLowerCp1252(bytes);
    FUZZ_CHECK(upper.size() == bytes.size() && lower.size() == bytes.size());
    FUZZ_CHECK(toUpperCp1252(upper) == upper);
    FUZZ_CHECK(toLowerCp1252(lower) == lower);
    FUZZ_CHECK(toUpperCp1252(lower) == upper);
    FUZZ_CHECK(toLowerCp1252(upper) == lower);
}

// Taken as UTF-8: text the code page can hold comes back unchanged; any other is refused whole.
void checkUtf8(std::string_view text) {
    if (const auto bytes = utf8ToCp1252(text)) {
        FUZZ_CHECK(cp1252ToUtf8(*bytes) == text);
        FUZZ_CHECK(bytes->size() <= text.size());
    }
}

}  // namespace
}  // namespace orv

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(bytes), size);
    orv::checkBytes(text);
    orv::checkUtf8(text);
    return 0;
}
