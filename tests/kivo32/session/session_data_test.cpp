// The data handlers against the logger simulator: a full or new-data download with the open and CSV
// choices, a broken read kept or tried again with its progress window, the checks before a new-data read
// (missing file, other setup, nothing new), a stored setup read into a document, and a setup programmed
// with and without a start time.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "kivo32/session/download_progress_link.h"
#include "kivo32/session/download_request.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/session/window_requests.h"
#include "platform/base/message_box_flags.h"
#include "shared/datafile/data_info.h"
#include "shared/datafile/raw_data.h"
#include "shared/logger/data_recovery_prompt.h"
#include "shared/logger/download_ids.h"
#include "shared/setup/setup_table.h"
#include "tests/kivo32/session/handler_fixture.h"
#include "tests/support/converted_data_file.h"
#include "tests/support/temp_folder.h"
#include "tests/support/time_zone.h"
#include "tests/support/whole_file.h"
#include "tools/loggersim/data_memory.h"
#include "tools/loggersim/quarven_records.h"

namespace sessiontest {
namespace {

constexpr int kRecords = 400;

class SessionDataTest : public HandlerFixture {
protected:
    explicit SessionDataTest(const char* model = "standard-135") : HandlerFixture(model) {}

    void PrepareLogger() override {
        simulator_.Logger().ChangeState([](LoggerState& s) {
            // 2024-03-07 13:00:00 UTC: the first record's stamp.
            ClearDataMemory(s, s.memoryStart, s.memoryEnd, 1709816400);
            LogRecords(s, kRecords);
        });
    }

    static platform::Message Download(unsigned id, const std::filesystem::path& path, bool open, bool csv) {
        return platform::Message(id, open ? 1 : 0, platform::MakePayload(DownloadRequest{path, csv}));
    }

    // The paths handed to the main window with `id`, in order.
    std::vector<std::filesystem::path> PathsPosted(unsigned id) {
        std::vector<std::filesystem::path> paths;
        for (const platform::Message& message : MainWindowMessages()) {
            if (message.id == id) {
                paths.push_back(*platform::PayloadAs<std::filesystem::path>(message));
            }
        }
        return paths;
    }

    // The commands the logger took since it had taken `from`.
    std::vector<std::string> CommandsSince(int from) {
        const std::vector<std::string> all = simulator_.Logger().Commands();
        return std::vector<std::string>(all.begin() + from, all.end());
    }

    // The read-range commands the logger took since it had taken `from`.
    std::vector<std::string> ReadRangesSince(int from) {
        std::vector<std::string> ranges;
        for (const std::string& command : CommandsSince(from)) {
            if (command.rfind("I!18 ", 0) == 0) {
                ranges.push_back(command);
            }
        }
        return ranges;
    }

    static std::string ReadRange(std::uint32_t position, std::uint32_t timeMark) {
        char command[32];
        std::snprintf(command, sizeof command, "I!18 %06X %06X", position & 0xFFFFFFu, timeMark & 0xFFFFFFu);
        return command;
    }

    static bool AnyStartsWith(const std::vector<std::string>& commands, const std::string& prefix) {
        return std::any_of(commands.begin(), commands.end(),
                           [&](const std::string& command) { return command.rfind(prefix, 0) == 0; });
    }

