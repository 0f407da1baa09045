// The logger status report: the base lines of every model, and the Quarven's record figures, "L?"
// sections, module messages and Wi-Fi file list.
#include <cstdio>
#include <cstdlib>
#include <sstream>

#include "shared/common/app_context.h"
#include "shared/common/date_time_text.h"
#include "shared/common/text_helpers.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "shared/datafile/datafile_ids.h"
#include "shared/datafile/model_names.h"
#include "shared/link/connection.h"
#include "shared/link/link_ids.h"
#include "shared/logger/data_logger_quarven_rs_or_kx.h"
#include "shared/logger/logger_ids.h"
#include "shared/logger/reply_field.h"

namespace {

constexpr std::uint32_t kQuarvenSystemArea = 0x3000;
constexpr int kFirstBuildWithGeneral = 203;
constexpr int kFirstBuildWithModules = 162;
constexpr int kFirstBuildWithMessages = 248;


std::string Labelled(unsigned labelId, const std::string& value) {
    return LoadText(labelId) + ":\t" + value + "\r\n";
}

// The last three characters of the firmware text as a number.
int BuildNumber(const std::string& firmwareText) {
    return firmwareText.size() < 3 ? 0 : std::atoi(firmwareText.c_str() + firmwareText.size() - 3);
}

}  // namespace

int CDataLogger::GetInterfaceText(std::string& text) {
    text.clear();
    return 1;
}

int CDataLogger::BuildStatusReport(std::vector<std::string>& lines) {
    if (Session() == nullptr) {
        lines.push_back(LoadText(IDS_REPORT_NO_SESSION) + "\r\n");
        return 1;
    }
    lines.push_back(Labelled(IDS_CSV_MODEL, GetLoggerTypeName(type_code_)));
    lines.push_back(Labelled(IDS_REPORT_FIRMWARE, firmware_text_));
    lines.push_back(Labelled(IDS_REPORT_DESCRIPTION, description_));
    lines.push_back(Labelled(IDS_REPORT_LOGGER_ID, logger_id_));
    const CSUTInfo* active = GetSUTInfo(1);
    lines.push_back(Labelled(IDS_REPORT_ACTIVE_SETUP, active ? active->setupName : std::string()));
    std::string clock;
    if (ReadClock(clock)) {
        // The clock text keeps the logger's month-first date; the report shows it as every date is shown.
        const std::optional<std::tm> fields = ReadClockText(clock.c_str());
        lines.push_back(Labelled(IDS_REPORT_CLOCK,
                                 fields ? FormatShownTime(*fields) + " " + FormatShownDate(*fields) : clock));
    }
    return 1;
}

int CDataLoggerQuarvenRSorKX::GetInterfaceText(std::string& text) {
    text.clear();
    if (Session() == nullptr || BuildNumber(firmware_text_) < kFirstBuildWithMessages) {
        return 1;
    }
    if (!connection_->DoCommand("M?", 16000)) {
        return 0;
    }
    text = TrimmedReply(ModuleReplyText());
    return 1;
}

void CDataLoggerQuarvenRSorKX::AppendQueryItems(std::string_view command, std::vector<std::string>& lines) {
    if (!connection_->DoCommand(command, 16000)) {
        return;
    }
    std::string reply = ModuleReplyText();
    std::string key;
    std::string value;
    while (ParseReplyField(reply, key, value)) {
        lines.push_back(key + "\t" + TrimmedReply(value) + "\r\n");
    }
}

