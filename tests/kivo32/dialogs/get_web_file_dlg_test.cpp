// The web file download dialog against the local HTTP server: a whole download, the firmware setting by
// file type, the path chosen by browsing, the progress text once a second, Cancel and the failures
// (a file cut short, no thread for the transfer).
#include "kivo32/dialogs/get_web_file_dlg.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <filesystem>
#include <optional>

#include "kivo32/controls/static_web_link.h"
#include "kivo32/dialogs/web_file_ids.h"
#include "kivo32/settings/registry_values.h"
#include "platform/base/job_thread.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/system_error_text.h"
#include "platform/base/window_messages.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_ids.h"
#include "shared/logger/download_ids.h"
#include "tests/support/local_http_server.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/manual_ui_clock.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/whole_file.h"

namespace {

using platform::FindControl;
using platform::FindControlAs;
using testsupport::HttpResponse;
using testsupport::TextResponse;

constexpr std::size_t kFileSize = 40000;

std::string Body() {
    std::string body(kFileSize, '\0');
    for (std::size_t i = 0; i < body.size(); ++i) {
        body[i] = static_cast<char>('0' + i % 43);
    }
    return body;
}

class GetWebFileDlgTest : public testing::Test {
protected:
    void SetUp() override { testsupport::EnsureQtApplication(); }

    QString StatusText(const CGetWebFileDlg& dialog) const {
        return FindControlAs<QPlainTextEdit>(&dialog, IDC_WEB_FILE_STATUS)->toPlainText();
    }
    static void Click(const QWidget* dialog, int id) { FindControlAs<QPushButton>(dialog, id)->click(); }
    std::vector<std::filesystem::path> Files() const {
        std::vector<std::filesystem::path> files;
        for (const auto& entry : std::filesystem::directory_iterator(folder_.path())) {
            files.push_back(entry.path().filename());
        }
        return files;
    }

