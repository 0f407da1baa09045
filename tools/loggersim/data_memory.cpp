// The simulated logger's data memory: records encoded from the values it logs, kept in a downward ring.
#include "tools/loggersim/data_memory.h"

#include <bit>
#include <cmath>
#include <cstdlib>
#include <limits>
#include <optional>
#include <stdexcept>

#include "platform/base/local_time.h"
#include "shared/setup/raw_data_field.h"
#include "shared/setup/setup_codes.h"
#include "tools/loggersim/logger_state.h"

namespace {

// The standard logger stamps in seconds from this firmware version on.
constexpr int kFirstSecondsFirmware = 132;
constexpr int kFirstValueOffset = 7;
// Where the first logger time lies in the header of a memory model's setup: after the header word, the
// name, the channel types, the interval and option bytes and the setup time.
constexpr std::size_t kFirstLoggerTimeOffset = 2 + 21 + 6 + 2 + 6;

// How a value lies in a raw record: its integer form and the value of one step.
enum class Form { S8, U16, U24, S24, F32, Skipped };

struct Encoding {
    Form form = Form::Skipped;
    double step = 1.0;
    int skippedWidth = 0;
};

// Value kinds of the data columns (the setup table's column builder).
enum Kind { kCurrent = 1, kVoltage = 2, k5VDC = 3, kKW = 4, kKVA = 5, kPowerFactor = 6, kKVAR = 7, kTemperature = 9 };

int FirmwareNumber(const std::string& text) {
    const std::size_t dot = text.rfind('.');
    return dot == std::string::npos ? 0 : std::atoi(text.c_str() + dot + 1);
}

bool IsLeap(int year) {
    return (year % 4 == 0 && year % 100 != 0) || year % 400 == 0;
}

int DaysIn(int year, int month) {
    static constexpr int kDays[] = {31, 28, 31, 30, 31, 30, 31, 31, 30, 31, 30, 31};
    return month == 2 && IsLeap(year) ? 29 : kDays[month - 1];
}

// Calendar minutes from the start of `baseYear` to a local date and time, as the logger counts them.
std::uint32_t CalendarMinutes(int baseYear, const std::tm& local) {
    long days = 0;
    for (int year = baseYear; year < local.tm_year + 1900; ++year) {
        days += IsLeap(year) ? 366 : 365;
    }
    for (int month = 1; month <= local.tm_mon; ++month) {
        days += DaysIn(local.tm_year + 1900, month);
    }
    days += local.tm_mday - 1;
    return static_cast<std::uint32_t>((days * 24 + local.tm_hour) * 60 + local.tm_min);
}

Encoding StandardEncoding(const CRawDataField& field) {
    switch (field.valueKind) {
        case kCurrent:
        case kVoltage:
            return {Form::U24, 0.1};
        case k5VDC:
        case kKW:
        case kKVAR:
            return {Form::S24, 0.001};
        case kKVA:
            return {Form::U24, 0.001};
        case kPowerFactor:
            return {Form::S8, 0.01};
        case kTemperature:
            return {Form::U16, 0.1};
        default:
            return {Form::F32, 1.0};
    }
}

Encoding OrnatEncoding(const CSetupTable& setup, const CRawDataField& field, double a, double v) {
    if (field.valueKind == kPowerFactor) {
        return {Form::S8, 0.01};
    }
    if (field.softwareChannel) {
        switch (field.valueKind) {
            case kCurrent:
                return {Form::F32, a};
            case kVoltage:
                return {Form::F32, v};
            case kKW:
            case kKVA:
            case kKVAR:
                return {Form::F32, a * v * 0.001};
            default:
                return {Form::Skipped, 1.0, 4};
        }
    }
    const CSUTChannelHardware& channel = setup.GetHardwareChannel(field.channelIndex);
    const double ct = channel.GetCTSize();
    const double pt = channel.GetPTRatio();
    switch (field.valueKind) {
        case kCurrent:
            return {Form::U16, a * 0.0625 * ct};
        case kVoltage:
            return {Form::U16, v * 0.0625 * pt};
        case kKW:
        case kKVAR:
            return {Form::S24, a * v * ct * pt * 0.001};
        case kKVA:
            return {Form::U24, a * v * ct * pt * 0.001};
        default:
            return {Form::Skipped, 1.0, 2};
    }
}

Encoding NimboEncoding(const CSetupTable& setup, const CRawDataField& field, double a, double v) {
    const CSUTChannelHardware& channel = setup.GetHardwareChannel(field.channelIndex);
    switch (field.valueKind) {
        case kCurrent:
            return {Form::U16, a * 0.0625 * channel.GetCTSize()};
        case kTemperature:
            // Celsius on a scale of 1 and no offset, as the simulator's setups have it.
            return {Form::U16, v * 0.01};
        default:
            return {Form::Skipped, 1.0, 2};
    }
}

Encoding EncodingOf(int model, const CSetupTable& setup, const CRawDataField& field, const LoggerState& state) {
    const double a = state.scalars[0];
    const double v = state.scalars[1];
    if (model == kModelStandard) {
        return StandardEncoding(field);
    }
    if (model >= kModelOrnatFirst && model <= kModelOrnatLast) {
        return OrnatEncoding(setup, field, a, v);
    }
    return NimboEncoding(setup, field, a, v);
}

// Writes the record back to front: the logger's fields from the record's end, most significant byte first.
class BackwardRecord {
public:
    void Put(std::uint32_t value, int bytes) {
        for (int shift = 8 * (bytes - 1); shift >= 0; shift -= 8) {
            fields_.push_back(static_cast<std::uint8_t>(value >> shift));
        }
    }
    // The record as it lies in memory from its highest address down, `size` bytes.
    std::vector<std::uint8_t> Finish(std::size_t size) {
        if (fields_.size() > size) {
            throw std::logic_error("the simulated record is longer than the setup's record size");
        }
        fields_.resize(size, 0);
        return {fields_.rbegin(), fields_.rend()};
    }

private:
    std::vector<std::uint8_t> fields_;
};

// A value the logger can hold exactly: a whole number of steps that changes from record to record.
double ValueFor(std::size_t record, std::size_t column, const Encoding& encoding) {
    const long level = 1 + static_cast<long>((record * 37 + column * 11) % 400);
    return encoding.form == Form::F32 ? level * 0.5 : level * encoding.step;
}

void PutValue(BackwardRecord& out, const Encoding& encoding, double value) {
    const auto level = static_cast<std::int32_t>(std::lround(value / encoding.step));
    switch (encoding.form) {
        case Form::S8:
            out.Put(static_cast<std::uint32_t>(level), 1);
            break;
        case Form::U16:
            out.Put(static_cast<std::uint32_t>(level), 2);
            break;
        case Form::U24:
        case Form::S24:
            out.Put(static_cast<std::uint32_t>(level), 3);
            break;
        case Form::F32:
            out.Put(std::bit_cast<std::uint32_t>(static_cast<float>(value / encoding.step)), 4);
            break;
        case Form::Skipped:
            out.Put(0, encoding.skippedWidth);
            break;
    }
}

std::array<int, 6> Fields(const std::tm& time) {
    return {time.tm_year + 1900, time.tm_mon + 1, time.tm_mday, time.tm_hour, time.tm_min, time.tm_sec};
}

// Encodes record number `index` stamped `time` and says what the download should make of it.
std::vector<std::uint8_t> EncodeRecord(const LoggerState& state, const CSetupTable& setup, std::size_t index,
                                       std::time_t time, LoggedRecord& logged) {
    const int model = state.typeCode;
    BackwardRecord out;
    const std::optional<std::tm> local = platform::ToLocalTime(time);
    if (model == kModelStandard && FirmwareNumber(state.firmwareText) >= kFirstSecondsFirmware) {
        const std::optional<std::tm> utc = platform::ToUtcTime(time);
        logged.stamp = static_cast<std::uint32_t>(time) >> 8;
        logged.time = Fields(*utc);
        out.Put(static_cast<std::uint32_t>(time), 4);
    } else {
        // Minutes of the local calendar from the start of the year of the setup's first logger time.
        const std::optional<std::tm> base = platform::ToLocalTime(state.firstLoggerTime);
        const std::uint32_t minutes = CalendarMinutes(base->tm_year + 1900, *local);
        logged.stamp = minutes;
        logged.time = Fields(*local);
        out.Put(minutes, 3);
    }
    std::vector<CRawDataField> fields;
    setup.BuildDataFields(fields, kFirstValueOffset);
    logged.values.clear();
    for (std::size_t column = 0; column < fields.size(); ++column) {
        const Encoding encoding = EncodingOf(model, setup, fields[column], state);
        const double value = ValueFor(index, column, encoding);
        PutValue(out, encoding, value);
        logged.values.push_back(encoding.form == Form::Skipped ? std::numeric_limits<double>::quiet_NaN() : value);
    }
    return out.Finish(static_cast<std::size_t>(setup.GetRecordSize()));
}

}  // namespace

