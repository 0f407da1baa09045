// BuildEnergySummary: the energy registers that a logger kept itself, from a data file's setup table.
#include "kivo32/analysis/energy_summary.h"

#include <cstdlib>
#include <optional>
#include <vector>

#include "kivo32/analysis/analysis_ids.h"
#include "platform/base/local_time.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "shared/common/date_time_text.h"
#include "shared/datafile/data_info.h"
#include "shared/logger/firmware_features.h"
#include "shared/setup/channel_caption.h"
#include "shared/setup/setup_table.h"

namespace {

constexpr const char* kLineEnd = "\r\n";
constexpr int kChannelWidth = 8;
// The software channels whose registers the logger keeps (when they are in use).
constexpr int kFirstSoftwareChannel = 5;
constexpr int kSoftwareChannels = 2;
constexpr int kRegisters = 7;
// Models 1 and 2 keep totals and a peak from this firmware on.
constexpr int kFirstFirmwareWithTotals = 54;
// A Quarven's firmware number in a file's model text is its version less this.
constexpr int kQuarvenVersionOffset = 100;

// The notice of a logger whose firmware keeps no energy registers.
std::string OldFirmwareNotice() {
    return LoadText(IDS_ENERGY_OLD_FIRMWARE) +
           platform::StringPrintf("                             %s",
                                  LoadText(IDS_ENERGY_UPDATE_FIRMWARE).c_str());
}

// The channel head's dashes: as long as its word, the first eight characters '-'.
std::string Dashes(const std::string& word) {
    std::string dashes(word.size(), ' ');
    for (std::size_t i = 0; i < dashes.size() && i < static_cast<std::size_t>(kChannelWidth); ++i) {
        dashes[i] = '-';
    }
    return dashes;
}

std::string QuarvenSummary(const CSetupTable& setup) {
    const CSUTExtendedData& extended = setup.GetExtendedData();
    const int model = setup.GetHeader().GetModelCode();
    const std::vector<std::uint8_t> types = setup.GetChannelTypes();
    const auto hasRegisters = [&](int channel) {
        const auto index = static_cast<std::size_t>(channel - 1);
        return index < types.size() && types[index] == kChannelSoftware;
    };
    const std::string word = LoadText(IDS_STAT_CHANNEL);
    const std::string dashes = Dashes(word);
    const std::uint32_t demand = extended.GetDemandWindow();

    std::string text =
        platform::StringPrintf("%s\r\n-----------\r\n\r\n", LoadText(IDS_ENERGY_DEMAND_WINDOW).c_str());
    text += platform::StringPrintf("%s.: %d\r\n\r\n", LoadText(IDS_ENERGY_DEMAND_MINUTES).c_str(),
                                   static_cast<int>(demand));
    text += platform::StringPrintf("%-*s           KW\t\t\t             KVA\t\t\t       KVAR\r\n",
                                   kChannelWidth, word.c_str());
    text += platform::StringPrintf(
        "%-*s    --------- -------------------      --------- -------------------      "
        "--------- -------------------\r\n",
        kChannelWidth, dashes.c_str());
    for (int slot = 0; slot < kSoftwareChannels; ++slot) {
        const int channel = kFirstSoftwareChannel + slot;
        const std::string kind = GetChannelKindName(model, channel);
        const int first = 3 * slot;
        if (demand != 0 && hasRegisters(channel) && extended.GetTimedValueTime(first) != 0) {
            text += platform::StringPrintf("%s %d", kind.c_str(), channel);
            for (int peak = first; peak < first + 3; ++peak) {
                text += platform::StringPrintf(
                    peak == first ? "     %9.3f %s" : "      %9.3f %s", extended.GetTimedValue(peak),
                    FormatRecordTime(static_cast<std::time_t>(extended.GetTimedValueTime(peak))).c_str());
            }
            text += kLineEnd;
        } else {
            text += platform::StringPrintf("%s %d           %s\r\n", kind.c_str(), channel,
                                           LoadText(IDS_ENERGY_NO_PEAK).c_str());
        }
    }
    text += kLineEnd;
    if (hasRegisters(5) || hasRegisters(6)) {
        text += platform::StringPrintf("%s\r\n----------\r\n\r\n", LoadText(IDS_ENERGY_REGISTERS).c_str());
        text += platform::StringPrintf(
            "%-*s        KWH      -KWH      +KWH      KVAH     KVARH    -KVARH    +KVARH\r\n", kChannelWidth,
            word.c_str());
        text += platform::StringPrintf(
            "%-*s  --------- --------- --------- --------- --------- --------- ---------\r\n", kChannelWidth,
            dashes.c_str());
        for (int slot = 0; slot < kSoftwareChannels; ++slot) {
            const int channel = kFirstSoftwareChannel + slot;
            if (!hasRegisters(channel)) {
                continue;
            }
            text += platform::StringPrintf("%s %d  ", GetChannelKindName(model, channel).c_str(), channel);
            for (int i = 0; i < kRegisters; ++i) {
                text += platform::StringPrintf(" %9.3f", extended.GetQuarvenValue(slot * kRegisters + i));
            }
            text += kLineEnd;
        }
        text += kLineEnd;
    }
    return text;
}

// One set of totals: "<label> (<channel word> <n>): 12kWh, 34kVAh, 5kVARh"; empty when the set shows
// nothing, nullopt when its kVAh is not available and nothing else would show.
std::optional<std::string> TotalsLine(const CSUTExtendedData& extended, int model, unsigned flags, int set) {
    const int first = 3 * set;
    std::vector<std::string> parts;
    if (flags & 1) {
        parts.push_back(platform::StringPrintf(
            "%ldkWh", static_cast<long>(static_cast<std::int32_t>(extended.GetLoggerValue(first)))));
    }
    const auto kVAh = static_cast<std::int32_t>(extended.GetLoggerValue(first + 1));
    if ((flags & 2) && kVAh >= 0) {
        parts.push_back(platform::StringPrintf("%ldkVAh", static_cast<long>(kVAh)));
    }
    if ((flags & 2) && kVAh < 0 && (flags & 4) == 0) {
        return std::nullopt;
    }
    if (flags & 4) {
        parts.push_back(platform::StringPrintf(
            "%ldkVARh", static_cast<long>(static_cast<std::int32_t>(extended.GetLoggerValue(first + 2)))));
    }
    std::string line =
        platform::StringPrintf("%s (%s %d): ", LoadText(IDS_ENERGY_TOTALS).c_str(),
                               GetChannelKindName(model, 1).c_str(), kFirstSoftwareChannel + set);
    for (std::size_t i = 0; i < parts.size(); ++i) {
        line += (i > 0 ? ", " : "") + parts[i];
    }
    return line + kLineEnd;
}

std::string OrnatSummary(const CSetupTable& setup, int firmware) {
    if (firmware < kFirstFirmwareWithTotals) {
        return OldFirmwareNotice();
    }
    const CSUTExtendedData& extended = setup.GetExtendedData();
    const int model = setup.GetHeader().GetModelCode();
    std::string text;
    const std::time_t peakTime =
        static_cast<std::time_t>(static_cast<std::int32_t>(extended.GetLoggerTime()));
    const std::optional<std::tm> peak = peakTime != 0 ? platform::ToLocalTime(peakTime) : std::nullopt;
    if (peak) {
        char weekday[32] = "";
        char clock[32] = "";
        std::strftime(weekday, sizeof weekday, "%A ", &*peak);
        std::strftime(clock, sizeof clock, " at %H:%M:%S", &*peak);
        text += platform::StringPrintf(
            "%s: %.3fkW on %s%s%s\r\n\r\n", LoadText(IDS_ENERGY_DEMAND_WINDOW).c_str(),
            static_cast<double>(static_cast<float>(extended.GetDemandWindow()) / 1000.0f), weekday,
            FormatDateText(peak->tm_year + 1900, peak->tm_mon + 1, peak->tm_mday, false).c_str(), clock);
    } else {
        text += platform::StringPrintf("%s: %s\r\n\r\n", LoadText(IDS_ENERGY_DEMAND_WINDOW).c_str(),
                                       LoadText(IDS_ENERGY_NO_PEAK_DEMAND).c_str());
    }
    const unsigned flags = extended.GetTimeSetting();
    if (flags == 0) {
        text += LoadText(IDS_ENERGY_NO_TOTALS);
    } else if (flags & 0x07) {
        const std::optional<std::string> first = TotalsLine(extended, model, flags & 0x07, 0);
        if (!first) {
            text += LoadText(IDS_ENERGY_NO_TOTALS);
        } else {
            text += *first;
            if (flags & 0x38) {
                text += TotalsLine(extended, model, (flags >> 3) & 0x07, 1)
                            .value_or(LoadText(IDS_ENERGY_NO_TOTALS));
            }
        }
    }
    return text + kLineEnd;
}

}  // namespace

