// ADIF_SP on any text: one record of twelve fields in order, each length the length of its value.

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "export/adif.h"
#include "fuzz_check.h"

namespace {

struct Field {
    std::string_view name;
    bool trimmed;  // the value is the trimmed column itself, not a transformation of it
};

constexpr Field kFields[] = {{"CALL", true},     {"STATE", true},    {"NAME", true},
                             {"BAND", false},    {"MODE", true},     {"QSO_DATE", false},
                             {"TIME_ON", false}, {"RST_RCVD", true}, {"RST_SENT", true},
                             {"SIG", true},      {"SIG_INFO", true}, {"QSL_RCVD", false}};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view line(reinterpret_cast<const char*>(data), size);
    const std::string record = orv::ADIF_SP(line);
    std::size_t pos = 0;
    std::string_view value;
    for (const Field& field : kFields) {
        const std::string tag = (pos == 0 ? "<" : " <") + std::string(field.name) + ":";
        FUZZ_CHECK(record.compare(pos, tag.size(), tag) == 0);
        pos += tag.size();
        const std::size_t close = record.find('>', pos);
        FUZZ_CHECK(close != std::string::npos);
        const std::size_t length = std::stoul(record.substr(pos, close - pos));
        FUZZ_CHECK(close + 1 + length <= record.size());
        value = std::string_view(record).substr(close + 1, length);
        FUZZ_CHECK(!field.trimmed || value.empty() ||
                   (value.front() != ' ' && value.back() != ' '));
        pos = close + 1 + length;
    }
    FUZZ_CHECK(value == "Y" || value == "N");
    FUZZ_CHECK(record.substr(pos) == " <eor>");
    return 0;
}
