// The simulated logger's programming commands and binary transfer blocks.
#include "tools/loggersim/programming_commands.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <span>
#include <vector>

#include "shared/link/crc16.h"
#include "shared/setup/setup_codes.h"
#include "tools/loggersim/command_hex.h"
#include "tools/loggersim/hex_dump.h"
#include "tools/loggersim/quarven_records.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr std::string_view kNameTag = ";NAME=";
// "O!", block number, data length.
constexpr std::size_t kUploadHeaderSize = 6;

bool IsQuarven(const LoggerState& s) {
    return s.typeCode >= kModelQuarvenRS;
}

std::string WordText(std::uint16_t word) {
    char text[8];
    std::snprintf(text, sizeof text, "%04X", word);
    return text;
}

// "M! AAAA HHHH...": the bytes into setup memory from A on.
std::string WriteMemory(LoggerState& s, std::string_view rest) {
    const std::size_t blank = rest.find(' ');
    const std::optional<long> address = HexNumber(rest.substr(0, blank));
    const std::optional<Bytes> bytes =
        blank == std::string_view::npos ? std::nullopt : HexBytes(rest.substr(blank + 1));
    if (!address || !bytes || bytes->empty() ||
        static_cast<std::size_t>(*address) + bytes->size() > s.setupMemory.size()) {
        return "ERROR";
    }
    std::copy(bytes->begin(), bytes->end(), s.setupMemory.begin() + *address);
    return "OK";
}

// "U? AAAA LLLL": the checksum of L bytes of setup memory from A.
std::optional<std::string> MemoryChecksum(const LoggerState& s, SimulatorFaults& faults, std::string_view rest) {
    const std::size_t blank = rest.find(' ');
    const std::optional<long> address = HexNumber(rest.substr(0, blank));
    const std::optional<long> length =
        blank == std::string_view::npos ? std::nullopt : HexNumber(rest.substr(blank + 1));
    if (!address || !length || static_cast<std::size_t>(*address + *length) > s.setupMemory.size()) {
        return std::nullopt;
    }
    const auto first = s.setupMemory.begin() + *address;
    std::uint16_t checksum = HexDumpChecksum(Bytes(first, first + *length));
    if (faults.wrongMemoryChecksums > 0) {
        --faults.wrongMemoryChecksums;
        ++checksum;
    }
    return WordText(checksum);
}

// "W! AAAA BBBB": the setup written at A becomes the active one at B, and recording starts afresh
// on an empty memory. The Quarven keeps its one setup where its tagged blocks put it.
std::string ActivateSetup(LoggerState& s, std::string_view rest) {
    if (!IsQuarven(s)) {
        const std::size_t blank = rest.find(' ');
        const std::optional<long> from = HexNumber(rest.substr(0, blank));
        const std::optional<long> to =
            blank == std::string_view::npos ? std::nullopt : HexNumber(rest.substr(blank + 1));
        const std::size_t area = LoggerState::kSetupAreaSize;
        if (!from || !to || static_cast<std::size_t>(std::max(*from, *to)) + area > s.setupMemory.size()) {
            return "ERROR";
        }
        const Bytes working(s.setupMemory.begin() + *from, s.setupMemory.begin() + *from + static_cast<long>(area));
        std::copy(working.begin(), working.end(), s.setupMemory.begin() + *to);
        StampHeaderAddresses(s, std::span(s.setupMemory).subspan(static_cast<std::size_t>(*to), LoggerState::kSetupHeaderSize),
                             static_cast<std::uint16_t>(*to));
    }
    EmptyLoggedMemory(s);
    return "OK";
}

// "T!x" + hex bytes + " =CCCC": a tagged setup block, its checksum over every character before the
// blank.
std::string WriteTaggedBlock(LoggerState& s, const std::string& command) {
    const std::optional<Bytes> bytes = TaggedBlockBytes(command, 3);
    if (!bytes) {
        return "ERROR";
    }
    s.quarvenBlocks[command[2]] = *bytes;
    return "OK";
}

// The data records of a "P!" block into the image; false for a record that is cut short or whose
// checksum fails.
bool TakeProgramRecords(LoggerState& s, std::span<const std::uint8_t> records) {
    std::map<std::uint32_t, std::uint8_t> taken;
    std::uint32_t upper = 0;
    std::size_t at = 0;
    while (at < records.size()) {
        if (records[at] != ':' || at + 5 > records.size()) {
            return false;
        }
        const std::size_t length = records[at + 1];
        if (at + 5 + length + 1 > records.size()) {
            return false;
        }
        const std::span<const std::uint8_t> record = records.subspan(at + 1, length + 5);
        unsigned sum = 0;
        for (const std::uint8_t byte : record) {
            sum += byte;
        }
        if ((sum & 0xFF) != 0) {
            return false;
        }
        const std::uint32_t address = std::uint32_t{record[1]} << 8 | record[2];
        const std::uint8_t type = record[3];
        const std::span<const std::uint8_t> data = record.subspan(4, length);
        if (type == 0) {
            for (std::size_t i = 0; i < data.size(); ++i) {
                taken[upper + address + static_cast<std::uint32_t>(i)] = data[i];
            }
        } else if (type == 4 && length == 2) {
            upper = (std::uint32_t{data[0]} << 8 | data[1]) << 16;
        }
        at += length + 6;
    }
    s.program.image.merge(taken);
    return true;
}

