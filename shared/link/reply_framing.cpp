// Echo check, reply framing, time-out mapping and firmware text of the command routine.
#include "shared/link/reply_framing.h"

#include <cctype>
#include <vector>

#include "shared/common/trace_log.h"

namespace {

bool IsLineEnd(std::uint8_t byte) {
    return byte == '\r' || byte == '\n';
}

int HexDigit(std::uint8_t c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

constexpr std::size_t kVersionOffset = 66;  // hex digits of record bytes 0 to 32
constexpr std::size_t kVersionLength = 9;

// The received bytes from `position` as a trace shows them: up to the first NUL.
std::string TracedText(std::span<const std::uint8_t> received, std::size_t position) {
    std::string text(received.begin() + static_cast<std::ptrdiff_t>(position), received.end());
    return text.substr(0, text.find('\0'));
}

void TraceReceived(const std::string& text) {
    if (!IsTraceOn()) {
        return;
    }
    if (IsPrintableStart(text)) {
        TraceFormat("Cmd Recv(%zu): %s", text.size(), text.c_str());
    } else {
        TraceFormat("Cmd Recv: 0x%x 0x%x", text.empty() ? 0u : static_cast<unsigned char>(text[0]),
                    text.size() > 1 ? static_cast<unsigned char>(text[1]) : 0u);
    }
}

}  // namespace

bool IsPrintableStart(std::string_view bytes) {
    if (bytes.empty()) {
        return false;
    }
    const auto first = static_cast<unsigned char>(bytes.front());
    return std::isalnum(first) || first == '*' || first == '@' || first == '#' || first == '_';
}

std::string MaskSecret(std::string_view text, std::string_view secret) {
    std::string shown(text);
    if (secret.empty()) {
        return shown;
    }
    for (std::size_t at = shown.find(secret); at != std::string::npos;
         at = shown.find(secret, at + secret.size())) {
        shown.replace(at, secret.size(), secret.size(), '*');
    }
    return shown;
}

EchoCheck CheckForEcho(std::span<const std::uint8_t> received, std::string_view command,
                       std::string_view secret) {
    const std::size_t length = command.size();
    if (length == 0) {
        return {ECHO_GOOD, 0};
    }
    if (received.size() < length) {
        return {};
    }
    const int first = std::tolower(static_cast<unsigned char>(command.front()));
    std::size_t position = 0;
    std::size_t left = received.size();
    while (position < received.size() && std::tolower(received[position]) != first) {
        if (received[position] != 0) {
            --left;
        }
        ++position;
    }
    left = position == received.size() ? 0 : left;
    if (left == 0 && command == " ") {
        Trace("CheckForEcho(): WakeLogger() command failed - will retry");
        return {ECHO_BAD, 0};
    }
    if (left < length || received.size() - position < length) {
        return {};
    }
    const std::string text = MaskSecret(TracedText(received, position), secret);
    TraceReceived(text);
    for (std::size_t i = 0; i < length; ++i) {
        if (std::tolower(received[position + i]) != std::tolower(static_cast<unsigned char>(command[i]))) {
            TraceFormat("** Bad Echo **: Expected: %s(%zu), Received: %s(%zu)",
                        MaskSecret(command, secret).c_str(), length, text.c_str(), text.size());
            return {ECHO_BAD, 0};
        }
    }
    return {ECHO_GOOD, position + length};
}

std::size_t IsReplyComplete(std::span<const std::uint8_t> received, int blockReplyLength) {
    if (received.size() < 2) {
        return 0;
    }
    if (blockReplyLength > 0) {
        const auto length = static_cast<std::size_t>(blockReplyLength);
        if (length < 4 || received[0] != '\r' || received[1] != '\n' || received.size() < length) {
            return 0;
        }
        return received[length - 4] == '\r' && received[length - 3] == '\n' && received[length - 2] == '>'
                   ? 2
                   : 0;
    }
    std::size_t leading = 0;
    while (leading < 3 && leading < received.size() && IsLineEnd(received[leading])) {
        ++leading;
    }
    if (leading == 0) {
        return 0;
    }
    std::size_t lastLineEnd = received.size();
    while (lastLineEnd > 0 && !IsLineEnd(received[lastLineEnd - 1])) {
        --lastLineEnd;
    }
    // lastLineEnd is the position after the final line end.
    return lastLineEnd < received.size() && received[lastLineEnd] == '>' ? leading : 0;
}

std::uint32_t MapReplyTimeout(int nominalTimeout) {
    switch (nominalTimeout) {
        case 2000:
            return 10000;
        case 4000:
            return 15000;
        case 8000:
            return 25000;
        case 16000:
            return 50000;
        case 20000:
            return 60000;
        case 24000:
            return 90000;
        default:
            return 35000;
    }
}

std::optional<FirmwareVersion> ParseFirmwareVersion(std::span<const std::uint8_t> reply) {
    std::vector<std::uint8_t> digits;
    for (const std::uint8_t byte : reply) {
        if (!IsLineEnd(byte)) {
            digits.push_back(byte);
        }
    }
    if (digits.size() < kVersionOffset + 2 * kVersionLength) {
        return std::nullopt;
    }
    FirmwareVersion version;
    bool allHex = true;
    for (std::size_t i = 0; i < kVersionLength; ++i) {
        const int high = HexDigit(digits[kVersionOffset + 2 * i]);
        const int low = HexDigit(digits[kVersionOffset + 2 * i + 1]);
        allHex = allHex && high >= 0 && low >= 0;
        version.text += static_cast<char>(high >= 0 && low >= 0 ? high * 16 + low : 0);
    }
    version.wellFormed = allHex && version.text[5] == '.';
    return version;
}
