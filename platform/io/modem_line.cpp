// The AT modem line: result-line parsing, the device opened for this program alone, DTR and hand-over.
#include "platform/io/modem_line.h"

#include <errno.h>
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <array>
#include <utility>

namespace platform {

namespace {

// A line longer than this is no result: it is dropped rather than kept growing.
constexpr std::size_t kMaxLineLength = 256;

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) {
        text.remove_prefix(1);
    }
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t')) {
        text.remove_suffix(1);
    }
    return text;
}

}  // namespace

std::optional<ModemReply> ParseModemResult(std::string_view line) {
    static constexpr std::array<std::pair<std::string_view, ModemResult>, 7> kFixed = {{
        {"OK", ModemResult::Ok},
        {"ERROR", ModemResult::Error},
        {"BUSY", ModemResult::Busy},
        {"NO DIALTONE", ModemResult::NoDialtone},
        {"NO DIAL TONE", ModemResult::NoDialtone},
        {"NO ANSWER", ModemResult::NoAnswer},
        {"NO CARRIER", ModemResult::NoCarrier},
    }};
    line = Trimmed(line);
    for (const auto& [text, result] : kFixed) {
        if (line == text) {
            return ModemReply{result, 0};
        }
    }
    if (line == "RING") {
        return ModemReply{ModemResult::Ring, 0};
    }
    constexpr std::string_view kConnect = "CONNECT";
    if (line.substr(0, kConnect.size()) != kConnect) {
        return std::nullopt;
    }
    std::string_view rest = line.substr(kConnect.size());
    if (rest.empty()) {
        return ModemReply{ModemResult::Connect, 0};
    }
    if (rest.front() != ' ') {
        return std::nullopt;
    }
    // "CONNECT 9600", maybe followed by what the modem adds ("/V42BIS", " LAPM").
    rest = Trimmed(rest);
    long rate = 0;
    std::size_t digits = 0;
    while (digits < rest.size() && rest[digits] >= '0' && rest[digits] <= '9' && rate < 100'000'000) {
        rate = rate * 10 + (rest[digits] - '0');
        ++digits;
    }
    if (digits == 0) {
        return std::nullopt;
    }
    return ModemReply{ModemResult::Connect, static_cast<int>(rate)};
}

ModemLine::ModemLine(ResultHandler onResult, CSerialPort::TraceFn trace)
    : on_result_(std::move(onResult)), trace_(std::move(trace)) {}

ModemLine::~ModemLine() {
    Close();
}

int ModemLine::Open(const std::string& device, int baud) {
    Close();
    auto port = std::make_unique<CSerialPort>(trace_);
    if (!port->Open(device)) {
        return port->LastError() != 0 ? port->LastError() : EIO;
    }
    // Exclusive use is not granted to a privileged program; a lock on the device keeps two programs
    // (and two lines of this one) apart all the same.
    if (::flock(port->Descriptor(), LOCK_EX | LOCK_NB) != 0) {
        const int error = errno == EWOULDBLOCK ? EBUSY : errno;
        port->ClosePort();
        return error;
    }
    if (!port->SetBaud(baud)) {
        const int error = port->LastError() != 0 ? port->LastError() : EINVAL;
        port->ClosePort();
        return error;
    }
    port_ = std::move(port);
    if (!Resume()) {
        Close();
        return EIO;
    }
    return 0;
}

bool ModemLine::IsOpen() const {
    return port_ != nullptr && port_->IsOpen();
}

bool ModemLine::Send(std::string_view command) {
    std::string line(command);
    line.push_back('\r');
    return SendRaw(line);
}

bool ModemLine::SendRaw(std::string_view bytes) {
    if (!IsOpen()) {
        return false;
    }
    return port_->Write(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size()) == bytes.size();
}

bool ModemLine::SetDtr(bool high) {
    if (!IsOpen()) {
        return false;
    }
    return (high ? port_->SetDtr() : port_->ClearDtr()) != 0;
}

int ModemLine::HandOver() {
    if (!IsOpen() || port_->StopReadThread() < 0) {
        return -1;
    }
    partial_line_.clear();
    return ::fcntl(port_->Descriptor(), F_DUPFD_CLOEXEC, 0);
}

bool ModemLine::Resume() {
    if (!IsOpen()) {
        return false;
    }
    partial_line_.clear();
    return port_->StartReading(*this);
}

void ModemLine::Close() {
    if (port_ == nullptr) {
        return;
    }
    if (port_->StopAndClose()) {
        port_.reset();
    } else {
        KeepWhileItsReaderRuns(std::move(port_));
    }
}

std::size_t ModemLine::ReceiveRoom() {
    return kMaxLineLength;
}

bool ModemLine::OnBytes(std::span<const std::uint8_t> bytes) {
    for (const std::uint8_t byte : bytes) {
        if (byte == '\r' || byte == '\n') {
            if (!partial_line_.empty()) {
                if (const auto reply = ParseModemResult(partial_line_)) {
                    on_result_(*reply);
                }
                partial_line_.clear();
            }
        } else if (partial_line_.size() < kMaxLineLength) {
            partial_line_.push_back(static_cast<char>(byte));
        }
    }
    return true;
}

void ModemLine::OnReaderEnded(int error) {
    if (trace_) {
        trace_("ModemLine: the device stopped reading (errno " + std::to_string(error) + ")");
    }
}

}  // namespace platform
