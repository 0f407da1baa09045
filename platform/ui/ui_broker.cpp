// How code asks the user: message boxes, file names and dialogs run on the user-interface thread.
#include "platform/ui/ui_broker.h"

#include <atomic>

#include "platform/ui/qt_ui_broker.h"

namespace platform {
namespace {

std::atomic<UiBroker*> g_installed{nullptr};

}  // namespace

UiBroker& CurrentUiBroker() {
    static QtUiBroker qtBroker;
    UiBroker* installed = g_installed.load();
    return installed != nullptr ? *installed : qtBroker;
}

void InstallUiBroker(UiBroker* broker) {
    g_installed.store(broker);
}

}  // namespace platform
