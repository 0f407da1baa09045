// Fuzz target: any text read as the CSV form of a data file and converted into a data file.
#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "shared/common/program_texts.h"
#include "shared/datafile/csv_import.h"
#include "shared/datafile/message_sink.h"
#include "tests/support/resource_texts.h"

namespace {

class SilentSink : public CMessageSink {
public:
    void ShowMessage(const std::string&) override {}
};

// A private folder for the files of this process, removed when it ends.
class Folder {
public:
    Folder()
        : path_(std::filesystem::temp_directory_path() / ("csv_import_fuzz." + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~Folder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    std::filesystem::path operator/(const char* name) const { return path_ / name; }

private:
    std::filesystem::path path_;
};

const Folder g_folder;

// The English texts, so that the channel and title words of the CSV form are the program's.
bool LoadEnglishTexts() {
    platform::TextTable texts = testsupport::LoadResourceTexts("en", "common");
    texts.Merge(testsupport::LoadResourceTexts("en", "setup"));
    texts.Merge(testsupport::LoadResourceTexts("en", "datafile"));
    SetProgramTexts(std::move(texts));
    return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    [[maybe_unused]] static const bool textsLoaded = LoadEnglishTexts();
    const std::filesystem::path csv = g_folder / "input.csv";
    {
        std::ofstream file(csv, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    SilentSink sink;
    ConvertCSVToDataFile(csv, g_folder / "output.kivo", sink);
    return 0;
}
