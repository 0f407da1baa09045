// Fuzz target: any text read as the CSV form of a data file and converted into a data file.
#include <cstdint>
#include <filesystem>
#include <string>

#include "fuzz/datafile_fuzz_support.h"
#include "shared/datafile/csv_import.h"

namespace {

const fuzzsupport::ScratchFolder g_folder("csv_import_fuzz");
using fuzzsupport::SilentSink;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    fuzzsupport::LoadEnglishTexts();
    const std::filesystem::path csv = g_folder / "input.csv";
    fuzzsupport::WriteInput(csv, data, size);
    SilentSink sink;
    ConvertCSVToDataFile(csv, g_folder / "output.kivo", sink);
    return 0;
}
