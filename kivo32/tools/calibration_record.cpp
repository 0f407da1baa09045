#include "kivo32/tools/calibration_record.h"

#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdio>
#include <cstdlib>

#include "platform/base/unique_fd.h"

namespace {

constexpr float kAmpScalarLow = 0.00091F;
constexpr float kAmpScalarHigh = 0.00092F;
constexpr float kVoltScalarLow = 0.42F;
constexpr float kVoltScalarHigh = 0.43F;
// Loggers of type codes 1 and 2 count in sixteenths.
constexpr float kSixteenth = 0.0625F;
constexpr float kAmpSourceFactor = 100.0F * 3.003F;
// Below this the voltage inputs count as unconnected.
constexpr float kLeastVolts = 0.1F;

bool CountsInSixteenths(int typeCode) {
    return typeCode == 1 || typeCode == 2;
}

std::optional<int> LeadingNumber(std::string_view text) {
    std::size_t at = 0;
    while (at < text.size() && text[at] != '-' && std::isdigit(static_cast<unsigned char>(text[at])) == 0) {
        ++at;
    }
    if (at == text.size()) {
        return std::nullopt;
    }
    const std::string number(text.substr(at, 16));
    char* end = nullptr;
    const long value = std::strtol(number.c_str(), &end, 10);
    if (end == number.c_str()) {
        return std::nullopt;
    }
    return static_cast<int>(value);
}

// A text field right-aligned in its column and never wider: tabs and line breaks would add columns
// or lines to the record.
std::string Column(std::string_view text, std::size_t width) {
    std::string kept;
    for (const char c : text) {
        if (c != '\t' && c != '\r' && c != '\n') {
            kept += c;
        }
    }
    kept.resize(std::min(kept.size(), width));
    return std::string(width - kept.size(), ' ') + kept;
}

std::string Number(const char* format, float value) {
    char text[64];
    std::snprintf(text, sizeof text, format, static_cast<double>(value));
    return text;
}

std::string Choice(int choice, std::initializer_list<const char*> texts) {
    if (choice < 0 || choice >= static_cast<int>(texts.size())) {
        return "    ";
    }
    return texts.begin()[choice];
}

bool WriteAll(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) {
                continue;
            }
            return false;
        }
        bytes.remove_prefix(static_cast<std::size_t>(written));
    }
    return true;
}

}  // namespace

bool AmpScalarInRange(float ampScalar) {
    return ampScalar >= kAmpScalarLow && ampScalar <= kAmpScalarHigh;
}
bool VoltScalarInRange(float voltScalar) {
    return voltScalar >= kVoltScalarLow && voltScalar <= kVoltScalarHigh;
}

std::optional<int> VoltCountsFrom(std::string_view reply, int typeCode) {
    if (CountsInSixteenths(typeCode)) {
        const std::size_t lineFeed = reply.find('\n');
        if (lineFeed == std::string_view::npos) {
            return std::nullopt;
        }
        reply.remove_prefix(lineFeed + 1);
    }
    return LeadingNumber(reply);
}

std::optional<int> AmpCountsFrom(std::string_view reply) {
    return LeadingNumber(reply);
}

float MeasuredVolts(int counts, float voltScalar, int typeCode) {
    const float volts = static_cast<float>(counts) * voltScalar;
    return CountsInSixteenths(typeCode) ? volts * kSixteenth : volts;
}

float MeasuredAmps(int counts, float ampScalar, int typeCode) {
    const float amps = static_cast<float>(counts) * ampScalar * 100.0F;
    return CountsInSixteenths(typeCode) ? amps * kSixteenth : amps;
}

float ReferenceAmps(float ampSource) {
    return ampSource * kAmpSourceFactor;
}

float PercentError(float reference, float measured) {
    return (1.0F - reference / measured) * 100.0F;
}

ScalarCalibration CalibrateScalars(std::optional<int> voltCounts, std::optional<int> ampCounts,
                                   float voltSource, float ampSource, float voltScalar, float ampScalar,
                                   int typeCode) {
    ScalarCalibration result;
    if (!voltCounts || !ampCounts) {
        result.stop = CalibrationStop::kCountsUnread;
        return result;
    }
    const float volts = MeasuredVolts(*voltCounts, voltScalar, typeCode);
    if (volts < kLeastVolts) {
        result.stop = CalibrationStop::kNoVoltInput;
        return result;
    }
    const float amps = MeasuredAmps(*ampCounts, ampScalar, typeCode);
    if (amps == 0.0F) {
        result.stop = CalibrationStop::kNoAmpInput;
        return result;
    }
    result.voltScalar = voltSource / volts * voltScalar;
    result.ampScalar = ReferenceAmps(ampSource) / amps * ampScalar;
    result.measuredVolts = MeasuredVolts(*voltCounts, result.voltScalar, typeCode);
    result.measuredAmps = MeasuredAmps(*ampCounts, result.ampScalar, typeCode);
    return result;
}

