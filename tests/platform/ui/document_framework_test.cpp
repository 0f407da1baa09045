// Documents, views, frames, templates and the document manager working together: new, modify, save,
// reopen, close with the save prompt, several views, the recent-file list, finding by path and files
// dropped on the main window.
#include <gtest/gtest.h>

#include <QApplication>
#include <QDropEvent>
#include <QMdiArea>
#include <QMimeData>
#include <QPointer>
#include <QShortcut>
#include <fstream>
#include <functional>
#include <memory>
#include <sstream>

#include "platform/base/binary_file.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/command_state.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/doc_template.h"
#include "platform/ui/document.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/resource_texts.h"
#include "platform/ui/ui_ids.h"
#include "platform/ui/view.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using platform::Document;
using testsupport::ScriptedUiBroker;

constexpr unsigned kNoteTemplate = 9990;

// A document of one line of text; a save can be made to fail half-way.
class NoteDocument : public Document {
public:
    std::string text;
    bool fail_next_save = false;

    void DeleteContents() override { text.clear(); }
    void Serialize(platform::BinaryFile& file, bool storing) override {
        if (!storing) {
            text.resize(static_cast<std::size_t>(file.Length()));
            file.ReadExact(text.data(), text.size());
            return;
        }
        file.Write(text.data(), text.size() / 2);
        if (fail_next_save) {
            fail_next_save = false;
            throw CPSTFileException(CPSTFileException::diskFull, 28, file.Path());
        }
        file.Write(text.data() + text.size() / 2, text.size() - text.size() / 2);
    }
};

std::string FileText(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream content;
    content << file.rdbuf();
    return content.str();
}

void WriteFile(const std::filesystem::path& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
}

class DocumentFrameworkTest : public testing::Test {
protected:
    void SetUp() override {
        testsupport::EnsureQtApplication();
        platform::TextTable texts = platform::EnglishTexts();
        texts.Set(kNoteTemplate, "\nNote\nNote File\nNote Files (*.note)\n.note");
        SetProgramTexts(std::move(texts));
        main_ = std::make_unique<platform::MainFrame>(&documents_);
        main_->show();
        documents_.AddDocTemplate(std::make_unique<platform::DocTemplate>(
            kNoteTemplate, [] { return std::make_unique<NoteDocument>(); },
            [] { return new platform::ChildFrame; }, [] { return new platform::View; }));
    }

    void TearDown() override {
        main_.reset();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        SetProgramTexts(platform::EnglishTexts());
    }

    NoteDocument* Only() {
        auto documents = documents_.Templates().front()->Documents();
        return documents.size() == 1 ? static_cast<NoteDocument*>(documents.front()) : nullptr;
    }

    // Closes the document's frame as the user would; true when it closed.
    bool CloseFrameOf(Document* document) {
        const bool closed = document->Frames().front()->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        return closed;
    }

    testsupport::TempFolder folder_;
    ScriptedUiBroker broker_;
    platform::DocManager documents_;
    std::unique_ptr<platform::MainFrame> main_;
};

