// kivo32 starting offscreen: the language question of a first start, the settings written at exit and
// read back (the recent files and the start-up check's option among them), a document named on the
// command line, another running instance, the templates, the protocol flag, the wait cursor and the
// close.
#include "kivo32/app/kivo_app.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QCoreApplication>
#include <QDialog>
#include <QKeyEvent>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <functional>
#include <string_view>
#include <thread>
#include <type_traits>

#include "kivo32/app/app_ids.h"
#include "kivo32/app/command_ids.h"
#include "kivo32/app/kivo_requests.h"
#include "platform/ui/other_instance.h"
#include "kivo32/app/smart_mdi_template.h"
#include "kivo32/loadprofile/load_profile_templates.h"
#include "kivo32/session/session_owner.h"
#include "kivo32/session/window_requests.h"
#include "kivo32/views/raw_data_graph_template.h"
#include "kivo32/views/raw_data_template.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/document.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/program_settings.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/qt_ui_broker.h"
#include "platform/ui/resource_texts.h"
#include "platform/ui/ui_ids.h"
#include "platform/ui/view.h"
#include "shared/common/open_with_desktop_request.h"
#include "shared/common/trace_log.h"
#include "shared/common/user_data_folder.h"
#include "shared/link/link_ids.h"
#include "shared/logger/download_ids.h"
#include "shared/logger/download_result.h"
#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/ui/recording_desktop_services.h"
#include "tests/support/whole_file.h"

namespace {

class KivoAppTest : public testing::Test {
protected:
    void SetUp() override { testsupport::EnsureQtApplication(); }
    void TearDown() override {
        // Every test starts as a first start.
        platform::OpenProgramSettings()->clear();
        std::filesystem::remove_all(UserDataFolder());
        platform::LoadResourceLibrary(platform::kEnglishResources);
    }

    // Runs the program: start-up, then `whileRunning` from its event loop, then the main window closes
    // and the program ends. The exit code.
    static int RunProgram(CKivoApp& application, const std::function<void()>& whileRunning) {
        QTimer::singleShot(0, [&] {
            whileRunning();
            application.GetMainWindow()->close();
        });
        // A main window that refuses to close must fail the test, not keep it running.
        QTimer limit;
        limit.setSingleShot(true);
        QObject::connect(&limit, &QTimer::timeout, [] { QCoreApplication::exit(2); });
        limit.start(5000);
        return application.Run();
    }

    // The program's settings file is named once the program object exists.
    static void SetLanguage(const char* language) {
        platform::OpenProgramSettings()->setValue("intl/Language", language);
    }

    static std::string SettingsFileText() {
        return testsupport::ReadWholeFile(platform::OpenProgramSettings()->fileName().toStdString());
    }

    // The menu bar's popup `title` of the running program, as it shows when opened.
    static QMenu* OpenedMenu(CKivoApp& application, const QString& title) {
        for (QAction* action : application.GetMainWindow()->menuBar()->actions()) {
            if (action->text() == title && action->menu() != nullptr) {
                emit action->menu()->aboutToShow();
                return action->menu();
            }
        }
        ADD_FAILURE() << "no menu " << title.toStdString();
        return nullptr;
    }

