// The simulated Quarven's record memory and its record commands.
#include "tools/loggersim/quarven_records.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "shared/datafile/raw_data.h"
#include "shared/datafile/raw_field_widths.h"
#include "tools/loggersim/logger_state.h"
#include "tools/loggersim/simulator_faults.h"

namespace {

using Bytes = std::vector<std::uint8_t>;

// A batch reply around its records: CR LF, the count, ..., CR LF, then CR LF, the prompt and one byte.
constexpr int kBatchFraming = 10;
// The longest reply, less room for the command's echo in the link's buffer of the same size.
constexpr int kReplyMax = 5136 - 32;
// The trailing bytes of a record after its values: 4 the program keeps unread, 4 it drops.
constexpr int kRecordTail = 8;
constexpr int kStampSize = 4;
// Value kinds the program scales by 0.001 (kW, kVA, kVAR).
constexpr bool IsThousandths(int kind) {
    return kind == 4 || kind == 5 || kind == 7;
}

void PutLittle(Bytes& bytes, std::uint32_t value, int size) {
    for (int i = 0; i < size; ++i) {
        bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
    }
}

const CSetupTable* ActiveSetup(const LoggerState& state) {
    const auto found = state.setups.find(1);
    return found == state.setups.end() ? nullptr : &found->second;
}

std::vector<CRawDataField> ValueFields(const CSetupTable& setup) {
    std::vector<CRawDataField> fields;
    setup.BuildDataFields(fields, CRawData::kFirstValueOffset);
    return fields;
}

// Values that differ from column to column and from record to record, exact in a float.
float ValueOf(std::uint32_t sequence, std::size_t column) {
    return 100.0f + 10.0f * static_cast<float>(column) + 0.25f * static_cast<float>(sequence % 50);
}

std::uint32_t HeldCount(const LoggerState& state) {
    return static_cast<std::uint32_t>(state.quarvenRecords.records.size());
}

// Where `number` lies after the oldest record, counted modulo the capacity.
std::uint32_t OffsetOf(const LoggerState& state, std::uint32_t number) {
    const std::uint32_t capacity = QuarvenCapacity(state);
    return capacity == 0 ? number
                         : (number % capacity + capacity - state.quarvenRecords.firstNumber) % capacity;
}

// The number after "R?D," or "R?C,"; nullopt when there is none.
std::optional<std::uint32_t> NumberAfterComma(const std::string& command) {
    const std::size_t comma = command.find(',');
    if (comma == std::string::npos) {
        return std::nullopt;
    }
    char* end = nullptr;
    const long value = std::strtol(command.c_str() + comma + 1, &end, 10);
    if (end == command.c_str() + comma + 1 || *end != '\0' || value < 0) {
        return std::nullopt;
    }
    return static_cast<std::uint32_t>(value);
}

// Up to `limit` records from `number` on; the end record alone when none is held there.
struct BatchRecords {
    Bytes bytes;
    int count = 0;
    bool last = false;
};

BatchRecords RecordsFrom(const LoggerState& state, std::uint32_t number, int limit) {
    BatchRecords batch;
    const std::uint32_t offset = OffsetOf(state, number);
    const std::uint32_t held = HeldCount(state);
    if (offset >= held) {
        batch.bytes.assign(QuarvenRecordSize(state), 0xFF);
        batch.count = 1;
        batch.last = true;
        return batch;
    }
    const std::uint32_t left = held - offset;
    batch.count =
        static_cast<int>(std::min<std::uint32_t>(left, static_cast<std::uint32_t>(std::max(limit, 1))));
    batch.last = static_cast<std::uint32_t>(batch.count) == left;
    for (int i = 0; i < batch.count; ++i) {
        const Bytes record =
            EncodeQuarvenRecord(state, state.quarvenRecords.records[offset + static_cast<std::uint32_t>(i)]);
        batch.bytes.insert(batch.bytes.end(), record.begin(), record.end());
    }
    return batch;
}

// Takes one fault of a kind still counting down.
bool Take(int& count) {
    if (count <= 0) {
        return false;
    }
    --count;
    return true;
}

}  // namespace

std::uint32_t QuarvenCapacity(const LoggerState& state) {
    return state.recordSize == 0 ? 0 : state.memoryEnd / state.recordSize;
}

std::uint16_t QuarvenRecordSize(const LoggerState& state) {
    const CSetupTable* setup = ActiveSetup(state);
    return static_cast<std::uint16_t>(setup == nullptr ? 0 : setup->GetRecordSize() + kStampSize);
}

std::uint16_t QuarvenBatchLength(const LoggerState& state, int records) {
    const int most = state.recordSize == 0 ? 1 : (kReplyMax - kBatchFraming) / state.recordSize;
    return static_cast<std::uint16_t>(kBatchFraming + std::min(records, most) * state.recordSize);
}

void ClearQuarvenRecords(LoggerState& state) {
    state.quarvenRecords = {};
    state.recordSize = QuarvenRecordSize(state);
    state.recordsAvailable = QuarvenBatchLength(state, kReplyMax);
}

