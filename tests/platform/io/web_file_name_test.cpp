// Names from web pages: plain file names land in their folder, anything that is a path is refused.
#include "platform/io/web_file_name.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(WebFileNameTest, OnlyPlainNamesStayInTheirFolder) {
    const std::filesystem::path folder = "/data/Firmware";
    EXPECT_EQ(WebFileInFolder(folder, "NX401005.hex"), folder / "NX401005.hex");
    EXPECT_EQ(WebFileInFolder(folder, "setup..v2.exe"), folder / "setup..v2.exe");

    const std::string refusedNames[] = {"",
                                        ".",
                                        "..",
                                        "../NX401005.hex",
                                        "sub/NX401005.hex",
                                        "/etc/passwd",
                                        "..\\NX401005.hex",
                                        std::string("NX\0.hex", 7)};
    for (const std::string& refused : refusedNames) {
        EXPECT_FALSE(IsPlainFileName(refused)) << refused;
        EXPECT_EQ(WebFileInFolder(folder, refused), std::nullopt) << refused;
    }
}

}  // namespace