    testsupport::TempFolder folder_;
};

TEST_F(SessionDataTest, AFullReadHandsTheFileOnAsTheUserChose) {
    const struct {
        const char* name;
        bool open;
        bool csv;
    } cases[] = {
        {"neither", false, false}, {"open", true, false}, {"csv", false, true}, {"both", true, true}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        const auto path = folder_ / (std::string(entry.name) + ".dat");
        const std::size_t opened = PathsPosted(WM_OPEN_DOWNLOADED_FILE).size();
        const std::size_t written = PathsPosted(WM_WRITE_CSV_FILE).size();
        Run(Download(WM_SESSION_READ_ALL_DATA, path, entry.open, entry.csv));
        EXPECT_EQ(RecordsIn(path), kRecords);
        const auto openedNow = PathsPosted(WM_OPEN_DOWNLOADED_FILE);
        const auto writtenNow = PathsPosted(WM_WRITE_CSV_FILE);
        ASSERT_EQ(openedNow.size(), opened + (entry.open ? 1 : 0));
        ASSERT_EQ(writtenNow.size(), written + (entry.csv ? 1 : 0));
        if (entry.open) {
            EXPECT_EQ(openedNow.back(), path);
        }
        if (entry.csv) {
            EXPECT_EQ(writtenNow.back(), path);
        }
    }
    EXPECT_TRUE(broker_.Boxes().empty());
}

TEST_F(SessionDataTest, ANewDataReadGoesOnFromTheFileAndTellsWhenThereIsNothingNew) {
    const auto path = folder_ / "logger.dat";
    Run(Download(WM_SESSION_READ_ALL_DATA, path, false, false));
    simulator_.Logger().ChangeState([](LoggerState& s) { LogRecords(s, 50); });

    const int before = simulator_.Logger().CommandCount();
    Run(Download(WM_SESSION_READ_NEW_DATA, path, true, false));
    EXPECT_EQ(RecordsIn(path), kRecords + 50);
    // The logger is told where the file ended, and the session reads as a new-data read.
    EXPECT_TRUE(AnyStartsWith(CommandsSince(before), "I!18 "));
    EXPECT_TRUE(owner_.GetActiveSession()->IsNewDataRead());
    EXPECT_EQ(PathsPosted(WM_OPEN_DOWNLOADED_FILE), std::vector<std::filesystem::path>{path});
    EXPECT_TRUE(broker_.Boxes().empty());

    broker_.AnswerMessageBox(IDOK);
    Run(Download(WM_SESSION_READ_NEW_DATA, path, true, false));
    EXPECT_EQ(BoxIds(), std::vector<unsigned>{IDS_NOTHING_NEW});
    EXPECT_EQ(RecordsIn(path), kRecords + 50);
    EXPECT_EQ(PathsPosted(WM_OPEN_DOWNLOADED_FILE).size(), 1u);

    // A read of all data after them in the same session makes a fresh file: nothing appended to it.
    Run(Download(WM_SESSION_READ_ALL_DATA, path, false, false));
    EXPECT_FALSE(owner_.GetActiveSession()->IsNewDataRead());
    EXPECT_EQ(RecordsIn(path), kRecords + 50);
}

TEST_F(SessionDataTest, TheEndOfAnUnattendedDownloadGoesToTheMainWindow) {
    const struct {
        const char* name;
        bool unattended;
    } cases[] = {{"attended", false}, {"unattended", true}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        owner_.SetUnattendedDownload(entry.unattended);
        if (entry.unattended) {
            broker_.AnswerRequest<TimedNoticeRequest>(IDOK);
        }
        const int done = CountOf(WM_UNATTENDED_DOWNLOAD_DONE, 0);
        const std::size_t asked = broker_.Asked().size();
        Run(Download(WM_SESSION_READ_ALL_DATA, folder_ / (std::string(entry.name) + ".dat"), true, false));
        // The notice and WM_UNATTENDED_DOWNLOAD_DONE.
        EXPECT_EQ(CountOf(WM_UNATTENDED_DOWNLOAD_DONE, 0), done + (entry.unattended ? 1 : 0));
        ASSERT_EQ(broker_.Asked().size(), asked + (entry.unattended ? 1 : 0));
        if (entry.unattended) {
            EXPECT_EQ(broker_.Asked().back().As<TimedNoticeRequest>().text, "The download is complete.");
            EXPECT_EQ(broker_.Asked().back().As<TimedNoticeRequest>().milliseconds, 5000);
        }
        // The next download is the user's own again.
        EXPECT_FALSE(owner_.IsUnattendedDownload());
    }
}

TEST_F(SessionDataTest, ANewDataReadIntoAMissingFileOffersAFullReadAndOtherwiseDoesNothing) {
    const auto path = folder_ / "missing.dat";
    const int ends = CommandEnds();
    const int before = simulator_.Logger().CommandCount();
    broker_.AnswerMessageBox(IDNO);
    broker_.AnswerMessageBox(IDYES);
    owner_.GetActiveSession()->Post(Download(WM_SESSION_READ_NEW_DATA, path, false, false));
    Run(Download(WM_SESSION_READ_NEW_DATA, path, false, false));
    // Declined, it marks no command and sends nothing; agreed, one full read.
    EXPECT_EQ(CommandEnds(), ends + 1);
    EXPECT_EQ(RecordsIn(path), kRecords);
    EXPECT_FALSE(AnyStartsWith(CommandsSince(before), "I!18 "));
    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, path.string() + " does not exist. Read all the logger's data into it?");
    EXPECT_EQ(asked[0].style, MB_YESNOCANCEL);
}

TEST_F(SessionDataTest, ANewDataReadUnderAnotherSetupAsksForANewFileAndReadsNothing) {
    const auto path = folder_ / "logger.dat";
    Run(Download(WM_SESSION_READ_ALL_DATA, path, false, false));
    simulator_.Logger().ChangeState([](LoggerState& s) {
        CSetupTable setup = s.setups.at(1);
        setup.GetHeader().SetIntervalCode(static_cast<std::uint8_t>(setup.GetHeader().GetIntervalCode() + 1));
        InstallSetup(s, 1, setup);
    });

    const struct {
        int answer;
        unsigned posted;  // 0: nothing
    } cases[] = {{IDC_MSGBOX_BUTTON1, WM_NEW_FILE_FOR_NEW_DATA},
                 {IDC_MSGBOX_BUTTON2, WM_NEW_FILE_FOR_ALL_DATA},
                 {IDC_MSGBOX_BUTTON3, 0}};
    for (const auto& entry : cases) {
        const int before = simulator_.Logger().CommandCount();
        const int newData = CountOf(WM_NEW_FILE_FOR_NEW_DATA, 0);
        const int allData = CountOf(WM_NEW_FILE_FOR_ALL_DATA, 0);
        broker_.AnswerDialog("CMsgBoxDlg", entry.answer);
        Run(Download(WM_SESSION_READ_NEW_DATA, path, true, false));
        EXPECT_FALSE(AnyStartsWith(CommandsSince(before), "I!18 "));
        EXPECT_EQ(CountOf(WM_NEW_FILE_FOR_NEW_DATA, 0), newData + (entry.posted == WM_NEW_FILE_FOR_NEW_DATA));
        EXPECT_EQ(CountOf(WM_NEW_FILE_FOR_ALL_DATA, 0), allData + (entry.posted == WM_NEW_FILE_FOR_ALL_DATA));
    }
    const auto boxes = broker_.Boxes();
    ASSERT_EQ(boxes.size(), 3u);
    EXPECT_EQ(boxes[0].ids.promptId, IDS_SETUP_MISMATCH);
    EXPECT_EQ(boxes[0].ids.buttonIds[0], IDS_NEW_FILE_NEW_DATA_BUTTON);
    EXPECT_EQ(boxes[0].ids.buttonIds[1], IDS_NEW_FILE_ALL_DATA_BUTTON);
    EXPECT_EQ(RecordsIn(path), kRecords);
    EXPECT_TRUE(PathsPosted(WM_OPEN_DOWNLOADED_FILE).empty());
}

TEST_F(SessionDataTest, ACsvConvertedFileNeverSendsAPositionBelowTheMemoryStart) {
    const auto path = folder_ / "converted.dat";
    Run(Download(WM_SESSION_READ_ALL_DATA, path, false, false));
    ASSERT_NO_FATAL_FAILURE(testsupport::MarkConvertedFromCsv(path));
    const std::string converted = testsupport::ReadWholeFile(path);
    simulator_.Logger().ChangeState([](LoggerState& s) { LogRecords(s, 50); });

    // Declined, nothing is read.
    broker_.AnswerMessageBox(IDNO);
    int before = simulator_.Logger().CommandCount();
    Run(Download(WM_SESSION_READ_NEW_DATA, path, false, false));
    EXPECT_FALSE(AnyStartsWith(CommandsSince(before), "I!18 "));

    // A memory that has not wrapped leaves the read position at the range's start: the file's records
    // would lie below the memory start. No such position is sent; the user is offered a new file.
    broker_.AnswerMessageBox(IDYES);
    broker_.AnswerDialog("CMsgBoxDlg", IDC_MSGBOX_BUTTON1);
    before = simulator_.Logger().CommandCount();
    Run(Download(WM_SESSION_READ_NEW_DATA, path, false, false));
    EXPECT_EQ(ReadRangesSince(before).size(), 1u);
    EXPECT_EQ(BoxIds(), (std::vector<unsigned>{IDS_CONFIRM_CSV_CONVERTED, IDS_CONFIRM_CSV_CONVERTED,
                                               IDS_NO_POINT_TO_GO_ON}));
    EXPECT_EQ(CountOf(WM_NEW_FILE_FOR_ALL_DATA, 0), 1);
    EXPECT_EQ(testsupport::ReadWholeFile(path), converted);
    EXPECT_EQ(broker_.Asked()[0].text,
              "This file was converted from CSV. The logger's setup records the same way: read the data "
              "logged after "
              "the file's last record?");
}

// A logger whose small memory ring has wrapped.
class WrappedMemoryDataTest : public SessionDataTest {
protected:
    void PrepareLogger() override {
        simulator_.Logger().ChangeState([](LoggerState& s) {
            ClearDataMemory(s, s.memoryEnd - kRingBytes + 1, s.memoryEnd, 1709816400);
            LogRecords(s, kRecords);
        });
    }
    static constexpr std::uint32_t kRingBytes = 4096;
};

TEST_F(WrappedMemoryDataTest, ACsvConvertedFileGoesOnAfterItsLastRecord) {
    const auto path = folder_ / "converted.dat";
    Run(Download(WM_SESSION_READ_ALL_DATA, path, false, false));
    const int held = RecordsIn(path);
    ASSERT_GT(held, 0);
    ASSERT_LT(held, kRecords);
    ASSERT_NO_FATAL_FAILURE(testsupport::MarkConvertedFromCsv(path));
    simulator_.Logger().ChangeState([](LoggerState& s) { LogRecords(s, 20); });

    // A wrapped memory goes on from the position where the logger found the file's mark.
    CRawData file;
    file.Initialize();
    ASSERT_TRUE(file.OpenDataFile(path));
    const std::uint32_t timeMark = file.GetDataInfo()->GetLastRecordTimeMark();
    file.CloseDataFile();
    const std::uint32_t found = ReadRangePosition(simulator_.Logger().State(), 0, timeMark);

    broker_.AnswerMessageBox(IDYES);
    const int before = simulator_.Logger().CommandCount();
    Run(Download(WM_SESSION_READ_NEW_DATA, path, false, false));
    EXPECT_EQ(BoxIds(), std::vector<unsigned>{IDS_CONFIRM_CSV_CONVERTED});
    EXPECT_EQ(RecordsIn(path), held + 20);
    const std::vector<std::string> ranges = ReadRangesSince(before);
    ASSERT_EQ(ranges.size(), 2u);
    EXPECT_EQ(ranges[1], ReadRange(found, timeMark));
}

// A logger stamping its records in seconds, each 30 seconds into its minute: a download of new data
// goes on after the record of the old file's last minute and seconds.
class SecondsStampDataTest : public SessionDataTest {
protected:
    SecondsStampDataTest() : SessionDataTest("quarven-rs") {}

