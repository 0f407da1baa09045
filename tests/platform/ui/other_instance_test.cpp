// Another running instance found through the instances' sockets, asked to come to the front.
#include "platform/ui/other_instance.h"

#include <gtest/gtest.h>

#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>

#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class OtherInstanceTest : public testsupport::QtTest {
protected:
    testsupport::TempFolder folder_;
    std::filesystem::path instances_ = folder_ / "instances";
};

TEST_F(OtherInstanceTest, AnInstanceAsksTheOtherToComeToTheFrontButNeverItself) {
    int firstAsked = 0;
    int secondAsked = 0;
    COtherInstance first(instances_, [&] { ++firstAsked; });
    COtherInstance second(instances_, [&] { ++secondAsked; });
    ASSERT_TRUE(first.Listen());
    // Alone, the first finds nobody.
    EXPECT_FALSE(first.ActivateOther());
    ASSERT_TRUE(second.Listen());

    EXPECT_TRUE(second.ActivateOther());
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return firstAsked == 1; }));
    EXPECT_TRUE(first.ActivateOther());
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return secondAsked == 1; }));
    testsupport::ProcessEventsFor(50);
    EXPECT_EQ(firstAsked, 1);
    EXPECT_EQ(secondAsked, 1);
}

TEST_F(OtherInstanceTest, AnInstanceThatEndedIsNotFoundAndAStaleSocketIsTakenAway) {
    COtherInstance remaining(instances_, [] {});
    ASSERT_TRUE(remaining.Listen());
    {
        COtherInstance ended(instances_, [] {});
        ASSERT_TRUE(ended.Listen());
    }
    EXPECT_FALSE(remaining.ActivateOther());

    // The socket of a process that was killed: bound, never served, left behind.
    const auto stale = instances_ / "99999-1";
    const int descriptor = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address{};
    address.sun_family = AF_UNIX;
    std::strncpy(address.sun_path, stale.c_str(), sizeof(address.sun_path) - 1);
    ASSERT_EQ(::bind(descriptor, reinterpret_cast<const sockaddr*>(&address), sizeof(address)), 0);
    ::close(descriptor);
    ASSERT_TRUE(std::filesystem::is_socket(stale));
    EXPECT_FALSE(remaining.ActivateOther());
    EXPECT_FALSE(std::filesystem::exists(stale));
}

}  // namespace
