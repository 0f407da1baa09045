// Whether and from where a download of new data goes on in an existing data file: what the old file
// says, the plan it gives and the questions the plan raises, without windows. The interactive program
// puts the questions to the user; the unattended one answers them by its rules.
#pragma once

#include <cstdint>
#include <filesystem>
#include <optional>

class CDataLogger;

// The old data file as a download of new data sees it.
struct NewDataFile {
    // The logger still records as the file's records were recorded.
    bool sameSetup = false;
    // Converted from a CSV file: the file knows no logger position.
    bool converted = false;
    // Where the file's last download ended: the logger memory position and the last record's time
    // mark (0: not known), and the header's flag byte that goes with them.
    std::uint32_t position = 0;
    std::uint32_t timeMark = 0;
    std::uint8_t flags = 0;
    // The file's records, and the stamp and seconds of the last one from its header.
    long recordCount = 0;
    std::uint32_t lastRecordStamp = 0;
    std::int16_t lastRecordSeconds = 0;
};

enum class NewDataStep {
    // Read on from the plan's position and time mark.
    ReadOn,
    // Find the file's last record in the logger by its time mark (FindConvertedFileEnd), then plan
    // again.
    FindByTimeMark,
    // Nothing is read into this file.
    Stop,
};

enum class NewDataQuestion {
    None,
    // Go on in a converted file, whose last record the logger finds by its time? Only yes goes on.
    ConvertedFile,
    // The logger records otherwise than the file: a new file for the new data, one for all data, or
    // nothing.
    SetupMismatch,
    // The file holds no point to go on from: a new file for all data, or nothing.
    NoPointToGoOn,
};

struct NewDataPlan {
    NewDataStep step = NewDataStep::Stop;
    // Asked before the step (ConvertedFile) or as the reason it stops.
    NewDataQuestion question = NewDataQuestion::None;
    // Where the read goes on (ReadOn).
    std::uint32_t position = 0;
    std::uint32_t timeMark = 0;

    bool operator==(const NewDataPlan&) const = default;
};

NewDataPlan PlanNewDataRead(const NewDataFile& file);

// The old file at `path` against the logger's active setup, which is read afresh first (the logger may
// have been programmed since); nullopt when either cannot be read.
std::optional<NewDataFile> ReadNewDataFile(CDataLogger& logger, const std::filesystem::path& path);

// Where the last record of a converted file of `recordCount` records lies, once the logger has found
// the file's time mark at `readPosition`: a wrapping memory keeps no file's worth below it. 0 when the
// file reaches below the memory start, where the logger no longer holds it.
std::uint32_t ConvertedFileEnd(std::int64_t readPosition, std::int64_t memoryStart, bool wrapping,
                               int recordSize, long recordCount);

// For FindByTimeMark: the logger finds the file's time mark ("I!18") and the file takes the position of
// its last record from it; it is then planned as any file. False when the logger refused.
bool FindConvertedFileEnd(CDataLogger& logger, NewDataFile& file);
