// The one QApplication of a Qt test program, made on first use (offscreen, as CTest runs gui tests), with
// the Qt broker installed.
#include "tests/support/ui/qt_test_application.h"

#include <QApplication>
#include <cstdlib>

#include "platform/base/program_texts.h"
#include "platform/ui/qt_ui_broker.h"
#include "platform/ui/resource_texts.h"

namespace testsupport {

void EnsureQtApplication() {
    // Questions are shown as the program shows them, for a test to drive, unless a test scripts them.
    static platform::QtUiBroker broker;
    if (platform::InstalledUiBroker() == nullptr) {
        platform::InstallUiBroker(&broker);
    }
    if (QApplication::instance() != nullptr) {
        return;
    }
    // Never a window on a real display, also when a test program is run by hand.
    ::setenv("QT_QPA_PLATFORM", "offscreen", 0);
    static int argc = 1;
    static char name[] = "kivo_tests";
    static char* argv[] = {name, nullptr};
    // Lives until the program ends; Qt objects may not be destroyed after it.
    new QApplication(argc, argv);
    SetProgramTexts(platform::EnglishTexts());
}

}  // namespace testsupport
