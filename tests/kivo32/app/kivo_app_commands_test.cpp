// The application's commands end to end against the logger simulator over a pseudo-terminal: a logger
// command without a session asks the link, connects and runs; a download opens as a data document; the
// standard model's refusals; disconnect runs the end of the session; a lost link is told and connected
// again; the real-time graph from its channel choice to its close.
#include "kivo32/app/kivo_app.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QStatusBar>
#include <algorithm>
#include <filesystem>
#include <map>
#include <set>

#include "kivo32/app/app_ids.h"
#include "kivo32/app/command_ids.h"
#include "kivo32/app/command_requests.h"
#include "kivo32/app/main_frame.h"
#include "kivo32/app/main_frame_ids.h"
#include "kivo32/app/smart_mdi_template.h"
#include "kivo32/app/status_wnd.h"
#include "kivo32/dialogs/dialogs_ids.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/session/window_requests.h"
#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setupeditor/setup_table_view.h"
#include "kivo32/setupeditor/setupeditor_ids.h"
#include "kivo32/setupeditor/sut_doc.h"
#include "kivo32/setuprules/default_setups.h"
#include "kivo32/realtime/rt_ids.h"
#include "kivo32/views/raw_data_template.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/base/ui_broker.h"
#include "platform/base/window_messages.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/command_state.h"
#include "platform/ui/control_id.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/graph/graph_control.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/message_event.h"
#include "platform/ui/program_settings.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/qt_ui_broker.h"
#include "shared/datafile/csv_import.h"
#include "shared/datafile/message_sink.h"
#include "shared/link/link_clock.h"
#include "tests/kivo32/app/hand_on_to_application.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/whole_file.h"
#include "tools/loggersim/data_memory.h"
#include "tools/loggersim/logger_model.h"
#include "tools/loggersim/logger_simulator.h"

namespace {

constexpr int kRecords = 20;

class KivoAppCommandsTest : public testsupport::QtTest {
protected:
    // `memoryRecords`: the logger's data memory holds kRecords records (a memory model's layout).
    explicit KivoAppCommandsTest(const char* model = "standard-135", bool memoryRecords = true)
        : simulator_(*FindLoggerModel(model)), memoryRecords_(memoryRecords) {}

    void SetUp() override {
        if (memoryRecords_) {
            simulator_.Logger().ChangeState([](LoggerState& s) {
                ClearDataMemory(s, s.memoryStart, s.memoryEnd, 1709816400);
                LogRecords(s, kRecords);
            });
        }
        broker_.AnswerMessageBox(IDYES);  // the language of a first start
        ASSERT_TRUE(app_.InitInstance());
        app_.GetDocManager().AddDocTemplate(MakeRawDataTemplate());
        app_.Sessions().SetLinkClock(clock_);
        app_.Registry().directPort = simulator_.StartPty().substr(std::string("/dev/").size());
        app_.Registry().directBaud = 57600;
        app_.Registry().dataDir = folder_.path().string();
        qApp->installEventFilter(&hand_on_);
    }
    void TearDown() override {
        app_.Disconnect(0, false);
        // The end of the session gives its wait cursor back by a posted message.
        QCoreApplication::sendPostedEvents();
        qApp->removeEventFilter(&hand_on_);
        platform::OpenProgramSettings()->remove("intl/Language");
    }

    bool Route(unsigned id) { return app_.GetMainWindow()->RouteCommand(id); }

    // The first `Request` asked so far, as it was asked.
    template <class Request>
    std::optional<Request> Asked() const {
        for (const testsupport::AskedQuestion& question : broker_.Asked()) {
            if (question.kind == Request::kName) {
                return question.As<Request>();
            }
        }
        return std::nullopt;
    }

    void AnswerDataFile(const std::filesystem::path& path) {
        broker_.AnswerRequest<DataFileSaveRequest>(
            IDOK, [path](DataFileSaveRequest& r) { r.path = path.string(); });
    }

    bool Ready() const {
        const CommandRuleState state = app_.GetCommandRuleState();
        return state.session && state.connected && state.ready;
    }

