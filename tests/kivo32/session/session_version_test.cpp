// What the version check reads of the logger through the session, against the logger simulator: the
// identity, the Wi-Fi module's firmware only when the configuration says there is a module, and the
// connected hook that runs the check on the session thread once per connect.
#include <gtest/gtest.h>

#include <atomic>
#include <memory>
#include <thread>

#include "kivo32/session/logger_version_reading.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_messages.h"
#include "tests/kivo32/session/handler_fixture.h"

namespace sessiontest {
namespace {

class VersionReadingTest : public HandlerFixture {
protected:
    VersionReadingTest() : HandlerFixture("quarven-kx") {
        owner_.SetConnectedHook([this, test = std::this_thread::get_id()](CSessionEL& session) {
            hook_elsewhere_.store(std::this_thread::get_id() != test);
            hook_type_.store(session.GetLoggerType());
            ++hooks_;
        });
    }

    std::shared_ptr<CLoggerVersionReading> Read(bool module) {
        auto reading = std::make_shared<CLoggerVersionReading>();
        reading->readModule = module;
        owner_.GetActiveSession()->Post(
            platform::Message(WM_SESSION_READ_VERSIONS, 0, platform::MakePayload(reading)));
        EXPECT_TRUE(Eventually([&] { return reading->done.load(); }));
        return reading;
    }

    std::atomic<bool> hook_elsewhere_{false};
    std::atomic<int> hook_type_{kNoLogger};
    std::atomic<int> hooks_{0};
};

TEST_F(VersionReadingTest, TheCheckRunsOnTheSessionThreadOnceTheLoggerIsConnected) {
    EXPECT_EQ(hooks_.load(), 1);
    EXPECT_TRUE(hook_elsewhere_.load());
    EXPECT_EQ(hook_type_.load(), 14);
}

TEST_F(VersionReadingTest, TheModuleIsReadOnlyWhenTheConfigurationHasOne) {
    for (const int configuration : {0x4, 0x0}) {
        SCOPED_TRACE(configuration);
        simulator_.Logger().ChangeState([&](LoggerState& s) { s.configurationWord = configuration; });
        const std::shared_ptr<CLoggerVersionReading> identity = Read(false);
        EXPECT_EQ(identity->typeCode, 14);
        EXPECT_EQ(identity->firmwareText, "NX402.262");
        EXPECT_FALSE(identity->linkedThroughWiFi);
        EXPECT_FALSE(identity->moduleFirmware);

        const std::shared_ptr<CLoggerVersionReading> module = Read(true);
        if (configuration != 0) {
            ASSERT_TRUE(module->moduleFirmware);
            EXPECT_EQ(*module->moduleFirmware, "WiFly Ver 4.00.1");
        } else {
            EXPECT_FALSE(module->moduleFirmware);
        }
    }
}

}  // namespace
}  // namespace sessiontest