PhaseValues ValuesOfPhase(const std::vector<RealTimeValue>& values, int phase) {
    constexpr int kAmps = 1;
    constexpr int kVolts = 2;
    constexpr int kFourthCurrentInput = 3;
    PhaseValues found;
    // Each value is taken once: the first of its channel and unit.
    const auto take = [&values](int channel, int unit, std::optional<float>& into) {
        for (const RealTimeValue& value : values) {
            if (value.channel == channel && value.unit == unit) {
                into = value.value;
                return;
            }
        }
    };
    take(phase - 1, kAmps, found.amps);
    take(phase - 1, kVolts, found.volts);
    take(kFourthCurrentInput, kAmps, found.fourthAmps);
    return found;
}

std::string CalibrationHeaderLine() {
    return "Date\tTime\tSerial_Num\tID\tLogger_Type\tDescription\tBaud\tModem\tMemory\tLog\tAmp_Scalar\t"
           "L1_Aref\tL1_Ameas\tL1_AErr\tL2_Ameas\tL2_AErr\tL3_Ameas\tL3_AErr\tL4_Ameas\tL4_AErr\t"
           "Vlt_Scalar\tL1_Vref\tL1_Vmeas\tL1_VErr\tL2_Vmeas\tL2_VErr\tL3_Vmeas\tL3_VErr\tTechnician\t"
           "Comment_Field";
}

std::string CalibrationRecordLine(const CalibrationRecord& r) {
    char when[64];
    std::snprintf(when, sizeof when, "%2.02d/%2.02d/%2.02d\t%2.02d:%2.02d:%2.02d\t", r.storedAt.tm_mon + 1,
                  r.storedAt.tm_mday, (r.storedAt.tm_year + 1900) % 100, r.storedAt.tm_hour,
                  r.storedAt.tm_min, r.storedAt.tm_sec);
    std::string line = when;
    for (const auto& [text, width] :
         {std::pair{&r.serialNumber, 5U}, std::pair{&r.id, 9U}, std::pair{&r.typeName, 20U},
          std::pair{&r.description, 21U}, std::pair{&r.baud, 5U}}) {
        line += Column(*text, width) + '\t';
    }
    line += Choice(r.modemChoice, {"NONE", "2400", "9600", "14400"}) + '\t';
    line += Choice(r.memoryChoice, {"128K", "512K"}) + '\t';
    line += Column(r.logState, 3) + '\t';
    line += Number("%1.8f\t", r.ampScalar) + Number("%3.2f\t", r.referenceAmps);
    for (std::size_t input = 0; input < r.amps.size(); ++input) {
        line += Number("%3.2f\t", r.amps[input]) + Number("%3.2f\t", r.ampErrors[input]);
    }
    line += Number("%1.8f\t", r.voltScalar) + Number("%3.2f\t", r.voltSource);
    for (std::size_t phase = 0; phase < r.volts.size(); ++phase) {
        line += Number("%3.2f\t", r.volts[phase]) + Number("%3.2f\t", r.voltErrors[phase]);
    }
    line += Column(r.technician, 3) + '\t';
    line += Column(r.comment, 80);
    return line;
}

bool AppendCalibrationLine(const std::filesystem::path& path, std::string_view line) {
    const platform::UniqueFd file(::open(path.c_str(), O_WRONLY | O_CREAT | O_APPEND | O_CLOEXEC, 0644));
    if (!file.Valid()) {
        return false;
    }
    int locked = 0;
    while ((locked = ::flock(file.Get(), LOCK_EX)) != 0 && errno == EINTR) {
    }
    struct stat status {};
    if (locked != 0 || ::fstat(file.Get(), &status) != 0) {
        return false;
    }
    // The lock goes with the descriptor.
    if (status.st_size == 0 && !WriteAll(file.Get(), CalibrationHeaderLine() + "\r\n")) {
        return false;
    }
    return WriteAll(file.Get(), std::string(line) + "\r\n");
}