    void ConnectDirect() {
        ASSERT_TRUE(Route(ID_CONNECT_DIRECT));
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return Ready(); }));
    }

    // A new setup document showing the logger's own setup in the form, active.
    platform::Document* OpenSetupForm() {
        app_.GetDocManager().AddDocTemplate(std::make_unique<platform::DocTemplate>(
            kSetupTableTemplateId, [] { return std::make_unique<CSUTDoc>(); },
            [] { return new platform::ChildFrame; }, [] { return new CSetupTableView; }));
        CSUTDoc::SetLoggerSetup(std::make_unique<CSetupTable>(simulator_.Logger().State().setups.at(1)), 135);
        platform::Document* document = app_.GetTemplate(kSetupTableTemplateId)->OpenDocumentFile({});
        EXPECT_NE(document, nullptr);
        EXPECT_TRUE(testsupport::ProcessEventsUntil(
            [] { return dynamic_cast<CSetupTableView*>(platform::GetActiveView()); }));
        return document;
    }

    LinkClock clock_{50};
    testsupport::TempFolder folder_;
    LoggerSimulator simulator_;
    const bool memoryRecords_;
    CKivoApp app_;
    // Made after the program, so that it stands in for the program's broker.
    testsupport::ScriptedUiBroker broker_;
    HandOnToApplication hand_on_{app_};
};

TEST_F(KivoAppCommandsTest, ALoggerCommandWithoutASessionAsksTheLinkConnectsAndRunsOnce) {
    broker_.AnswerRequest<ConnectionTypeSelectionRequest>(IDC_CONNECT_DIRECT);
    // Clear the peak values? No.
    broker_.AnswerDialog(std::string(platform::kOwnMessageBoxDialog), IDC_MSGBOX_BUTTON2);
    platform::MainFrame& frame = *app_.GetMainWindow();
    EXPECT_TRUE(frame.UpdateCommand(ID_LOGGER_CLEAR_PEAK).enabled);
    EXPECT_FALSE(frame.UpdateCommand(ID_DISCONNECT).enabled);
    ASSERT_TRUE(Route(ID_LOGGER_CLEAR_PEAK));

    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return broker_.UnusedAnswers() == 0; }));
    EXPECT_EQ(Asked<ConnectionTypeSelectionRequest>()->command, ID_LOGGER_CLEAR_PEAK);
    EXPECT_EQ(app_.GetLinkKind(), kLinkDirect);
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return Ready(); }));
    // The pending command ran once: nothing more was asked.
    testsupport::ProcessEventsFor(100);
    EXPECT_EQ(broker_.Asked().size(), 3u);  // the language, the link, the question
    EXPECT_EQ(app_.Sessions().TakePendingCommand(), 0u);
}

TEST_F(KivoAppCommandsTest, ACancelledLinkChoiceStartsNothingAndKeepsNoPendingCommand) {
    broker_.AnswerRequest<ConnectionTypeSelectionRequest>(IDCANCEL);
    ASSERT_TRUE(Route(ID_LOGGER_SYNC_TIME));
    EXPECT_EQ(broker_.UnusedAnswers(), 0u);
    EXPECT_EQ(app_.Sessions().GetActiveSession(), nullptr);
    EXPECT_EQ(app_.GetLinkKind(), kLinkNone);
    EXPECT_EQ(app_.Sessions().TakePendingCommand(), 0u);
}

TEST_F(KivoAppCommandsTest, ADownloadProposesANumberedNameAndOpensTheFileAsADataDocument) {
    ConnectDirect();
    const std::filesystem::path target = folder_ / "chosen.kivo";
    broker_.AnswerRequest<DataFileSaveRequest>(IDOK, [&](DataFileSaveRequest& r) {
        r.path = target.string();
        r.addToExisting = false;
        r.alsoCsv = false;
    });
    ASSERT_TRUE(Route(ID_LOGGER_DOWNLOAD));

    EXPECT_FALSE(app_.GetMainWindow()->UpdateCommand(ID_GRID_DATA_ERRORS).enabled);
    ASSERT_TRUE(testsupport::ProcessEventsUntil(
        [&] { return app_.GetDocManager().FindDocumentByPath(target) != nullptr; }));
    // The commands on the active data grid come with it; the grid's context menu graphs as the main
    // menu does.
    EXPECT_TRUE(app_.GetMainWindow()->UpdateCommand(ID_GRID_DATA_ERRORS).enabled);
    EXPECT_TRUE(app_.GetMainWindow()->UpdateCommand(ID_GRID_GRAPH_COLUMN).enabled);
    EXPECT_TRUE(app_.GetMainWindow()->UpdateCommand(ID_GRAPH_SELECTED_DATA).enabled);
    // The file's energy summary shows until the window is closed without asking for a refresh.
    ASSERT_TRUE(app_.GetMainWindow()->UpdateCommand(ID_FILE_ENERGY_SUMMARY).enabled);
    broker_.AnswerDialog("CDisplayTextDlg", IDC_DISPLAY_REFRESH);
    broker_.AnswerDialog("CDisplayTextDlg", IDOK);
    ASSERT_TRUE(Route(ID_FILE_ENERGY_SUMMARY));
    EXPECT_EQ(broker_.UnusedAnswers(), 0u);
    const std::filesystem::path proposed = Asked<DataFileSaveRequest>()->path;
    EXPECT_EQ(proposed.parent_path(), folder_.path());
    EXPECT_TRUE(proposed.filename().string().ends_with("-01.kivo")) << proposed;
    EXPECT_EQ(Asked<DataFileSaveRequest>()->titleId, IDS_DOWNLOAD_TITLE_NEW);
    EXPECT_TRUE(std::filesystem::exists(target));
}