    void PrepareLogger() override {
        simulator_.Logger().ChangeState([](LoggerState& s) {
            ClearQuarvenRecords(s);
            LogQuarvenRecords(s, 1);
            s.quarvenRecords.records.back().time += 30;
            LogQuarvenRecords(s, 19);
        });
    }
};

TEST_F(SecondsStampDataTest, ANewDataReadGoesOnFromTheSecondsInTheOldFilesHeader) {
    const auto path = folder_ / "logger.dat";
    Run(Download(WM_SESSION_READ_ALL_DATA, path, false, false));
    simulator_.Logger().ChangeState([](LoggerState& s) { LogQuarvenRecords(s, 5); });
    // Whatever the session kept from other files, the read goes on from this file's last record.
    owner_.GetActiveSession()->SetKeptStamp(1);
    owner_.GetActiveSession()->SetKeptSeconds(12);

    const int before = simulator_.Logger().CommandCount();
    Run(Download(WM_SESSION_READ_NEW_DATA, path, false, false));
    EXPECT_TRUE(broker_.Boxes().empty());
    EXPECT_EQ(RecordsIn(path), 25);
    // The record before the stored position bears the file's last time, stamp and seconds: the logger
    // counts the records from there ("R?C,20") and is not read all over again from record 0.
    const std::vector<std::string> sent = CommandsSince(before);
    EXPECT_TRUE(AnyStartsWith(sent, "R?C,20")) << ::testing::PrintToString(sent);
    EXPECT_EQ(std::count(sent.begin(), sent.end(), "R?I,0"), 1);
}

TEST_F(SessionDataTest, ABrokenReadShowsItsProgressKeepsOrTriesAgainAndIsOpenedAndWrittenAsCsv) {
    // Where the blocks of a full read start, from a first read.
    const int first = simulator_.Logger().CommandCount();
    Run(Download(WM_SESSION_READ_ALL_DATA, folder_ / "first.dat", false, false));
    const std::vector<std::string> commands = CommandsSince(first);
    const auto firstBlock = std::find_if(commands.begin(), commands.end(),
                                         [](const std::string& c) { return c.rfind("O! ", 0) == 0; });
    ASSERT_NE(firstBlock, commands.end());
    const auto blocksBefore = static_cast<int>(firstBlock - commands.begin());

    std::vector<std::shared_ptr<CDownloadProgressLink>> windows;
    owner_.SetDownloadWindowOpener(
        [&windows](std::shared_ptr<CDownloadProgressLink> link) { windows.push_back(std::move(link)); });
    const struct {
        const char* name;
        int answer;
        bool whole;  // every record ends in the file
    } cases[] = {{"keep", IDOK, false}, {"try-again", IDC_RECOVERY_TRY_AGAIN, true}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        // Two blocks arrive, the third fails its three tries.
        SimulatorFaults faults;
        faults.corruptReplies = 3;
        faults.corruptAfter = simulator_.Logger().CommandCount() + blocksBefore + 2;
        simulator_.Logger().SetFaults(faults);
        broker_.AnswerRequest<DataRecoveryRequest>(entry.answer);
        if (!entry.whole) {
            broker_.AnswerMessageBox(IDOK);  // what the disk holds
        }
        const auto path = folder_ / (std::string(entry.name) + ".dat");
        const std::size_t opened = PathsPosted(WM_OPEN_DOWNLOADED_FILE).size();
        windows.clear();
        Run(Download(WM_SESSION_READ_ALL_DATA, path, true, true));

        EXPECT_EQ(broker_.UnusedAnswers(), 0u);
        const int records = RecordsIn(path);
        if (entry.whole) {
            EXPECT_EQ(records, kRecords);
        } else {
            EXPECT_GT(records, 0);
            EXPECT_LT(records, kRecords);
            const std::vector<testsupport::AskedQuestion> asked = broker_.Asked();
            const auto recovery = std::find_if(asked.rbegin(), asked.rend(), [](const auto& question) {
                return question.kind == DataRecoveryRequest::kName;
            });
            ASSERT_NE(recovery, asked.rend());
            EXPECT_EQ(recovery->As<DataRecoveryRequest>().recordsReceived, records);
        }
        const auto openedNow = PathsPosted(WM_OPEN_DOWNLOADED_FILE);
        ASSERT_EQ(openedNow.size(), opened + 1);
        EXPECT_EQ(openedNow.back(), path);
        EXPECT_EQ(PathsPosted(WM_WRITE_CSV_FILE).back(), path);
        // One window for the whole command, tried again or not, closed by its end.
        ASSERT_EQ(windows.size(), 1u);
        const CDownloadProgressLink::State shown = windows[0]->Take();
        EXPECT_TRUE(shown.closed);
        EXPECT_EQ(shown.operation, path.string());
        EXPECT_FALSE(shown.log.empty());
    }
    // No failure was shown: the only box told what the disk held after the records were kept.
    const std::vector<testsupport::RecordedMessageBox> boxes = broker_.Boxes();
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_FALSE(boxes[0].byId);
}

TEST_F(SessionDataTest, AStoredSetupOpensAsANewDocument) {
    broker_.AnswerRequest<LoggerSetupListRequest>(IDOK, [](LoggerSetupListRequest& r) { r.selection = 0; });
    const std::vector<std::string> status = Run(WM_SESSION_READ_SETUP_TABLE);
    ASSERT_FALSE(status.empty());
    EXPECT_EQ(status.front(), "Listing the logger's setups...");
    EXPECT_EQ(status.back(), "Setup list read.");
    ASSERT_EQ(broker_.Asked().size(), 1u);
    EXPECT_EQ(broker_.Asked()[0].As<LoggerSetupListRequest>().setups.at(0).rfind("Active:\t\t", 0), 0u);
    const CSetupTable* opened = nullptr;
    for (const platform::Message& message : MainWindowMessages()) {
        if (message.id == WM_OPEN_READ_SETUP) {
            opened = platform::PayloadAs<CSetupTable>(message);
        }
    }
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->IsLoggingCompatible(simulator_.Logger().State().setups.at(1)));