int CDataLoggerQuarvenRSorKX::BuildStatusReport(std::vector<std::string>& lines) {
    CDataLogger::BuildStatusReport(lines);
    if (Session() == nullptr) {
        return 1;
    }
    const std::int64_t records = ReadRecordCount(-1);
    std::int64_t size = ReadRecordSize();
    if (size <= 0) {
        // An unknown record size must not divide.
        size = 1;
    }
    std::int64_t capacity = (std::int64_t{memory_end_} - kQuarvenSystemArea) / size;
    if (capacity < records) {
        capacity = memory_end_ / size;
    }
    const std::string figures =
        platform::FormatLoadedText(IDS_REPORT_RECORDS, {std::to_string(records), std::to_string(capacity)});
    lines.push_back("\r\n" + figures + "\r\n\r\n");

    const int build = BuildNumber(firmware_text_);
    if (build >= kFirstBuildWithGeneral) {
        AppendQueryItems("L?GEN", lines);
    }
    if (build < kFirstBuildWithModules) {
        return 1;
    }
    std::string messages;
    GetInterfaceText(messages);
    if (!messages.empty()) {
        std::istringstream in(messages);
        std::string line;
        bool first = true;
        while (std::getline(in, line)) {
            line = TrimmedReply(line);
            if (line.empty() || line == "(null)" || line == "<EMPTY>") {
                continue;
            }
            lines.push_back((first ? "Messages:\t" : "\t\t") + line + "\r\n");
            first = false;
        }
        lines.push_back("\r\n");
    }
    const int configuration = ReadConfiguration();
    if (configuration < 0) {
        return 1;
    }
    if (type_code_ == kModelQuarvenKX) {
        std::string analog;
        BuildAnalogInputReport(analog);
        lines.push_back("Analog Channels:\r\n" + analog);
    }
    if (configuration & 0x08) {
        lines.push_back(LoadText(IDS_REPORT_NETWORK) + ":\r\n\r\n");
        AppendQueryItems("L?MAC", lines);
        lines.push_back("\r\n");
    }
    struct Module {
        int bit;
        const char* query;
        unsigned heading;
    };
    static constexpr Module kModules[] = {
        {0x01, "L?BLUETOOTH", IDS_REPORT_BLUETOOTH}, {0x02, "L?CELL", IDS_REPORT_CELL}, {0x04, "L?WIFI", IDS_REPORT_WIFI}};
    const Module* module = nullptr;
    for (const Module& candidate : kModules) {
        if (module == nullptr && (configuration & candidate.bit)) {
            module = &candidate;
        }
    }
    if (configuration == 0 || module != nullptr) {
        lines.push_back(LoadText(module ? module->heading : IDS_REPORT_NO_MODULE) + ".\r\n");
        lines.push_back("\r\n");
    }
    if (module != nullptr) {
        AppendQueryItems(module->query, lines);
    }
    if (App().IsSet(CAppContext::Flag::ShiftHeld) && (configuration & 0x04) && EnterModuleTerminal()) {
        std::string files = QueryModuleText("ls");
        ReplaceAll(files, "ls\r  \r\n", "");
        ReplaceAll(files, "\r\nW>", "\r\n>");
        lines.push_back("\r\nWiFly files:\r\n" + files + "\r\n");
        ExitModuleTerminal();
    }
    return 1;
}

int CDataLoggerQuarvenRSorKX::BuildAnalogInputReport(std::string& text) {
    text.clear();
    CSUTInfo* active = GetSUTInfo(1);
    if (type_code_ != kModelQuarvenKX || active == nullptr) {
        return 1;
    }
    active->Clear();
    PostStatusId(STATUS_TEXT, IDS_READING_SETUPS);
    if (!ReadSetupHeader(1) || !ReadSetupBlocks(1)) {
        return 0;
    }
    PostStatusId(STATUS_TEXT, IDS_READING_REAL_TIME);
    if (connection_->DoCommand("@!1", 8000) != 1 || !connection_->DoCommand("@?", 12000) || !DecodeRealTimeValues()) {
        return 0;
    }
    constexpr int kFirstAnalog = 6;
    constexpr int kLastAnalog = 9;
    for (const RealTimeValue& entry : real_time_values_) {
        if (entry.channel < kFirstAnalog || entry.channel > kLastAnalog || entry.kind == 0) {
            continue;
        }
        const int input = entry.channel - 5;
        const int type = active->channelTypes[static_cast<std::size_t>(entry.channel)];
        char line[96];
        if (type == 0) {
            std::snprintf(line, sizeof line, "Ch. %2d Off\r\n", input);
        } else if (IsAnalogType(type)) {
            static constexpr const char* kRanges[] = {"Analog 4 - 20ma ", "Analog 0 - 20ma ", "Analog 0 - 10Vdc"};
            std::snprintf(line, sizeof line, "Ch. %2d %s: = %f\r\n", input, kRanges[type - kChannelAnalog4To20mA],
                          double{entry.value});
        } else {
            continue;
        }
        text += line;
    }
    return 1;
}