TEST_F(KivoAppCommandsTest, ACsvIsNotConvertedOntoTheDataFileOpenInAGrid) {
    const std::filesystem::path csv = folder_ / "site.csv";
    const std::filesystem::path data = folder_ / "site.kivo";
    testsupport::WriteWholeFile(csv,
                                "\"Record\",\"Record\",\"Record\",\"Chan 1\"\r\n"
                                "\"Number\",\"Date\",\"Time\",\"Avg KW\"\r\n"
                                "1,03/03/24,10:00:00,1.5\r\n2,03/03/24,10:15:00,2.5\r\n");
    ASSERT_TRUE(ConvertCSVToDataFile(csv, data, MessageBoxSink()));
    ASSERT_NE(app_.GetDocManager().OpenDocumentFile(data), nullptr);
    const std::string download = testsupport::ReadWholeFile(data);

    const std::size_t before = broker_.Asked().size();
    broker_.AnswerFileName(csv);
    broker_.AnswerFileName(data);
    broker_.AnswerMessageBox(IDOK);
    broker_.AnswerFileName(std::nullopt);
    ASSERT_TRUE(Route(ID_CONVERT_CSV));
    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), before + 4);
    EXPECT_EQ(asked[before + 1].fileRequest.fileName, folder_ / "site-01.kivo");
    EXPECT_EQ(asked[before + 2].text,
              platform::FormatLoadedText(IDS_CONVERSION_ONTO_OPEN_FILE, {data.string()}));
    EXPECT_EQ(testsupport::ReadWholeFile(data), download);
}

TEST_F(KivoAppCommandsTest, CommandsNoMenuCarriesAreGreyedAndDoNothing) {
    ConnectDirect();
    const int commands = simulator_.Logger().CommandCount();
    const std::size_t asked = broker_.Asked().size();
    platform::MainFrame& frame = *app_.GetMainWindow();
    for (const unsigned id : {ID_GRID_EXPORT, ID_GRID_EXPORT_SELECTION, ID_GRID_DATA_VIEW_0, ID_GRID_DATA_VIEW_1,
                              ID_LOAD_PROFILE_ACTION}) {
        SCOPED_TRACE(id);
        EXPECT_FALSE(frame.UpdateCommand(id).enabled);
        for (const QAction* action : frame.findChildren<QAction*>()) {
            EXPECT_NE(action->data().toUInt(), id);
        }
        // Tried all the same, as a posted WM_COMMAND would: nothing happens, and nothing is said.
        frame.statusBar()->clearMessage();
        QCoreApplication::processEvents();
        const QString before = frame.statusBar()->currentMessage();
        Route(id);
        QCoreApplication::processEvents();
        EXPECT_EQ(frame.statusBar()->currentMessage(), before);
    }
    EXPECT_EQ(simulator_.Logger().CommandCount(), commands);
    EXPECT_EQ(broker_.Asked().size(), asked);
    EXPECT_TRUE(Ready());
}

TEST_F(KivoAppCommandsTest, TheStandardModelRefusesItsMemoryTestBeforeAnythingIsPosted) {
    ConnectDirect();
    const int commands = simulator_.Logger().CommandCount();
    broker_.AnswerMessageBox(IDOK);
    ASSERT_TRUE(Route(ID_LOGGER_MEMORY_TEST));
    ASSERT_EQ(broker_.Boxes().size(), 1u);
    EXPECT_EQ(broker_.Boxes()[0].ids.promptId, IDP_NOT_FOR_STANDARD_MODEL);
    testsupport::ProcessEventsFor(100);
    EXPECT_EQ(simulator_.Logger().CommandCount(), commands);
    EXPECT_TRUE(Ready());
}

