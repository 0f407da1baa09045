// The base of a program's application object: start-up, the event loop, shut-down, its documents and
// main window, and the commands of the application itself.
#pragma once

#include <memory>

class QPrinter;

namespace platform {

struct CommandState;

class DocManager;
class MainFrame;
class View;

class Application {
public:
    // One per program, made after the QApplication.
    Application();
    virtual ~Application();
    Application(const Application&) = delete;
    Application& operator=(const Application&) = delete;

    static Application* Instance();

    // InitInstance; when it succeeds the event loop runs until the main window has closed; then
    // ExitInstance, whose result is the program's exit code.
    int Run();
    // Start-up; false ends the program (with exit code 1).
    virtual bool InitInstance();
    // Shut-down: saves the recent-file list; returns the exit code.
    virtual int ExitInstance();

    DocManager& GetDocManager() { return *documents_; }
    // Replaces the document manager by one of the program's own, which takes over the recent-file list;
    // call before any document opens.
    void SetDocManager(std::unique_ptr<DocManager> documents);

    MainFrame* GetMainWindow() const { return main_window_.get(); }
    // The application keeps the main window until it ends.
    void SetMainWindow(std::unique_ptr<MainFrame> window);

    // The recent-file list of `entries` files, read from the program's settings.
    void LoadStdProfileSettings(std::size_t entries = 4);
    // Writes the list back, when LoadStdProfileSettings read it.
    void SaveStdProfileSettings();

    // The program's printer, made on first use: every view prints on it, and File > Print Setup sets it
    // up.
    QPrinter& Printer();

    // File New, File Open, the recent files, Print Setup and Exit; true when handled.
    virtual bool OnCommand(unsigned id);
    // The state of a command the application carries; true when it carries it (the base: File New,
    // File Open, the recent files, Print Setup and Exit).
    virtual bool OnUpdateCommand(CommandState& state);
    // Opens the program's help document; the base has none.
    virtual void OpenHelpFile() const {}

protected:
    int exit_code_ = 0;

private:
    std::unique_ptr<DocManager> documents_;
    std::unique_ptr<MainFrame> main_window_;
    std::unique_ptr<QPrinter> printer_;
    // Only a list that was read is written back.
    bool recent_files_loaded_ = false;
};

// The view of the active child frame of `frame` (the application's main window when null), or null.
View* GetActiveView(const MainFrame* frame = nullptr);

}  // namespace platform
