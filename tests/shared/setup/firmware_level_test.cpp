// Tests of the setup editor's firmware-level check.
#include "shared/setup/firmware_level.h"

#include <gtest/gtest.h>

#include "shared/setup/sut_header.h"
#include "tests/support/fake_app_context.h"

namespace {

TEST(FirmwareLevel, ByDocumentVersionModelAndFirmware) {
    testsupport::FakeAppContext context;
    const struct {
        int documentVersion;
        int model;
        int firmware;
        int result;
    } cases[] = {
        {403, 0, 0, 1},  {406, 5, 100, 1}, {0, 0, 0, -1},   {402, 13, 0, -1}, {0, 0, 132, -2}, {0, 0, 133, 1},
        {0, 1, 151, -2}, {0, 2, 152, 1},   {0, 3, 148, -2}, {0, 10, 149, 1},  {0, 13, 1, 1},   {0, 14, 50, 1},
    };
    for (const auto& c : cases) {
        CSUTHeader header;
        header.SetModelCode(static_cast<std::uint8_t>(c.model));
        header.SetFirmwareVersion(static_cast<std::uint16_t>(c.firmware));
        EXPECT_EQ(CheckFirmwareLevel(c.documentVersion, header), c.result)
            << c.documentVersion << " " << c.model << " " << c.firmware;
    }
}

}  // namespace