    testsupport::LocalHttpServer server_;
    testsupport::TempFolder folder_;
    CRegistryValues registry_;
};

struct TypeCase {
    int fileType;
    bool setsFirmwareFile;
};

class GetWebFileDlgTypeTest : public GetWebFileDlgTest, public testing::WithParamInterface<TypeCase> {};

TEST_P(GetWebFileDlgTypeTest, DownloadsTheWholeFileAndOnlyFirmwareBecomesTheFirmwareFile) {
    server_.Serve("/files/NX401005.hex", TextResponse(200, Body()));
    const std::string path = (folder_ / "NX401005.hex").string();
    registry_.firmwareFile = "earlier.hex";
    CGetWebFileDlg dialog(registry_, path, server_.Url("/files/NX401005.hex"), kFileSize,
                          GetParam().fileType);

    testsupport::OnNextModal([&](QWidget* shown) {
        EXPECT_EQ(StatusText(dialog), "Click Start to begin the download.\n");
        const auto* link = FindControlAs<CStaticWebLink>(shown, IDC_WEB_FILE_ADDRESS);
        EXPECT_EQ(link->Link().Text(), server_.Url("/files/NX401005.hex"));
        EXPECT_EQ(link->text().toStdString(), server_.Url("/files/NX401005.hex").substr(7));
        EXPECT_EQ(FindControlAs<QPushButton>(shown, IDOK)->toolTip(),
                  "Download from the specified address and save as the specified name");
        Click(shown, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);

    EXPECT_EQ(testsupport::ReadWholeFile(path), Body());
    EXPECT_EQ(Files(), std::vector<std::filesystem::path>{"NX401005.hex"});
    EXPECT_EQ(dialog.GetLocalPath(), path);
    EXPECT_EQ(registry_.firmwareFile, GetParam().setsFirmwareFile ? path : "earlier.hex");
}

INSTANTIATE_TEST_SUITE_P(FileTypes, GetWebFileDlgTypeTest,
                         testing::Values(TypeCase{kWebFileFirmware, true}, TypeCase{kWebFileInstaller, false},
                                         TypeCase{kWebFileModuleMif, true},
                                         TypeCase{kWebFileUnknown, false}));

// The user picks another name before Start: the file goes there and that name is the firmware file.
TEST_F(GetWebFileDlgTest, BrowsingChangesWhereTheFileGoes) {
    server_.Serve("/NX401005.hex", TextResponse(200, Body()));
    testsupport::ScriptedUiBroker broker;
    broker.AnswerFileName(folder_ / "chosen.hex");
    CGetWebFileDlg dialog(registry_, (folder_ / "proposed.hex").string(), server_.Url("/NX401005.hex"), 0,
                          kWebFileFirmware);

    testsupport::OnNextModal([&](QWidget* shown) {
        Click(shown, IDC_WEB_FILE_BROWSE);
        Click(shown, IDOK);
    });
    EXPECT_EQ(dialog.DoModal(), IDOK);

    ASSERT_EQ(broker.Asked().size(), 1u);
    const platform::FileNameRequest request = broker.Asked()[0].fileRequest;
    EXPECT_FALSE(request.open);
    EXPECT_EQ(request.title, "Save Firmware Update File");
    ASSERT_EQ(request.filters.size(), 1u);
    EXPECT_EQ(request.filters[0].name, "Firmware Update File (*.hex)");
    EXPECT_EQ(request.filters[0].patterns, std::vector<std::string>{"*.hex"});
    EXPECT_EQ(request.defaultExtension, "hex");
    EXPECT_EQ(request.flags, OFN_OVERWRITEPROMPT | OFN_HIDEREADONLY | OFN_PATHMUSTEXIST | OFN_ENABLESIZING);
    EXPECT_EQ(Files(), std::vector<std::filesystem::path>{"chosen.hex"});
    EXPECT_EQ(registry_.firmwareFile, (folder_ / "chosen.hex").string());
}

// A path longer than the field takes is refused with a message, never cut to another name.
TEST_F(GetWebFileDlgTest, APathTooLongIsRefusedBeforeAnyRequest) {
    server_.Serve("/NX401005.hex", TextResponse(200, Body()));
    testsupport::ScriptedUiBroker broker(IDOK);
    const std::string path = (folder_ / (std::string(300, 'n') + ".hex")).string();
    CGetWebFileDlg dialog(registry_, path, server_.Url("/NX401005.hex"), 0, kWebFileFirmware);

    testsupport::OnNextModal([&](QWidget* shown) {
        Click(shown, IDOK);
        ASSERT_EQ(broker.Asked().size(), 1u);
        EXPECT_EQ(broker.Asked()[0].kind, "MessageBox");
        EXPECT_TRUE(FindControl(shown, IDOK)->isEnabled());
        Click(shown, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);

    EXPECT_TRUE(server_.Requests().empty());
    EXPECT_TRUE(Files().empty());
}

// The server announces the file and sends nothing more, so that the test tells the dialog of each block
// itself, at the times it chooses. Cancel then stops the transfer and nothing is left.
TEST_F(GetWebFileDlgTest, ProgressTextChangesOnceASecondAndCancelLeavesNoFile) {
    testsupport::ManualUiClock clock;
    HttpResponse stalled = TextResponse(200, Body());
    stalled.sendOnly = 0;
    stalled.stall = true;
    server_.Serve("/NX401005.hex", stalled);
    CGetWebFileDlg dialog(registry_, (folder_ / "NX401005.hex").string(), server_.Url("/NX401005.hex"), 0,
                          kWebFileFirmware);

    testsupport::OnNextModal([&](QWidget* shown) {
        auto* bar = FindControlAs<QProgressBar>(shown, IDC_WEB_FILE_PROGRESS);
        Click(shown, IDOK);
        // The server's length is the total; the bar counts its 16384-byte steps.
        ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return bar->maximum() == 2; }));
        EXPECT_FALSE(FindControl(shown, IDOK)->isEnabled());
        EXPECT_FALSE(FindControl(shown, IDC_WEB_FILE_PATH)->isEnabled());
        EXPECT_FALSE(FindControl(shown, IDC_WEB_FILE_BROWSE)->isEnabled());

        const auto block = [&](std::uintptr_t bytesDone) {
            dialog.Target()->PostMessage(platform::Message{WM_HTTP_DOWNLOAD_BLOCK, bytesDone});
            testsupport::ProcessEventsFor(20);
        };
        block(8000);
        EXPECT_EQ(StatusText(dialog), " 20% complete (7K / 39K bytes)\n\n");
        block(12000);  // the same second: the text stays
        EXPECT_EQ(StatusText(dialog), " 20% complete (7K / 39K bytes)\n\n");
        clock.Advance(4000);
        block(20000);
        EXPECT_EQ(StatusText(dialog), " 50% complete (19K / 39K bytes)\n 4 seconds remaining\n");
        EXPECT_EQ(bar->value(), 2);
        EXPECT_EQ(Files().size(), 1u);  // the file being written, under its temporary name

        Click(shown, IDCANCEL);
    });
    EXPECT_EQ(dialog.DoModal(), IDCANCEL);

    EXPECT_TRUE(Files().empty());
    EXPECT_EQ(registry_.firmwareFile, "");
}

TEST_F(GetWebFileDlgTest, AFileCutShortOrATransferWithoutAThreadFailsWithItsReason) {
    HttpResponse cutShort = TextResponse(200, Body());
    cutShort.sendOnly = kFileSize / 2;
    server_.Serve("/NX401005.hex", cutShort);
    const struct {
        const char* name;
        bool threadRefused;
    } cases[] = {{"cut short", false}, {"no thread", true}};
    for (const auto& entry : cases) {
        SCOPED_TRACE(entry.name);
        std::optional<platform::FailedJobStarts> refused;
        if (entry.threadRefused) {
            refused.emplace(std::errc::resource_unavailable_try_again);
        }
        testsupport::ScriptedUiBroker broker(IDOK);
        CGetWebFileDlg dialog(registry_, (folder_ / "NX401005.hex").string(), server_.Url("/NX401005.hex"),
                              kFileSize, kWebFileFirmware);

        testsupport::OnNextModal([&](QWidget* shown) { Click(shown, IDOK); });
        EXPECT_EQ(dialog.DoModal(), IDCANCEL);

        ASSERT_EQ(broker.Boxes().size(), 1u);
        EXPECT_EQ(broker.Boxes()[0].ids.promptId, IDS_DOWNLOAD_FAILED);
        const QString status = StatusText(dialog);
        EXPECT_FALSE(status.trimmed().isEmpty());
        EXPECT_FALSE(status.startsWith("Click Start"));
        if (entry.threadRefused) {
            EXPECT_EQ(status.trimmed(), platform::ToQString(SystemErrorText(EAGAIN)));
        }
        EXPECT_TRUE(Files().empty());
        EXPECT_EQ(registry_.firmwareFile, "");
    }
}

TEST(ShortenedAddressTest, LongAddressesKeepTheirStartAndLastPart) {
    const std::string start = "downloads.example.com/";
    const std::string name = "/NX401005.hex";
    // 100 characters with "http://": 93 of them shown shortened to 76.
    const std::string rest = start + std::string(80 - start.size(), 'a') + name;
    ASSERT_EQ(("http://" + rest).size(), 100u);
    EXPECT_EQ(ShortenedAddress("http://" + rest), start + std::string(38, 'a') + "..." + name);

    const std::string fits(73, 'b');
    EXPECT_EQ(ShortenedAddress("http://" + fits), fits);
    EXPECT_EQ(ShortenedAddress("https://host/NX401005.hex"), "https://host/NX401005.hex");
    // A "\" is preferred to a later "/".
    const std::string backslashed = "host/" + std::string(40, 'c') + "\\dir" + std::string(30, 'd') + "/file";
    EXPECT_EQ(ShortenedAddress(backslashed),
              "host/" + std::string(29, 'c') + "...\\dir" + std::string(30, 'd') + "/file");
    // A last part longer than the room keeps no start.
    const std::string longName = "host/" + std::string(80, 'e');
    EXPECT_EQ(ShortenedAddress(longName), ".../" + std::string(80, 'e'));
}

}  // namespace
