#pragma once
// Whether a whole text is a reference list that may stand in place of "Liste_PC.csv": what the
// download asks of an answer before it replaces the list, and what the site-names update asks of
// the list on disk before it rewrites the log. A cut transfer or a foreign page must never pass:
// the site-names update would blank the names its missing sites carry.

#include <cstddef>
#include <string_view>

namespace orv {

// The revision has the form "Rev 000 01/01/12"; a longer first field is no revision line.
inline constexpr std::size_t kMaxRevisionLength = 64;

enum class ListShapeFault {
    None,
    WebPage,          // line 1 begins with "<": a page, not a list
    NoRevision,       // line 1 holds no ";"
    RevisionTooLong,  // more than kMaxRevisionLength characters before the first ";"
    NoSite,           // no line after line 1, up to the end of the list, is a site with a reference
    LastLineCut,      // the text stops inside a line that is not a whole site line
};

ListShapeFault listShapeFault(std::string_view text);

}  // namespace orv
