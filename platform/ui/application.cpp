// The base of a program's application object: start-up, the event loop, shut-down, its documents and
// main window, and the commands of the application itself.
#include "platform/ui/application.h"

#include <QApplication>
#include <QPrinter>
#include <utility>

#include "platform/ui/child_frame.h"
#include "platform/ui/command_state.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/program_settings.h"
#include "platform/ui/ui_ids.h"
#include "platform/ui/view.h"

namespace platform {
namespace {

Application* g_instance = nullptr;

}  // namespace

Application::Application() : documents_(std::make_unique<DocManager>()) {
    g_instance = this;
}

Application::~Application() {
    // The windows go before the documents they show.
    main_window_.reset();
    documents_.reset();
    if (g_instance == this) {
        g_instance = nullptr;
    }
}

Application* Application::Instance() {
    return g_instance;
}

int Application::Run() {
    if (InitInstance()) {
        exit_code_ = QApplication::exec();
    } else {
        exit_code_ = 1;
    }
    return ExitInstance();
}

bool Application::InitInstance() {
    return true;
}

int Application::ExitInstance() {
    SaveStdProfileSettings();
    return exit_code_;
}

void Application::SetDocManager(std::unique_ptr<DocManager> documents) {
    // The recent files read from the settings belong to the program, whichever manager shows them.
    documents->RecentFiles() = documents_->RecentFiles();
    documents_ = std::move(documents);
    if (main_window_ != nullptr) {
        documents_->SetMainFrame(main_window_.get());
    }
}

void Application::SetMainWindow(std::unique_ptr<MainFrame> window) {
    main_window_ = std::move(window);
    documents_->SetMainFrame(main_window_.get());
}

void Application::LoadStdProfileSettings(std::size_t entries) {
    documents_->RecentFiles() = RecentFileList(entries);
    documents_->RecentFiles().ReadList(*OpenProgramSettings());
    recent_files_loaded_ = true;
}

void Application::SaveStdProfileSettings() {
    if (recent_files_loaded_) {
        documents_->RecentFiles().WriteList(*OpenProgramSettings());
    }
}

QPrinter& Application::Printer() {
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

bool Application::OnUpdateCommand(CommandState& state) {
    const unsigned id = state.id;
    if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE4) {
        state.Enable(id - ID_FILE_MRU_FILE1 < documents_->RecentFiles().Entries().size());
        return true;
    }
    return id == ID_FILE_NEW || id == ID_FILE_OPEN || id == ID_FILE_PRINT_SETUP || id == ID_APP_EXIT;
}

bool Application::OnCommand(unsigned id) {
    if (id == ID_FILE_NEW) {
        documents_->OnFileNew();
    } else if (id == ID_FILE_OPEN) {
        documents_->OnFileOpen();
    } else if (id >= ID_FILE_MRU_FILE1 && id <= ID_FILE_MRU_FILE4) {
        documents_->OpenRecentFile(id - ID_FILE_MRU_FILE1);
    } else if (id == ID_FILE_PRINT_SETUP) {
        RunPrinterSetup(Printer(), main_window_.get());
    } else if (id == ID_APP_EXIT && main_window_ != nullptr) {
        main_window_->close();
    } else {
        return false;
    }
    return true;
}

View* GetActiveView(const MainFrame* frame) {
    if (frame == nullptr && Application::Instance() != nullptr) {
        frame = Application::Instance()->GetMainWindow();
    }
    const ChildFrame* child = frame != nullptr ? frame->ActiveChild() : nullptr;
    return child != nullptr ? child->ActiveView() : nullptr;
}

}  // namespace platform