TEST_F(KivoAppCommandsTest, ProgrammingWaitsOnlyForADownloadThatDeliveredItsFile) {
    ConnectDirect();
    const std::filesystem::path setupFile = folder_ / "logger.sut";
    {
        CSUTDoc::SetLoggerSetup(std::make_unique<CSetupTable>(simulator_.Logger().State().setups.at(1)), 135);
        CSUTDoc document;
        ASSERT_TRUE(document.OnNewDocument());
        ASSERT_TRUE(document.WriteSetupFile(setupFile));
    }
    const auto questionsAsked = [&] {
        const auto asked = broker_.Asked();
        return std::count_if(asked.begin(), asked.end(),
                             [](const auto& q) { return q.kind == platform::kOwnMessageBoxDialog; });
    };
    // The failure notices of the download that cannot write its file.
    broker_.SetDefaultAnswer(IDOK);

    // Download first, into a folder that does not exist: the download delivers nothing.
    broker_.AnswerFileName(setupFile);
    broker_.AnswerDialog(std::string(platform::kOwnMessageBoxDialog), IDC_MSGBOX_BUTTON2);
    AnswerDataFile(folder_ / "missing" / "data.kivo");
    ASSERT_TRUE(Route(ID_LOGGER_PROGRAM));
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return Asked<DataFileSaveRequest>().has_value(); }));
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return !app_.IsProgramAfterDownload(); }));
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return Ready(); }));

    // So the next program command asks again rather than programming at once.
    broker_.AnswerFileName(setupFile);
    broker_.AnswerDialog(std::string(platform::kOwnMessageBoxDialog), IDC_MSGBOX_BUTTON3);
    const int before = simulator_.Logger().CommandCount();
    ASSERT_TRUE(Route(ID_LOGGER_PROGRAM));
    EXPECT_EQ(questionsAsked(), 2);
    EXPECT_EQ(simulator_.Logger().CommandCount(), before);

    // A download that delivers its file programs the logger after it, without the question.
    broker_.AnswerFileName(setupFile);
    broker_.AnswerDialog(std::string(platform::kOwnMessageBoxDialog), IDC_MSGBOX_BUTTON2);
    AnswerDataFile(folder_ / "before.kivo");
    broker_.AnswerFileName(setupFile);
    broker_.AnswerRequest<TimedNoticeRequest>(IDOK);
    ASSERT_TRUE(Route(ID_LOGGER_PROGRAM));
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return Asked<TimedNoticeRequest>().has_value(); }));
    EXPECT_EQ(questionsAsked(), 3);
    EXPECT_FALSE(app_.IsProgramAfterDownload());
    EXPECT_EQ(broker_.UnusedAnswers(), 0u);
}