    // Cancelled in the list, nothing opens.
    broker_.AnswerRequest<LoggerSetupListRequest>(IDCANCEL);
    Run(WM_SESSION_READ_SETUP_TABLE);
    EXPECT_EQ(CountOf(WM_OPEN_READ_SETUP, 0), 1);
}

TEST_F(SessionDataTest, ProgrammingTellsTheStartTimeOrShowsAShortNotice) {
    const testsupport::ScopedTimeZone zone("UTC");
    CSetupTable setup = simulator_.Logger().State().setups.at(1);

    broker_.AnswerRequest<TimedNoticeRequest>(IDOK);
    int before = simulator_.Logger().CommandCount();
    const std::vector<std::string> status =
        Run(platform::Message(WM_SESSION_PROGRAM_LOGGER, 0, platform::MakePayload(setup)));
    ASSERT_FALSE(status.empty());
    EXPECT_EQ(status.front(), "Programming the logger...");
    EXPECT_EQ(status.back(), "Logger programmed.");
    ASSERT_EQ(broker_.Asked().size(), 1u);
    EXPECT_EQ(broker_.Asked()[0].As<TimedNoticeRequest>().text,
              "The setup was programmed and recording has started.");
    EXPECT_EQ(broker_.Asked()[0].As<TimedNoticeRequest>().milliseconds, 2500);
    EXPECT_NE(CommandsSince(before).front(), "D!");

    // 2030-01-02 03:04:05 UTC.
    setup.GetExtendedData().SetStartTime(1893553445);
    before = simulator_.Logger().CommandCount();
    broker_.AnswerMessageBox(IDOK);
    Run(platform::Message(WM_SESSION_PROGRAM_LOGGER, 0, platform::MakePayload(setup)));
    // Recording stops first, so that the start time takes effect.
    EXPECT_EQ(CommandsSince(before).front(), "D!");
    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[1].text.rfind("The setup was programmed. Recording starts on ", 0), 0u);
    EXPECT_NE(asked[1].text.find("03:04:05"), std::string::npos);
}

}  // namespace
}  // namespace sessiontest
