// Fuzz target: any bytes read as a data file (prepared, every record and field read, exported as CSV)
// and as the raw records of a download of each logger generation.
#include <unistd.h>

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "shared/common/program_texts.h"
#include "shared/datafile/conversion_context.h"
#include "shared/datafile/data_info.h"
#include "shared/datafile/message_sink.h"
#include "shared/datafile/raw_data.h"
#include "shared/datafile/raw_record_decoder.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"
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
        : path_(std::filesystem::temp_directory_path() / ("data_file_fuzz." + std::to_string(::getpid()))) {
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

void ReadEveryField(CRawData& data) {
    for (int record = 0; record < data.GetRecordCount(); ++record) {
        if (!data.ReadRecord(record)) {
            return;
        }
        std::string text;
        for (int field = 0; field < data.GetFieldCount(); ++field) {
            data.GetFieldText(field, text);
        }
        std::time_t time = 0;
        data.GetRecordTime(time);
    }
}

// The bytes after the file's setup table decoded as raw records by each generation.
void DecodeAsDownload(CRawData& data, const std::vector<std::uint8_t>& bytes) {
    CSetupTable setup = *data.GetSetupTable();
    CDataInfo info = *data.GetDataInfo();
    CFileHeader header;
    const auto offset = static_cast<std::size_t>(data.GetDataOffset());
    const int rawSize = setup.GetRecordSize();
    if (!data.BuildFieldList() || rawSize <= 0 || offset > bytes.size()) {
        return;
    }
    std::vector<std::uint8_t> record(static_cast<std::size_t>(data.GetRecordSize()));
    for (const int model : {0, 1, 5, 13}) {
        CConversionContext context = MakeConversionContext(setup, info);
        context.modelCode = model;
        CRawRecordDecoder decoder(context, setup, data.GetFields(), info, header,
                                  [](std::uint64_t, std::uint8_t) { return true; });
        decoder.StartChunk(record, 0);
        for (std::size_t start = offset; start < bytes.size(); start += static_cast<std::size_t>(rawSize)) {
            const std::size_t length = std::min(bytes.size() - start, static_cast<std::size_t>(rawSize));
            decoder.DecodeRawRecord(record, std::span<const std::uint8_t>(bytes).subspan(start, length));
        }
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    [[maybe_unused]] static const bool textsLoaded = LoadEnglishTexts();
    const std::filesystem::path path = g_folder / "input.kivo";
    const std::vector<std::uint8_t> bytes(data, data + size);
    {
        std::ofstream file(path, std::ios::binary | std::ios::trunc);
        file.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
    }
    SilentSink sink;
    {
        CRawData file;
        file.SetMessageSink(sink);
        if (file.Initialize() && file.OpenDataFile(path)) {
            file.ExportCSV(g_folder / "input.csv", {}, true);
        }
    }
    CRawData file;
    file.SetMessageSink(sink);
    if (file.Initialize() && file.OpenDataFile(path)) {
        if (file.InitRecordAccess()) {
            ReadEveryField(file);
        }
        DecodeAsDownload(file, bytes);
    }
    return 0;
}
