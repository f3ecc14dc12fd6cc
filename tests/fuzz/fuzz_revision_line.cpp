// The first line of a downloaded list: its revision, whether the answer may replace the list (only
// with a revision short enough and a site line after it), and the revision check, on any bytes.

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "fuzz_check.h"
#include "model/list_shape.h"
#include "model/reference_list.h"
#include "net/list_download.h"
#include "net/list_revision.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string body(reinterpret_cast<const char*>(data), size);
    const std::string_view firstLine = std::string_view(body).substr(0, body.find_first_of("\r\n"));
    const std::optional<std::string> revision = orv::revisionOfLine(firstLine);
    FUZZ_CHECK(revision.has_value() == (firstLine.find(';') != std::string_view::npos));
    if (revision) {
        FUZZ_CHECK(revision->find(';') == std::string::npos && firstLine.starts_with(*revision));
    }
    const orv::ListVerdict verdict =
        orv::judgeListAnswer({orv::TransferEnd::Finished, 200, body, body.size()});
    const bool revisionShown = revision && revision->size() <= orv::kMaxRevisionLength;
    const bool severalLines = body.find_first_of("\r\n") != std::string::npos;
    FUZZ_CHECK(!verdict.accepted || (revisionShown && severalLines));
    FUZZ_CHECK(verdict.accepted == verdict.message.empty());
    const orv::RevisionCheck checked =
        orv::checkRevision(revision, "Rev 000 01/01/12", orv::ListOnDisk::Downloaded);
    FUZZ_CHECK(checked.revisionToRemember == (revisionShown ? revision : std::nullopt) &&
               checked.message.has_value());
    return 0;
}