void FillUnwrittenDataMemory(LoggerState& state) {
    state.dataMemory.resize(state.memoryEnd + 1);
    for (std::size_t address = 0; address < state.dataMemory.size(); ++address) {
        state.dataMemory[address] = static_cast<std::uint8_t>(address);
    }
}

void ClearDataMemory(LoggerState& state, std::uint32_t start, std::uint32_t end, std::time_t firstTime) {
    state.memoryStart = start;
    state.memoryEnd = end;
    state.recordPointer = end;
    state.wraps = false;
    state.dataMemory.assign(end + 1, 0xFF);
    state.loggedRecords.clear();
    state.nextRecordTime = firstTime;
    state.firstLoggerTime = firstTime;
    const std::tm local = *platform::ToLocalTime(firstTime);
    const int packed[] = {local.tm_year % 100, local.tm_mon + 1, local.tm_mday, local.tm_hour, local.tm_min, local.tm_sec};
    for (std::size_t i = 0; i < std::size(packed); ++i) {
        state.setupMemory[LoggerState::kActiveSetupAddress + kFirstLoggerTimeOffset + i] =
            static_cast<std::uint8_t>(packed[i]);
    }
}

void LogRecords(LoggerState& state, int count) {
    const CSetupTable& setup = state.setups.at(1);
    const long interval = setup.GetIntervalSeconds();
    for (int i = 0; i < count; ++i) {
        LoggedRecord logged;
        const std::vector<std::uint8_t> raw =
            EncodeRecord(state, setup, state.loggedRecords.size(), state.nextRecordTime, logged);
        // Written downwards: the record's first byte highest; below the start the ring goes on at the end.
        for (const std::uint8_t byte : raw) {
            std::uint32_t address = state.recordPointer - 1;
            if (state.recordPointer == state.memoryStart) {
                address = state.memoryEnd;
                state.wraps = true;
            }
            state.dataMemory[address] = byte;
            state.recordPointer = address;
        }
        logged.address = state.recordPointer;
        state.loggedRecords.push_back(std::move(logged));
        state.nextRecordTime += interval;
    }
}

std::vector<std::uint8_t> ReadDataMemory(const LoggerState& state, long address, long length) {
    if (length < 1 || address >= static_cast<long>(state.dataMemory.size()) || address - length + 1 < 0) {
        return {};
    }
    std::vector<std::uint8_t> bytes;
    for (long at = address; at > address - length; --at) {
        bytes.push_back(state.dataMemory[static_cast<std::size_t>(at)]);
    }
    return bytes;
}

std::uint32_t ReadRangePosition(const LoggerState& state, std::uint32_t first, std::uint32_t timeMark) {
    if (first != 0) {
        return first;
    }
    for (const LoggedRecord& record : state.loggedRecords) {
        if (record.stamp == timeMark) {
            return record.address;
        }
    }
    return state.recordPointer;
}
