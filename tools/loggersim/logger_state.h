// LoggerState: what a simulated logger keeps behind its replies: identity, memory pointers and
// recording, scalars, supply voltages, clock, setup memory with its setups, and the Quarven's own
// settings and replies. Tests change it through SimulatedLogger::ChangeState.
#pragma once

#include <array>
#include <cstdint>
#include <ctime>
#include <map>
#include <set>
#include <span>
#include <string>
#include <vector>

#include "shared/setup/setup_table.h"
#include "tools/loggersim/data_memory.h"
#include "tools/loggersim/dc_inputs.h"
#include "tools/loggersim/logger_model.h"
#include "tools/loggersim/quarven_records.h"
#include "tools/loggersim/waveform_reply.h"

struct LoggerState {
    static constexpr std::size_t kSetupMemorySize = 0x10000;
    // One setup's area in setup memory, and its header at the start of it.
    static constexpr std::size_t kSetupAreaSize = 1264;
    static constexpr std::size_t kSetupHeaderSize = 58;
    // Where the memory models keep their setups, the real-time values and the call schedule.
    static constexpr std::uint16_t kActiveSetupAddress = 0x0100;
    static constexpr std::uint16_t kSavedSetupAddress = 0x0700;
    static constexpr std::uint16_t kWorkingSetupAddress = 0x0D00;
    static constexpr std::uint16_t kRealTimeAddress = 0x1400;
    static constexpr std::uint16_t kScheduleAddress = 0x1600;
    static constexpr std::size_t kScheduleSize = 144;
    // The logger ID and description of a memory model ("W?" word 6).
    static constexpr std::uint16_t kIdAreaAddress = 0x1500;
    static constexpr std::uint16_t kFirstRomSetupAddress = 0x2000;
    static constexpr int kRomSetups = 4;

    int typeCode = 0;
    std::string loggerId;
    // The Quarven's description; a memory model keeps its own in setup memory, 6 bytes into the ID area.
    std::string description;
    std::string firmwareText;
    std::uint8_t optionByte = 0;
    std::uint8_t memoryBank = 1;
    std::uint8_t configByte2 = 0;

    // Memory pointers: 24-bit addresses below type code 13 (the bank is address / 16384), 32-bit from 13.
    std::uint32_t memoryStart = 0;
    std::uint32_t memoryEnd = 0;
    std::uint32_t recordPointer = 0;
    bool recording = false;
    bool wraps = false;

    std::array<float, 3> scalars{};
    // Supply readings: bytes for the byte models, three floats for the standard model.
    std::array<std::uint8_t, 2> supplyBytes{};
    std::array<float, 3> supplyFloats{};
    // The logger's clock as an instant; the Quarven tells it in UTC, the others in local time.
    std::time_t clock = 0;

    // Setup memory, read by "Y?", checked by "U?", written by "M!".
    std::vector<std::uint8_t> setupMemory = std::vector<std::uint8_t>(kSetupMemorySize);
    // The "W?" words: setup 1, setup 2, the working setup, two unused, real-time, a further word and
    // the schedule address + 3.
    std::array<std::uint16_t, 8> headerWords{};
    // The setups as programmed: index 1 active, 2 saved, 3-6 the ROM setups (standard model).
    std::map<int, CSetupTable> setups;
    // The standard model's "G?" table: the ROM setups' addresses and the end of the last.
    std::vector<std::uint16_t> romTable;

    // Quarven: tagged blocks by tag letter (H, N, C, A, S), configuration word, interface, replies.
    std::map<char, std::vector<std::uint8_t>> quarvenBlocks;
    int configurationWord = -1;
    std::string interfaceReply = "ETH";  // "USB" once served on a pseudo-terminal
    std::string versionReply = "OK";
    // The network module's answer to the connection test "I!F".
    std::string connectionTestReply = "OK";
    int demandWindow = 15;
    std::string timedValues;
    std::string extraValues;
    std::map<std::string, std::string> queryReplies;  // "L?GEN", "L?MAC", "M?"; "C?" in place of the clock
    std::vector<std::string> moduleFiles;
    // The numbered records, the record size "R?S" gives and the batch length "R?A" gives.
    QuarvenRecordLog quarvenRecords;
    // Records "R?C" counts beyond those held (a count that runs ahead of the memory).
    std::uint32_t countedBeyondHeld = 0;
    std::uint16_t recordSize = 0;
    std::uint16_t recordsAvailable = 0;

    // The real-time values block; the reply adds the status, identity, supply and clock behind it, and
    // moves the values with each fetch (real_time_values.h).
    std::vector<std::uint8_t> realTimeValues;
    int realTimeFetches = 0;
    // Every other fetch reads the power quantities whose alarms are on beyond their limits.
    bool alarmsCrossed = false;
    // The waveform captures "F?" give.
    SimulatedWaveform waveform;
    // The read position "I!18" answers when set; 0 answers by the data memory (ReadRangePosition).
    std::uint32_t readPosition = 0;
    // The memory models' data memory, addressed from 0 to memoryEnd; the ring is memoryStart to
    // memoryEnd (data_memory.h). What was logged
    // into it, the stamp of the next record, and the first logger time of the active setup's header,
    // from whose local year the minute stamps count.
    std::vector<std::uint8_t> dataMemory;
    std::time_t firstLoggerTime = 0;
    std::vector<LoggedRecord> loggedRecords;
    std::time_t nextRecordTime = 0;
    // The DC sources on the inputs, which the A/D counts reads tell.
    DcInputs dcInputs;

