#include "model/reference_list.h"

#include <array>
#include <utility>

#include "model/text_file.h"

namespace orv {
namespace {

// Field 1 holds three characters that are never compared, then the reference.
constexpr std::size_t kReferenceStart = 3;
// A site line closes field 7 with a separator.
constexpr std::size_t kSiteSeparators = 7;

ReferenceSite ownedSite(const ReferenceSiteView& site) {
    return {std::string(site.reference), std::string(site.name), std::string(site.number),
            std::string(site.communeStart), std::string(site.communeEnd)};
}

// Takes the lines of a list one by one: line 1 for its revision (when asked for), then each site
// line to visit, up to the end of the list or until visit returns false; a line that breaks the
// list's shape is passed over.
template <class Visit>
class SiteScanner {
public:
    SiteScanner(Visit visit, std::optional<std::string>* revision)
        : visit_(std::move(visit)), revision_(revision) {}

    bool operator()(std::string_view line) {
        if (std::exchange(revisionLine_, false)) {
            if (revision_) {
                *revision_ = revisionOfLine(line);
            }
            return true;
        }
        const SiteLine read = readSiteLine(line);
        if (read.shape == SiteLineShape::EndOfList) {
            return false;
        }
        return read.shape == SiteLineShape::Broken || visit_(read.site);
    }

private:
    Visit visit_;
    std::optional<std::string>* revision_;
    bool revisionLine_ = true;
};

// Visits the site lines of the list file; false when the file is missing or unreadable.
template <class Visit>
bool forEachSite(const std::filesystem::path& listPath, Visit visit) {
    return forEachFileLine(listPath, SiteScanner<Visit>(std::move(visit), nullptr));
}

}  // namespace

SiteLine readSiteLine(std::string_view line) {
    if (line.empty() || line.front() == ';') {
        return {SiteLineShape::EndOfList, {}};
    }
    // Where each of the first seven separators stands.
    std::array<std::size_t, kSiteSeparators> separators{};
    std::size_t found = 0;
    for (std::size_t pos = line.find(';'); pos != std::string_view::npos && found < kSiteSeparators;
         pos = line.find(';', pos + 1)) {
        separators[found++] = pos;
    }
    if (found < kSiteSeparators || separators[0] < kReferenceStart) {
        return {SiteLineShape::Broken, {}};
    }
    const auto field = [&](std::size_t number) {  // fields 2 to 7
        const std::size_t start = separators[number - 2] + 1;
        return line.substr(start, separators[number - 1] - start);
    };
    return {SiteLineShape::Site,
            {line.substr(kReferenceStart, separators[0] - kReferenceStart), field(2), field(4),
             field(6), field(7)}};
}

std::optional<std::string> revisionOfLine(std::string_view firstLine) {
    const std::size_t end = firstLine.find(';');
    if (end == std::string_view::npos) {
        return std::nullopt;
    }
    return std::string(firstLine.substr(0, end));
}

ReferenceList::ReferenceList(std::optional<std::string> revision, std::vector<ReferenceSite> sites)
    : revision_(std::move(revision)), sites_(std::move(sites)) {
    firstSiteOf_.reserve(sites_.size());
    for (std::size_t i = 0; i < sites_.size(); ++i) {
        firstSiteOf_.try_emplace(sites_[i].reference, i);  // the first line of a reference wins
    }
}

const ReferenceSite* ReferenceList::find(std::string_view reference) const {
    const auto found = firstSiteOf_.find(std::string(reference));
    return found == firstSiteOf_.end() ? nullptr : &sites_[found->second];
}

ReferenceList parseReferenceList(std::string_view content) {
    std::optional<std::string> revision;
    std::vector<ReferenceSite> sites;
    const auto keep = [&](const ReferenceSiteView& site) {
        sites.push_back(ownedSite(site));
        return true;
    };
    forEachLine(content, SiteScanner<decltype(keep)>(keep, &revision));
    return ReferenceList(std::move(revision), std::move(sites));
}

ReferenceList readReferenceList(const std::filesystem::path& listPath) {
    std::error_code error;
    return parseReferenceList(readWholeFile(listPath, error));
}

std::optional<ReferenceList> readReadableList(const std::filesystem::path& listPath) {
    const std::optional<std::string> content = readWholeFile(listPath);
    if (!content) {
        return std::nullopt;
    }
    return parseReferenceList(*content);
}

std::optional<std::string> readRevision(const std::filesystem::path& listPath) {
    std::optional<std::string> revision;
    forEachFileLine(listPath, [&](std::string_view line) {
        revision = revisionOfLine(line);
        return false;
    });
    return revision;
}

FoundSite findSite(const std::filesystem::path& listPath, std::string_view reference) {
    FoundSite found;
    const bool read = forEachSite(listPath, [&](const ReferenceSiteView& site) {
        if (site.reference != reference) {
            return true;
        }
        found = {SiteSearch::Found, ownedSite(site)};
        return false;
    });
    if (!read) {
        return {SiteSearch::NoList, {}};
    }
    return found;
}

std::string communeOf(const ReferenceSite& site) {
    return site.communeStart + ' ' + site.communeEnd;
}

std::string Cherche_Nom_Patrimoine(const std::filesystem::path& listPath,
                                   std::string_view reference) {
    return findSite(listPath, reference).site.name;
}

}  // namespace orv
