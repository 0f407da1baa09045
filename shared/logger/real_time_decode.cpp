// Converting real-time values: logger floats and big-endian integers by channel type and scalar.
#include "shared/logger/real_time_decode.h"

#include "platform/base/byte_order.h"
#include "shared/common/logger_fields.h"
#include "shared/setup/sut_info.h"

namespace {

using platform::ByteOrder;

constexpr int kPowerUnits[6] = {2, 1, 4, 5, 6, 7};
// A reading just below zero is noise around zero.
constexpr float kPowerNoise[6] = {-0.1f, -0.01f, -0.001f, -0.001f, -0.01f, -0.001f};

float Denoise(float value, float limit) {
    return value > limit && value < 0.0f ? 0.0f : value;
}

// Appends entries to the table while it has room.
class TableWriter {
public:
    explicit TableWriter(std::vector<RealTimeValue>& table) : table_(table) {
        for (std::size_t i = 0; i < table_.size(); ++i) {
            table_[i] = RealTimeValue{static_cast<int>(i), 0, 0.0f, 0};
        }
    }
    void Add(int channel, float value, int unit, int kind = 1) {
        if (next_ < table_.size()) {
            table_[next_++] = RealTimeValue{channel, kind, value, unit};
        }
    }
    void AddPower(int channel, const float (&values)[6]) {
        for (int i = 0; i < 6; ++i) {
            Add(channel, Denoise(values[i], kPowerNoise[i]), kPowerUnits[i]);
        }
    }

private:
    std::vector<RealTimeValue>& table_;
    std::size_t next_ = 0;
};

int TemperatureUnitCode(int unit) {
    switch (unit) {
        case 0: return 10;
        case 1: return 11;
        case 2: return 12;
        case 3: return 13;
        default: return 9;
    }
}

}  // namespace

bool DecodeStandardRealTime(std::span<const std::uint8_t> values, const CSUTInfo& active,
                            std::vector<RealTimeValue>& table) {
    if (!active.setupTable) {
        return false;
    }
    constexpr std::size_t kChannelBytes = 24;
    const int channels = std::min(active.GetChannelCount(kModelStandard), kHardwareChannels + kSoftwareChannels);
    TableWriter out(table);
    for (int c = 0; c < channels && static_cast<std::size_t>(c) < table.size(); ++c) {
        const std::size_t at = static_cast<std::size_t>(c) * kChannelBytes;
        if (values.size() < at + kChannelBytes) {
            return false;
        }
        float f[6];
        for (std::size_t i = 0; i < 6; ++i) {
            f[i] = GetLoggerFloat(values.subspan(at + 4 * i, 4), kModelStandard);
        }
        const int type = active.channelTypes[static_cast<std::size_t>(c)];
        if (type == kChannelPower || type == kChannelSoftware) {
            out.AddPower(c, f);
        } else if (type == kChannelTemperature) {
            out.Add(c, Denoise(f[0], -0.1f),
                    TemperatureUnitCode(active.setupTable->GetHardwareChannel(c % kHardwareChannels).GetTemperatureUnit()));
        } else if (type == kChannel5VDC) {
            out.Add(c, Denoise(f[0], -0.1f), 3);
        } else if (type == kChannelRNDC) {
            // The count of a type-4 channel stands in its second float.
            out.Add(c, f[1], 8);
        }
    }
    return true;
}

