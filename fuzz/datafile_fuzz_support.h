// What the data-file fuzz targets share: a scratch folder per process, a sink that shows nothing, the
// English texts that the CSV form's titles are made of, and writing the input to a file.
#pragma once

#include <unistd.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/base/program_texts.h"
#include "shared/datafile/message_sink.h"
#include "tests/support/resource_texts.h"

namespace fuzzsupport {

class SilentSink : public CMessageSink {
public:
    void ShowMessage(const std::string&) override {}
};

// A private folder for the files of this process, removed when it ends. It lies in memory where the
// system has a memory file system, so that the disk syncs of a file's safe replacing cost nothing and
// a target runs thousands of inputs a second.
class ScratchFolder {
public:
    explicit ScratchFolder(const std::string& name) : path_(Root() / (name + "." + std::to_string(::getpid()))) {
        std::filesystem::create_directories(path_);
    }
    ~ScratchFolder() {
        std::error_code ignored;
        std::filesystem::remove_all(path_, ignored);
    }
    ScratchFolder(const ScratchFolder&) = delete;
    ScratchFolder& operator=(const ScratchFolder&) = delete;

    std::filesystem::path operator/(const char* name) const { return path_ / name; }

private:
    static std::filesystem::path Root() {
        const std::filesystem::path memory = "/dev/shm";
        std::error_code failure;
        return std::filesystem::is_directory(memory, failure) ? memory : std::filesystem::temp_directory_path();
    }

    std::filesystem::path path_;
};

// Loads the texts once per process.
inline void LoadEnglishTexts() {
    [[maybe_unused]] static const bool loaded = [] {
        platform::TextTable texts = testsupport::LoadResourceTexts("en", "common");
        texts.Merge(testsupport::LoadResourceTexts("en", "setup"));
        texts.Merge(testsupport::LoadResourceTexts("en", "datafile"));
        SetProgramTexts(std::move(texts));
        return true;
    }();
}

inline void WriteInput(const std::filesystem::path& path, const std::uint8_t* data, std::size_t size) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

}  // namespace fuzzsupport
