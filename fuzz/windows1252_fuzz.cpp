// Fuzz target: UTF-8 decoding of any bytes, and the round trip of 8-bit text through UTF-8.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/base/windows1252.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    platform::Utf8ToWindows1252(bytes);

    // Every 8-bit text comes back unchanged.
    if (platform::Utf8ToWindows1252(platform::Windows1252ToUtf8(bytes)) != bytes) {
        std::abort();
    }
    return 0;
}