bool DecodeOrnatRealTime(std::span<const std::uint8_t> values, const CSUTInfo& active, RealTimeScalars s,
                         std::vector<RealTimeValue>& table) {
    if (!active.setupTable) {
        return false;
    }
    TableWriter out(table);
    std::size_t at = 0;
    for (int c = 0; c < kHardwareChannels + kSoftwareChannels; ++c) {
        const std::size_t size = c < kHardwareChannels ? 14 : 21;
        if (values.size() < at + size) {
            return false;
        }
        const std::span<const std::uint8_t> b = values.subspan(at, size);
        at += size;
        const int type = active.channelTypes[static_cast<std::size_t>(c)];
        if (type == kChannelPower && c < kHardwareChannels) {
            const auto& channel = active.setupTable->GetHardwareChannel(c);
            const float fv = channel.GetPTRatio();
            const float fi = channel.GetCTSize();
            const float power = s.v * s.a * fv * fi * 0.001f;
            const float f[6] = {platform::ReadS16(b, 0, ByteOrder::Big) * s.v * 0.0625f * fv,
                                platform::ReadS16(b, 2, ByteOrder::Big) * s.a * 0.0625f * fi,
                                platform::ReadS24(b, 4, ByteOrder::Big) * power,
                                static_cast<float>(platform::ReadU24(b, 7, ByteOrder::Big)) * power,
                                platform::ReadS8(b, 10) * 0.01f,
                                platform::ReadS24(b, 11, ByteOrder::Big) * power};
            out.AddPower(c, f);
        } else if (type == kChannelSoftware && c >= kHardwareChannels) {
            const auto fl = [&](std::size_t offset) { return GetLoggerFloat(b.subspan(offset, 4), 1); };
            const float f[6] = {fl(0) * s.v,
                                fl(4) * s.a,
                                fl(8) * s.v * s.a * 0.001f,
                                fl(12) * s.v * s.a * 0.001f,
                                platform::ReadS8(b, 16) / 100.0f,
                                fl(17) * s.v * s.a * 0.001f};
            out.AddPower(c, f);
        }
    }
    return true;
}

bool DecodeNimboRealTime(std::span<const std::uint8_t> values, const CSUTInfo& active, RealTimeScalars s,
                         std::vector<RealTimeValue>& table) {
    if (!active.setupTable) {
        return false;
    }
    TableWriter out(table);
    std::size_t at = 0;
    for (int c = 0; c < kHardwareChannels + kSoftwareChannels; ++c) {
        const int type = active.channelTypes[static_cast<std::size_t>(c)];
        if (IsAnalogType(type)) {
            out.Add(c, 0.0f, 0);
            continue;
        }
        if (values.size() < at + 2) {
            return false;
        }
        const std::uint16_t raw = platform::ReadU16(values, at, ByteOrder::Big);
        const float signedRaw = static_cast<std::int16_t>(raw);
        at += 2;
        const auto& channel = active.setupTable->GetHardwareChannel(c % kHardwareChannels);
        if (type == kChannelTemperature) {
            float value = signedRaw * s.v * 0.01f;
            int unit = 11;
            switch (channel.GetTemperatureUnit()) {
                case 0: value = value * 9 * 0.2f + 32; unit = 10; break;
                case 2: value = value * 9 * 0.2f + 491.67f; unit = 12; break;
                case 3: value += 273.15f; unit = 13; break;
                default: break;
            }
            out.Add(c, value * channel.GetScaleValue1() + channel.GetScaleValue2(), unit);
        } else if (type == kChannelRNDC) {
            out.Add(c, static_cast<float>(raw), 8);
        } else if (type == kChannelCurrent) {
            out.Add(c, Denoise(signedRaw * s.a * 0.0625f * channel.GetCTSize(), -0.1f), 1);
        } else if (type >= kChannel10VDC && type <= kChannel25mA) {
            out.Add(c, signedRaw * s.v * channel.GetScaleValue1() + channel.GetScaleValue2(), 18);
        }
    }
    return true;
}

bool DecodeQuarvenRealTime(std::span<const std::uint8_t> values, const CSUTInfo& active, int model,
                           std::vector<RealTimeValue>& table) {
    if (!active.setupTable) {
        return false;
    }
    TableWriter out(table);
    const int channels = model == kModelQuarvenRS ? 6 : 10;
    std::size_t at = 0;
    for (int c = 0; c < channels; ++c) {
        const std::size_t size = c < kHardwareChannels + kSoftwareChannels ? 28 : 4;
        if (values.size() < at + size) {
            return false;
        }
        const std::span<const std::uint8_t> b = values.subspan(at, size);
        at += size;
        const auto fl = [&](std::size_t index) { return GetLoggerFloat(b.subspan(4 * index, 4), model); };
        const int type = active.channelTypes[static_cast<std::size_t>(c)];
        if ((type == kChannelPower || type == kChannelSoftware) && size == 28) {
            const float f[6] = {fl(0), fl(1), fl(2) * 0.001f, fl(3) * 0.001f, fl(5), fl(6) * 0.001f};
            out.AddPower(c, f);
        } else if (IsAnalogType(type)) {
            out.Add(c, Denoise(fl(0), -0.1f), 0);
        }
    }
    return true;
}
