// The simulated logger's command set: identification, status, memory, setups, clock, recording,
// real-time values and the Quarven's own queries; the programming commands have their own file.
#include "tools/loggersim/logger_commands.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sstream>
#include <vector>

#include "shared/setup/setup_codes.h"
#include "tools/loggersim/hex_dump.h"
#include "tools/loggersim/programming_commands.h"
#include "tools/loggersim/quarven_records.h"
#include "tools/loggersim/real_time_values.h"
#include "tools/loggersim/setting_commands.h"
#include "tools/loggersim/waveform_reply.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::uint16_t kOptionByteAddress = 0xB7E2;
constexpr long kMaxReadLength = 2048;

std::string HexReply(Bytes bytes, SimulatorFaults& faults) {
    if (faults.refusedDumps > 0) {
        --faults.refusedDumps;
        return "Hex dump not valid";
    }
    std::string text;
    if (faults.shortDumps > 0 && !bytes.empty()) {
        --faults.shortDumps;
        const std::uint16_t checksum = HexDumpChecksum(bytes);
        bytes.pop_back();
        text = HexDumpText(bytes);
        char field[6];
        std::snprintf(field, sizeof field, "%04X", checksum);
        return text.substr(0, text.size() - 4) + field;
    }
    text = HexDumpText(bytes);
    if (faults.wrongChecksums > 0) {
        --faults.wrongChecksums;
        char field[6];
        std::snprintf(field, sizeof field, "%04X", (HexDumpChecksum(bytes) + 1) & 0xFFFF);
        return text.substr(0, text.size() - 4) + field;
    }
    if (faults.badChecksumFields > 0) {
        --faults.badChecksumFields;
        return text.substr(0, text.size() - 4) + "ZZZZ";
    }
    return text;
}

// The hex numbers after the command word.
std::vector<long> Operands(const std::string& text) {
    std::istringstream in(text);
    std::vector<long> values;
    std::string word;
    while (in >> word) {
        char* end = nullptr;
        const long value = std::strtol(word.c_str(), &end, 16);
        if (*end != '\0') {
            return {};
        }
        values.push_back(value);
    }
    return values;
}

void PutBankAddress(Bytes& bytes, std::uint32_t address) {
    bytes.push_back(static_cast<std::uint8_t>(address / 16384));
    bytes.push_back(static_cast<std::uint8_t>((address % 16384) >> 8));
    bytes.push_back(static_cast<std::uint8_t>(address & 0xFF));
}

void PutLittle(Bytes& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

void PutFloat(Bytes& bytes, float value, bool littleEndian) {
    std::uint32_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    for (int i = 0; i < 4; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(bits >> (littleEndian ? 8 * i : 24 - 8 * i)));
    }
}

Bytes StatusImage(const LoggerState& s) {
    Bytes bytes;
    const std::uint8_t flags = static_cast<std::uint8_t>((s.recording ? 0x80 : 0) | (s.wraps ? 0x40 : 0));
    if (s.typeCode >= kModelQuarvenRS) {
        PutLittle(bytes, s.recordPointer, 4);
        PutLittle(bytes, s.memoryEnd, 4);
    } else {
        PutBankAddress(bytes, s.memoryStart);
        PutBankAddress(bytes, s.memoryEnd);
        PutBankAddress(bytes, s.recordPointer);
    }
    bytes.push_back(flags);
    return bytes;
}

// The clock's fields: UTC for the Quarven, local time for the others.
std::tm ClockFields(const LoggerState& s) {
    std::tm fields{};
    if (s.typeCode >= kModelQuarvenRS) {
        gmtime_r(&s.clock, &fields);
    } else {
        localtime_r(&s.clock, &fields);
    }
    return fields;
}

std::string ClockText(const LoggerState& s) {
    const std::tm t = ClockFields(s);
    char text[32];
    std::snprintf(text, sizeof text, "%02d:%02d:%02d %02d/%02d/%02d", t.tm_hour, t.tm_min, t.tm_sec, t.tm_mon + 1,
                  t.tm_mday, t.tm_year % 100);
    return text;
}

Bytes SupplyBytes(const LoggerState& s) {
    Bytes bytes;
    if (s.typeCode == kModelStandard) {
        for (const float value : s.supplyFloats) {
            PutFloat(bytes, value, false);
        }
    } else {
        bytes.assign(s.supplyBytes.begin(), s.supplyBytes.end());
    }
    return bytes;
}

int FirmwareVersion(const LoggerState& s) {
    return s.firmwareText.size() < 3 ? 0 : std::atoi(s.firmwareText.c_str() + s.firmwareText.size() - 3);
}