TEST_F(DocumentFrameworkTest, ANewDocumentIsSavedThroughThePromptsReopenedAndFoundByItsPath) {
    documents_.OnFileNew();
    NoteDocument* note = Only();
    ASSERT_NE(note, nullptr);
    EXPECT_EQ(note->Title(), "Note1");
    EXPECT_FALSE(note->IsModified());
    ASSERT_EQ(main_->MdiArea()->subWindowList().size(), 1);
    EXPECT_EQ(main_->MdiArea()->subWindowList().front()->windowTitle(), "Note1");

    note->text = "first line";
    note->SetModifiedFlag();
    const auto path = folder_ / "first.note";
    broker_.AnswerMessageBox(IDYES);
    broker_.AnswerFileName(path);
    ASSERT_TRUE(CloseFrameOf(note));

    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 2u);
    EXPECT_EQ(asked[0].text, "Save changes to Note1?");
    EXPECT_EQ(asked[0].style & MB_TYPEMASK, MB_YESNOCANCEL);
    EXPECT_EQ(asked[1].fileRequest.open, false);
    EXPECT_EQ(asked[1].fileRequest.fileName, "Note1.note");
    EXPECT_EQ(asked[1].fileRequest.defaultExtension, "note");
    EXPECT_EQ(FileText(path), "first line");
    EXPECT_EQ(documents_.DocumentCount(), 0u);
    EXPECT_TRUE(main_->MdiArea()->subWindowList().isEmpty());
    ASSERT_EQ(documents_.RecentFiles().Entries().size(), 1u);
    EXPECT_EQ(documents_.RecentFiles().Entries().front(), path);

    Document* reopened = documents_.OpenDocumentFile(path);
    ASSERT_NE(reopened, nullptr);
    EXPECT_EQ(static_cast<NoteDocument*>(reopened)->text, "first line");
    EXPECT_EQ(reopened->Title(), "first.note");
    EXPECT_FALSE(reopened->IsModified());
    // The same file, however written, is the open document.
    const auto roundabout = folder_.path() / "sub" / ".." / "first.note";
    EXPECT_EQ(documents_.FindDocumentByPath(roundabout), reopened);
    EXPECT_EQ(documents_.OpenDocumentFile(roundabout), reopened);
    EXPECT_EQ(documents_.DocumentCount(), 1u);
    EXPECT_EQ(documents_.FindDocumentByPath(folder_ / "other.note"), nullptr);

    // Unmodified, it closes without a question.
    ASSERT_TRUE(CloseFrameOf(reopened));
    EXPECT_EQ(broker_.Asked().size(), 2u);
    EXPECT_EQ(documents_.DocumentCount(), 0u);
}

TEST_F(DocumentFrameworkTest, CancelKeepsAModifiedDocumentOpenAndNoClosesItWithoutSaving) {
    const auto path = folder_ / "kept.note";
    WriteFile(path, "old");
    NoteDocument* note = static_cast<NoteDocument*>(documents_.OpenDocumentFile(path));
    ASSERT_NE(note, nullptr);
    note->text = "new";
    note->SetModifiedFlag();

    broker_.AnswerMessageBox(IDCANCEL);
    EXPECT_FALSE(CloseFrameOf(note));
    EXPECT_EQ(Only(), note);
    EXPECT_EQ(broker_.Asked().back().text, "Save changes to kept.note?");

    // The main window asks the same, and Cancel keeps it open too.
    broker_.AnswerMessageBox(IDCANCEL);
    EXPECT_FALSE(main_->close());
    EXPECT_TRUE(main_->isVisible());

    broker_.AnswerMessageBox(IDNO);
    EXPECT_TRUE(CloseFrameOf(note));
    EXPECT_EQ(documents_.DocumentCount(), 0u);
    EXPECT_EQ(FileText(path), "old");
}

TEST_F(DocumentFrameworkTest, AFailedSaveKeepsTheOldFileWholeAndTheDocumentModified) {
    const auto path = folder_ / "safe.note";
    WriteFile(path, "the saved text");
    NoteDocument* note = static_cast<NoteDocument*>(documents_.OpenDocumentFile(path));
    ASSERT_NE(note, nullptr);
    note->text = "a longer text that never reaches the disk";
    note->SetModifiedFlag();
    note->fail_next_save = true;

    broker_.AnswerMessageBox(IDOK);
    EXPECT_TRUE(main_->RouteCommand(ID_FILE_SAVE));
    EXPECT_EQ(FileText(path), "the saved text");
    EXPECT_TRUE(note->IsModified());
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(folder_.path()), {}), 1);
    const auto report = broker_.Asked().back();
    EXPECT_NE(report.text.find(LoadText(AFX_IDP_FAILED_TO_SAVE_DOC)), std::string::npos);
    EXPECT_NE(report.text.find("safe.note"), std::string::npos);

    EXPECT_TRUE(main_->RouteCommand(ID_FILE_SAVE));
    EXPECT_EQ(FileText(path), note->text);
    EXPECT_FALSE(note->IsModified());
}

TEST_F(DocumentFrameworkTest, AFileThatCannotBeOpenedLeavesNoDocumentAndIsReported) {
    broker_.AnswerMessageBox(IDOK);
    EXPECT_EQ(documents_.OpenDocumentFile(folder_ / "missing.note"), nullptr);
    EXPECT_EQ(documents_.DocumentCount(), 0u);
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(main_->MdiArea()->subWindowList().isEmpty());
    EXPECT_TRUE(documents_.RecentFiles().Entries().empty());
    const auto report = broker_.Asked().back().text;
    EXPECT_EQ(report.rfind(LoadText(AFX_IDP_FAILED_TO_OPEN_DOC), 0), 0u);
    EXPECT_NE(report.find("missing.note"), std::string::npos);
}

