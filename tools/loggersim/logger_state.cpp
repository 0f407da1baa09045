// The simulated logger's first state, its sample setups and how a setup lies in its memory.
#include "tools/loggersim/logger_state.h"

#include <algorithm>

#include "shared/setup/setup_codes.h"
#include "tools/loggersim/battery_state.h"
#include "tools/loggersim/data_memory.h"

namespace {

// The Quarven's two groups of "R?R" values.
constexpr const char* kExtraGroupOne = "G1: A 1.5;B 2.5;C 3.5;D 4.5;E 5.5;F 6.5;G 7.5;";
constexpr const char* kExtraGroupTwo = "G2: H 8.5;I 9.5;J 10.5;K 11.5;L 12.5;M 13.5;N 14.5;";

constexpr std::size_t kLabelOffset = 58;
constexpr std::size_t kNoteOffset = 184;
constexpr std::size_t kChannelOffset = 670;
constexpr std::size_t kAlarmOffset = 842;
constexpr std::size_t kExtendedOffset = 1202;
constexpr std::size_t kExtendedSize = 62;
constexpr std::size_t kImageLabelsSize = 126;
constexpr std::size_t kImageNotesSize = 486;
constexpr int kFirstRomIndex = 3;
// The records a Quarven holds in its first state.
constexpr int kQuarvenRecordsLogged = 250;
// The records a memory model holds at start, the last one logged just before its clock.
constexpr int kMemoryRecordsLogged = 250;
constexpr std::size_t kDescriptionAddress = LoggerState::kIdAreaAddress + 6;
constexpr std::size_t kDescriptionSize = 21;

void PutText(std::vector<std::uint8_t>& record, std::size_t offset, std::size_t size, const std::string& text) {
    std::copy_n(text.begin(), std::min(size, text.size()), record.begin() + static_cast<std::ptrdiff_t>(offset));
}

std::uint16_t SetupAddress(int index) {
    switch (index) {
        case 1: return LoggerState::kActiveSetupAddress;
        case 2: return LoggerState::kSavedSetupAddress;
        default: return LoggerState::kWorkingSetupAddress;
    }
}

template <class Build>
std::vector<std::uint8_t> Block(std::size_t size, Build build) {
    std::vector<std::uint8_t> block(size);
    build(std::span<std::uint8_t>(block));
    return block;
}

// The header as the logger keeps it: what was programmed, then its memory end and start and the
// setup's own address as bank-and-word addresses.
std::vector<std::uint8_t> HeaderBlock(const LoggerState& state, const CSetupTable& setup, std::uint16_t address) {
    std::vector<std::uint8_t> header(setup.GetLoggerHeaderBlockSize());
    setup.BuildLoggerHeaderBlock(header);
    if (state.typeCode < kModelQuarvenRS) {
        StampHeaderAddresses(state, header, address);
    }
    return header;
}

void Put(LoggerState& state, std::size_t address, const std::vector<std::uint8_t>& bytes) {
    std::copy(bytes.begin(), bytes.end(), state.setupMemory.begin() + static_cast<std::ptrdiff_t>(address));
}

void LayOutRomSetups(LoggerState& state) {
    state.romTable.clear();
    std::uint16_t address = LoggerState::kFirstRomSetupAddress;
    for (int index = kFirstRomIndex; index < kFirstRomIndex + LoggerState::kRomSetups; ++index) {
        const auto found = state.setups.find(index);
        if (found == state.setups.end()) {
            break;
        }
        const CSetupTable& setup = found->second;
        std::vector<std::uint8_t> image = HeaderBlock(state, setup, address);
        std::vector<std::uint8_t> labels(kImageLabelsSize);
        setup.BuildLoggerLabelBlock(labels);
        std::vector<std::uint8_t> notes(kImageNotesSize);
        setup.BuildLoggerNoteBlock(notes);
        const std::vector<std::uint8_t> channels = Block(setup.GetLoggerChannelBlockSize(), [&](std::span<std::uint8_t> b) { return setup.BuildLoggerChannelBlock(b); });
        image.insert(image.end(), labels.begin(), labels.end());
        image.insert(image.end(), notes.begin(), notes.end());
        image.insert(image.end(), channels.begin(), channels.end());
        const std::vector<std::uint8_t> compressed = CompressSetupImage(image);
        state.romTable.push_back(address);
        Put(state, address, compressed);
        address = static_cast<std::uint16_t>(address + compressed.size());
    }
    state.romTable.push_back(address);
}

}  // namespace