    // The settings the setting commands change and read back (setting_commands.h).
    int baudCode = 11;  // 19200 baud
    // The speed the logger hears a pseudo-terminal at (0: any): "I!14" moves it to the code's rate.
    int lineBaud = 0;
    std::string secondId;
    std::string modemString = "ATZ";
    // The call times "SCHEDULE /S" added since the last "SCHEDULE /C", as sent ("08:30 00").
    std::vector<std::string> callTimes;
    // The wired network fields of the memory models by letter ("I", "S", "P", "G", "M"), in their hex
    // form, and the Quarven's network and Wi-Fi settings by the names its commands give them ("ADDR",
    // "WSSID"...).
    std::map<std::string, std::string> networkFields;
    std::map<std::string, std::string> networkSettings;
    std::map<std::string, std::string> wifiSettings;
    // The networks the Wi-Fi module sees, numbered from 1 after the settings in its "L?WIFI" reply: channel,
    // RSSI in dBm, security code (0 and 9 open), four fields no program shows, then the name.
    std::vector<std::string> wifiNetworks{"6,-48,0,1,100,0,0,Open Workshop", "11,-67,4,1,100,0,0,Plant Floor",
                                          "1,-72,2,1,100,0,0,Cafe, Bar and Grill",
                                          "3,-96,9,1,100,0,0,Far Away Yard"};
    // The Wi-Fi module's firmware update: the image the last "L!WFTPH=" named (over FTP) or the last
    // upload that closed (a module image sent through the logger), then the pending texts the module
    // gives for that kind, one for each "M?" ("<EMPTY>" once they are out); texts without a final
    // "WIFI=FTP..." or "WIFI=XMODEM..." line make an update that never ends.
    struct ModuleUpdate {
        std::string image;
        std::vector<std::string> texts{"FTP connecting\nFTP fetching the image", "WIFI=FTPCOMPLETE"};
        std::vector<std::string> imageTexts{"WIFI=PCT0", "(null)",      "WIFI=PCT35\nWIFI=PCT70",
                                            "<EMPTY>",   "WIFI=PCT100", "WIFI=XMODEMCOMPLETE"};
        std::size_t given = 0;
        bool running = false;
        bool uploaded = false;  // the image came as an upload: `imageTexts` run
        const std::vector<std::string>& Script() const { return uploaded ? imageTexts : texts; }
    } moduleUpdate;
    std::string calibrationReference = "2, 1.25, 230.5";
    // The logger takes the commands that start with one of these without ever answering.
    std::set<std::string> unansweredCommands;

    // Programming: the record mode byte of the last "#!" (-1 none), the reply mode ("R!B" binary,
    // "R!H" hex), and the program and file transfers as they arrived.
    int recordMode = -1;
    bool binaryReplies = false;
    bool largeFirmwareBlocks = false;  // "P!" blocks with a 2-byte length field
    struct ProgramTransfer {
        std::map<std::uint32_t, std::uint8_t> image;  // the data records' bytes by address
        std::vector<std::size_t> blockSizes;  // each binary block as sent, length field and CR included
        std::vector<std::string> textLines;   // the lines sent as "P!" text commands
        bool abandoned = false;               // "P!0"
    } program;
    struct FileTransfer {
        std::vector<std::uint8_t> data;
        std::string name;            // from the ";NAME=" block
        int blocks = 0;              // blocks taken, the closing record not counted
        std::uint16_t crc = 0xFFFF;  // over the data of every block taken
        bool closed = false;         // the closing record arrived with the CRC of all the data
    } upload;
};

// A logger of `model` in its first state: one setup of its kind programmed as setups 1 and 2 (and four
// ROM setups for the standard model), recording off, a known clock.
LoggerState InitialLoggerState(const LoggerModel& model);
// The Quarven's other reply forms: the "R?K" entries one to a line without their values, the two
// "R?R" groups on two lines.
void UseEntryPerLineReplies(LoggerState& state);
// The setup the simulator programs into a logger of `model`.
CSetupTable SampleSetup(const LoggerModel& model, const std::string& name);
// Programs `setup` as setup `index` (1 active, 2 saved, 3-6 ROM) the way the logger keeps it.
void InstallSetup(LoggerState& state, int index, const CSetupTable& setup);
// Writes the memory end and start and the setup's own `address` into the last 9 bytes of a memory
// model's setup header, as the logger does when it takes a setup.
void StampHeaderAddresses(const LoggerState& state, std::span<std::uint8_t> header, std::uint16_t address);
// The identification record of the state: 52 bytes, or 118 for an "NX" firmware text.
std::vector<std::uint8_t> IdentificationRecord(const LoggerState& state);
// The record of a model in its first state.
std::vector<std::uint8_t> IdentificationRecord(const LoggerModel& model);
// The run-length form of a setup image: zero runs as negative counts, other bytes as positive runs.
std::vector<std::uint8_t> CompressSetupImage(const std::vector<std::uint8_t>& image);
