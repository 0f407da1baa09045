// teldrin: calls the loggers of one logger list on their schedules, unattended.
//   teldrin [LIST.lst]   without a list it asks for one; runs without a display with
//   QT_QPA_PLATFORM=offscreen, where a list that is not given or does not open ends it with status 2.
#include <QApplication>
#include <QSettings>
#include <filesystem>
#include <iostream>
#include <system_error>

#include "platform/base/windows1252.h"
#include "platform/ui/other_instance.h"
#include "platform/ui/resource_texts.h"
#include "platform/ui/settings_profile_store.h"
#include "teldrin/app/main_frame.h"
#include "teldrin/app/start_list.h"
#include "teldrin/app/termination_signal.h"
#include "teldrin/app/unattended_platform.h"
#include "teldrin/core/registry_values.h"
#include "teldrin/core/scheduler_clock.h"
#include "teldrin/core/teldrin_texts.h"

namespace {

// No list to call, and nobody at a screen to choose one.
constexpr int kNoListStatus = 2;

}  // namespace

int main(int argc, char** argv) {
    QApplication qt(argc, argv);
    QApplication::setApplicationName("teldrin");
    teldrin::KeepPlatformNoticesOffStandardErrorWhenUnattended();
    platform::SettingsProfileStore store;
    teldrin::CRegistryValues settings;
    settings.Load(store);
    teldrin::SystemSchedulerClock clock;
    // kivo32's language: the link and logger texts, and teldrin's English table when it is English
    // (teldrin's own texts are French otherwise).
    const bool english = QSettings(QSettings::IniFormat, QSettings::UserScope, "TARV", "KIVO")
                             .value("intl/Language")
                             .toString() == "EN";
    platform::LoadResourceLibrary(english ? platform::kEnglishResources : platform::kFrenchResources);
    teldrin::SetTeldrinLanguage(english ? teldrin::TeldrinLanguage::kEnglish
                                        : teldrin::TeldrinLanguage::kFrench);
    // The logs go to the data folder: made on the first start.
    if (!settings.dataDir.empty()) {
        std::error_code error;
        std::filesystem::create_directories(platform::PathFromWindows1252(settings.dataDir), error);
    }

    // One teldrin per user: two would call the same loggers and write the same logs. A second start
    // brings the first to the front and ends.
    QWidget* window = nullptr;
    COtherInstance instances(COtherInstance::DefaultFolder("teldrin"), [&window] {
        if (window != nullptr) {
            window->showNormal();
            window->raise();
            window->activateWindow();
        }
    });
    if (instances.ActivateOther()) {
        std::cerr << "teldrin: already running for this user\n";
        return 1;
    }
    if (!instances.Listen()) {
        std::cerr << "teldrin: later starts cannot find this one\n";
    }

    teldrin::CMainFrame frame(settings, store, clock);
    window = &frame;
    QObject::connect(&frame, &teldrin::CMainFrame::ReadyToQuit, &qt, &QApplication::quit);
    teldrin::TerminationSignal termination([&frame] { frame.EndProgram(); });
    frame.show();

    const teldrin::StartListOutcome start =
        teldrin::OpenStartList(frame, argc > 1 ? QString::fromLocal8Bit(argv[1]) : QString(),
                               settings.loggerListDir, !teldrin::NobodyAtTheScreen());
    if (start == teldrin::StartListOutcome::kNoList) {
        return kNoListStatus;
    }
    // Ended while the list was asked for (SIGTERM): it ends as it would from the event loop.
    const int status = start == teldrin::StartListOutcome::kEnded ? 0 : QApplication::exec();
    settings.Save(store);
    return status;
}
