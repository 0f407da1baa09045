// Fuzz target: the texts-by-id file parser must refuse or accept any bytes without harm.
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "platform/base/text_table.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view content(reinterpret_cast<const char*>(data), size);
    std::string error;
    const auto table = platform::TextTable::Parse(content, &error);
    // Exactly one of a table and an error text.
    if (table.has_value() == !error.empty()) {
        std::abort();
    }
    return 0;
}
