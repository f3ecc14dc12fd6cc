#pragma once
// The award's reference list "Liste_PC.csv": a revision line, then one site per line, fields
// separated by ";" without quoting. Field 1 is three characters never compared followed by the
// reference; field 2 is the site's name, field 4 its number, fields 6 and 7 its commune. Every
// reader stops at the end of the file or at the first line whose field 1 is empty, and passes over
// a site line that breaks the list's shape (field 1 shorter than three characters, or fewer than
// seven ";"). References are compared exactly: same length, same characters, case counts.

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace orv {

inline constexpr std::string_view kReferenceListFile = "Liste_PC.csv";

// What a window that shows the list's sites says when the file is missing or unreadable (UTF-8).
inline constexpr std::string_view kListUnreadable =
    "La liste des Patrimoines Liste_PC.csv est absente ou illisible : faites la mise à jour des "
    "références PC (menu Outils).";

// The fields of one site line, as stored (no trimming, no change of case).
template <class Text>
struct BasicReferenceSite {
    Text reference;
    Text name;
    Text number;
    Text communeStart;
    Text communeEnd;
    bool operator==(const BasicReferenceSite&) const = default;
};

using ReferenceSite = BasicReferenceSite<std::string>;
using ReferenceSiteView = BasicReferenceSite<std::string_view>;

enum class SiteLineShape { Site, EndOfList, Broken };

struct SiteLine {
    SiteLineShape shape = SiteLineShape::Broken;
    ReferenceSiteView site;  // set for a Site only; views into the line
};

// One line after the revision line, by the list's shape rule.
SiteLine readSiteLine(std::string_view line);

// The revision of a list: the text of its line 1 before the first ";". Nothing when line 1 holds
// no ";".
std::optional<std::string> revisionOfLine(std::string_view firstLine);

// The whole list, read once, with an index for looking up many references.
class ReferenceList {
public:
    ReferenceList() = default;
    ReferenceList(std::optional<std::string> revision, std::vector<ReferenceSite> sites);

    // Nothing for a missing or unreadable file, or a line 1 without ";".
    const std::optional<std::string>& revision() const { return revision_; }
    // The site lines in file order, up to the end of the list.
    const std::vector<ReferenceSite>& sites() const { return sites_; }
    // The first site carrying exactly this reference, or nullptr.
    const ReferenceSite* find(std::string_view reference) const;

private:
    std::optional<std::string> revision_;
    std::vector<ReferenceSite> sites_;
    std::unordered_map<std::string, std::size_t> firstSiteOf_;
};

// The list of a whole content: "Liste_PC.csv" as read, or as downloaded.
ReferenceList parseReferenceList(std::string_view content);

// A missing or unreadable file gives an empty list without revision.
ReferenceList readReferenceList(const std::filesystem::path& listPath);

// The same, but nothing when the file is missing or unreadable, for a window that says so.
std::optional<ReferenceList> readReadableList(const std::filesystem::path& listPath);

// The revision of the list on disk (line 1 only), or nothing.
std::optional<std::string> readRevision(const std::filesystem::path& listPath);

// One reference looked up in the list on disk, with one pass over the file at most, stopping at the
// first site carrying exactly that reference.
enum class SiteSearch { Found, Absent, NoList };

struct FoundSite {
    SiteSearch outcome = SiteSearch::Absent;
    ReferenceSite site;  // set when Found
};

// NoList when the file is missing or unreadable.
FoundSite findSite(const std::filesystem::path& listPath, std::string_view reference);

// The commune of a site as it is shown: its first part, one blank, its second part.
std::string communeOf(const ReferenceSite& site);

// The name of the first site carrying exactly this reference; an empty text when none does or the
// file is missing or unreadable. One pass over the file at most, stopping at the match: the entry
// chain looks up a single reference as it is typed, and a list replaced by an update is seen at
// once.
std::string Cherche_Nom_Patrimoine(const std::filesystem::path& listPath,
                                   std::string_view reference);

}  // namespace orv
