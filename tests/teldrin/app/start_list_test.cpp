// The list teldrin asks for at its start, with someone at the screen: SIGTERM while the question is open
// closes it and ends the start, as it ends the program from its event loop.
#include "teldrin/app/start_list.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QFileDialog>
#include <csignal>
#include <ctime>

#include "platform/base/windows1252.h"
#include "teldrin/app/main_frame.h"
#include "teldrin/app/termination_signal.h"
#include "tests/support/memory_profile_store.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/teldrin/core/test_clock.h"

namespace {

using TeldrinStartListTest = testsupport::QtTest;

TEST_F(TeldrinStartListTest, SigtermWhileTheListIsAskedForClosesTheQuestionAndEndsTheStart) {
    const testsupport::TempFolder folder;
    teldrin::CRegistryValues settings;
    settings.dataDir = platform::PathToWindows1252(folder.path());
    teldrintest::TestClock clock;
    clock.now = std::time(nullptr);
    testsupport::MemoryProfileStore store;
    teldrin::CMainFrame frame(settings, store, clock);
    // As the program wires it.
    const teldrin::TerminationSignal termination([&frame] { frame.EndProgram(); });
    frame.show();

    bool asked = false;
    testsupport::OnNextModal([&asked](QWidget* question) {
        asked = qobject_cast<QFileDialog*>(question) != nullptr;
        ::raise(SIGTERM);
    });
    EXPECT_EQ(teldrin::OpenStartList(frame, {}, settings.dataDir, true), teldrin::StartListOutcome::kEnded);
    EXPECT_TRUE(asked);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

}  // namespace