TEST_F(KivoAppCommandsTest, ASetupViewClosedDuringTheDownloadIsNotProgrammedAfterIt) {
    ConnectDirect();
    platform::Document* setupDocument = OpenSetupForm();
    ASSERT_NE(setupDocument, nullptr);

    broker_.AnswerDialog(std::string(platform::kOwnMessageBoxDialog), IDC_MSGBOX_BUTTON2);
    ASSERT_TRUE(Route(ID_LOGGER_PROGRAM));
    ASSERT_NE(app_.GetRememberedSetupView(), nullptr);
    // The view goes before its download has run.
    setupDocument->SetModifiedFlag(false);
    ASSERT_TRUE(setupDocument->Frames().front()->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(app_.GetRememberedSetupView(), nullptr);

    const std::filesystem::path target = folder_ / "before.kivo";
    AnswerDataFile(target);
    ASSERT_TRUE(testsupport::ProcessEventsUntil(
        [&] { return app_.GetDocManager().FindDocumentByPath(target) != nullptr; }));
    EXPECT_FALSE(app_.IsProgramAfterDownload());
    testsupport::ProcessEventsFor(100);
    EXPECT_FALSE(Asked<TimedNoticeRequest>().has_value());
    EXPECT_EQ(broker_.UnusedAnswers(), 0u);
}

TEST_F(KivoAppCommandsTest, TheFormsProgramButtonsRefuseTheDefaultNameThenProgramTheFormsSetup) {
    ConnectDirect();
    auto* document = dynamic_cast<CSUTDoc*>(OpenSetupForm());
    ASSERT_NE(document, nullptr);
    auto* view = dynamic_cast<CSetupTableView*>(platform::GetActiveView());
    auto* name = platform::FindControlAs<QLineEdit>(view, IDC_FORM_SETUP_NAME);
    ASSERT_NE(name, nullptr);

    // A default setup's name never reaches a logger.
    name->setText(kDefaultSetupName);
    broker_.AnswerMessageBox(IDOK);
    const std::size_t asked = broker_.Asked().size();
    const int before = simulator_.Logger().CommandCount();
    platform::FindControlAs<QPushButton>(view, ID_SUT_PROGRAM_FROM_FORM)->click();
    EXPECT_EQ(simulator_.Logger().CommandCount(), before);
    ASSERT_EQ(broker_.Asked().size(), asked + 1);
    EXPECT_EQ(broker_.Asked().back().text, LoadText(IDS_DEFAULT_SETUP_NAME));

    // Named, the form's setup as shown (not the document's table behind it) is programmed.
    name->setText("Plant 7");
    broker_.AnswerDialog(std::string(platform::kOwnMessageBoxDialog), IDC_MSGBOX_BUTTON1);
    broker_.AnswerRequest<TimedNoticeRequest>(IDOK);
    platform::FindControlAs<QPushButton>(view, ID_SUT_PROGRAM_FROM_FORM_FOOT)->click();
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return Asked<TimedNoticeRequest>().has_value(); }));
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return Ready(); }));

    // Read back from the logger, it opens as a setup of its own, equal to the form's.
    broker_.AnswerRequest<LoggerSetupListRequest>(IDOK);
    ASSERT_TRUE(Route(ID_LOGGER_READ_SETUP));
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] {
        auto* active = dynamic_cast<CSetupTableView*>(platform::GetActiveView());
        return active != nullptr && active != view;
    }));
    const CSetupTable& readBack =
        static_cast<CSetupTableView*>(platform::GetActiveView())->GetDocument()->GetSetupTable();
    EXPECT_EQ(readBack.GetHeader().GetHeaderText(), "Plant 7");
    EXPECT_TRUE(readBack.Compare(document->GetSetupTable()));
    EXPECT_EQ(broker_.UnusedAnswers(), 0u);
    document->SetModifiedFlag(false);
}

// A Quarven logger's own setup, read into the form and programmed back from it.
class KivoAppProgramBackTest : public KivoAppCommandsTest, public testing::WithParamInterface<const char*> {
protected:
    KivoAppProgramBackTest() : KivoAppCommandsTest(GetParam(), false) {}
};

TEST_P(KivoAppProgramBackTest, TheSetupTheLoggerHoldsProgramsBackUnchanged) {
    ConnectDirect();
    const std::map<char, std::vector<std::uint8_t>> held = simulator_.Logger().State().quarvenBlocks;
    ASSERT_TRUE(Route(ID_LOGGER_READ_SETUP));
    ASSERT_TRUE(testsupport::ProcessEventsUntil(
        [] { return dynamic_cast<CSetupTableView*>(platform::GetActiveView()) != nullptr; }));
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return Ready(); }));

    broker_.AnswerDialog(std::string(platform::kOwnMessageBoxDialog), IDC_MSGBOX_BUTTON1);
    broker_.AnswerRequest<TimedNoticeRequest>(IDOK);
    const std::size_t asked = broker_.Asked().size();
    ASSERT_TRUE(Route(ID_LOGGER_PROGRAM));
    // No check refused it: the first question is whether to download first.
    ASSERT_GT(broker_.Asked().size(), asked);
    ASSERT_EQ(broker_.Asked()[asked].kind, platform::kOwnMessageBoxDialog);
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return Asked<TimedNoticeRequest>().has_value(); }));
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return Ready(); }));
    const std::map<char, std::vector<std::uint8_t>> programmed = simulator_.Logger().State().quarvenBlocks;
    for (const char block : {'N', 'C'}) {
        EXPECT_EQ(programmed.at(block), held.at(block)) << block;
    }
    // Nothing the user changed: closing the setup asks nothing.
    CSUTDoc* document = static_cast<CSetupTableView*>(platform::GetActiveView())->GetDocument();
    EXPECT_FALSE(document->IsModified());
    document->SetModifiedFlag(false);
}

