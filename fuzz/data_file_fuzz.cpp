// Fuzz target: any bytes read as a data file (prepared, every record and field read, exported as CSV)
// and as the raw records of a download of each logger generation.
#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

#include "fuzz/datafile_fuzz_support.h"
#include "shared/datafile/conversion_context.h"
#include "shared/datafile/data_info.h"
#include "shared/datafile/raw_data.h"
#include "shared/datafile/raw_record_decoder.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"

namespace {

const fuzzsupport::ScratchFolder g_folder("data_file_fuzz");
using fuzzsupport::SilentSink;

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
    fuzzsupport::LoadEnglishTexts();
    const std::filesystem::path path = g_folder / "input.kivo";
    const std::vector<std::uint8_t> bytes(data, data + size);
    fuzzsupport::WriteInput(path, data, size);
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
