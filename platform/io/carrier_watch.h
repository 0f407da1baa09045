// CarrierWatch: the transport of a connected modem call. It passes the call's bytes on and watches
// them for the modem's "NO CARRIER", which ends the reader as a link lost at the far end (ECONNRESET):
// a pseudo-terminal or a line without carrier detect has no other sign that the far end hung up.
#pragma once

#include <cstdint>
#include <memory>
#include <span>
#include <string>

#include "platform/io/byte_transport.h"

namespace platform {

class CarrierWatch : public ByteTransport, private ByteReceiver {
public:
    explicit CarrierWatch(std::unique_ptr<ByteTransport> call) : call_(std::move(call)) {}

    std::size_t Write(const std::uint8_t* data, std::size_t n) override { return call_->Write(data, n); }
    bool StartReading(ByteReceiver& receiver) override;
    bool StopReading() override { return call_->StopReading(); }
    void Purge() override { call_->Purge(); }
    int SetBaud(int baud) override { return call_->SetBaud(baud); }
    bool Close() override { return call_->Close(); }

private:
    std::size_t ReceiveRoom() override { return receiver_->ReceiveRoom(); }
    bool OnBytes(std::span<const std::uint8_t> bytes) override;
    void OnReaderEnded(int error) override { receiver_->OnReaderEnded(error); }

    std::unique_ptr<ByteTransport> call_;
    ByteReceiver* receiver_ = nullptr;
    std::string tail_;  // the last bytes seen, for a notice split across reads
};

}  // namespace platform
