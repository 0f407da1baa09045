// The helpers that show a window: the program's PDF help, folder copies with a report, window images.
#include "platform/ui/shell_helpers.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <fstream>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/resource_texts.h"
#include "platform/ui/ui_ids.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/ui/recording_desktop_services.h"

namespace {

class ShellHelpersTest : public testing::Test {
protected:
    void SetUp() override { testsupport::EnsureQtApplication(); }

    testsupport::TempFolder folder_;
    testsupport::ScriptedUiBroker broker_;
    testsupport::RecordingDesktopServices desktop_;
};

TEST_F(ShellHelpersTest, TheProgramPdfOpensWithTheDesktopOrTellsWhyNot) {
    std::ofstream(folder_ / "KIVO 15 Help.pdf") << "%PDF-1.4";
    OpenProgramPdf(folder_.path(), "KIVO 15 Help.pdf");
    ASSERT_EQ(desktop_.Opened().size(), 1u);
    EXPECT_EQ(desktop_.Opened()[0], (folder_ / "KIVO 15 Help.pdf").string());
    EXPECT_TRUE(broker_.Asked().empty());

    // A missing file: the failure text, the path and "not found", each a text of the program's language.
    broker_.AnswerMessageBox(IDOK);
    OpenProgramPdf(folder_.path(), "Missing.pdf");
    EXPECT_EQ(desktop_.Opened().size(), 1u);
    auto asked = broker_.Asked().back();
    EXPECT_EQ(asked.text, LoadText(IDS_PDF_OPEN_FAILED) + ":\n\n    " + (folder_ / "Missing.pdf").string() +
                              ".\n\n" + "The file was not found.");
    EXPECT_EQ(asked.caption, LoadText(IDS_PDF_OPEN_CAPTION));
    EXPECT_EQ(asked.style, MB_OK | MB_ICONEXCLAMATION);

    // Nothing opens PDF files: the reader text and where to find one.
    desktop_.SetAnswer(false);
    broker_.AnswerMessageBox(IDOK);
    OpenProgramPdf(folder_.path(), "KIVO 15 Help.pdf");
    asked = broker_.Asked().back();
    EXPECT_EQ(asked.text.rfind(LoadText(IDS_PDF_READER_MISSING) + ":\n\n    http", 0), 0u) << asked.text;
}

TEST_F(ShellHelpersTest, ThePdfMessagesAreToldWhollyInFrenchWithTheSpaceBeforeTheColon) {
    ASSERT_TRUE(platform::LoadResourceLibrary(platform::kFrenchResources));
    broker_.AnswerMessageBox(IDOK);
    OpenProgramPdf(folder_.path(), "Missing.pdf");
    const std::string missing = broker_.Asked().back().text;
    desktop_.SetAnswer(false);
    broker_.AnswerMessageBox(IDOK);
    std::ofstream(folder_ / "Aide.pdf") << "%PDF-1.4";
    OpenProgramPdf(folder_.path(), "Aide.pdf");
    const std::string noReader = broker_.Asked().back().text;
    platform::LoadResourceLibrary(platform::kEnglishResources);
    EXPECT_EQ(missing.rfind("Le fichier d'aide", 0), 0u) << missing;
    EXPECT_TRUE(missing.ends_with("\n\nLe fichier est introuvable.")) << missing;
    // The program puts the colon after the text; French sets a space before it.
    for (const std::string& text : {missing, noReader}) {
        EXPECT_NE(text.find(" :\n\n    "), std::string::npos) << text;
    }
}

TEST_F(ShellHelpersTest, CopyFolderWithReportCopiesWholeFoldersOrReportsTheError) {
    const auto source = folder_ / "Setups";
    std::filesystem::create_directories(source / "Default");
    std::ofstream(source / "Default" / "a.sut") << "setup";
    const auto target = folder_ / "user";
    EXPECT_TRUE(CopyFolderWithReport({source}, target));
    EXPECT_TRUE(std::filesystem::is_regular_file(target / "Setups" / "Default" / "a.sut"));
    EXPECT_TRUE(broker_.Asked().empty());

    broker_.AnswerMessageBox(IDOK);
    EXPECT_FALSE(CopyFolderWithReport({folder_ / "Nowhere"}, target));
    const std::string text = broker_.Asked().back().text;
    EXPECT_EQ(text.rfind("Error 0x02: ", 0), 0u) << text;
    EXPECT_NE(text.find("\r\n" + (folder_ / "Nowhere").string()), std::string::npos) << text;
}

TEST_F(ShellHelpersTest, AWindowImageGoesToTheClipboard) {
    QWidget window;
    window.resize(120, 80);
    window.show();
    EXPECT_EQ(CopyWindowToClipboard(&window), 1);
    EXPECT_EQ(QApplication::clipboard()->image().size(), QSize(120, 80));
}

}  // namespace
