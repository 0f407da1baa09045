// Expanding the run-length form of a ROM setup image.
#include "shared/logger/setup_image_expand.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using Bytes = std::vector<std::uint8_t>;

TEST(SetupImageExpandTest, Runs) {
    struct Case {
        const char* name;
        Bytes source;
        std::size_t room;
        bool ok;
        Bytes expanded;
    };
    const Case cases[] = {
        {"copy then zeros", {0x00, 0x02, 0x41, 0x42, 0xFF, 0xFE}, 8, true, {0x41, 0x42, 0x00, 0x00}},
        {"nothing", {}, 8, true, {}},
        {"exactly the room", {0xFF, 0xFC}, 4, true, {0, 0, 0, 0}},
        {"zeros past the room", {0xFF, 0xFB}, 4, false, {}},
        {"copy past the room", {0x00, 0x05, 1, 2, 3, 4, 5}, 4, false, {}},
        {"copy past the source", {0x00, 0x03, 1, 2}, 8, false, {}},
        {"half a count", {0x00, 0x01, 0x07, 0x00}, 8, false, {}},
    };
    for (const Case& test : cases) {
        SCOPED_TRACE(test.name);
        // A guard byte behind the room shows any write past it.
        Bytes buffer(test.room + 1, 0xEE);
        std::size_t count = 99;
        EXPECT_EQ(ExpandSetupImage(std::span(buffer).first(test.room), test.source, count), test.ok);
        EXPECT_EQ(buffer.back(), 0xEE);
        if (test.ok) {
            EXPECT_EQ(Bytes(buffer.begin(), buffer.begin() + static_cast<std::ptrdiff_t>(count)), test.expanded);
        }
    }
}

}  // namespace