// A view whose first update runs `during` (as a long load's event loop may run anything).
class UpdateHookView : public platform::View {
public:
    explicit UpdateHookView(std::function<void()> during) : during_(std::move(during)) {}
    void OnInitialUpdate() override { during_(); }

private:
    std::function<void()> during_;
};

TEST_F(DocumentFrameworkTest, AFrameClosedDuringItsFirstUpdateIsNotShownAgain) {
    const struct {
        const char* name;
        bool closeDocument;  // else only the new frame
    } cases[] = {{"the frame", false}, {"the document", true}};
    for (const auto& test : cases) {
        documents_.OnFileNew();
        NoteDocument* note = Only();
        QPointer<platform::ChildFrame> frame = new platform::ChildFrame;
        auto* view = new UpdateHookView([&] {
            if (test.closeDocument) {
                note->OnCloseDocument();
            } else {
                frame->close();
            }
        });
        view->AttachDocument(note);
        frame->SetView(view);
        main_->AddChild(frame);
        note->Template()->InitialUpdateFrame(frame, note);
        ASSERT_NE(frame, nullptr) << test.name;
        EXPECT_TRUE(frame->IsClosing()) << test.name;
        EXPECT_FALSE(frame->isVisible()) << test.name;
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        EXPECT_EQ(frame, nullptr) << test.name;
        if (!test.closeDocument) {
            EXPECT_EQ(note->Views().size(), 1u);
            EXPECT_TRUE(CloseFrameOf(note));
        }
        EXPECT_EQ(documents_.DocumentCount(), 0u) << test.name;
    }
}

TEST_F(DocumentFrameworkTest, OnlyTheLastOfSeveralFramesAsksBeforeTheDocumentCloses) {
    documents_.OnFileNew();
    NoteDocument* note = Only();
    platform::DocTemplate* docTemplate = note->Template();
    platform::ChildFrame* second = docTemplate->CreateNewFrame(note);
    docTemplate->InitialUpdateFrame(second, note);
    EXPECT_EQ(note->Views().size(), 2u);
    EXPECT_EQ(note->Frames().front()->windowTitle(), "Note1:1");
    EXPECT_EQ(second->windowTitle(), "Note1:2");
    note->SetModifiedFlag();

    EXPECT_TRUE(second->close());
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(broker_.Asked().empty());
    ASSERT_EQ(note->Views().size(), 1u);
    EXPECT_EQ(note->Frames().front()->windowTitle(), "Note1");

    broker_.AnswerMessageBox(IDNO);
    EXPECT_TRUE(CloseFrameOf(note));
    EXPECT_EQ(broker_.Asked().size(), 1u);
    EXPECT_EQ(documents_.DocumentCount(), 0u);
}

TEST_F(DocumentFrameworkTest, TheRecentFileListKeepsTheFourNewestFilesAndAFailedEntryLeavesIt) {
    std::vector<std::filesystem::path> paths;
    for (int i = 1; i <= 5; ++i) {
        paths.push_back(folder_ / ("n" + std::to_string(i) + ".note"));
        WriteFile(paths.back(), "text");
        ASSERT_NE(documents_.OpenDocumentFile(paths.back()), nullptr);
    }
    const std::vector<std::filesystem::path> expected = {paths[4], paths[3], paths[2], paths[1]};
    EXPECT_EQ(documents_.RecentFiles().Entries(), expected);

    documents_.CloseAllDocuments();
    std::filesystem::remove(paths[3]);
    broker_.AnswerMessageBox(IDOK);
    EXPECT_EQ(documents_.OpenRecentFile(1), nullptr);
    const std::vector<std::filesystem::path> remaining = {paths[4], paths[2], paths[1]};
    EXPECT_EQ(documents_.RecentFiles().Entries(), remaining);
    ASSERT_NE(documents_.OpenRecentFile(2), nullptr);
    EXPECT_EQ(documents_.FindDocumentByPath(paths[1])->Title(), "n2.note");
}

