// Fuzz target of the command routine's reply readers: echo check, reply framing, firmware text.
#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

#include "shared/link/reply_framing.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    const int blockLength = size > 0 ? data[0] : 0;
    const std::size_t leading = IsReplyComplete(bytes, blockLength);
    if (leading > size) {
        __builtin_trap();
    }
    IsReplyComplete(bytes, 0);
    const std::string_view command(reinterpret_cast<const char*>(data), size < 8 ? size : 8);
    const EchoCheck echo = CheckForEcho(bytes, command);
    if (echo.status == ECHO_GOOD && echo.echoEnd > size) {
        __builtin_trap();
    }
    if (const auto version = ParseFirmwareVersion(bytes); version && version->text.size() != 9) {
        __builtin_trap();
    }
    return 0;
}
