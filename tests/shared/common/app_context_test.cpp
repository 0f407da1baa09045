// The process-wide application context.
#include "shared/common/app_context.h"

#include <gtest/gtest.h>

#include "shared/common/date_time_format_helper.h"
#include "tests/support/fake_app_context.h"

namespace {

TEST(AppContextTest, WithoutAnApplicationNothingIsConnectedAndFormatsAreTheDefaults) {
    CAppContext& context = GetAppContext();
    EXPECT_EQ(context.GetLoggerType(), kNoLogger);
    EXPECT_EQ(context.GetLinkKind(), kLinkNone);
    EXPECT_FALSE(context.IsSet(CAppContext::Flag::Abort));
    EXPECT_EQ(context.GetShortDateFormat(), "MM/dd/yy");
    EXPECT_EQ(context.GetTimeFormat(), "HH:mm:ss");
    EXPECT_EQ(context.GetDateOrder(), kDateOrderMDY);
    EXPECT_EQ(context.GetCommandLineValues().sendBlockSize, -1);
    EXPECT_EQ(context.GetCommandLineValues().lastRecord, 0);
}

TEST(AppContextTest, TheInstalledContextIsTheOneEveryoneSees) {
    {
        testsupport::FakeAppContext fake;
        EXPECT_EQ(&GetAppContext(), &fake);
        fake.portName = "ttyUSB0";
        EXPECT_EQ(GetAppContext().GetPortName(), "ttyUSB0");
    }
    EXPECT_EQ(GetAppContext().GetPortName(), "");
}

TEST(AppContextTest, EachFlagIsItsOwn) {
    testsupport::FakeAppContext context;
    context.Set(CAppContext::Flag::PortLost, true);
    for (int flag = 0; flag < static_cast<int>(CAppContext::Flag::Count); ++flag) {
        const auto which = static_cast<CAppContext::Flag>(flag);
        EXPECT_EQ(context.IsSet(which), which == CAppContext::Flag::PortLost) << flag;
    }
}

}  // namespace
