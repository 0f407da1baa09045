// The modem link against the fake AT modem: the rate of the call checked against the configured one,
// and a logger identified and read across the call.
#include "shared/link/connection_modem.h"

#include <gtest/gtest.h>

#include "platform/base/text_format.h"
#include "tests/shared/link/modem_fixture.h"

namespace {

class ConnectionModemTest : public ModemFixture {};

TEST_F(ConnectionModemTest, ACallAtTheConfiguredRateReachesTheLogger) {
    modem_.SetOptions({FakeModem::DialOutcome::Connect, 9600, {}});
    ASSERT_EQ(Dial("5551234", 9600), 1);
    EXPECT_EQ(Notices(STATUS_LINK_SPEED), std::vector<std::string>{"9600/9600"});
    EXPECT_EQ(Notices(STATUS_PORT_NAME), std::vector<std::string>{"Modem"});
    const std::vector<std::string> status = Notices(STATUS_TEXT);
    EXPECT_NE(std::find(status.begin(), status.end(), FormatLinkText(IDS_MODEM_DIALING, {"5551234"})),
              status.end());
    EXPECT_NE(std::find(status.begin(), status.end(), LoadText(IDS_MODEM_CONNECTED)), status.end());

    ASSERT_EQ(session_.Run([this] { return link_->Establish() && link_->IdentifyLogger(); }), 1);
    EXPECT_EQ(link_->GetFirmwareVersion(), "S0-02.115");
    // A block of the logger's memory across the call.
    ASSERT_EQ(session_.Run([this] { return link_->DoCommand("R!F", TIMEOUT_4000); }), 1);
    EXPECT_EQ(link_->GetReceivedText(), "OK\r\n>");
    EXPECT_TRUE(TapiErrors().empty());
    EXPECT_TRUE(boxes_.Boxes().empty());
}

TEST_F(ConnectionModemTest, ABareConnectIsTheConfiguredRateAndAnotherRateIsRefused) {
    struct Case {
        int connectRate;
        int configured;
        std::string shown;
        bool refused;
    };
    const Case cases[] = {
        {0, 9600, "9600/9600", false},
        {2400, 9600, "2400/9600", true},
    };
    for (const Case& c : cases) {
        modem_.SetOptions({FakeModem::DialOutcome::Connect, c.connectRate, {}});
        notices_.clear();
        EXPECT_EQ(Dial("5551234", c.configured), c.refused ? 0 : 1) << c.connectRate;
        EXPECT_EQ(Notices(STATUS_LINK_SPEED), std::vector<std::string>{c.shown});
        if (c.refused) {
            ASSERT_EQ(boxes_.Boxes().size(), 1u);
            EXPECT_EQ(
                boxes_.Boxes()[0].texts.prompt,
                platform::FillPrintfPlaceholders(LoadText(IDS_MODEM_WRONG_RATE), {"2400", "9600", "2400"}));
        }
        DropLink();
        // The refused call is hung up with its link.
        EXPECT_TRUE(testsupport::Eventually([this] { return !modem_.InCall(); }));
    }
}

}  // namespace
