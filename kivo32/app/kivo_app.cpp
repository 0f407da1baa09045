// The application object of kivo32: start-up with its language and texts, the main window, shut-down.
#include "kivo32/app/kivo_app.h"

#include <QCoreApplication>

#include "platform/base/diagnostic_trace.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/ui_broker.h"
#include "platform/ui/doc_manager.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/program_settings.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/resource_texts.h"
#include "kivo32/session/session_owner.h"
#include "shared/common/trace_log.h"

namespace {

constexpr const char* kLanguageKey = "intl/Language";
constexpr const char* kLanguageUnset = "??";

}  // namespace

CKivoApp::CKivoApp() {
    // The program's settings live under "TARV" in the file of the application name.
    QCoreApplication::setOrganizationName("TARV");
    QCoreApplication::setApplicationName("KIVO");
    // What the layers below the trace log have to say goes to it.
    platform::SetDiagnosticTrace(&Trace);
    SetAppContext(this);
}

CKivoApp::~CKivoApp() {
    // The sessions end before the context they read goes.
    sessions_.reset();
    SetAppContext(nullptr);
}

CKivoApp* GetKivoApp() {
    return dynamic_cast<CKivoApp*>(platform::Application::Instance());
}

bool CKivoApp::InitInstance() {
    ChooseLanguage();
    LoadStdProfileSettings(4);

    auto mainFrame = std::make_unique<platform::MainFrame>(&GetDocManager());
    mainFrame->setWindowTitle(kWindowTitle);
    mainFrame->show();
    SetMainWindow(std::move(mainFrame));
    sessions_ = std::make_unique<CSessionOwner>(*this, GetAppMainWnd(), GetAppMainWnd());
    SetUpCommands();
    return true;
}

platform::MessageTarget* CKivoApp::GetAppMainWnd() const {
    platform::MainFrame* frame = GetMainWindow();
    return frame != nullptr ? frame->Target().get() : nullptr;
}

std::string CKivoApp::GetPortName() const {
    return sessions_ != nullptr ? sessions_->GetLastConnection().portName : std::string();
}

std::string CKivoApp::GetDefaultSUTLineFreq() const {
    return app_info_.defaultSUTLineFreq;
}

CCommandLineValues CKivoApp::GetCommandLineValues() const {
    return {};
}

void CKivoApp::CommTrace(std::string_view) {}

void CKivoApp::SendTerminalText(std::string_view) {}

void CKivoApp::ChooseLanguage() {
    auto settings = platform::OpenProgramSettings();
    QString language = settings->value(kLanguageKey, kLanguageUnset).toString();
    if (language == kLanguageUnset) {
        const bool english =
            platform::CurrentUiBroker().MessageBox("Use English?", {}, MB_YESNO | MB_ICONQUESTION) == IDYES;
        language = english ? "EN" : "FR";
        settings->setValue(kLanguageKey, language);
    }
    // A library that does not load leaves the English texts, without a message.
    platform::LoadResourceLibrary(language == "FR" ? platform::kFrenchResources
                                                   : platform::kEnglishResources);
}