void StampHeaderAddresses(const LoggerState& state, std::span<std::uint8_t> header, std::uint16_t address) {
    std::size_t at = header.size() - 9;
    for (const std::uint32_t pointer : {state.memoryEnd, state.memoryStart}) {
        header[at] = static_cast<std::uint8_t>(pointer / 16384);
        header[at + 1] = static_cast<std::uint8_t>((pointer % 16384) >> 8);
        header[at + 2] = static_cast<std::uint8_t>(pointer & 0xFF);
        at += 3;
    }
    header[at] = state.memoryBank;
    header[at + 1] = static_cast<std::uint8_t>(address >> 8);
    header[at + 2] = static_cast<std::uint8_t>(address & 0xFF);
}

CSetupTable SampleSetup(const LoggerModel& model, const std::string& name) {
    CSetupTable setup;
    CSUTHeader& header = setup.GetHeader();
    header.SetModelCode(static_cast<std::uint8_t>(model.typeCode));
    header.SetSubText(model.loggerId);
    header.SetHeaderText(name);
    header.SetIntervalCode(2);
    if (model.typeCode == kModelQuarvenKX) {
        // What a KX's setup carries once read back.
        header.SetOptionByte(static_cast<std::uint8_t>(header.GetOptionByte() | CSUTHeader::kOptionModel14ReadBack));
    }
    const bool nimbo = model.typeCode >= kModelBrelanFirst && model.typeCode <= kModelBrelanLast;
    CSUTChannelHardware& first = setup.GetHardwareChannel(0);
    first.SetType(nimbo ? kChannelCurrent : kChannelPower);
    first.SetVHi('A');
    first.SetVLo('N');
    first.SetPTRatio(1.0f);
    first.SetCTSize(200.0f);
    first.SetName("Main feed");
    first.SetNote("Incoming supply, phase A");
    CSUTChannelHardware& second = setup.GetHardwareChannel(1);
    second.SetType(kChannelTemperature);
    second.SetScaleValue1(1.0f);
    second.SetTemperatureUnit(1);
    second.SetName("Plant room");
    if (model.typeCode < kModelQuarvenRS) {
        // Older loggers carry channel notes.
        second.SetNote("Near the boiler");
    }
    if (!nimbo) {
        CSUTChannelSoftware& software = setup.GetSoftwareChannel(0);
        software.SetType(kChannelSoftware);
        software.SetHardwareFlag(0, 1);
        software.SetName("Total");
    }
    if (model.typeCode == kModelQuarvenRS) {
        setup.GetPulseChannel(0).SetType(kChannelPulseKWh);
        setup.GetPulseChannel(0).SetValue(10.0f);
        setup.GetPulseChannel(0).SetName("Meter pulses");
    }
    if (model.typeCode == kModelQuarvenKX) {
        // A level sensor of 4 to 20 mA read as 0 to 100 %: two distinct points, as a logger takes them.
        CSUTChannelAnalog& level = setup.GetAnalogChannel(0);
        level.SetType(kChannelAnalog4To20mA);
        level.SetLowSensor(4.0f);
        level.SetHighSensor(20.0f);
        level.SetHighOutput(100.0f);
        level.SetName("Tank level");
    }
    return setup;
}

