#include "model/station_files.h"

#include <utility>

#include "model/contact_memory.h"
#include "model/log_line.h"
#include "model/reference_list.h"

namespace orv {

StationFiles::StationFiles(std::filesystem::path folder, std::string callsign)
    : folder_(std::move(folder)), callsign_(std::move(callsign)) {}

std::filesystem::path StationFiles::log() const {
    return logPath(folder_, callsign_);
}

std::filesystem::path StationFiles::adifExport() const {
    return inFolder(callsign_ + "_PC.adi");
}

std::filesystem::path StationFiles::firstNames() const {
    return inFolder(kFirstNameFile);
}

std::filesystem::path StationFiles::referenceList() const {
    return inFolder(kReferenceListFile);
}

std::filesystem::path StationFiles::inFolder(std::string_view fileName) const {
    return folder_ / fileName;
}

}  // namespace orv
