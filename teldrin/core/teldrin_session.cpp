// A call on the shared link and logger code: link, identification, tasks, outcome.
#include "teldrin/core/teldrin_session.h"

#include <optional>
#include <vector>

#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "shared/datafile/csv_export.h"
#include "shared/datafile/raw_data.h"
#include "shared/link/connection.h"
#include "shared/link/connection_modem.h"
#include "shared/link/link_context.h"
#include "shared/link/link_ids.h"
#include "shared/link/net_link_error.h"
#include "shared/link/tapi_line.h"
#include "shared/logger/create_data_logger.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/download_result.h"
#include "shared/logger/logged_download_policy.h"
#include "shared/logger/new_data_plan.h"
#include "shared/loggerlist/schedule_block.h"
#include "teldrin/core/call_data_files.h"
#include "teldrin/core/call_event.h"
#include "teldrin/core/comm_errors.h"
#include "teldrin/core/download_report.h"
#include "teldrin/core/logger_clock_check.h"
#include "teldrin/core/scheduler_clock.h"
#include "teldrin/core/teldrin_messages.h"
#include "teldrin/core/teldrin_texts.h"

namespace teldrin {
namespace {

constexpr int kCommModemInit = -3;
constexpr int kCommDirectInit = -7;
constexpr int kCommNoAnswer = 1;
constexpr int kCommLineBusy = 2;
constexpr int kCommNoDialTone = 11;
constexpr int kCommUnknownReason = 12;

std::string TrimmedRight(std::string text) {
    while (!text.empty() && text.back() == ' ') {
        text.pop_back();
    }
    return text;
}

// The event lines of opening a link of each kind.
struct LinkTexts {
    unsigned opening;
    unsigned failed;
    unsigned done;
};
constexpr LinkTexts kDirectTexts{8265, 8267, 8266};
constexpr LinkTexts kNetworkTexts{8265, 8302, 8301};
constexpr LinkTexts kModemTexts{8197, 8216, 8215};
constexpr unsigned kOnWord = 8431;
constexpr unsigned kAtWord = 8611;
constexpr unsigned kFromWord = 8612;
constexpr unsigned kToWord = 8613;
constexpr unsigned kForLoggerWords = 8614;
constexpr unsigned kFailedWord = 8506;
constexpr unsigned kSerialMismatch = 8270;
constexpr unsigned kClockNotRead = 8278;
constexpr unsigned kClockNotSet = 8279;
constexpr unsigned kClockSet = 8217;
constexpr unsigned kAllDataStart = 8277;
constexpr unsigned kAllDataEnd = 8269;
constexpr unsigned kAllDataDone = 8615;
constexpr unsigned kNewDataStart = 8276;
constexpr unsigned kNewDataEnd = 8268;
constexpr unsigned kNewDataDone = 8576;
constexpr unsigned kNewDataFailed = 8565;
constexpr unsigned kNoEarlierFile = 8566;
constexpr unsigned kSetupsDiffer = 2010;
constexpr unsigned kSetupsDifferReadAll = 8568;
constexpr unsigned kReadAllInstead = 8574;
constexpr unsigned kNoReadRange = 8575;
constexpr unsigned kCsvWritten = 8273;
constexpr unsigned kCsvFailed = 8623;
constexpr unsigned kUnknownDevice = 2005;
constexpr unsigned kSetupsNotRead = 2013;
constexpr unsigned kCommErrorWords = 8580;
constexpr unsigned kConnectedTo = 8649;
constexpr unsigned kModemCallError = 2004;
constexpr unsigned kModemSessionFailed = 8564;
constexpr unsigned kReadError = 2009;
constexpr unsigned kLoggerSetupNotRead = 8567;
constexpr unsigned kDataFileNotOpened = 8570;
constexpr unsigned kReadStartNotRead = 8571;

}  // namespace

CTeldrinSession::CTeldrinSession(CAppContext& app, CCall call, CallSettings settings,
                                 platform::MessageTarget& mainFrame)
    : CSession(app), call_(std::move(call)), settings_(std::move(settings)), main_frame_(mainFrame) {
    outcome_.connectType = call_.entry.GetConnectType();
    App().Set(CAppContext::Flag::Abort, false);
    SetLinkClock(*settings_.linkClock);
    Start();
}

CTeldrinSession::~CTeldrinSession() {
    StopAndJoin();
    logger_.reset();
}

std::string CTeldrinSession::EntrySerial() const {
    return TrimmedRight(call_.entry.GetSerial());
}

std::string CTeldrinSession::Serial() const {
    std::string entry = EntrySerial();
    return entry.empty() ? logger_serial_ : entry;
}

std::string CTeldrinSession::LinkName() const {
    if (call_.entry.GetConnectType() != kConnectNetwork) {
        return Serial();
    }
    return Serial() + " (" + call_.entry.GetPhoneOrAddress() + ", " + call_.entry.GetNetPort() + ")";
}

std::string CTeldrinSession::FileSerial() const {
    return logger_serial_.empty() ? call_.entry.GetSerial() : logger_serial_;
}

void CTeldrinSession::LogLine(std::string text, unsigned log) const {
    main_frame_.PostMessage(
        platform::Message(WM_TELDRIN_LOG_LINE, log, platform::MakePayload(std::move(text))));
}

void CTeldrinSession::LogEvent(unsigned id, const std::string& argument) const {
    LogLine(platform::FillNumberedPlaceholders(TeldrinText(id), {argument}));
}

void CTeldrinSession::LogCallEvent(unsigned id) const {
    LogLine(CallEventText(id, Serial(), *settings_.clock));
}

void CTeldrinSession::ShowStatus(std::string text) const {
    main_frame_.PostMessage(
        platform::Message(WM_TELDRIN_STATUS, kStatusText, platform::MakePayload(std::move(text))));
}

void CTeldrinSession::ShowConnected() const {
    ShowStatus(platform::FillPrintfPlaceholders(
        TeldrinText(kConnectedTo), {GetModelName(), std::to_string(GetConnection()->GetBaudRate())}));
}

void CTeldrinSession::SetCommError(int code, bool log, const std::string& text) {
    outcome_.commError = code;
    main_frame_.PostMessage(platform::Message(WM_TELDRIN_COMM_ERROR, static_cast<std::uintptr_t>(code)));
    // A logger that was not found is said by the link's own failure line.
    if (log && code != kCommNone && code != kCommLoggerNotFound) {
        LogLine(TeldrinText(kCommErrorWords) + ": " + (text.empty() ? GetCommErrorText(code, 0) : text));
    }
}

void CTeldrinSession::OnStart() {
    CSession::OnStart();
    const CommandScope scope(*this);
    ClearNetLinkError();
    outcome_.connected = OpenLink();
    if (outcome_.connected) {
        outcome_.tasksDone = RunTaskList();
        // A task list that failed without a code of its own: the link's failure, if any, says why.
        if (!outcome_.tasksDone && outcome_.commError == kCommNone) {
            SetCommError(kCommTasksFailed, true, NetLinkErrorText());
        }
    }
    Disconnect(0, false);
    if (downloaded_ && (call_.entry.GetFileTasks() & kFileTaskCreateCsv) != 0) {
        WriteCsvFile(*downloaded_);
    }
    main_frame_.PostMessage(platform::Message(WM_TELDRIN_CALL_ENDED, 0, platform::MakePayload(outcome_)));
}

bool CTeldrinSession::OpenLink() {
    const int kind = call_.entry.GetConnectType();
    const LinkTexts& opening = kind == kConnectModem ? kModemTexts : kDirectTexts;
    const SchedulerClock& clock = *settings_.clock;
    const std::time_t now = clock.Now();
    LogLine(TeldrinText(IDS_TELDRIN_SEPARATOR));
    LogEvent(opening.opening, Serial() + TeldrinText(kOnWord) + clock.Format(now, "%m/%d/%y") +
                                  TeldrinText(kAtWord) + clock.Format(now, "%H:%M:%S"));
    SetLinkKind(kind);
    const int baud = call_.entry.GetBaudRate() > 0 ? call_.entry.GetBaudRate() : settings_.directBaud;
    LinkTexts texts = kDirectTexts;
    if (kind == kConnectDirect) {
        NewDirectConnection(call_.entry.GetComPort(), baud);
    } else if (kind == kConnectNetwork) {
        texts = kNetworkTexts;
        NewNetworkConnection(call_.entry.GetPhoneOrAddress(), call_.entry.GetNetPort(), baud);
    } else if (kind == kConnectModem) {
        texts = kModemTexts;
        ReplaceConnection(std::make_unique<CConnectionModem>(CLinkContext{this, &App()},
                                                             call_.entry.GetPhoneOrAddress(),
                                                             settings_.modemBaud, CTapiLine::kModeDialOut));
    } else {
        SetCommError(kCommDirectInit);
        LogEvent(kDirectTexts.failed, Serial() + ": " + GetCommErrorText(kCommDirectInit, 0));
        return false;
    }
    if (GetConnection() == nullptr || GetConnection()->Create() == 0) {
        SetCommError(kind == kConnectNetwork ? kCommNetworkConnect
                     : kind == kConnectModem ? ModemFailureCode()
                                             : kCommDirectPortOpen);
    } else if (!StartLoggerTask()) {
        SetCommError(NetLinkErrorCode() != 0 ? kCommNetworkConnect : kCommLoggerNotFound);
    } else {
        LogEvent(texts.done, LinkName());
        return true;
    }
    // A modem that could not even be asked to call.
    if (kind == kConnectModem && outcome_.commError < 0 && !IsAborted()) {
        ShowStatus(TeldrinText(kModemSessionFailed));
        LogCallEvent(kModemCallError);
    }
    // A modem call's line names the failure in words of its own.
    const std::string failed = kind == kConnectModem ? Serial() + " " + TeldrinText(kFailedWord) : LinkName();
    LogEvent(texts.failed, failed + ": " + GetCommErrorText(outcome_.commError, 0));
    return false;
}

int CTeldrinSession::ModemFailureCode() {
    auto* modem = dynamic_cast<CConnectionModem*>(GetConnection());
    switch (modem != nullptr ? modem->GetTapiLine().GetLastDisconnectMode() : 0) {
        case CTapiLine::LINEDISCONNECTMODE_BUSY:
            return kCommLineBusy;
        case CTapiLine::LINEDISCONNECTMODE_NOANSWER:
            return kCommNoAnswer;
        case CTapiLine::LINEDISCONNECTMODE_NODIALTONE:
            return kCommNoDialTone;
        case 0:
            // The modem line did not open: no call was made.
            return kCommModemInit;
        default:
            return kCommUnknownReason;
    }
}

bool CTeldrinSession::StartLoggerTask() {
    CConnection* connection = GetConnection();
    if (IsAborted() || !connection->Establish() || IsAborted() || !connection->IdentifyLogger() ||
        IsAborted()) {
        return false;
    }
    if (!DecodeModel()) {
        if (!IsAborted()) {
            LogLine(TeldrinText(kUnknownDevice));
        }
        return false;
    }
    const std::string decodedModel = GetModelName();
    ShowConnected();
    std::unique_ptr<CDataLogger> made = CreateDataLogger(connection, GetLoggerType());
    if (!made) {
        return false;
    }
    {
        const auto lock = LockLinkObjects();
        logger_ = std::move(made);
    }
    logger_->SetProgressSink(&progress_);
    SetSendMode(SEND_MODE_ECHO);
    if (logger_->InitializeSession() == 0) {
        return false;
    }
    // From here on the log lines of an entry without a serial number name the logger by its own.
    logger_serial_ = TrimmedRight(logger_->GetLoggerId());
    // A Quarven KX first decodes as an RS: its session start tells which it is.
    if (GetModelName() != decodedModel) {
        ShowConnected();
    }
    SetConnected(true);
    return true;
}

bool CTeldrinSession::RunTaskList() {
    std::vector<std::string> setups;
    if (logger_->ListStoredSetups(setups) == 0) {
        LogLine(TeldrinText(kSetupsNotRead));
        SetCommError(kCommSetupsNotRead);
        return false;
    }
    if (logger_serial_ != EntrySerial()) {
        LogLine(
            platform::FillPrintfPlaceholders(TeldrinText(kSerialMismatch), {EntrySerial(), logger_serial_}));
    }
    bool result = true;
    if (call_.GetTaskFlag(kTaskSetClock) == 0 && !IsAborted()) {
        // A clock that could not be set does not keep the data from being read.
        result = SetClockTask();
        call_.SetTaskFlag(kTaskSetClock, result ? 1 : 0);
    }
    if (call_.GetTaskFlag(kTaskReadAllData) == 0 && !IsAborted()) {
        const bool read = ReadAllData();
        call_.SetTaskFlag(kTaskReadAllData, read ? 1 : 0);
        result = result && read;
    }
    if (call_.GetTaskFlag(kTaskReadNewData) == 0 && !IsAborted()) {
        const bool read = ReadNewData();
        call_.SetTaskFlag(kTaskReadNewData, read ? 1 : 0);
        result = result && read;
    }
    return result && !IsAborted();
}

bool CTeldrinSession::SetClockTask() {
    std::string text;
    std::optional<std::time_t> loggerTime;
    if (logger_->ReadClock(text) != 0) {
        loggerTime = LoggerClockTime(logger_->GetClock());
    }
    if (!loggerTime) {
        for (const unsigned id : {kClockNotRead, kClockNotSet}) {
            LogLine(platform::FillPrintfPlaceholders(TeldrinText(id), {Serial()}));
        }
        return false;
    }
    const std::time_t now = settings_.clock->Now();
    if (!LoggerClockNeedsSetting(now, *loggerTime)) {
        return true;
    }
    // "from <logger's time> to <PC time and date> for logger <serial>".
    LogEvent(kClockSet, " " + TeldrinText(kFromWord) + " " + text + " " + TeldrinText(kToWord) + " " +
                            settings_.clock->Format(now, "%H:%M:%S %m/%d/%y") + " " +
                            TeldrinText(kForLoggerWords) + " " + Serial());
    return logger_->SetLoggerClock(now) != 0;
}

bool CTeldrinSession::ReadAllData() {
    LogEvent(kAllDataStart, Serial());
    const std::optional<std::filesystem::path> folder =
        CallDataFolder(call_.entry.GetDataFolder(), settings_.dataDir);
    const std::optional<std::filesystem::path> path =
        folder ? NextDataFilePath(*folder, FileSerial()) : std::nullopt;
    if (!path) {
        LogCallEvent(IDS_TELDRIN_DISK_ERROR);
        return false;
    }
    return RunDownload(*path, true, 0, kAllDataEnd, kAllDataDone);
}

bool CTeldrinSession::ReadNewData() {
    LogEvent(kNewDataStart, Serial());
    const std::optional<std::filesystem::path> folder =
        CallDataFolder(call_.entry.GetDataFolder(), settings_.dataDir);
    // The newest file of the serial number the files are named by, whatever the entry calls the logger.
    const std::optional<std::filesystem::path> newest =
        folder ? NewestDataFilePath(*folder, FileSerial()) : std::nullopt;
    if (!newest) {
        LogLine(platform::FillPrintfPlaceholders(TeldrinText(kNewDataFailed), {Serial()}));
        LogLine(platform::FillPrintfPlaceholders(TeldrinText(kNoEarlierFile), {Serial()}));
        return ReadAllData();
    }
    long recordCount = 0;
    if (!PrepareNewDataRead(*newest, recordCount)) {
        return ReadAllData();
    }
    return RunDownload(*newest, false, recordCount, kNewDataEnd, kNewDataDone);
}

bool CTeldrinSession::PrepareNewDataRead(const std::filesystem::path& path, long& recordCount) {
    const std::string failed = platform::FillPrintfPlaceholders(TeldrinText(kNewDataFailed), {Serial()});
    std::optional<NewDataFile> file = ReadNewDataFile(*logger_, path);
    if (!file) {
        // Nothing is written into a file whose state cannot be read: all data go to a new one.
        const CSUTInfo* loggerSetup = logger_->GetSUTInfo(1);
        LogCallEvent(kReadError);
        LogLine(TeldrinText(loggerSetup != nullptr && loggerSetup->setupTable ? kDataFileNotOpened
                                                                              : kLoggerSetupNotRead));
        LogLine(TeldrinText(kSetupsDifferReadAll));
        return false;
    }
    NewDataPlan plan = PlanNewDataRead(*file);
    // A file rebuilt from CSV goes on from where the logger finds its last record's time.
    if (plan.question == NewDataQuestion::ConvertedFile) {
        if (FindConvertedFileEnd(*logger_, *file)) {
            plan = PlanNewDataRead(*file);
        } else {
            LogCallEvent(kReadError);
            LogLine(TeldrinText(kReadStartNotRead));
            plan.question = NewDataQuestion::SetupMismatch;
        }
    }
    if (plan.question == NewDataQuestion::SetupMismatch) {
        LogLine(platform::FillPrintfPlaceholders(TeldrinText(kSetupsDiffer),
                                                 {platform::PathToWindows1252(path)}));
        LogLine(TeldrinText(kSetupsDifferReadAll));
        return false;
    }
    if (plan.step != NewDataStep::ReadOn) {
        LogLine(failed);
        LogLine(TeldrinText(kReadAllInstead));
        return false;
    }
    SetKeptSeconds(file->lastRecordSeconds);
    SetKeptStamp(static_cast<std::int32_t>(file->lastRecordStamp));
    SetNewDataRead(true);
    recordCount = file->recordCount;
    logger_->SetStoredContinuation(file->position, file->timeMark, file->flags);
    if (!logger_->SendReadRange(plan.position, plan.timeMark)) {
        LogLine(failed);
        LogLine(TeldrinText(kNoReadRange));
        return false;
    }
    return true;
}

bool CTeldrinSession::RunDownload(const std::filesystem::path& path, bool readAll, long recordCount,
                                  unsigned endText, unsigned doneText) {
    DownloadPolicy policy =
        LoggedDownloadPolicy([this](const std::string& line) { LogLine(line); },
                             [this](const std::string& line) { LogLine(line, kErrorLogLine); });
    // A record download that the call's end cuts short keeps the records received and clears the abort
    // flag; the call still ends there, and fails, as it does when a memory download stops.
    bool cutShort = false;
    policy.recover = [this, &cutShort, keep = std::move(policy.recover)](int records, bool portLost) {
        cutShort = cutShort || IsAborted();
        return keep(records, portLost);
    };
    const DownloadOutcome outcome = logger_->Download(path, readAll, recordCount, std::move(policy));
    SetNewDataRead(false);
    if (cutShort) {
        App().Set(CAppContext::Flag::Abort, true);
    }
    if (!IsAborted()) {
        for (std::string& line : DownloadResultLines(outcome.result, readAll, Serial())) {
            LogLine(std::move(line));
        }
    }
    if (outcome.result == kReadDataNothingToRead) {
        return true;
    }
    if (IsAborted() || (outcome.result != kReadDataDone && outcome.result != kReadDataKept)) {
        LogEvent(endText, Serial() + " " + TeldrinText(kFailedWord));
        return false;
    }
    downloaded_ = path;
    const std::string time = settings_.clock->Format(settings_.clock->Now(), "%H:%M:%S");
    LogEvent(endText, platform::FillPrintfPlaceholders(TeldrinText(doneText),
                                                       {Serial(), time, platform::PathToWindows1252(path)}));
    return true;
}

void CTeldrinSession::WriteCsvFile(const std::filesystem::path& dataPath) const {
    std::filesystem::path csvPath = dataPath;
    csvPath.replace_extension(".csv");
    CRawData data;
    data.Initialize();
    int result = CCsvExport::kCannotCreate;
    if (data.OpenDataFile(dataPath)) {
        result = data.ExportCSV(csvPath, {}, false, false);
        data.CloseDataFile();
    }
    if (result == CCsvExport::kWritten) {
        LogLine(platform::FillPrintfPlaceholders(TeldrinText(kCsvWritten),
                                                 {platform::PathToWindows1252(csvPath)}));
    } else {
        LogLine(platform::FillPrintfPlaceholders(TeldrinText(kCsvFailed), {std::to_string(result)}));
    }
}

void CTeldrinSession::SayFarewell(int reason) {
    if (logger_ && GetConnection() != nullptr && !GetConnection()->IsLinkLost()) {
        logger_->Disconnect(reason);
    }
}

void CTeldrinSession::OnDropLogger() {
    std::unique_ptr<CDataLogger> dropped;
    {
        const auto lock = LockLinkObjects();
        dropped = std::move(logger_);
    }
    CSession::OnDropLogger();
}

}  // namespace teldrin