void InstallSetup(LoggerState& state, int index, const CSetupTable& setup) {
    state.setups[index] = setup;
    if (state.typeCode >= kModelQuarvenRS) {
        // The Quarven keeps one setup and gives it by its tagged queries.
        state.quarvenBlocks['H'] = HeaderBlock(state, setup, 0);
        state.quarvenBlocks['N'] = Block(setup.GetLoggerLabelBlockSize(), [&](std::span<std::uint8_t> b) { return setup.BuildLoggerLabelBlock(b); });
        std::vector<std::uint8_t> channels(setup.GetLoggerChannelBlockSize(true));
        setup.BuildLoggerChannelBlock(channels, true);
        state.quarvenBlocks['C'] = channels;
        state.quarvenBlocks['A'] = Block(CSetupTable::kLoggerAlarmBlockSize, [&](std::span<std::uint8_t> b) { return setup.BuildLoggerAlarmBlock(b); });
        state.quarvenBlocks['S'] = Block(setup.GetLoggerTimeBlockSize(), [&](std::span<std::uint8_t> b) { return setup.BuildLoggerTimeBlock(b); });
        return;
    }
    if (index >= kFirstRomIndex) {
        LayOutRomSetups(state);
        return;
    }
    const std::size_t base = SetupAddress(index);
    std::fill_n(state.setupMemory.begin() + static_cast<std::ptrdiff_t>(base), LoggerState::kSetupAreaSize, std::uint8_t{0});
    Put(state, base, HeaderBlock(state, setup, static_cast<std::uint16_t>(base)));
    Put(state, base + kLabelOffset, Block(setup.GetLoggerLabelBlockSize(), [&](std::span<std::uint8_t> b) { return setup.BuildLoggerLabelBlock(b); }));
    Put(state, base + kNoteOffset, Block(setup.GetLoggerNoteBlockSize(), [&](std::span<std::uint8_t> b) { return setup.BuildLoggerNoteBlock(b); }));
    Put(state, base + kChannelOffset, Block(setup.GetLoggerChannelBlockSize(), [&](std::span<std::uint8_t> b) { return setup.BuildLoggerChannelBlock(b); }));
    Put(state, base + kAlarmOffset, Block(CSetupTable::kLoggerAlarmBlockSize, [&](std::span<std::uint8_t> b) { return setup.BuildLoggerAlarmBlock(b); }));
    Put(state, base + kExtendedOffset, Block(kExtendedSize, [&](std::span<std::uint8_t> b) { return setup.BuildLoggerTimeBlock(b); }));
}

LoggerState InitialLoggerState(const LoggerModel& model) {
    LoggerState state;
    state.typeCode = model.typeCode;
    state.loggerId = model.loggerId;
    state.description = model.description;
    state.firmwareText = model.firmwareText;
    state.scalars = InitialScalars(model.typeCode);
    SetBattery(state, SimulatedBattery::Good);
    state.clock = 1709816709;  // 2024-03-07 13:05:09 UTC
    if (model.typeCode >= kModelQuarvenRS) {
        state.memoryEnd = 0x100000;
        state.recordPointer = 0x2000;
        // The KX bit, and for the KX a network port and a Wi-Fi module.
        state.configurationWord = model.typeCode == kModelQuarvenKX ? 0x4C : 0x08;
        state.timedValues = "03/01/24,10:15:00,12.5;03/02/24,11:30:00,13.5;03/03/24,12:45:00,14.5;"
                            "03/04/24,13:00:00,15.5;03/05/24,14:15:00,16.5;03/06/24,15:30:00,17.5;";
        state.extraValues = kExtraGroupOne;
        state.extraValues += kExtraGroupTwo;
        state.queryReplies = {
            {"L?GEN", "Serial_Number=400013,Build=\"1.234, final\""},
            {"M?", "Battery low\n(null)\nService due"},
        };
        state.moduleFiles = {"config.txt", "wifly.img"};
        state.networkSettings = {{"ADDR", "192.168.1.10"},
                                 {"MASK", "255.255.255.0"},
                                 {"ETHTCPPORT", "3001"},
                                 {"GATEWAY", "0.0.0.0"},
                                 {"DHCP", "0"},
                                 {"MAC", "00:0A:95:9D:68:16"}};
        state.wifiSettings = {
            {"STATE", "Associated"},      {"WSSID", "Site, north"},          {"WADDR", "192.168.2.20"},
            {"WMASK", "255.255.255.0"},   {"WGATEWAY", "192.168.2.1"},       {"MODTCPPORT", "3001"},
            {"MAC", "00:06:66:12:34:56"}, {"MODULE_FW", "WiFly Ver 4.00.1"}, {"WDHCP", "0"},
            {"WEXT_ANTENNA", "0"},        {"WPASS", "north-site"},           {"WWEBPASS", ""}};
        state.largeFirmwareBlocks = true;
    } else {
        PutText(state.setupMemory, kDescriptionAddress, kDescriptionSize, model.description);
        state.networkFields = {
            {"I", "C0A8010A"}, {"S", "FFFFFF00"}, {"P", "0309"}, {"G", "00000000"}, {"M", "000A959D6816"}};
        state.memoryStart = 0x4000;
        state.memoryEnd = 0xFFFF;
        state.recordPointer = 0x5000;
        FillUnwrittenDataMemory(state);
        state.headerWords = {LoggerState::kActiveSetupAddress, LoggerState::kSavedSetupAddress,
                             LoggerState::kWorkingSetupAddress, 0, 0, LoggerState::kRealTimeAddress,
                             LoggerState::kIdAreaAddress, LoggerState::kScheduleAddress + 3};
    }
    state.realTimeValues.assign(256, 0);
    InstallSetup(state, 1, SampleSetup(model, "Active setup"));
    if (model.typeCode < kModelQuarvenRS) {
        InstallSetup(state, 2, SampleSetup(model, "Saved setup"));
        // Records of real values, so that a download by hand shows something to look at.
        const long interval = state.setups.at(1).GetIntervalSeconds();
        ClearDataMemory(state, state.memoryStart, state.memoryEnd,
                        state.clock - static_cast<std::time_t>(kMemoryRecordsLogged) * interval);
        LogRecords(state, kMemoryRecordsLogged);
    } else {
        ClearQuarvenRecords(state);
        LogQuarvenRecords(state, kQuarvenRecordsLogged);
    }
    if (model.typeCode == kModelStandard) {
        for (int rom = 0; rom < LoggerState::kRomSetups; ++rom) {
            // The factory's setups belong to no logger.
            CSetupTable setup = SampleSetup(model, "ROM setup " + std::to_string(rom + 1));
            setup.GetHeader().SetSubText("");
            InstallSetup(state, kFirstRomIndex + rom, setup);
        }
    }
    return state;
}

