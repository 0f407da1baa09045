// The modem call's transport: the call's bytes passed on, the modem's "NO CARRIER" taken as the end.
#include "platform/io/carrier_watch.h"

#include <errno.h>

#include <string_view>

namespace platform {

namespace {

// The notice as a modem in verbose mode sends it: on a line of its own.
constexpr std::string_view kNoCarrier = "\r\nNO CARRIER\r";

}  // namespace

bool CarrierWatch::StartReading(ByteReceiver& receiver) {
    receiver_ = &receiver;
    tail_.clear();
    return call_->StartReading(*this);
}

bool CarrierWatch::OnBytes(std::span<const std::uint8_t> bytes) {
    if (!receiver_->OnBytes(bytes)) {
        return false;
    }
    tail_.append(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    if (tail_.find(kNoCarrier) != std::string::npos) {
        // The reader ends here, as it ends when the far end of any link goes.
        receiver_->OnReaderEnded(ECONNRESET);
        return false;
    }
    if (tail_.size() >= kNoCarrier.size()) {
        tail_.erase(0, tail_.size() - (kNoCarrier.size() - 1));
    }
    return true;
}

}  // namespace platform
