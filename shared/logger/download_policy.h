// What a download asks of its caller while it runs, and what it hands back when it ends. A program with
// a screen answers through the user (UserDownloadPolicy); an unattended one by its rule; either way the
// outcome says what was asked and told, for a caller without a screen to log.
#pragma once

#include <filesystem>
#include <functional>
#include <optional>
#include <utility>
#include <string>
#include <vector>

#include "shared/logger/download_result.h"

// A message a download gives the user: a text by its id, or one formed on the spot (an error with its
// file name); `style` holds the message-box flags.
struct DownloadNotice {
    unsigned textId = 0;
    std::string text;
    unsigned style = 0;

    bool operator==(const DownloadNotice&) const = default;
};

// The answers a download needs from its caller. An empty callable asks nothing: the recovery question
// then keeps what was read.
struct DownloadPolicy {
    // After a download broke with `recordsReceived` whole records (`portLost`: the serial port of the
    // link disappeared): kReadDataKept, kReadDataTryAgain or kReadDataRecoveryCancelled.
    std::function<int(int recordsReceived, bool portLost)> recover;
    // A message for the user while the download runs.
    std::function<void(const DownloadNotice&)> tell;
    // The discontinuity report the download wrote beside the data file.
    std::function<void(const std::filesystem::path&)> showReport;
};

// One recovery question as it was put and answered.
struct RecoveryAsked {
    int recordsReceived = 0;
    bool portLost = false;
    int answer = kReadDataKept;

    bool operator==(const RecoveryAsked&) const = default;
};

// The data file a download built: where it is, the records the download added to it, and where the file
// it replaced now lies (a download of new data only).
struct BuiltDataFile {
    std::filesystem::path path;
    long recordsAdded = 0;
    std::optional<std::filesystem::path> previous;

    bool operator==(const BuiltDataFile&) const = default;
};

// How a download ended.
struct DownloadOutcome {
    // One of the kReadData codes.
    int result = kReadDataDone;
    // The whole records the logger sent for the data file (before the assembly drops those an old file
    // already holds).
    long recordsReceived = 0;
    std::vector<RecoveryAsked> recoveries;
    std::vector<DownloadNotice> notices;
    std::optional<std::filesystem::path> report;
    // The data file on disk, also after a broken download that kept what came; none when neither this try
    // nor an earlier one of the download built a file.
    std::optional<BuiltDataFile> file;

    // The user answered the last recovery question with Give up.
    bool GaveUp() const { return !recoveries.empty() && recoveries.back().answer == kReadDataRecoveryCancelled; }
};

// One download's questions put through its policy, each kept in the outcome.
class DownloadExchange {
public:
    // `earlierTry`: the file an earlier try of the same download built at the target (the user answered
    // the recovery question with Try again), which this try goes on from.
    explicit DownloadExchange(DownloadPolicy policy, std::optional<BuiltDataFile> earlierTry = std::nullopt)
        : policy_(std::move(policy)), earlier_try_(std::move(earlierTry)) {
        outcome_.file = earlier_try_;
    }

    int AskRecovery(int recordsReceived, bool portLost);
    void Tell(DownloadNotice notice);
    void ShowReport(const std::filesystem::path& path);
    void CountRecords(long received) { outcome_.recordsReceived = received; }
    const std::optional<BuiltDataFile>& EarlierTry() const { return earlier_try_; }
    // The file this try built; after an earlier try it counts the records of both, and the file as it was
    // before the download stays where the earlier try put it.
    void FileBuilt(BuiltDataFile file);
    // The outcome with the download's `result`; the exchange is done with.
    DownloadOutcome Finish(int result);

private:
    DownloadPolicy policy_;
    std::optional<BuiltDataFile> earlier_try_;
    DownloadOutcome outcome_;
};