std::vector<std::uint8_t> IdentificationRecord(const LoggerState& state) {
    const bool longForm = state.firmwareText.size() > 1 && state.firmwareText[1] == 'X';
    const std::size_t f = longForm ? 109 : 43;
    std::vector<std::uint8_t> record(f + 9, 0);
    PutText(record, 0, 6, state.loggerId);
    if (state.typeCode >= kModelQuarvenRS) {
        PutText(record, 6, 21, state.description);
    } else {
        const auto description = state.setupMemory.begin() + kDescriptionAddress;
        std::copy(description, description + kDescriptionSize, record.begin() + 6);
    }
    PutText(record, 27, 6, state.secondId);
    PutText(record, 33, 10, state.firmwareText);
    if (longForm) {
        PutText(record, 43, 33, state.loggerId);
        PutText(record, 76, 33, state.description);
    }
    record[f + 5] = state.optionByte;
    record[f + 6] = static_cast<std::uint8_t>((state.recording ? 0x80 : 0) | (state.wraps ? 0x40 : 0));
    record[f + 7] = state.memoryBank;
    record[f + 8] = state.configByte2;
    return record;
}

std::vector<std::uint8_t> IdentificationRecord(const LoggerModel& model) {
    return IdentificationRecord(InitialLoggerState(model));
}

std::vector<std::uint8_t> CompressSetupImage(const std::vector<std::uint8_t>& image) {
    constexpr std::size_t kMaxRun = 0x7FFF;
    std::vector<std::uint8_t> out;
    std::size_t at = 0;
    while (at < image.size()) {
        const bool zeros = image[at] == 0;
        std::size_t end = at;
        while (end < image.size() && (image[end] == 0) == zeros && end - at < kMaxRun) {
            ++end;
        }
        const int count = static_cast<int>(end - at) * (zeros ? -1 : 1);
        out.push_back(static_cast<std::uint8_t>((count >> 8) & 0xFF));
        out.push_back(static_cast<std::uint8_t>(count & 0xFF));
        if (!zeros) {
            out.insert(out.end(), image.begin() + static_cast<std::ptrdiff_t>(at), image.begin() + static_cast<std::ptrdiff_t>(end));
        }
        at = end;
    }
    return out;
}

void UseEntryPerLineReplies(LoggerState& state) {
    state.timedValues =
        "03/01/24,10:15:00\r\n03/02/24,11:30:00\r\n03/03/24,12:45:00\r\n"
        "03/04/24,13:00:00\r\n03/05/24,14:15:00\r\n03/06/24,15:30:00";
    state.extraValues = kExtraGroupOne;
    state.extraValues += "\r\n";
    state.extraValues += kExtraGroupTwo;
}
