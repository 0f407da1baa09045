// The name a download proposes: numbered after the files in the data folder, from a description that
// may hold characters no file name takes.
#include "kivo32/app/download_name.h"

#include <gtest/gtest.h>

#include <fstream>

#include "tests/support/temp_folder.h"

namespace {

void Touch(const std::filesystem::path& path) {
    std::ofstream(path) << "x";
}

TEST(DownloadNameTest, NumbersGoFromOneToNineThenTwoDigitsThenOnWithTheDashKept) {
    testsupport::TempFolder folder;
    EXPECT_EQ(ProposeDownloadName(folder.path(), "Site A"), folder / "Site A-01.kivo");
    for (int number = 1; number <= 9; ++number) {
        Touch(folder / ("Site A-0" + std::to_string(number) + ".kivo"));
    }
    EXPECT_EQ(ProposeDownloadName(folder.path(), "Site A"), folder / "Site A-10.kivo");
    for (int number = 10; number <= 99; ++number) {
        Touch(folder / ("Site A-" + std::to_string(number) + ".kivo"));
    }
    EXPECT_EQ(ProposeDownloadName(folder.path(), "Site A"), folder / "Site A-100.kivo");
    // Another logger's files do not count.
    EXPECT_EQ(ProposeDownloadName(folder.path(), "Site B"), folder / "Site B-01.kivo");
}

TEST(DownloadNameTest, CharactersThatCannotStandInAFileNameAreReplaced) {
    const struct {
        std::string description;
        std::string base;
    } cases[] = {
        {"Main/Feeder 2", "Main_Feeder 2"},
        {"..\\..\\etc", ".._.._etc"},
        {"a:b*c?d\"e<f>g|h", "a_b_c_d_e_f_g_h"},
        {std::string("tab\there\x01", 10), "tab_here__"},  // the NUL too
        {"Salle \xE9t\xE9", "Salle \xE9t\xE9"},
        {"", "Data"},
        {"..", "Data"},
        {"  ", "Data"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FileNameBaseOf(c.description), c.base) << c.description;
    }
}

TEST(DownloadNameTest, TheProposedFileStaysInTheDataFolder) {
    testsupport::TempFolder folder;
    const std::filesystem::path proposed = ProposeDownloadName(folder.path(), "../../outside");
    EXPECT_EQ(proposed.parent_path(), folder.path());
    EXPECT_EQ(proposed.filename(), ".._.._outside-01.kivo");
    // A Windows-1252 description becomes a UTF-8 file name.
    EXPECT_EQ(ProposeDownloadName(folder.path(), "\xE9t\xE9").filename(), "\xC3\xA9t\xC3\xA9-01.kivo");
}

}  // namespace