// Values, then the status image, identification fields, supply bytes and clock at the model's offsets.
Bytes RealTimeReply(const LoggerState& s) {
    Bytes reply = ChangingRealTimeValues(s, s.realTimeFetches);
    if (s.typeCode >= kModelQuarvenRS) {
        return reply;
    }
    const bool ornat = s.typeCode >= kModelOrnatFirst && s.typeCode <= kModelOrnatLast;
    const std::size_t statusOffset = s.typeCode == kModelStandard ? 144 : ornat ? 98 : 8;
    const std::size_t clockStep = s.typeCode == kModelStandard ? 4 : ornat && FirmwareVersion(s) < 119 ? 1 : 2;
    reply.resize(statusOffset);
    Bytes status = StatusImage(s);
    reply.insert(reply.end(), status.begin(), status.end());
    Bytes identity = IdentificationRecord(s);
    identity.resize(55);
    reply.insert(reply.end(), identity.begin(), identity.end());
    Bytes supply = SupplyBytes(s);
    supply.resize(clockStep);
    reply.insert(reply.end(), supply.begin(), supply.end());
    const std::tm t = ClockFields(s);
    for (const int field : {t.tm_hour, t.tm_min, t.tm_sec, t.tm_mon + 1, t.tm_mday, t.tm_year % 100}) {
        reply.push_back(static_cast<std::uint8_t>(field));
    }
    return reply;
}

// "O! AAAAAA LLLL": the L bytes of data memory that end at address A, from A down.
std::string DataMemoryReply(const LoggerState& s, SimulatorFaults& faults, const std::vector<long>& operands) {
    if (operands.size() != 2 || operands[1] < 1 || operands[1] > kMaxReadLength) {
        return "ERROR";
    }
    const Bytes bytes = ReadDataMemory(s, operands[0], operands[1]);
    return bytes.empty() ? "ERROR" : HexReply(bytes, faults);
}

std::string SetupMemoryReply(LoggerState& s, SimulatorFaults& faults, const std::vector<long>& operands) {
    if (operands.size() != 3 || operands[2] < 1 || operands[1] + operands[2] > static_cast<long>(s.setupMemory.size())) {
        return "ERROR";
    }
    if (operands[1] == LoggerState::kRealTimeAddress && s.typeCode < kModelQuarvenRS) {
        FetchIntoRealTimeArea(s);
    }
    const auto first = s.setupMemory.begin() + operands[1];
    return HexReply(Bytes(first, first + operands[2]), faults);
}

std::string WordsText(const std::array<std::uint16_t, 8>& words, int count) {
    std::string text;
    char word[8];
    for (int i = 0; i < count; ++i) {
        std::snprintf(word, sizeof word, i ? " %04X" : "%04X", words[static_cast<std::size_t>(i)]);
        text += word;
    }
    return text;
}

}  // namespace

