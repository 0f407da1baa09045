// BuildDataFileSummary: the text of a data file's summary report.
#include "kivo32/analysis/data_file_summary.h"

#include <cmath>

#include "kivo32/analysis/analysis_ids.h"
#include "kivo32/analysis/channel_statistics.h"
#include "kivo32/analysis/energy_summary.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"
#include "shared/datafile/data_info.h"
#include "shared/datafile/datafile_ids.h"
#include "shared/datafile/model_names.h"
#include "shared/setup/channel_caption.h"
#include "shared/setup/channel_names.h"
#include "shared/setup/option_letters.h"
#include "shared/setup/setup_table.h"

namespace {

constexpr int kModelBrelanCurrent = 4;
constexpr std::uint8_t kOptionFiftyHertz = 0x10;
constexpr std::uint8_t kOptionRingMemory = 0x20;
constexpr std::uint8_t kOptionAutoFrequency = 0x40;
// Models 1 and 2 keep a peak-demand window from the next firmware on.
constexpr int kLastFirmwareWithoutPeak = 53;

// A heading with a line of '-' as long as it.
std::string Heading(unsigned id) {
    const std::string heading = LoadText(id);
    return heading + "\n" + std::string(heading.size(), '-') + "\n";
}

std::string Field(unsigned label, const std::string& value) {
    return platform::StringPrintf("%s: %s\n", LoadText(label).c_str(), value.c_str());
}

bool HasLineFrequency(int model) {
    return model == kModelStandard || model == kModelOrnatFirst || model == kModelOrnatLast ||
           model == kModelBrelanCurrent || model == kModelQuarvenRS || model == kModelQuarvenKX;
}

std::string LineFrequency(const CSetupTable& setup) {
    const int model = setup.GetHeader().GetModelCode();
    if (!HasLineFrequency(model)) {
        return {};
    }
    const std::uint8_t options = setup.GetHeader().GetOptionByte();
    std::string text = options & kOptionFiftyHertz ? "50 Hz" : "60 Hz";
    if (model >= kModelQuarvenRS && (options & kOptionAutoFrequency)) {
        text += LoadText(IDS_SUMMARY_AUTO_FREQUENCY);
    }
    return text;
}

// The line of channel slot `slot` (from 1), empty for a channel that is off.
std::string ChannelLine(const CSetupTable& setup, int slot, bool converted) {
    const std::vector<std::uint8_t> types = setup.GetChannelTypes();
    const auto index = static_cast<std::size_t>(slot - 1);
    if (index >= types.size()) {
        return {};
    }
    const int model = setup.GetHeader().GetModelCode();
    const std::string caption = FormatChannelName(model, slot, 2);
    const std::string none = LoadText(IDS_SUMMARY_NOT_IN_FILE);
    const auto number = [&](const char* format, double value) {
        return converted ? none : platform::StringPrintf(format, value);
    };
    // A value is raw x value 1 + value 2: value 2 is the offset, value 1 the multiplier.
    const auto twoScales = [&](const CSUTChannelHardware& channel, const std::string& head) {
        return platform::StringPrintf("%s: %s = %7.3f; %s = %s\n", head.c_str(),
                                      LoadText(IDS_SUMMARY_OFFSET).c_str(), channel.GetScaleValue2(),
                                      LoadText(IDS_SUMMARY_MULTIPLIER).c_str(),
                                      number("%.3f", channel.GetScaleValue1()).c_str());
    };
    switch (types[index]) {
        case kChannelPower: {
            const CSUTChannelHardware& channel = setup.GetHardwareChannel(slot - 1);
            std::string line = platform::StringPrintf(
                "%s - %s: VHi: %s, VLo: %s; PT = %s; CT = %s; %s = %s", caption.c_str(),
                LoadText(IDS_SUMMARY_POWER).c_str(), converted ? none.c_str() : channel.GetVHiName().c_str(),
                converted ? none.c_str() : channel.GetVLoName().c_str(),
                number("%.3f", channel.GetPTRatio()).c_str(), number("%.3f", channel.GetCTSize()).c_str(),
                LoadText(IDS_SUMMARY_SCALE).c_str(), number("%.3f", channel.GetPhaseShift()).c_str());
            if (model >= kModelQuarvenRS) {
                line += platform::StringPrintf("; CT Type = %s",
                                               channel.GetCTType() != 0 ? "RoCoil" : "millivolt");
            }
            return line + "\n";
        }
        case kChannelTemperature:
            return twoScales(setup.GetHardwareChannel(slot - 1),
                             caption + " - " + LoadText(IDS_SUMMARY_TEMPERATURE));
        case kChannel5VDC:
            return twoScales(setup.GetHardwareChannel(slot - 1),
                             caption + " - 5 " + LoadText(IDS_SUMMARY_VOLTS) + " DC");
        case kChannelRNDC:
            return platform::StringPrintf(
                "%s - %s: %s = %s\n", caption.c_str(), LoadText(IDS_SUMMARY_RNDC).c_str(),
                LoadText(IDS_SUMMARY_SCALE).c_str(),
                number("%0.3f", setup.GetHardwareChannel(slot - 1).GetRNDCScale()).c_str());
        case kChannelSoftware: {
            const CSUTChannelSoftware& channel = setup.GetSoftwareChannel(slot - 5);
            ChannelFlags flags{};
            for (std::size_t i = 0; i < flags.size(); ++i) {
                flags[i] = channel.GetHardwareFlag(static_cast<int>(i));
            }
            return platform::StringPrintf("%s - %s: %s\n", caption.c_str(),
                                          LoadText(IDS_SUMMARY_SOFTWARE).c_str(),
                                          ChannelFlagsToDigitList(flags).c_str());
        }
        case kChannelCurrent: {
            const CSUTChannelHardware& channel = setup.GetHardwareChannel(slot - 1);
            return platform::StringPrintf(
                "%s - %s: CT = %s; %s = %s\n", caption.c_str(), LoadText(IDS_SUMMARY_CURRENT).c_str(),
                number("%7.3f", channel.GetCTSize()).c_str(), LoadText(IDS_SUMMARY_SCALE).c_str(),
                number("%7.3f", channel.GetPhaseShift()).c_str());
        }
        case kChannel10VDC:
            return twoScales(setup.GetHardwareChannel(slot - 1),
                             caption + " - 10 " + LoadText(IDS_SUMMARY_VOLTS) + " DC");
        case kChannel4mA:
            return twoScales(setup.GetHardwareChannel(slot - 1), caption + " - 4 mA");
        case kChannel25mA:
            return twoScales(setup.GetHardwareChannel(slot - 1), caption + " - 25 mA");
        case kChannelAnalog4To20mA:
        case kChannelAnalog4To20mA + 1:
        case kChannelAnalog4To20mA + 2: {
            const CSUTChannelAnalog& channel = setup.GetAnalogChannel(slot - 7);
            return platform::StringPrintf(
                "%s - Analog %s; Low Sensor = %.1f; Low Output = %.1f; High Sensor = %.1f; High Output = "
                "%.1f "
                "Units = %s\n",
                caption.c_str(), GetAnalogRangeName(types[index]).c_str(), channel.GetLowSensor(),
                channel.GetLowOutput(), channel.GetHighSensor(), channel.GetHighOutput(),
                channel.GetUnits().c_str());
        }
        default:
            return {};
    }
}

// The peak-demand window of a model 1 or 2 whose firmware keeps one, when the setup has one; else empty.
std::string DemandWindowLine(const CSetupTable& setup, const CDataInfo& info) {
    const int model = setup.GetHeader().GetModelCode();
    const CSUTExtendedData& extended = setup.GetExtendedData();
    if (model < kModelOrnatFirst || model > kModelOrnatLast ||
        FirmwareNumber(info) <= kLastFirmwareWithoutPeak || extended.GetPeakDemandChannel() == 0) {
        return {};
    }
    return platform::FormatLoadedText(
        IDS_SUMMARY_DEMAND_WINDOW,
        {std::to_string(extended.GetPeakWindowMinutes()),
         LoadText(extended.IsPeakWindowOptionOff() ? IDS_SUMMARY_MOVING_WINDOW : IDS_SUMMARY_BLOCK_WINDOW)});
}

}  // namespace