TEST_F(DocumentFrameworkTest, FilesDroppedOnTheMainWindowOpenAsDocumentsAndOtherDragsAreRefused) {
    const auto first = folder_ / "first.note";
    const auto second = folder_ / "second.note";
    WriteFile(first, "one");
    WriteFile(second, "two");
    const auto drag = [](const QList<QUrl>& urls) {
        auto data = std::make_unique<QMimeData>();
        data->setUrls(urls);
        return data;
    };
    const auto accepted = [this](const QMimeData& data) {
        QDragEnterEvent enter(QPoint(10, 10), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        enter.ignore();
        QApplication::sendEvent(main_.get(), &enter);
        return enter.isAccepted();
    };

    const auto web = drag({QUrl("https://example.com/site.note")});
    EXPECT_FALSE(accepted(*web));
    const auto files = drag({QUrl::fromLocalFile(QString::fromStdString(first.string())),
                             QUrl::fromLocalFile(QString::fromStdString(second.string()))});
    ASSERT_TRUE(accepted(*files));
    QDropEvent drop(QPointF(10, 10), Qt::CopyAction, files.get(), Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(main_.get(), &drop);

    ASSERT_TRUE(testsupport::ProcessEventsUntil([this] { return documents_.DocumentCount() == 2; }));
    EXPECT_EQ(static_cast<NoteDocument*>(documents_.FindDocumentByPath(first))->text, "one");
    EXPECT_EQ(static_cast<NoteDocument*>(documents_.FindDocumentByPath(second))->text, "two");
    const std::vector<std::filesystem::path> recent = {second, first};
    EXPECT_EQ(documents_.RecentFiles().Entries(), recent);
}

TEST_F(DocumentFrameworkTest, TheRecentFileListMovesARepeatedFileUpAndSurvivesTheSettingsFile) {
    platform::RecentFileList list(4);
    for (const char* name : {"a.note", "b.note", "c.note", "a.note"}) {
        list.Add(folder_ / name);
    }
    const std::vector<std::filesystem::path> expected = {folder_ / "a.note", folder_ / "c.note",
                                                         folder_ / "b.note"};
    EXPECT_EQ(list.Entries(), expected);
    QSettings settings((folder_ / "settings.ini").c_str(), QSettings::IniFormat);
    list.WriteList(settings);
    platform::RecentFileList read(4);
    read.ReadList(settings);
    EXPECT_EQ(read.Entries(), list.Entries());
    EXPECT_EQ(settings.value("Recent File List/File1").toString().toStdString(),
              (folder_ / "a.note").string());
}

}  // namespace

TEST_F(DocumentFrameworkTest, ACommandIsEnabledOnlyWhileSomethingOnTheRouteCarriesIt) {
    const unsigned kNobodysCommand = 40999;
    EXPECT_FALSE(main_->UpdateCommand(ID_FILE_SAVE).enabled);
    EXPECT_FALSE(main_->UpdateCommand(ID_FILE_PRINT).enabled);

    documents_.OnFileNew();
    QApplication::processEvents();
    ASSERT_NE(main_->ActiveChild(), nullptr);
    EXPECT_TRUE(main_->UpdateCommand(ID_FILE_SAVE).enabled);   // the document's
    EXPECT_TRUE(main_->UpdateCommand(ID_FILE_PRINT).enabled);  // the view's
    EXPECT_FALSE(main_->UpdateCommand(kNobodysCommand).enabled);
}

TEST_F(DocumentFrameworkTest, CtrlF4ClosesTheActiveWindowAsItsCloseBoxDoes) {
    documents_.OnFileNew();
    Document* first = Only();
    documents_.OnFileNew();
    QApplication::processEvents();
    ASSERT_EQ(documents_.DocumentCount(), 2u);
    platform::ChildFrame* active = main_->ActiveChild();
    ASSERT_NE(active, nullptr);
    ASSERT_NE(active, first->Frames().front());

    QShortcut* closeKey = nullptr;
    for (QShortcut* shortcut : main_->findChildren<QShortcut*>()) {
        if (shortcut->key() == QKeySequence(Qt::CTRL | Qt::Key_F4)) {
            closeKey = shortcut;
        }
    }
    ASSERT_NE(closeKey, nullptr);
    emit closeKey->activated();
    QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    ASSERT_EQ(documents_.DocumentCount(), 1u);
    EXPECT_EQ(documents_.Templates().front()->Documents().front(), first);
}