INSTANTIATE_TEST_SUITE_P(QuarvenModels, KivoAppProgramBackTest, testing::Values("quarven-rs", "quarven-kx"));

TEST_F(KivoAppCommandsTest, ANetworkConnectAsksTheAddressAndKeepsItAmongTheRecentOnes) {
    broker_.AnswerRequest<NetworkAddressRequest>(IDCANCEL);
    ASSERT_TRUE(Route(ID_CONNECT_NETWORK));
    EXPECT_EQ(app_.Sessions().GetActiveSession(), nullptr);
    EXPECT_TRUE(app_.AppInfo().networkConnectAddress.empty());

    LoggerSimulator networkLogger(*FindLoggerModel("standard-135"));
    const std::string port = std::to_string(networkLogger.StartTcp(0));
    broker_.AnswerRequest<NetworkAddressRequest>(IDOK, [&port](NetworkAddressRequest& r) {
        r.address = "127.0.0.1";
        r.port = port;
    });
    ASSERT_TRUE(Route(ID_CONNECT_NETWORK));
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return Ready(); }));
    EXPECT_EQ(app_.GetLinkKind(), kLinkNetwork);
    EXPECT_EQ(app_.AppInfo().networkConnectAddress, "127.0.0.1");
    EXPECT_EQ(app_.AppInfo().networkPortNumber, port);
    ASSERT_FALSE(app_.AppInfo().recentNetAddresses.empty());
    EXPECT_EQ(app_.AppInfo().recentNetAddresses.front(), "127.0.0.1:" + port);
    app_.Disconnect(0, false);
}

TEST_F(KivoAppCommandsTest, LoggerReconnectUsesTheLastLinkThatAnswered) {
    EXPECT_FALSE(app_.LoggerReconnect());
    ConnectDirect();
    EXPECT_FALSE(app_.LoggerReconnect());
    ASSERT_TRUE(Route(ID_DISCONNECT));
    ASSERT_TRUE(app_.LoggerReconnect());
    EXPECT_TRUE(testsupport::ProcessEventsUntil([&] { return Ready(); }));
    // Nothing was asked on the way.
    EXPECT_EQ(broker_.Asked().size(), 1u);
}

TEST_F(KivoAppCommandsTest, DisconnectRunsTheEndOfTheSession) {
    ConnectDirect();
    ASSERT_TRUE(Route(ID_DISCONNECT));

    EXPECT_EQ(app_.Sessions().GetActiveSession(), nullptr);
    EXPECT_EQ(app_.GetLinkKind(), kLinkNone);
    EXPECT_EQ(app_.GetLoggerType(), kNoLogger);
    EXPECT_FALSE(app_.IsSet(CAppContext::Flag::Disconnecting));
    EXPECT_EQ(platform::FromQString(app_.GetMainWindow()->statusBar()->currentMessage()),
              LoadText(IDS_STATUS_IDLE));
    const CommandRuleState state = app_.GetCommandRuleState();
    EXPECT_TRUE(state.linkIdle);
    EXPECT_TRUE(FindCommandRule(ID_CONNECT_DIRECT, state)->enabled);
    EXPECT_FALSE(FindCommandRule(ID_DISCONNECT, state)->enabled);
}

