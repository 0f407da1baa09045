// The AT modem line: which lines are results, result lines read from a pseudo-terminal however they
// arrive, a device held elsewhere, and the call's transport that notices the far end hanging up.
#include "platform/io/modem_line.h"

#include <errno.h>
#include <fcntl.h>
#include <gtest/gtest.h>
#include <termios.h>
#include <unistd.h>

#include <mutex>
#include <string>
#include <vector>

#include "platform/base/unique_fd.h"
#include "platform/io/carrier_watch.h"
#include "platform/io/stream_transport.h"
#include "tests/support/eventually.h"
#include "tests/support/pseudo_terminal.h"

namespace {

using platform::ModemReply;
using platform::ModemResult;
using testsupport::Eventually;

TEST(ModemLineTest, ResultLines) {
    struct Case {
        const char* line;
        std::optional<ModemReply> expected;
    };
    const Case cases[] = {
        {"OK", ModemReply{ModemResult::Ok, 0}},
        {"ERROR", ModemReply{ModemResult::Error, 0}},
        {"CONNECT", ModemReply{ModemResult::Connect, 0}},
        {"CONNECT 9600", ModemReply{ModemResult::Connect, 9600}},
        {"CONNECT 2400/V42BIS", ModemReply{ModemResult::Connect, 2400}},
        {"BUSY", ModemReply{ModemResult::Busy, 0}},
        {"NO DIALTONE", ModemReply{ModemResult::NoDialtone, 0}},
        {"NO DIAL TONE", ModemReply{ModemResult::NoDialtone, 0}},
        {"NO ANSWER", ModemReply{ModemResult::NoAnswer, 0}},
        {"NO CARRIER", ModemReply{ModemResult::NoCarrier, 0}},
        {"RING", ModemReply{ModemResult::Ring, 0}},
        {" OK ", ModemReply{ModemResult::Ok, 0}},
        // The echo of a command, and texts that only begin like a result.
        {"ATD5551234", std::nullopt},
        {"CONNECTED", std::nullopt},
        {"CONNECT FAST", std::nullopt},
        {"OKAY", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(platform::ParseModemResult(c.line), c.expected) << '"' << c.line << '"';
    }
}

// A pseudo-terminal whose master plays the modem.
class ModemPty {
public:
    const std::string& Path() const { return pty_.path; }
    void Send(const std::string& bytes) {
        ASSERT_EQ(::write(pty_.master.Get(), bytes.data(), bytes.size()), static_cast<ssize_t>(bytes.size()));
    }
    // The settings the program gave the line, as the master sees them.
    speed_t LineSpeed() const {
        termios settings{};
        ::tcgetattr(pty_.master.Get(), &settings);
        return ::cfgetospeed(&settings);
    }
    std::string Received() {
        std::string text;
        char buffer[256];
        ssize_t got = 0;
        ::fcntl(pty_.master.Get(), F_SETFL, O_NONBLOCK);
        while ((got = ::read(pty_.master.Get(), buffer, sizeof buffer)) > 0) {
            text.append(buffer, static_cast<std::size_t>(got));
        }
        return text;
    }

private:
    testsupport::PseudoTerminal pty_;
};

class Results {
public:
    platform::ModemLine::ResultHandler Handler() {
        return [this](const ModemReply& reply) {
            std::lock_guard lock(mutex_);
            replies_.push_back(reply);
        };
    }
    std::vector<ModemReply> Get() const {
        std::lock_guard lock(mutex_);
        return replies_;
    }

private:
    mutable std::mutex mutex_;
    std::vector<ModemReply> replies_;
};

TEST(ModemLineTest, ReadsResultLinesSplitAcrossReadsAndSendsCommands) {
    ModemPty modem;
    ASSERT_FALSE(modem.Path().empty());
    Results results;
    platform::ModemLine line(results.Handler());
    ASSERT_EQ(line.Open(modem.Path(), 9600), 0);
    ASSERT_TRUE(line.Send("ATE0V1"));
    EXPECT_TRUE(Eventually([&] { return modem.Received() == "ATE0V1\r"; }));

    modem.Send("ATE0V1\r\r\nOK\r\n\r\nCONN");
    modem.Send("ECT 9600\r\n");
    modem.Send("RING\r\n");
    const std::vector<ModemReply> expected = {
        {ModemResult::Ok, 0}, {ModemResult::Connect, 9600}, {ModemResult::Ring, 0}};
    EXPECT_TRUE(Eventually([&] { return results.Get().size() >= expected.size(); }));
    EXPECT_EQ(results.Get(), expected);
}

TEST(ModemLineTest, HandsTheDeviceOverAndTakesItBack) {
    ModemPty modem;
    Results results;
    platform::ModemLine line(results.Handler());
    ASSERT_EQ(line.Open(modem.Path(), 9600), 0);
    platform::UniqueFd call(line.HandOver());
    ASSERT_TRUE(call.Valid());
    // While the call has the device, the line reads nothing of it.
    modem.Send("\r\nOK\r\n");
    char buffer[16] = {};
    EXPECT_TRUE(Eventually([&] { return ::read(call.Get(), buffer, sizeof buffer) > 0; }));
    call.Reset();
    ASSERT_TRUE(line.Resume());
    modem.Send("\r\nNO CARRIER\r\n");
    EXPECT_TRUE(Eventually([&] { return !results.Get().empty(); }));
    EXPECT_EQ(results.Get(), (std::vector<ModemReply>{{ModemResult::NoCarrier, 0}}));
}

TEST(ModemLineTest, ADeviceHeldByAnotherLineIsBusy) {
    ModemPty modem;
    Results results;
    platform::ModemLine first(results.Handler());
    platform::ModemLine second(results.Handler());
    ASSERT_EQ(first.Open(modem.Path(), 9600), 0);
    EXPECT_EQ(second.Open(modem.Path(), 9600), EBUSY);
    EXPECT_FALSE(second.IsOpen());
    first.Close();
    EXPECT_EQ(second.Open(modem.Path(), 9600), 0);
}

TEST(ModemLineTest, DtrLowIsTheLineSpeedZeroUntilRaisedAgain) {
    ModemPty modem;
    Results results;
    platform::ModemLine line(results.Handler());
    ASSERT_EQ(line.Open(modem.Path(), 9600), 0);
    ASSERT_TRUE(line.SetDtr(false));
    EXPECT_EQ(modem.LineSpeed(), B0);
    ASSERT_TRUE(line.SetDtr(true));
    EXPECT_EQ(modem.LineSpeed(), B9600);
}

// What the connection would be: the bytes and the end of the reader.
class RecordingReceiver : public platform::ByteReceiver {
public:
    std::size_t ReceiveRoom() override { return 4096; }
    bool OnBytes(std::span<const std::uint8_t> bytes) override {
        std::lock_guard lock(mutex_);
        bytes_.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
        return true;
    }
    void OnReaderEnded(int error) override { ended_with_.store(error); }
    std::string Bytes() const {
        std::lock_guard lock(mutex_);
        return bytes_;
    }
    std::atomic<int> ended_with_{-1};

private:
    mutable std::mutex mutex_;
    std::string bytes_;
};

TEST(CarrierWatchTest, TheModemsNoCarrierEndsTheCallOnlyOnALineOfItsOwn) {
    struct Case {
        std::vector<std::string> pieces;
        bool lost;
    };
    const Case cases[] = {
        {{"OK\r\n>", "\r\nNO CARRIER\r\n"}, true},
        {{"data\r\nNO CAR", "RIER\r\n"}, true},
        {{"\r", "\n", "NO CARRIER", "\r"}, true},
        {{"a logger text: NO CARRIER\r\n"}, false},
        {{"\r\nNO CARRIERS"}, false},
    };
    for (const Case& c : cases) {
        auto [program, far] = platform::MakeInProcessPair();
        platform::CarrierWatch watch(std::make_unique<platform::StreamTransport>(std::move(program)));
        RecordingReceiver receiver;
        ASSERT_TRUE(watch.StartReading(receiver));
        std::string all;
        for (const std::string& piece : c.pieces) {
            all += piece;
            ASSERT_EQ(::write(far.Get(), piece.data(), piece.size()), static_cast<ssize_t>(piece.size()));
            // One piece at a time, as the reader takes them.
            ASSERT_TRUE(Eventually([&] { return receiver.Bytes().size() == all.size(); })) << all;
        }
        EXPECT_EQ(receiver.Bytes(), all);
        // The reader ends on the notice as on a far end gone; else the call goes on.
        if (c.lost) {
            EXPECT_TRUE(Eventually([&] { return receiver.ended_with_.load() == ECONNRESET; })) << all;
        } else {
            EXPECT_EQ(receiver.ended_with_.load(), -1) << all;
        }
        watch.Close();
    }
}

}  // namespace
