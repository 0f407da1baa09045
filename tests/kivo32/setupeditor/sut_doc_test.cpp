// The setup-table document: new from the logger, the model list or a logger's setup; saved, reopened
// and refused with the system's messages; the save check and the question before closing.
#include <gtest/gtest.h>

#include <fstream>
#include <iterator>

#include "kivo32/setupeditor/setupeditor_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/window_messages.h"
#include "platform/ui/ui_ids.h"
#include "shared/setup/setup_table_file.h"
#include "tests/kivo32/setupeditor/setup_document_fixture.h"

namespace {

using setupeditortest::SetupDocumentTest;

std::string FileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

TEST_F(SetupDocumentTest, NewDocumentsOfEachModelFamilyAreSavedAtTheirSizeAndReopened) {
    struct Case {
        int model;
        std::uintmax_t size;
    };
    for (const Case& c : {Case{4, 1762}, Case{13, 1854}, Case{14, 2026}}) {
        SCOPED_TRACE(c.model);
        context_.SetLoggerType(c.model);
        CSUTDoc* document = NewDocument();
        ASSERT_NE(document, nullptr);
        EXPECT_TRUE(document->IsModified());
        EXPECT_EQ(document->GetSetupTable().GetModelCode(), c.model);
        EXPECT_EQ(document->GetFileHeader().GetKind(), CFileHeader::kKindSetupTable);
        EXPECT_EQ(document->GetFileHeader().GetVersion(), CSUTDoc::kNewDocumentVersion);
        document->GetSetupTable().GetHeader().SetHeaderText("Substation");
        document->GetSetupTable().GetHardwareChannel(0).SetType(kChannelPower);
        document->GetSetupTable().GetHardwareChannel(0).SetVHi('N');
        // The form writes the table on save: it shows the edited table first.
        document->UpdateAllViews(nullptr);

        const auto path = folder_ / ("model" + std::to_string(c.model) + ".sut");
        broker_.AnswerFileName(path);
        ASSERT_TRUE(document->OnCommand(ID_FILE_SAVE));
        EXPECT_EQ(std::filesystem::file_size(path), c.size);
        EXPECT_FALSE(document->IsModified());
        EXPECT_EQ(document->GetFileHeader().GetVersion(), kSetupFileVersion);
        EXPECT_EQ(document->Title(), path.filename().string());
        ASSERT_TRUE(CloseFrameOf(document));

        CSUTDoc* reopened = Open(path);
        ASSERT_NE(reopened, nullptr);
        EXPECT_FALSE(reopened->IsModified());
        EXPECT_EQ(reopened->GetSetupTable().GetModelCode(), c.model);
        EXPECT_EQ(reopened->GetSetupTable().GetHeader().GetHeaderText(), "Substation");
        EXPECT_EQ(reopened->GetFileHeader().GetVersion(), kSetupFileVersion);
        ASSERT_TRUE(CloseFrameOf(reopened));
    }
    // Only the file dialogs were asked: no question and no failure.
    for (const auto& asked : broker_.Asked()) {
        EXPECT_EQ(asked.kind, "PromptFileName");
    }
}

TEST_F(SetupDocumentTest, WithoutARecognisedLoggerTheModelComesFromTheListAndCancelMakesNoDocument) {
    context_.SetLoggerType(255);
    broker_.AnswerDialog("CGetSUTTypeDlg", CSUTDoc::kNoModelChosen);
    EXPECT_EQ(NewDocument(), nullptr);
    EXPECT_EQ(documents_.DocumentCount(), 0u);

    broker_.AnswerDialog("CGetSUTTypeDlg", 13);
    CSUTDoc* document = NewDocument();
    ASSERT_NE(document, nullptr);
    const CSetupTable& table = document->GetSetupTable();
    EXPECT_EQ(table.GetModelCode(), 13);
    EXPECT_EQ(table.GetHeader().GetFirmwareVersion(), 0);
    EXPECT_EQ(table.GetExtendedData().GetStartTime(), 0u);
    EXPECT_EQ(table.GetExtendedData().GetStopTime(), 0u);
    EXPECT_EQ(table.GetExtendedData().GetTimeBlockByte2(), 0);
    EXPECT_TRUE(document->IsModified());
    ASSERT_EQ(broker_.Asked().size(), 2u);
}

TEST_F(SetupDocumentTest, ANewDocumentTakesOverTheSetupReadFromALoggerWithItsFirmwareVersionUnchanged) {
    struct Case {
        int model;
        std::uint16_t firmware;
        int firmwareLevel;
    };
    for (const Case& c : {Case{13, 215, 1}, Case{3, 140, -2}, Case{0, 0, -1}}) {
        SCOPED_TRACE(c.model);
        auto read = std::make_unique<CSetupTable>();
        read->GetHeader().SetModelCode(static_cast<std::uint8_t>(c.model));
        read->GetHeader().SetHeaderText("From logger");
        read->GetExtendedData().SetStartTime(1'700'000'000);
        read->GetExtendedData().SetStopTime(1'700'086'400);
        context_.SetLoggerType(c.model);
        CSUTDoc::SetLoggerSetup(std::move(read), c.firmware);

        CSUTDoc* document = NewDocument();
        ASSERT_NE(document, nullptr);
        EXPECT_FALSE(CSUTDoc::HasLoggerSetup());
        const CSetupTable& table = document->GetSetupTable();
        EXPECT_EQ(table.GetHeader().GetHeaderText(), "From logger");
        EXPECT_EQ(table.GetHeader().GetFirmwareVersion(), c.firmware);
        EXPECT_EQ(table.GetExtendedData().GetStartTime(), 1'700'000'000u);
        EXPECT_EQ(table.GetExtendedData().GetStopTime(), 1'700'086'400u);
        // The logger's time-block byte stays; a new empty document would have 0.
        EXPECT_EQ(table.GetExtendedData().GetTimeBlockByte2(), CSUTExtendedData().GetTimeBlockByte2());
        // Format version 0 until saved, so the editor checks the logger's firmware.
        EXPECT_EQ(document->GetFileHeader().GetVersion(), 0);
        auto* view = dynamic_cast<CSetupTableView*>(document->Views().front());
        ASSERT_NE(view, nullptr);
        EXPECT_EQ(view->GetFirmwareLevel(), c.firmwareLevel);
        // Unchanged until the user edits it: closing asks nothing.
        EXPECT_FALSE(document->IsModified());
        EXPECT_TRUE(document->SaveModified());
    }
    EXPECT_TRUE(broker_.Asked().empty());
}

TEST_F(SetupDocumentTest, FilesOfAnotherKindNewerVersionsAndMissingFilesAreRefusedWithTheirMessages) {
    const auto dataFile = folder_ / "data.sut";
    const auto newer = folder_ / "newer.sut";
    std::ofstream(dataFile, std::ios::binary) << std::string("\x32\x01\x04\x00", 4) << std::string(100, '\0');
    std::ofstream(newer, std::ios::binary) << std::string("\x97\x01\x01\x00", 4) << std::string(100, '\0');
    broker_.AnswerMessageBox(IDOK);
    broker_.AnswerMessageBox(IDOK);
    broker_.AnswerMessageBox(IDOK);
    EXPECT_EQ(Open(dataFile), nullptr);
    EXPECT_EQ(Open(newer), nullptr);
    EXPECT_EQ(Open(folder_ / "missing.sut"), nullptr);
    EXPECT_EQ(documents_.DocumentCount(), 0u);

    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 3u);
    EXPECT_EQ(asked[0].text, "The file " + dataFile.string() + " is not a setup table file.");
    EXPECT_EQ(asked[1].text, "The file being read is from a newer version of KIVO and cannot be opened.");
    EXPECT_EQ(asked[2].text.rfind("The document could not be opened.", 0), 0u);
    EXPECT_NE(asked[2].text.find("missing.sut"), std::string::npos);
}

TEST_F(SetupDocumentTest, AFailedReadKeepsTheDocumentsTable) {
    context_.SetLoggerType(14);
    CSUTDoc* document = NewDocument();
    ASSERT_NE(document, nullptr);
    document->GetSetupTable().GetHeader().SetHeaderText("Unsaved");
    const auto path = folder_ / "short.sut";
    std::ofstream(path, std::ios::binary) << std::string("\x95\x01\x01\x00", 4) << std::string(500, '\x01');
    broker_.AnswerMessageBox(IDOK);
    EXPECT_FALSE(document->ReadSetupFile(path));
    EXPECT_EQ(document->GetSetupTable().GetHeader().GetHeaderText(), "Unsaved");
    EXPECT_EQ(document->GetSetupTable().GetModelCode(), 14);
    EXPECT_EQ(document->GetFileHeader().GetVersion(), CSUTDoc::kNewDocumentVersion);
}

TEST_F(SetupDocumentTest, ASetupWithoutAHardwareChannelIsSavedOnlyWhenTheUserAgrees) {
    context_.SetLoggerType(0);
    CSUTDoc* document = NewDocument();
    ASSERT_NE(document, nullptr);
    const auto path = folder_ / "empty.sut";
    std::ofstream(path, std::ios::binary) << "old";
    document->SetPathName(path, false);

    broker_.AnswerMessageBox(IDNO);
    document->OnCommand(ID_FILE_SAVE);
    EXPECT_EQ(FileText(path), "old");
    EXPECT_TRUE(document->IsModified());

    broker_.AnswerMessageBox(IDYES);
    document->OnCommand(ID_FILE_SAVE);
    EXPECT_EQ(std::filesystem::file_size(path), 1762u);
    EXPECT_FALSE(document->IsModified());

    // An unchanged document is not saved again, so nothing is asked.
    document->OnCommand(ID_FILE_SAVE);
    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, "No channel of this setup table is in use. Save it anyway?");
    EXPECT_EQ(asked[0].style, MB_YESNO | MB_ICONQUESTION);
}

TEST_F(SetupDocumentTest, TheQuestionBeforeClosingNamesTheDocumentAndEachAnswerDoesWhatItSays) {
    context_.SetLoggerType(13);
    CSUTDoc* document = NewDocument();
    ASSERT_NE(document, nullptr);
    document->GetSetupTable().GetHardwareChannel(1).SetType(kChannelPower);
    document->GetSetupTable().GetHardwareChannel(1).SetVHi('N');
    document->UpdateAllViews(nullptr);

    broker_.AnswerMessageBox(IDCANCEL);
    EXPECT_FALSE(CloseFrameOf(document));
    EXPECT_EQ(documents_.DocumentCount(), 1u);

    const auto path = folder_ / "kept.sut";
    broker_.AnswerMessageBox(IDYES);
    broker_.AnswerFileName(path);
    EXPECT_TRUE(CloseFrameOf(document));
    EXPECT_EQ(std::filesystem::file_size(path), 1854u);
    EXPECT_EQ(documents_.DocumentCount(), 0u);

    CSUTDoc* reopened = Open(path);
    ASSERT_NE(reopened, nullptr);
    reopened->SetModifiedFlag();
    broker_.AnswerMessageBox(IDNO);
    EXPECT_TRUE(CloseFrameOf(reopened));
    EXPECT_EQ(documents_.DocumentCount(), 0u);

    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 4u);
    EXPECT_EQ(asked[0].text, "Save the changes to the setup table Setup1?");
    EXPECT_EQ(asked[0].style & MB_TYPEMASK, MB_YESNOCANCEL);
    EXPECT_EQ(asked[3].text, "Save the changes to the setup table kept.sut?");
}

// A setup view whose form check fails, and a frame that keeps the commands posted to it.
class RefusingView : public CSetupTableView {
public:
    bool ValidateSetup(bool, bool) override { return false; }
};

class RecordingFrame : public platform::ChildFrame {
public:
    std::vector<std::uintptr_t> commands;
    void OnMessage(platform::Message& message) override {
        if (message.id == WM_COMMAND) {
            commands.push_back(message.wParam);
        }
    }
};

class FailingCheckTest : public SetupDocumentTest {
protected:
    platform::ChildFrame* MakeFrame() override { return new RecordingFrame; }
    platform::View* MakeView() override { return new RefusingView; }
};

TEST_F(FailingCheckTest, AFailedWiringCheckStopsEverySaveAndSendsItsCommandToTheFrame) {
    context_.SetLoggerType(0);
    CSUTDoc* document = NewDocument();
    ASSERT_NE(document, nullptr);
    document->GetSetupTable().GetHardwareChannel(0).SetType(kChannelPower);
    const auto path = folder_ / "never.sut";
    document->SetPathName(path, false);

    document->OnCommand(ID_FILE_SAVE);
    document->OnCommand(ID_FILE_SAVE_AS);
    broker_.AnswerMessageBox(IDYES);
    EXPECT_FALSE(document->SaveModified());
    QApplication::sendPostedEvents();

    EXPECT_FALSE(std::filesystem::exists(path));
    EXPECT_TRUE(document->IsModified());
    auto* frame = static_cast<RecordingFrame*>(document->Frames().front());
    EXPECT_EQ(frame->commands, (std::vector<std::uintptr_t>(3, ID_SETUP_WIRING_FAILED)));
}

}  // namespace