std::optional<std::string> ExecuteLoggerCommand(LoggerState& s, SimulatorFaults& faults, const std::string& command) {
    const std::size_t blank = command.find(' ');
    const std::string word = command.substr(0, blank);
    const std::string rest = blank == std::string::npos ? std::string() : command.substr(blank + 1);
    const std::vector<long> operands = Operands(rest);
    const bool quarven = s.typeCode >= kModelQuarvenRS;

    // Taken, never answered, whatever the command.
    if (std::any_of(s.unansweredCommands.begin(), s.unansweredCommands.end(),
                    [&](const std::string& start) { return command.starts_with(start); })) {
        ++faults.dropPrompts;
        return "";
    }
    if (std::optional<std::string> reply = ExecuteProgrammingCommand(s, faults, command)) {
        return reply;
    }
    if (std::optional<std::string> reply = ExecuteSettingCommand(s, command)) {
        return reply;
    }
    if (word == "O!") {
        return DataMemoryReply(s, faults, operands);
    }
    if (word == "I?" && rest.empty()) {
        return HexReply(IdentificationRecord(s), faults);
    }
    if (word == "I!F" && rest.empty()) {
        return s.connectionTestReply;
    }
    if (word == "I?I" && quarven) {
        return s.interfaceReply;
    }
    if (word == "I!X" && quarven) {
        return s.versionReply;
    }
    if (word == "I!16") {
        return HexReply(SupplyBytes(s), faults);
    }
    if (word == "I!10" || (word == "@?" && !(s.typeCode >= 7 && s.typeCode <= 9))) {
        ++s.realTimeFetches;
        Bytes reply = RealTimeReply(s);
        if (faults.shortRealTime > 0) {
            --faults.shortRealTime;
            reply.resize(reply.size() / 2);
        }
        return HexReply(reply, faults);
    }
    if (word == "@?") {
        return HexAdCountsReply(s.dcInputs, s.typeCode);
    }
    if (word == "F!" && rest == "B0 10") {
        return AdCountsReply(s.dcInputs, s.typeCode);
    }
    if (word == "F?" && operands.size() == 1 && WaveformSampleCount(s) > 0) {
        return HexReply(WaveformReply(s, static_cast<int>(operands[0])), faults);
    }
    if (word == "I!18" && operands.size() == 2) {
        const std::uint32_t answer = s.readPosition != 0
                                         ? s.readPosition
                                         : ReadRangePosition(s, static_cast<std::uint32_t>(operands[0]),
                                                             static_cast<std::uint32_t>(operands[1]));
        Bytes position;
        for (int shift = 24; shift >= 0; shift -= 8) {
            position.push_back(static_cast<std::uint8_t>(answer >> shift));
        }
        return HexReply(position, faults);
    }
    if (word == "Y?") {
        return rest.empty() ? HexReply(StatusImage(s), faults) : SetupMemoryReply(s, faults, operands);
    }
    if (word == "M?" && operands.size() == 1 && operands[0] == kOptionByteAddress) {
        return HexReply(Bytes{s.setupMemory[kOptionByteAddress], s.setupMemory[kOptionByteAddress + 1]}, faults);
    }
    if (word == "W?" && !quarven) {
        return WordsText(s.headerWords, s.typeCode == kModelStandard ? 7 : 8);
    }
    if (word == "W?") {
        return WordsText(s.headerWords, 8);
    }
    if (word == "G?" && s.typeCode == kModelStandard) {
        Bytes table;
        for (const std::uint16_t address : s.romTable) {
            table.push_back(static_cast<std::uint8_t>(address >> 8));
            table.push_back(static_cast<std::uint8_t>(address & 0xFF));
        }
        table.push_back('\r');
        return HexReply(table, faults);
    }
    if (word == "*?" && s.typeCode != kModelStandard) {
        Bytes scalars;
        for (int i = 0; i < (quarven ? 3 : 2); ++i) {
            PutFloat(scalars, s.scalars[static_cast<std::size_t>(i)], quarven);
        }
        return HexReply(scalars, faults);
    }
    if (word == "C?") {
        // A test may give a clock text of another shape.
        return s.queryReplies.count(word) ? s.queryReplies.at(word) : ClockText(s);
    }
    if (word == "E!") {
        s.recording = true;
        return "OK";
    }
    if (word == "D!") {
        s.recording = false;
        return "OK";
    }
    if (word == "G!") {
        // A clear memory starts recording afresh.
        EmptyLoggedMemory(s);
        s.recording = true;
        return "OK";
    }
    if (word == "Z!") {
        return "RAM OK";
    }
    if (command == "E?" || command == "D?" || command == "CLEAR TOTALS" || command == "CLEAR PEAK" ||
        command == "SCHEDULE /C" || command == "SCHEDULE /R" || word == "@!1" || word == "@!0" || word == "T!R") {
        return "OK";
    }
    if (!quarven) {
        return std::nullopt;
    }
    if (word.size() == 3 && word.rfind("T?", 0) == 0 && s.quarvenBlocks.count(word[2])) {
        return HexReply(s.quarvenBlocks.at(word[2]), faults);
    }
    if (word == "T?P") {
        return "WINDOW: " + std::to_string(s.demandWindow);
    }
    if (word == "R?K") {
        return s.timedValues;
    }
    if (word == "R?R") {
        return s.extraValues;
    }
    if (const std::optional<RecordAnswer> answer = AnswerRecordCommand(s, word)) {
        return answer->isDump ? HexReply(answer->dump, faults) : answer->text;
    }
    if (word == "L?CONFIGURATION") {
        return "CONFIGURATION=" + std::to_string(s.configurationWord);
    }
    if (word.rfind("L!CONFIGURATION=", 0) == 0) {
        s.configurationWord = std::atoi(word.c_str() + 16);
        return "OK";
    }
    if (command == "M?" && s.moduleUpdate.running) {
        LoggerState::ModuleUpdate& update = s.moduleUpdate;
        const std::vector<std::string>& script = update.Script();
        return update.given < script.size() ? script[update.given++] : std::string("<EMPTY>");
    }
    if (s.queryReplies.count(word)) {
        return s.queryReplies.at(word);
    }
    if (word == "L!WTERM") {
        return "CMD";
    }
    if (word == "L!WEXIT") {
        return "EXIT";
    }
    if (word == "LS") {
        // The module echoes the command and lists its files before its own prompt.
        std::string text = "ls\r  \r\n";
        for (const std::string& file : s.moduleFiles) {
            text += file + "\r\n";
        }
        return text + "W>";
    }
    return std::nullopt;
}