void LogQuarvenRecords(LoggerState& state, int count) {
    const CSetupTable* setup = ActiveSetup(state);
    const std::uint32_t interval =
        setup == nullptr ? 60 : static_cast<std::uint32_t>(setup->GetIntervalSeconds());
    const std::size_t columns = setup == nullptr ? 0 : ValueFields(*setup).size();
    QuarvenRecordLog& log = state.quarvenRecords;
    const std::uint32_t capacity = QuarvenCapacity(state);
    for (int i = 0; i < count; ++i) {
        QuarvenRecord record;
        record.time = log.records.empty() ? static_cast<std::uint32_t>(state.clock) / interval * interval
                                          : log.records.back().time + interval;
        for (std::size_t column = 0; column < columns; ++column) {
            record.values.push_back(ValueOf(log.logged, column));
        }
        ++log.logged;
        log.records.push_back(std::move(record));
        // One number stays free, so that the number after the newest record never names a held one.
        if (capacity > 0 && log.records.size() >= capacity) {
            log.records.pop_front();
            log.firstNumber = (log.firstNumber + 1) % capacity;
        }
    }
}

const QuarvenRecord* FindQuarvenRecord(const LoggerState& state, std::uint32_t number) {
    const std::uint32_t offset = OffsetOf(state, number);
    return offset < HeldCount(state) ? &state.quarvenRecords.records[offset] : nullptr;
}

std::vector<std::uint8_t> EncodeQuarvenRecord(const LoggerState& state, const QuarvenRecord& record) {
    Bytes bytes;
    PutLittle(bytes, record.time, kStampSize);
    if (const CSetupTable* setup = ActiveSetup(state)) {
        const std::vector<CRawDataField> fields = ValueFields(*setup);
        for (std::size_t i = 0; i < fields.size(); ++i) {
            const CRawDataField& field = fields[i];
            const int width = RawFieldWidth(*setup, field);
            if (field.storageKind == CRawDataField::kStorageTime) {
                PutLittle(bytes, record.time, width);
            } else if (width == 4) {
                const float raw = i < record.values.size()
                                      ? record.values[i] * (IsThousandths(field.valueKind) ? 1000.0f : 1.0f)
                                      : 0.0f;
                std::uint32_t bits = 0;
                std::memcpy(&bits, &raw, sizeof bits);
                PutLittle(bytes, bits, 4);
            } else {
                bytes.insert(bytes.end(), static_cast<std::size_t>(width), 0);
            }
        }
    }
    // The tail: a sequence number and a word the program never reads.
    PutLittle(bytes, static_cast<std::uint32_t>(record.time ^ 0x5A5A5A5Au), kRecordTail / 2);
    PutLittle(bytes, 0xA5A5A5A5u, kRecordTail / 2);
    bytes.resize(state.recordSize, 0);
    return bytes;
}

std::optional<RecordAnswer> AnswerRecordCommand(LoggerState& state, const std::string& command) {
    RecordAnswer answer;
    answer.isDump = true;
    if (command == "R?I" || command == "R?I,0") {
        PutLittle(answer.dump, state.quarvenRecords.firstNumber, 4);
    } else if (command == "R?C") {
        PutLittle(answer.dump, HeldCount(state) + state.countedBeyondHeld, 4);
    } else if (command.rfind("R?C,", 0) == 0) {
        const std::optional<std::uint32_t> from = NumberAfterComma(command);
        if (!from) {
            return std::nullopt;
        }
        const std::uint32_t offset = OffsetOf(state, *from);
        PutLittle(answer.dump,
                  offset < HeldCount(state) ? HeldCount(state) - offset + state.countedBeyondHeld : 0, 4);
    } else if (command == "R?S" || command == "R?A") {
        PutLittle(answer.dump, command == "R?S" ? state.recordSize : state.recordsAvailable, 2);
    } else if (command.rfind("R?D,", 0) == 0) {
        // Without binary replies one record a command.
        const std::optional<std::uint32_t> number = NumberAfterComma(command);
        if (!number) {
            return std::nullopt;
        }
        answer.dump = RecordsFrom(state, *number, 1).bytes;
    } else {
        return std::nullopt;
    }
    return answer;
}

std::optional<RecordBatch> ServeRecordBatch(LoggerState& state, SimulatorFaults& faults,
                                            const std::string& command) {
    QuarvenRecordLog& log = state.quarvenRecords;
    const std::optional<std::uint32_t> number =
        command.rfind("R?D,", 0) == 0 ? NumberAfterComma(command) : std::nullopt;
    if (!state.binaryReplies || !number) {
        return std::nullopt;
    }
    const int batch = log.batchesServed++;
    RecordBatch reply;
    const bool faulty = faults.batchFaultsAfter >= 0 && batch >= faults.batchFaultsAfter;
    if (faulty && Take(faults.closedBatches)) {
        reply.closeLink = true;
        return reply;
    }
    if (faulty && Take(faults.silentBatches)) {
        reply.incomplete = true;
        return reply;
    }
    const int length = state.recordsAvailable;
    const int perBatch = state.recordSize == 0 ? 1 : std::max(1, (length - kBatchFraming) / state.recordSize);
    const BatchRecords records = RecordsFrom(state, *number, perBatch);
    int count = records.last ? -records.count : records.count;
    if (faulty && Take(faults.corruptBatches)) {
        count = perBatch + 1;
    }
    Bytes body;
    PutLittle(body, static_cast<std::uint16_t>(static_cast<std::int16_t>(count)), 2);
    body.insert(body.end(), records.bytes.begin(), records.bytes.end());
    // A short last batch is padded: every reply is the length "R?A" gave.
    body.resize(static_cast<std::size_t>(std::max(length - kBatchFraming + 2, 2)), 0);
    reply.bytes = "\r\n" + std::string(body.begin(), body.end()) + "\r\n\r\n>" + std::string(1, '\0');
    if (faulty && Take(faults.shortBatches)) {
        reply.bytes.resize(reply.bytes.size() - 3);
        reply.incomplete = true;
    }
    return reply;
}