int FirmwareNumber(const CDataInfo& info) {
    const std::string text = info.GetTypeText();
    const std::size_t dot = text.rfind('.');
    return dot == std::string::npos ? 0 : std::atoi(text.c_str() + dot + 1);
}

std::string FormatRecordTime(std::time_t time) {
    const std::optional<std::tm> local = platform::ToLocalTime(time);
    if (!local) {
        return {};
    }
    return FormatTimeText(local->tm_hour, local->tm_min, local->tm_sec) + " " +
           FormatDateText(local->tm_year + 1900, local->tm_mon + 1, local->tm_mday, false);
}

std::string BuildEnergySummary(const CSetupTable& setup, const CDataInfo& info) {
    const int model = setup.GetHeader().GetModelCode();
    const int firmware = FirmwareNumber(info);
    if (IsDemandWindowSupported(model, firmware + kQuarvenVersionOffset)) {
        return QuarvenSummary(setup);
    }
    if (model >= kModelOrnatFirst && model <= kModelOrnatLast) {
        return OrnatSummary(setup, firmware);
    }
    return {};
}

std::string EnergySummaryWindowText(const CSetupTable& setup, const CDataInfo& info) {
    const std::string summary = BuildEnergySummary(setup, info);
    if (!summary.empty()) {
        return "\r\n" + summary;
    }
    // A Quarven whose firmware keeps no demand window has no registers to show either: say so, rather
    // than suggest that the file holds no data.
    const bool quarven = setup.GetHeader().GetModelCode() >= kModelQuarvenRS;
    return "\r\n" + (quarven ? OldFirmwareNotice() : LoadText(IDS_ENERGY_NO_DATA));
}