bool BuildDataFileSummary(const CRawDataGrid& cells, const std::string& title, std::string& text,
                          GridWalkProgress& progress) {
    const CRawData& data = cells.Data();
    const CSetupTable& setup = *data.GetSetupTable();
    const CDataInfo& info = *data.GetDataInfo();
    const bool converted = info.GetIdText() == kConvertedMarker;
    const int model = setup.GetHeader().GetModelCode();
    const std::string none = LoadText(IDS_SUMMARY_NOT_IN_FILE);

    text = Heading(IDS_SUMMARY_TITLE) + "\n";
    text += platform::StringPrintf("%s: %s%s\n\n", LoadText(IDS_REPORT_FILE_LABEL).c_str(), title.c_str(),
                                   converted ? " (Converted from CSV file)" : "");
    const int rows = cells.GetRowCount();
    if (rows == 0) {
        text += LoadText(IDS_DATA_FILE_NO_RECORDS) + "\n";
        return true;
    }
    text += platform::FormatLoadedText(IDS_SUMMARY_FIRST_RECORD,
                                       {cells.GetCellText(1, 1), cells.GetCellText(1, 2)});
    text += platform::FormatLoadedText(IDS_SUMMARY_LAST_RECORD,
                                       {cells.GetCellText(rows, 1), cells.GetCellText(rows, 2)});
    const std::optional<double> first = cells.GetRowTime(1);
    const std::optional<double> last = cells.GetRowTime(rows);
    if (first && last) {
        const double days =
            (std::round((*last - *first) * 86400.0) + static_cast<double>(setup.GetIntervalSeconds())) /
            86400.0;
        text += platform::StringPrintf("%s: %.2f %s\n\n", LoadText(IDS_SUMMARY_DURATION).c_str(), days,
                                       LoadText(IDS_SUMMARY_DAYS).c_str());
    }
    text += BuildEnergySummary(setup, info);
    std::string statistics;
    if (!BuildChannelStatistics(cells, statistics, progress)) {
        return false;
    }
    text += statistics;

    text += Heading(IDS_SUMMARY_SETUP) + "\n";
    text += Field(IDS_SUMMARY_SETUP_NAME, setup.GetHeader().GetHeaderText()) + "\n";
    const int slots = model == kModelQuarvenRS ? 8 : 10;
    for (int slot = 1; slot <= slots; ++slot) {
        text += ChannelLine(setup, slot, converted);
    }
    const bool ring = (setup.GetHeader().GetOptionByte() & kOptionRingMemory) != 0;
    text += "\n" + Field(IDS_SUMMARY_MEMORY_MODE,
                         converted ? none : LoadText(ring ? IDS_SUMMARY_RING : IDS_SUMMARY_FILL));
    if (const std::string frequency = LineFrequency(setup); !frequency.empty()) {
        text += Field(IDS_SUMMARY_LINE_FREQUENCY, converted ? none : frequency);
    }
    text +=
        Field(IDS_SUMMARY_INTERVAL, CRawData::FormatIntervalCode(setup.GetHeader().GetIntervalCode())) + "\n";
    text += DemandWindowLine(setup, info);

    text += Heading(IDS_SUMMARY_FILE) + "\n";
    const auto orNone = [&](const std::string& value) { return value.empty() ? none : value; };
    text += Field(IDS_SUMMARY_LOGGER_ID, converted ? none : info.GetIdText());
    text += Field(IDS_SUMMARY_SETUP_ID, orNone(setup.GetHeader().GetSubText()));
    text += Field(IDS_SUMMARY_MODEL, GetLoggerTypeName(model));
    text += Field(IDS_SUMMARY_FIRMWARE, orNone(info.GetTypeText()));
    return true;
}
