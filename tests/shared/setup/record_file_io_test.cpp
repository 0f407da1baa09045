// The record writes and reads' own report of a file error: shown in the user's language.
#include "shared/setup/record_file_io.h"

#include <gtest/gtest.h>

#include <array>
#include <fstream>

#include "platform/base/binary_file.h"
#include "platform/base/program_texts.h"
#include "tests/support/resource_texts.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"

namespace {

TEST(RecordFileIoTest, AFileErrorIsShownWithItsCauseInTheChosenLanguage) {
    testsupport::TempFolder folder;
    const auto path = folder / "north.sut";
    std::ofstream(path) << "setup";
    const struct {
        const char* language;
        std::string expected;
    } cases[] = {
        {"en", "file not open: " + path.string() + ": Bad file descriptor"},
        {"fr", "fichier non ouvert: " + path.string() + ": Bad file descriptor"},
    };
    for (const auto& c : cases) {
        SetProgramTexts(testsupport::LoadResourceTexts(c.language, "common"));
        testsupport::ScriptedUiBroker boxes{1};
        platform::BinaryFile file;
        file.Open(path, platform::BinaryFile::Mode::Read);
        const std::array<std::uint8_t, 4> record{1, 2, 3, 4};
        EXPECT_FALSE(WriteRecordBytes(file, record));  // a file open for reading takes no writes
        ASSERT_EQ(boxes.Asked().size(), 1u) << c.language;
        EXPECT_EQ(boxes.Asked()[0].text, c.expected);
    }
    SetProgramTexts({});
}

}  // namespace
