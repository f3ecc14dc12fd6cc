#include "model/list_shape.h"

#include "model/line_scan.h"
#include "model/reference_list.h"

namespace orv {
namespace {

// A line the readers take for a site, with a reference after the three leading characters.
bool isSiteWithReference(const SiteLine& read) {
    return read.shape == SiteLineShape::Site && !read.site.reference.empty();
}

std::size_t nextLineStart(std::string_view text, std::size_t lineEnd) {
    return lineEnd + (text.substr(lineEnd, 2) == "\r\n" ? 2 : 1);
}

bool beginsLikeAPage(std::string_view firstLine) {
    constexpr std::string_view kUtf8Mark = "\xEF\xBB\xBF";
    if (firstLine.starts_with(kUtf8Mark)) {
        firstLine.remove_prefix(kUtf8Mark.size());
    }
    const std::size_t start = firstLine.find_first_not_of(" \t");
    return start != std::string_view::npos && firstLine[start] == '<';
}

// Whether a site line comes after line 1 and before the end of the list.
bool holdsASite(std::string_view text, std::size_t start) {
    while (start < text.size()) {
        const std::size_t end = findLineEnd(text, start);
        const SiteLine read = readSiteLine(text.substr(start, end - start));
        if (isSiteWithReference(read)) {
            return true;
        }
        if (read.shape == SiteLineShape::EndOfList || end == std::string_view::npos) {
            return false;
        }
        start = nextLineStart(text, end);
    }
    return false;
}

bool lastLineWhole(std::string_view text) {
    if (text.ends_with('\n') || text.ends_with('\r')) {
        return true;
    }
    const std::size_t lastEnd = text.find_last_of("\r\n");
    return isSiteWithReference(
        readSiteLine(text.substr(lastEnd == std::string_view::npos ? 0 : lastEnd + 1)));
}

}  // namespace

ListShapeFault listShapeFault(std::string_view text) {
    const std::size_t firstEnd = findLineEnd(text, 0);
    const std::string_view firstLine = text.substr(0, firstEnd);
    const std::size_t revisionEnd = firstLine.find(';');
    if (beginsLikeAPage(firstLine)) {
        return ListShapeFault::WebPage;
    }
    if (revisionEnd == std::string_view::npos) {
        return ListShapeFault::NoRevision;
    }
    if (revisionEnd > kMaxRevisionLength) {
        return ListShapeFault::RevisionTooLong;
    }
    if (firstEnd == std::string_view::npos || !holdsASite(text, nextLineStart(text, firstEnd))) {
        return ListShapeFault::NoSite;
    }
    return lastLineWhole(text) ? ListShapeFault::None : ListShapeFault::LastLineCut;
}

}  // namespace orv
