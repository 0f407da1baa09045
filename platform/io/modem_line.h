// ModemLine: an AT-command modem on a serial device. It opens the device at the configured rate, sends
// commands, parses the modem's result lines on its reader thread and hands them on, drops DTR to hang
// up, and hands the open device over as the transport of a connected call.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <mutex>
#include <optional>
#include <span>
#include <string>
#include <string_view>

#include "platform/io/byte_transport.h"
#include "platform/io/serial_port.h"

namespace platform {

enum class ModemResult { Ok, Error, Connect, Busy, NoDialtone, NoAnswer, NoCarrier, Ring };

struct ModemReply {
    ModemResult result = ModemResult::Ok;
    int rate = 0;  // the rate of "CONNECT n"; 0 for a bare "CONNECT" and the other results

    bool operator==(const ModemReply&) const = default;
};

// The result that one line from the modem stands for (the line without its CR LF); nullopt for an
// echo, a blank line or any other text.
std::optional<ModemReply> ParseModemResult(std::string_view line);

class ModemLine : private ByteReceiver {
public:
    // Called on the reader thread for each result line.
    using ResultHandler = std::function<void(const ModemReply&)>;

    explicit ModemLine(ResultHandler onResult, CSerialPort::TraceFn trace = {});
    ~ModemLine() override;
    ModemLine(const ModemLine&) = delete;
    ModemLine& operator=(const ModemLine&) = delete;

    // Opens `device` (a name under /dev or a path) at `baud` for this program alone and starts reading
    // result lines: 0 when open, else the errno (EBUSY: another program holds the device).
    int Open(const std::string& device, int baud);
    bool IsOpen() const;

    // Writes `command` followed by a CR.
    bool Send(std::string_view command);
    // Writes `bytes` as they are (the escape to command mode).
    bool SendRaw(std::string_view bytes);
    // DTR low (false) or high again: the line's speed set to 0 and back, which a serial driver
    // turns into the DTR signal.
    bool SetDtr(bool high);

    // Stops reading result lines: the call's bytes belong to its connection from now on. The result is
    // a descriptor of its own on the device, for CSerialPort::Attach; -1 on failure.
    int HandOver();
    // Reads result lines again once the connection has let the device go.
    bool Resume();
    void Close();

private:
    std::size_t ReceiveRoom() override;
    bool OnBytes(std::span<const std::uint8_t> bytes) override;
    void OnReaderEnded(int error) override;

    ResultHandler on_result_;
    CSerialPort::TraceFn trace_;
    std::unique_ptr<CSerialPort> port_;
    std::string partial_line_;  // the reader's alone
};

}  // namespace platform
