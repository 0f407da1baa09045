// The Quarven's numbered records: the values a simulated logger holds, their numbers modulo its
// capacity, and the record commands that count them ("R?I", "R?C", "R?S", "R?A") and serve them
// ("R?D,", in hex dumps or, after "R!B", in binary batches).
#pragma once

#include <cstdint>
#include <deque>
#include <optional>
#include <string>
#include <vector>

struct LoggerState;
struct SimulatorFaults;

struct QuarvenRecord {
    std::uint32_t time = 0;     // seconds since 1970-01-01 UTC
    std::vector<float> values;  // one per column of the active setup's data record after date and time
};

struct QuarvenRecordLog {
    std::uint32_t firstNumber = 0;      // the number of the oldest record held
    std::deque<QuarvenRecord> records;  // oldest first
    std::uint32_t logged = 0;           // records logged since the start, for the values of the next
    int batchesServed = 0;              // binary batches asked for
};

// Capacity M of the record memory (memory end / record size): record numbers wrap at it.
std::uint32_t QuarvenCapacity(const LoggerState& state);
// The record size "R?S" gives for `state`'s active setup: its logged record and 4 bytes the program
// does not keep.
std::uint16_t QuarvenRecordSize(const LoggerState& state);
// The "R?A" reply length of binary batches of `records` records of the state's size, at most what
// leaves room for the command's echo in a 5136-byte receive buffer.
std::uint16_t QuarvenBatchLength(const LoggerState& state, int records);
// Empties the record memory and lays it out for the active setup: its record size, and batches as
// long as a reply may be (what a newly programmed logger starts with).
void ClearQuarvenRecords(LoggerState& state);
// Logs `count` more records one interval of the active setup apart, after the last one (the first at
// the logger's clock); the memory holds capacity - 1 records, and when it is full the oldest go.
void LogQuarvenRecords(LoggerState& state, int count);
// The record numbered `number`, nullptr when it is not held.
const QuarvenRecord* FindQuarvenRecord(const LoggerState& state, std::uint32_t number);
// `record` as the logger sends it: "R?S" bytes, the time stamp and the values in the active setup's
// layout, least significant byte first.
std::vector<std::uint8_t> EncodeQuarvenRecord(const LoggerState& state, const QuarvenRecord& record);

// The answer to a record command that is not a binary batch: bytes for a hex dump, or a text.
struct RecordAnswer {
    std::vector<std::uint8_t> dump;
    std::string text;
    bool isDump = false;
};
std::optional<RecordAnswer> AnswerRecordCommand(LoggerState& state, const std::string& command);

// The framed binary reply to "R?D," while binary replies are on, with the batch faults asked for;
// nullopt for any other command.
struct RecordBatch {
    std::string bytes;
    bool closeLink = false;
    // Silent or short: the link waits for a reply, or its end, that never comes.
    bool incomplete = false;
};
std::optional<RecordBatch> ServeRecordBatch(LoggerState& state, SimulatorFaults& faults,
                                            const std::string& command);