    static QAction* ActionOf(const QMenu* menu, unsigned id) {
        for (QAction* action : menu != nullptr ? menu->actions() : QList<QAction*>()) {
            if (action->data().toUInt() == id) {
                return action;
            }
        }
        ADD_FAILURE() << "no command " << id;
        return nullptr;
    }
};

TEST_F(KivoAppTest, AFirstStartAsksTheLanguageOnceWritesItsSettingsAtExitAndTheNextStartReadsThemBack) {
    {
        CKivoApp application;
        // Made after the program, so that it stands in for the program's broker.
        testsupport::ScriptedUiBroker broker;
        broker.AnswerMessageBox(IDYES);
        QString title;
        int modemBaud = 0;
        EXPECT_EQ(RunProgram(application,
                             [&] {
                                 title = application.GetMainWindow()->windowTitle();
                                 // The settings' modem speed, not the sessions' own default.
                                 modemBaud = application.Sessions().GetStoredBaud(kLinkModem);
                                 application.Registry().directPort = "ttyUSB7";
                                 application.AppInfo().networkConnectAddress = "127.0.0.1";
                                 // A session kept a new speed: the exit must not write the old one back.
                                 application.Sessions().StoreBaud(kLinkDirect, 9600);
                             }),
                  0);
        EXPECT_EQ(title, "KIVO 15");
        EXPECT_EQ(modemBaud, 14400);
        ASSERT_EQ(broker.Asked().size(), 1u);
        EXPECT_EQ(broker.Asked()[0].text, "Use English?");
    }
    EXPECT_NE(SettingsFileText().find("DirectPort=ttyUSB7"), std::string::npos);
    EXPECT_NE(SettingsFileText().find("DirectBaud=9600"), std::string::npos);
    const std::string info = testsupport::ReadWholeFile(UserDataFolder() / CAppIniInfo::kFileName);
    EXPECT_NE(info.find("127.0.0.1"), std::string::npos);

    CKivoApp application;
    // No question this time: an unexpected one fails the test.
    testsupport::ScriptedUiBroker broker;
    std::string port;
    std::string address;
    EXPECT_EQ(RunProgram(application,
                         [&] {
                             port = application.Registry().directPort;
                             address = application.AppInfo().networkConnectAddress;
                         }),
              0);
    EXPECT_EQ(port, "ttyUSB7");
    EXPECT_EQ(address, "127.0.0.1");
    EXPECT_TRUE(broker.Asked().empty());
}

TEST_F(KivoAppTest, TheRecentFilesOfTheSettingsAreInTheFileMenuAtStartAndStayThereAfterExit) {
    const QStringList files = {"/srv/data/a.kivo", "/srv/data/b.kivo", "/srv/setups/c.sut", "/srv/data/d.kivo"};
    {
        CKivoApp application;
        SetLanguage("EN");
        for (int i = 0; i < files.size(); ++i) {
            platform::OpenProgramSettings()->setValue(QString("Recent File List/File%1").arg(i + 1), files[i]);
        }
        testsupport::ScriptedUiBroker broker;
        QStringList shown;
        EXPECT_EQ(RunProgram(application,
                             [&] {
                                 const QMenu* file = OpenedMenu(application, "&File");
                                 for (unsigned id = ID_FILE_MRU_FILE1; id <= ID_FILE_MRU_FILE4; ++id) {
                                     if (const QAction* entry = ActionOf(file, id);
                                         entry != nullptr && entry->isVisible() && entry->isEnabled()) {
                                         shown << entry->text();
                                     }
                                 }
                             }),
                  0);
        EXPECT_EQ(shown, (QStringList{"&1 /srv/data/a.kivo", "&2 /srv/data/b.kivo", "&3 /srv/setups/c.sut",
                                      "&4 /srv/data/d.kivo"}));
    }
    for (int i = 0; i < files.size(); ++i) {
        EXPECT_EQ(platform::OpenProgramSettings()->value(QString("Recent File List/File%1").arg(i + 1)).toString(),
                  files[i]);
    }
}

TEST_F(KivoAppTest, TheStartUpCheckOptionShowsTheSettingTheCheckReadsAndItsChangeHoldsAtTheNextStart) {
    // The option as the Help menu shows it at start, and the start-up check's setting at the end, after
    // the option was ticked (`tick`) or left.
    const auto runTicking = [](bool tick) {
        CKivoApp application;
        SetLanguage("EN");
        testsupport::ScriptedUiBroker broker;
        bool shown = false;
        bool checkOn = false;
        EXPECT_EQ(RunProgram(application,
                             [&] {
                                 const QMenu* help = OpenedMenu(application, "&Help");
                                 QAction* option = ActionOf(help, ID_VERSION_CHECK_OPTION);
                                 ASSERT_NE(option, nullptr);
                                 ASSERT_TRUE(option->isEnabled());
                                 shown = option->isChecked();
                                 if (tick) {
                                     option->trigger();
                                     OpenedMenu(application, "&Help");
                                     EXPECT_NE(option->isChecked(), shown);
                                 }
                                 checkOn = application.VersionCheck().GetSchedule().enabled;
                             }),
                  0);
        return std::make_pair(shown, checkOn);
    };
    // "UpdateEnabled" is 1 when unset.
    EXPECT_EQ(runTicking(true), std::make_pair(true, false));
    EXPECT_NE(SettingsFileText().find("UpdateEnabled=0"), std::string::npos);
    EXPECT_EQ(runTicking(true), std::make_pair(false, true));
    EXPECT_NE(SettingsFileText().find("UpdateEnabled=1"), std::string::npos);
    EXPECT_EQ(runTicking(false), std::make_pair(true, true));
}

TEST_F(KivoAppTest, ADocumentNamedOnTheCommandLineOpensAtStartAndTheSwitchesBesideItHold) {
    testsupport::TempFolder folder;
    const auto site = folder / "site.kivo";
    datafiletest::WriteDataFile(site, datafiletest::OneValueSetup(0), datafiletest::TimedRecords(10));
    CKivoApp application(std::vector<std::string>{"NOPORTSEARCH", site.string()});
    SetLanguage("EN");
    testsupport::ScriptedUiBroker broker;
    std::vector<std::filesystem::path> open;
    EXPECT_EQ(RunProgram(application,
                         [&] {
                             for (const platform::DocTemplate* docTemplate :
                                  application.GetDocManager().Templates()) {
                                 for (const platform::Document* document : docTemplate->Documents()) {
                                     open.push_back(document->PathName());
                                 }
                             }
                         }),
              0);
    EXPECT_EQ(open, std::vector<std::filesystem::path>{site});
    EXPECT_TRUE(application.GetCommandLine().noPortSearch);
    EXPECT_TRUE(broker.Asked().empty());
}

TEST_F(KivoAppTest, PrintSetupOpensInEveryStateOnThePrinterEveryViewPrintsOn) {
    CKivoApp application;
    SetLanguage("EN");
    testsupport::ScriptedUiBroker broker;
    broker.AnswerDialog(platform::kPrinterSetupDialog, QDialog::Accepted);
    bool enabled = false;
    bool sharedPrinter = false;
    EXPECT_EQ(RunProgram(application,
                         [&] {
                             QAction* setup = ActionOf(OpenedMenu(application, "&File"), ID_FILE_PRINT_SETUP);
                             ASSERT_NE(setup, nullptr);
                             enabled = setup->isEnabled();
                             setup->trigger();
                             platform::View view;
                             sharedPrinter = &view.Printer() == &application.Printer();
                         }),
              0);
    EXPECT_TRUE(enabled);
    ASSERT_EQ(broker.Asked().size(), 1u);
    EXPECT_EQ(broker.Asked()[0].kind, platform::kPrinterSetupDialog);
    EXPECT_TRUE(sharedPrinter);
}

TEST_F(KivoAppTest, ExitWhileAnotherInstanceRunsBringsThatOneToTheFrontAndSavesNothing) {
    bool activated = false;
    COtherInstance other(COtherInstance::DefaultFolder("kivo32"), [&] { activated = true; });
    ASSERT_TRUE(other.Listen());
    {
        CKivoApp application;
        SetLanguage("EN");
        testsupport::ScriptedUiBroker broker;
        EXPECT_EQ(RunProgram(application, [&] { application.Registry().directPort = "ttyUSB7"; }), 0);
    }
    EXPECT_TRUE(testsupport::ProcessEventsUntil([&] { return activated; }));
    EXPECT_EQ(SettingsFileText().find("DirectPort"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(UserDataFolder() / CAppIniInfo::kFileName));
}

TEST_F(KivoAppTest, TemplatesAreFoundByIdInTheOrderOfTheDocumentKindsWhateverTheLanguage) {
    // In French the setup table's kind has a name of its own.
    CKivoApp application;
    SetLanguage("FR");
    testsupport::ScriptedUiBroker broker;
    std::vector<unsigned> order;
    std::string setupKind;
    EXPECT_EQ(RunProgram(application,
                         [&] {
                             for (const platform::DocTemplate* docTemplate :
                                  application.GetDocManager().Templates()) {
                                 order.push_back(docTemplate->Id());
                             }
                             platform::DocTemplate* setupTables =
                                 application.GetTemplate(kSetupTableTemplateId);
                             ASSERT_NE(setupTables, nullptr);
                             setupKind = setupTables->GetDocString(platform::DocTemplate::fileNewName);
                         }),
              0);
    EXPECT_EQ(order, (std::vector<unsigned>{kRawDataTemplateId, kRawDataGraphTemplateId,
                                            kLoggerListTemplateId, kSetupTableTemplateId,
                                            kLoadProfileTemplateId, kLoadProfileGraphTemplateId}));
    EXPECT_NE(setupKind, "Setup Table File");
}

TEST_F(KivoAppTest, TheFirstStartAsksForTheLanguageOnceAndLoadsItsTexts) {
    testsupport::ScriptedUiBroker broker;
    broker.AnswerMessageBox(IDNO);
    CKivoApp::ChooseLanguage();
    ASSERT_EQ(broker.Asked().size(), 1u);
    EXPECT_EQ(broker.Asked()[0].text, "Use English?");
    EXPECT_EQ(platform::OpenProgramSettings()->value("intl/Language").toString(), "FR");
    EXPECT_EQ(LoadText(9002), "Annuler");

    CKivoApp::ChooseLanguage();
    EXPECT_EQ(broker.Asked().size(), 1u);

    platform::OpenProgramSettings()->setValue("intl/Language", "DE");
    CKivoApp::ChooseLanguage();
    EXPECT_EQ(LoadText(9002), "Cancel");
}

TEST_F(KivoAppTest, EscapeAndTheCloseBoxLeaveTheLanguageQuestionOpen) {
    platform::QtUiBroker broker;
    platform::UiBroker* previous = platform::InstallUiBroker(&broker);
    testsupport::OnNextModal([](QWidget* modal) {
        QKeyEvent escape(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(modal, &escape);
        modal->close();
        EXPECT_TRUE(modal->isVisible());
        qobject_cast<QMessageBox*>(modal)->button(QMessageBox::Yes)->click();
    });
    CKivoApp::ChooseLanguage();
    platform::InstallUiBroker(previous);
    EXPECT_EQ(platform::OpenProgramSettings()->value("intl/Language").toString(), "EN");
}

TEST_F(KivoAppTest, TheProgramFolderIsWhereTheHelpFileIsFoundFirst) {
    testsupport::TempFolder root;
    const auto current = root / "work";
    const auto program = root / "prefix" / "bin";
    const auto installed = root / "prefix" / "share" / "kivo";
    for (const auto& folder : {current, program, installed}) {
        std::filesystem::create_directories(folder);
    }
    const auto helpIn = [](const std::filesystem::path& folder) {
        testsupport::WriteWholeFile(folder / CKivoApp::HelpFileName(), "%PDF");
    };
    // Nowhere: the installation's shared folder.
    EXPECT_EQ(CKivoApp::FindProgramFolder(current, program), installed);
    helpIn(program);
    EXPECT_EQ(CKivoApp::FindProgramFolder(current, program), program);
    helpIn(current);
    EXPECT_EQ(CKivoApp::FindProgramFolder(current, program), current);
}

TEST_F(KivoAppTest, TheProtocolFlagFollowsTheLoggerTypeAndWithoutALoggerTheLegacyDisplay) {
    CKivoApp application;
    const struct {
        int code;
        bool newProtocol;
    } cases[] = {{0, false}, {12, false}, {13, true}, {14, true}, {15, false}, {20, false}};
    for (const auto& each : cases) {
        EXPECT_EQ(application.UpdateProtocolFlag(each.code), each.newProtocol) << each.code;
        application.SetLoggerType(each.code);
        EXPECT_EQ(application.IsNewProtocol(), each.newProtocol) << each.code;
    }
    // No logger and no session: the legacy display shows the old protocol's features.
    application.AppInfo().showLegacyFeatures = 1;
    EXPECT_FALSE(application.UpdateProtocolFlag(kNoLogger));
    application.AppInfo().showLegacyFeatures = 0;
    EXPECT_TRUE(application.UpdateProtocolFlag(kNoLogger));
}

TEST_F(KivoAppTest, TheWaitCursorShowsForOneAndGoesForMinusOneAlsoWhenAskedFromAnotherThread) {
    CKivoApp application;
    ASSERT_EQ(QApplication::overrideCursor(), nullptr);
    // Codes out of range change nothing.
    application.DoWaitCursor(2);
    application.DoWaitCursor(-2);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);

    std::thread session([&application] { application.DoWaitCursor(1); });
    session.join();
    ASSERT_TRUE(testsupport::ProcessEventsUntil([] { return QApplication::overrideCursor() != nullptr; }));
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_TRUE(application.IsWaitCursorShown());
    // The session's notice that its command ended.
    platform::Message restore(WM_WAIT_CURSOR, static_cast<std::uintptr_t>(-1));
    EXPECT_TRUE(application.OnAppMessage(restore));
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(application.IsWaitCursorShown());
    // A second restore takes back no cursor the program did not set.
    QApplication::setOverrideCursor(Qt::CrossCursor);
    application.DoWaitCursor(-1);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    QApplication::restoreOverrideCursor();

    application.SetWaitCursorSuppressed(true);
    application.DoWaitCursor(1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(KivoAppTest, AHeldWaitCursorOutlastsTheSessionsChangesAndGoesWithTheHold) {
    CKivoApp application;
    // The firmware command's own cursor, then the hold while the logger installs its firmware.
    application.DoWaitCursor(1);
    application.HoldWaitCursor(true);
    // The end of the session's command comes during the hold and changes nothing.
    platform::Message restore(WM_WAIT_CURSOR, static_cast<std::uintptr_t>(-1));
    EXPECT_TRUE(application.OnAppMessage(restore));
    ASSERT_NE(QApplication::overrideCursor(), nullptr);
    EXPECT_EQ(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
    EXPECT_TRUE(application.IsWaitCursorShown());

    application.HoldWaitCursor(false);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
    EXPECT_FALSE(application.IsWaitCursorShown());
    // Changes count again.
    application.DoWaitCursor(1);
    EXPECT_NE(QApplication::overrideCursor(), nullptr);
    application.DoWaitCursor(-1);
    EXPECT_EQ(QApplication::overrideCursor(), nullptr);
}

TEST_F(KivoAppTest, TheMainWindowStaysOpenWhileTheSessionForbidsClosingIt) {
    CKivoApp application;
    SetLanguage("EN");
    testsupport::ScriptedUiBroker broker;
    bool closedWhileForbidden = true;
    EXPECT_EQ(RunProgram(application,
                         [&] {
                             // As the session asks it while it connects.
                             platform::Message forbid(WM_CLOSE_COMMAND, 0);
                             EXPECT_TRUE(application.OnAppMessage(forbid));
                             closedWhileForbidden = application.GetMainWindow()->close();
                             platform::Message allow(WM_CLOSE_COMMAND, 1);
                             EXPECT_TRUE(application.OnAppMessage(allow));
                         }),
              0);
    EXPECT_FALSE(closedWhileForbidden);
}

TEST_F(KivoAppTest, TheRunningProgramAnswersTheRequestsOfTheCodeWithoutWindows) {
    CKivoApp application;
    SetLanguage("EN");
    testsupport::ScriptedUiBroker broker;
    testsupport::RecordingDesktopServices desktop;
    // The timed notice is a box of its own, which the script stands in for.
    broker.AnswerDialog("CMsgBox", IDOK);
    int opened = 0;
    int notice = 0;
    EXPECT_EQ(RunProgram(application,
                         [&] {
                             OpenWithDesktopRequest open{.path = "/reports/Discontinuities.txt"};
                             opened = platform::FindDialogRunner<OpenWithDesktopRequest>()(open);
                             TimedNoticeRequest box{
                                 .caption = "KIVO", .text = "Setup programmed", .milliseconds = 1};
                             notice = platform::FindDialogRunner<TimedNoticeRequest>()(box);
                         }),
              0);
    EXPECT_EQ(opened, IDOK);
    EXPECT_EQ(desktop.Opened(), std::vector<std::string>{"/reports/Discontinuities.txt"});
    EXPECT_EQ(notice, IDOK);
    ASSERT_EQ(broker.Asked().size(), 1u);
    EXPECT_EQ(broker.Asked()[0].kind, "CMsgBox");
}

TEST_F(KivoAppTest, EveryRequestOfTheProgramsListIsAnswered) {
    CKivoApp application;
    SetLanguage("EN");
    testsupport::ScriptedUiBroker broker;
    std::vector<std::string_view> unanswered;
    int recovery = 0;
    EXPECT_EQ(
        RunProgram(application,
                   [&] {
                       KivoRequests::ForEach([&]<class Request>() {
                           if (!platform::FindDialogRunner<Request>()) {
                               unanswered.push_back(Request::kName);
                           }
                       });
                       // Asked along the broker, as a broken download asks it: its window answers.
                       broker.AnswerRequestByProgram<DataRecoveryRequest>();
                       testsupport::OnNextModal([](QWidget* window) {
                           platform::FindControlAs<QPushButton>(window, IDC_RECOVERY_TRY_AGAIN)->click();
                       });
                       recovery = AskDataRecovery(51, false);
                   }),
        0);
    EXPECT_TRUE(unanswered.empty()) << unanswered.front();
    EXPECT_EQ(recovery, kReadDataTryAgain);
}

TEST_F(KivoAppTest, OpenTraceFileBeforeAnyTraceLineSaysThereIsNoTraceFileYet) {
    CKivoApp application;
    SetLanguage("EN");
    testsupport::ScriptedUiBroker broker;
    testsupport::RecordingDesktopServices desktop;
    broker.AnswerMessageBox(IDOK);
    ASSERT_TRUE(ProgramTraceLog().Path().empty()) << "a line was traced before";
    EXPECT_EQ(RunProgram(application,
                         [&] { application.GetMainWindow()->RouteCommand(ID_TRACE_OPEN_FILE); }),
              0);
    EXPECT_TRUE(desktop.Opened().empty());
    ASSERT_FALSE(broker.Boxes().empty());
    EXPECT_EQ(broker.Boxes().back().ids.promptId, IDS_NO_TRACE_FILE_YET);
    EXPECT_EQ(desktop.Beeps(), 0);
}

TEST_F(KivoAppTest, ATraceFileNoViewerOpensIsNamedWithItsFullPath) {
    CKivoApp application;
    SetLanguage("EN");
    testsupport::ScriptedUiBroker broker;
    testsupport::RecordingDesktopServices desktop;
    desktop.SetAnswer(false);
    broker.AnswerMessageBox(IDOK);
    EXPECT_EQ(RunProgram(application,
                         [&] {
                             WriteTraceLine("%s", 1, "a line for the trace file");
                             application.GetMainWindow()->RouteCommand(ID_TRACE_OPEN_FILE);
                         }),
              0);
    const auto path = UserDataFolder() / "ODSLogFile.txt";
    ASSERT_EQ(desktop.Opened(), std::vector<std::string>{path.string()});
    ASSERT_FALSE(broker.Asked().empty());
    const std::string text = broker.Asked().back().text;
    EXPECT_EQ(text.rfind("The trace file was written to:", 0), 0u) << text;
    EXPECT_NE(text.find("\n    " + path.string() + "\n"), std::string::npos) << text;
    EXPECT_EQ(desktop.Beeps(), 0);
}

}  // namespace
