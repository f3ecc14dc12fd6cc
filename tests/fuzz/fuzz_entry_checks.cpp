// The field, date and time checks of the entry: what they accept can always be written and read
// back. An accepted date and time are placed by the insert rule at the values typed; a QSO the
// commit lets through is a line of exactly 107 characters; an accepted station callsign names a
// log inside the data folder.

#include <fuzzer/FuzzedDataProvider.h>

#include "entry/commit.h"
#include "entry/date_time.h"
#include "entry/field_checks.h"
#include "entry/station_rules.h"
#include "fuzz_check.h"
#include "model/log_line.h"
#include "model/log_rewrite.h"

namespace orv {
namespace {

std::string digits2(int value) {
    return {static_cast<char>('0' + value / 10), static_cast<char>('0' + value % 10)};
}

LogRecord recordAt(std::string date, std::string time) {
    return {"F4ABC", "89", "", "89001", std::move(date), std::move(time), "SSB", "14 Mhz",
            "59",    "59", "", false};
}

// The clock's date and time as the automatic date writes them.
void checkClockReading(FuzzedDataProvider& data) {
    ClockReading reading;
    reading.year = data.ConsumeIntegralInRange(1950, 2049);
    reading.month = data.ConsumeIntegralInRange(1, 12);
    reading.day = data.ConsumeIntegralInRange(1, 31);
    reading.hour = data.ConsumeIntegralInRange(0, 23);
    reading.minute = data.ConsumeIntegralInRange(0, 59);
    const std::string date = Date_Jour(reading);
    const std::string time = digits2(reading.hour) + ":" + digits2(reading.minute);
    FUZZ_CHECK(Controle_Date(date) == 0);
    FUZZ_CHECK(Controle_Heure(time) == 0);
    const auto when = logDateTime(formatLogLine(recordAt(date, time)).value());
    FUZZ_CHECK(when == (LogDateTime{reading.year, reading.month, reading.day, reading.hour,
                                    reading.minute}));
}

// Typed texts: a date and a time accepted on Enter always give the line a readable date-time.
void checkTypedDateAndTime(const std::string& date, const std::string& time) {
    const bool dateAccepted = !checkOnEnter(EntryField::Date_A, date);
    const bool timeAccepted = !checkOnEnter(EntryField::Heure_A, time);
    FUZZ_CHECK(dateAccepted == (date.size() == 8 && Controle_Date(date) == 0));
    FUZZ_CHECK(timeAccepted == (time.size() == 5 && Controle_Heure(time) == 0));
    if (dateAccepted && timeAccepted) {
        const auto when = logDateTime(formatLogLine(recordAt(date, time)).value());
        FUZZ_CHECK(when.has_value());
        FUZZ_CHECK(when->month <= 12 && when->day <= 31 && when->hour <= 23 && when->minute <= 59);
    }
}

void checkCommittedLine(FuzzedDataProvider& data) {
    LogRecord record;
    for (std::string* value :
         {&record.callsign, &record.departement, &record.firstName, &record.reference, &record.date,
          &record.time, &record.mode, &record.band, &record.reportReceived, &record.reportSent,
          &record.siteName}) {
        // The entry fields refuse control characters as they are typed or pasted.
        *value = fuzz::oneLine(data.ConsumeRandomLengthString(40));
    }
    record.qslReceived = data.ConsumeBool();
    if (!checkCommit(record)) {
        const std::optional<std::string> line = formatLogLine(record);
        FUZZ_CHECK(line && line->size() == kLogLineLength);
    }
}

void checkStationLogPath(const std::string& candidate) {
    if (checkStationCallsign(candidate)) {
        return;
    }
    const std::filesystem::path folder = "/data/ORV_PC";
    const std::filesystem::path log = logPath(folder, candidate);
    FUZZ_CHECK(log.parent_path() == folder);
    FUZZ_CHECK(log.filename() == candidate + "_PC.log");
}

}  // namespace
}  // namespace orv

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* bytes, std::size_t size) {
    FuzzedDataProvider data(bytes, size);
    const std::string date = data.ConsumeRandomLengthString(10);
    const std::string time = data.ConsumeRandomLengthString(7);
    orv::checkTypedDateAndTime(date, time);
    orv::checkStationLogPath(data.ConsumeRandomLengthString(16));
    orv::checkClockReading(data);
    orv::checkCommittedLine(data);
    return 0;
}