TEST_F(KivoAppCommandsTest, AfterTheLinkIsLostTheWindowAndTheNextCommandSaySoAndAConnectStartsAgain) {
    ConnectDirect();
    auto* frame = dynamic_cast<CMainFrame*>(app_.GetMainWindow());
    ASSERT_NE(frame, nullptr);
    const auto field = [frame](unsigned id) { return frame->StatusWindow().Protocol().Text(id); };
    // The logger's identity reaches the window as a posted message.
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return !field(IDC_STATUS_LOGGER_TITLE).empty(); }));

    // The logger's end of the pseudo-terminal goes, as a cable pulled out.
    simulator_.Stop();
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return app_.GetCommandRuleState().linkLost; }));
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return field(IDC_STATUS_CONNECTION) == "Link lost"; }));
    // What the logger told of itself no longer holds; the line names the error and what to do.
    EXPECT_EQ(field(IDC_STATUS_LOGGER_TITLE), "");
    EXPECT_EQ(field(IDC_STATUS_MODEL), "");
    EXPECT_EQ(field(IDC_STATUS_LINE),
              "The link to the logger was lost (Input/output error). Connect again to go on.");
    platform::MainFrame& main = *app_.GetMainWindow();
    EXPECT_TRUE(main.UpdateCommand(ID_CONNECT_DIRECT).enabled);
    EXPECT_TRUE(main.UpdateCommand(ID_DISCONNECT).enabled);

    // The next logger command is not sent: it names the lost link as the cause.
    broker_.AnswerMessageBox(IDOK);
    const std::size_t asked = broker_.Asked().size();
    ASSERT_TRUE(Route(ID_LOGGER_READ_SETUP));
    ASSERT_EQ(broker_.Asked().size(), asked + 1);
    EXPECT_EQ(broker_.Asked().back().text,
              "The command was not sent: the link to the logger was lost (Input/output error). Connect "
              "again to go on.");
    EXPECT_NE(app_.Sessions().GetActiveSession(), nullptr);

    // Connect ends the session of the lost link and starts a new one with the logger back.
    app_.Registry().directPort = simulator_.StartPty().substr(std::string("/dev/").size());
    ASSERT_TRUE(Route(ID_CONNECT_DIRECT));
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return Ready(); }));
    EXPECT_FALSE(app_.GetCommandRuleState().linkLost);
    EXPECT_FALSE(main.UpdateCommand(ID_CONNECT_DIRECT).enabled);
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return !field(IDC_STATUS_LOGGER_TITLE).empty(); }));
    EXPECT_NE(field(IDC_STATUS_CONNECTION), "Link lost");
    EXPECT_EQ(broker_.UnusedAnswers(), 0u);
}

// An Ornat: the model that leaves its real-time mode by a command of its own.
class KivoAppRealTimeTest : public KivoAppCommandsTest {
protected:
    KivoAppRealTimeTest() : KivoAppCommandsTest("ornat1") {}

    int Count(const std::string& command) {
        const std::vector<std::string> commands = simulator_.Logger().Commands();
        return static_cast<int>(std::count(commands.begin(), commands.end(), command));
    }
};

TEST_F(KivoAppRealTimeTest, TheGraphCommandAsksTheChannelsPlotsTheLoggersValuesAndClosesBackToTheMainWindow) {
    ConnectDirect();
    // The selection runs as the program runs it, on the user-interface thread while the session waits.
    broker_.AnswerRequest<RealTimeSelectionRequest>(IDOK, [](RealTimeSelectionRequest& r) {
        platform::QtUiBroker::RunOnUiThread(
            [&r] { platform::FindDialogRunner<RealTimeSelectionRequest>()(r); });
    });
    broker_.AnswerRequest<RealTimeWindowRequest>(
        IDCANCEL, [](RealTimeWindowRequest& r) { platform::FindDialogRunner<RealTimeWindowRequest>()(r); });
    bool plotted = false;
    testsupport::OnNextModal([&](QWidget* selection) {
        testsupport::OnNextModalOver(selection, [&](QWidget* window) {
            EXPECT_EQ(QApplication::activeModalWidget(), window);  // the main window waits meanwhile
            auto* graph = platform::FindControlAs<platform::GraphControl>(window, IDC_RT_GRAPH);
            plotted = testsupport::ProcessEventsUntil([&] { return graph->Data().PointCount() >= 3; });
            ASSERT_TRUE(plotted);
            ASSERT_EQ(graph->Data().SubsetCount(), 1u);
            std::set<float> volts;
            for (std::size_t point = 0; point < 3; ++point) {
                volts.insert(graph->Data().subsets[0].Sample(point));
            }
            EXPECT_GT(volts.size(), 1u);  // the values move
            EXPECT_GE(*volts.begin(), 220.0f);
            EXPECT_LE(*volts.rbegin(), 240.0f);
            platform::FindControlAs<QAbstractButton>(window, IDCANCEL)->click();
        });
        platform::FindControlAs<QAbstractButton>(selection, IDC_SELECT_CHANNEL1)->click();
        platform::FindControlAs<QAbstractButton>(selection, kChoiceIds[0])->click();  // volts
        platform::FindControlAs<QAbstractButton>(selection, IDOK)->click();
    });
    const int farewells = Count("@!0");
    ASSERT_TRUE(Route(ID_LOGGER_REAL_TIME_GRAPH));
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return plotted && Ready(); }));
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_TRUE(app_.GetMainWindow()->isEnabled());
    EXPECT_EQ(Count("@!0"), farewells + 1);
}

}  // namespace
