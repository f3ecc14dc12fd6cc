#pragma once
// The files of the data folder, named in one place: one station's log and ADIF export, the files
// every station shares (first names, reference list), the scratch files of the rewrites and the
// reports saved by the list windows. Every data file lives directly in the data folder.

#include <filesystem>
#include <string>
#include <string_view>

namespace orv {

// The scratch file of the site-names update.
inline constexpr std::string_view kNamesScratchFile = "Temporaire1.log";

class StationFiles {
public:
    StationFiles(std::filesystem::path folder, std::string callsign);

    const std::filesystem::path& folder() const { return folder_; }
    const std::string& callsign() const { return callsign_; }

    // The callsign followed by "_PC.log".
    std::filesystem::path log() const;
    // The callsign followed by "_PC.adi".
    std::filesystem::path adifExport() const;
    // "Liste_Prenom.txt".
    std::filesystem::path firstNames() const;
    // "Liste_PC.csv".
    std::filesystem::path referenceList() const;
    // A file of the data folder by its name alone (a report, for instance).
    std::filesystem::path inFolder(std::string_view fileName) const;

private:
    std::filesystem::path folder_;
    std::string callsign_;
};

}  // namespace orv