std::string TakeProgramBlock(LoggerState& s, const std::string& block) {
    const std::size_t field = s.largeFirmwareBlocks ? 2 : 1;
    if (block.back() != '\r') {
        return "RESEND";
    }
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(block.data());
    if (!TakeProgramRecords(s, std::span(bytes + 2 + field, block.size() - 3 - field))) {
        return "RESEND";
    }
    s.program.blockSizes.push_back(block.size());
    return "OK";
}

std::string TakeUploadBlock(LoggerState& s, const std::string& block) {
    const auto* bytes = reinterpret_cast<const std::uint8_t*>(block.data());
    const int number = bytes[2] | bytes[3] << 8;
    const std::size_t length = static_cast<std::size_t>(bytes[4] | bytes[5] << 8);
    const std::span<const std::uint8_t> data(bytes + kUploadHeaderSize, length);
    const unsigned crc = bytes[kUploadHeaderSize + length] | bytes[kUploadHeaderSize + length + 1] << 8;
    // Block 0 begins a new upload.
    if (number == 0 && length != 0) {
        s.upload = {};
    }
    if (block.back() != '\r' || number != s.upload.blocks) {
        return "RESEND";
    }
    if (length == 0) {
        // The closing record carries the CRC of everything sent.
        s.upload.closed = crc == s.upload.crc;
        if (!s.upload.closed) {
            return "ERROR";
        }
        // A module image sent through the logger: the module reports its installation on "M?".
        s.moduleUpdate.image = s.upload.name;
        s.moduleUpdate.given = 0;
        s.moduleUpdate.running = true;
        s.moduleUpdate.uploaded = true;
        return "OK";
    }
    if (crc != UpdateCrc16(0xFFFF, data)) {
        return "RESEND";
    }
    const std::string_view text(reinterpret_cast<const char*>(data.data()), data.size());
    if (text.starts_with(kNameTag)) {
        s.upload.name = std::string(text.substr(kNameTag.size()));
    } else {
        s.upload.data.insert(s.upload.data.end(), data.begin(), data.end());
    }
    s.upload.crc = UpdateCrc16(s.upload.crc, data);
    ++s.upload.blocks;
    return "OK";
}

}  // namespace

void EmptyLoggedMemory(LoggerState& state) {
    state.wraps = false;
    if (IsQuarven(state)) {
        state.recordPointer = 0;
        ClearQuarvenRecords(state);
    } else {
        state.recordPointer = state.memoryEnd;
    }
}

std::optional<std::string> ExecuteProgrammingCommand(LoggerState& s, SimulatorFaults& faults,
                                                     const std::string& command) {
    const std::size_t blank = command.find(' ');
    const std::string word = command.substr(0, blank);
    const std::string_view rest =
        blank == std::string::npos ? std::string_view() : std::string_view(command).substr(blank + 1);
    if (word == "I!11") {
        return "OK";
    }
    if (word == "M!") {
        return WriteMemory(s, rest);
    }
    if (word == "U?") {
        return MemoryChecksum(s, faults, rest);
    }
    if (word == "W!") {
        return ActivateSetup(s, rest);
    }
    if (word == "#!") {
        const std::size_t digits = rest.find_first_not_of(' ');
        const std::optional<long> mode =
            digits == std::string_view::npos ? std::nullopt : HexNumber(rest.substr(digits));
        if (!mode || *mode > 0xFF) {
            return "ERROR";
        }
        s.recordMode = static_cast<int>(*mode);
        return "OK";
    }
    if (!IsQuarven(s)) {
        return std::nullopt;
    }
    if (word == "R!B" || word == "R!H") {
        s.binaryReplies = word == "R!B";
        return "OK";
    }
    if (command.size() > 3 && command.starts_with("T!") && std::string_view("HCNS").find(command[2]) != std::string_view::npos &&
        command.find(" =") != std::string::npos) {
        return WriteTaggedBlock(s, command);
    }
    if (command.starts_with("T!P=")) {
        s.demandWindow = std::atoi(command.c_str() + 4);
        return "OK";
    }
    if (command == "P!0") {
        s.program.abandoned = true;
        return "OK";
    }
    if (command.starts_with("P!")) {
        s.program.textLines.push_back(command.substr(2));
        return "OK";
    }
    return std::nullopt;
}

bool StartsBinaryBlock(const LoggerState& s, const std::string& start) {
    return IsQuarven(s) && s.binaryReplies && !start.empty() && start.size() <= 2 &&
           (std::string_view("P!").starts_with(start) || std::string_view("O!").starts_with(start));
}

std::size_t BinaryBlockLength(const LoggerState& s, const std::string& received) {
    const auto byte = [&received](std::size_t i) { return static_cast<std::size_t>(static_cast<std::uint8_t>(received[i])); };
    if (received.starts_with("P!")) {
        const std::size_t field = s.largeFirmwareBlocks ? 2 : 1;
        if (received.size() < 2 + field) {
            return 0;
        }
        const std::size_t counted = field == 2 ? byte(2) | byte(3) << 8 : byte(2);
        return 2 + field + counted + 1;
    }
    if (received.size() < kUploadHeaderSize) {
        return 0;
    }
    return kUploadHeaderSize + (byte(4) | byte(5) << 8) + 3;
}

std::string ExecuteBinaryBlock(LoggerState& s, SimulatorFaults& faults, const std::string& block) {
    if (faults.errorBlocks > 0) {
        --faults.errorBlocks;
        return "ERROR";
    }
    if (faults.resendBlocks > 0) {
        --faults.resendBlocks;
        return "RESEND";
    }
    return block.starts_with("P!") ? TakeProgramBlock(s, block) : TakeUploadBlock(s, block);
}
