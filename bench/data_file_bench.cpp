// Benchmark (not a test): a data file of a million records written, opened and read, exported as CSV
// and imported back, with the records per second of each step. Usage: data_file_bench [records].
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "bench/bench_data_file.h"
#include "shared/common/program_texts.h"
#include "shared/datafile/csv_import.h"
#include "shared/datafile/raw_data.h"
#include "shared/setup/setup_table.h"
#include "tests/support/resource_texts.h"

namespace {

using bench::PrintingSink;

// A Quarven RS setup with two power channels: 14 values and 4 times of day per record.
CSetupTable BenchSetup() {
    CSetupTable setup;
    setup.GetHeader().SetModelCode(kModelQuarvenRS);
    setup.GetHeader().SetIntervalCode(1);  // 5 minutes
    for (int channel = 0; channel < 2; ++channel) {
        CSUTChannelHardware& power = setup.GetHardwareChannel(channel);
        power.SetType(kChannelPower);
        const std::uint8_t options[kPowerQuantities] = {0x07, 0x01, 0x09, 0x01, 0x01, 0x01};
        for (int quantity = 0; quantity < kPowerQuantities; ++quantity) {
            power.SetPowerOptions(quantity, options[quantity]);
        }
    }
    return setup;
}

// Runs `step` over `records` records and prints its rate; false when the step failed.
bool Measure(const char* what, long records, const std::function<bool()>& step) {
    const auto start = std::chrono::steady_clock::now();
    const bool ok = step();
    const double seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%-34s %8.2f s %12.0f records/s%s\n", what, seconds, static_cast<double>(records) / seconds,
                ok ? "" : "  FAILED");
    return ok;
}

bool ReadFile(const std::filesystem::path& path, long records, PrintingSink& sink) {
    CRawData data;
    data.SetMessageSink(sink);
    if (!data.Initialize() || !data.OpenDataFile(path) || !data.InitRecordAccess()) {
        return false;
    }
    std::string text;
    for (int record = 0; record < records; ++record) {
        if (!data.ReadRecord(record) || !data.GetFieldText(2, text)) {
            return false;
        }
    }
    return true;
}

bool ExportFile(const std::filesystem::path& path, const std::filesystem::path& csv, PrintingSink& sink) {
    CRawData data;
    data.SetMessageSink(sink);
    return data.Initialize() && data.OpenDataFile(path) && data.ExportCSV(csv, {}, true) == 0;
}

}  // namespace

int main(int argc, char** argv) {
    const long records = argc > 1 ? std::atol(argv[1]) : 1000000;
    platform::TextTable texts = testsupport::LoadResourceTexts("en", "common");
    texts.Merge(testsupport::LoadResourceTexts("en", "setup"));
    texts.Merge(testsupport::LoadResourceTexts("en", "datafile"));
    SetProgramTexts(std::move(texts));

    const std::filesystem::path folder =
        std::filesystem::temp_directory_path() / ("data_file_bench." + std::to_string(::getpid()));
    std::filesystem::create_directories(folder);
    const std::filesystem::path data = folder / "bench.kivo";
    const std::filesystem::path csv = folder / "bench.csv";
    PrintingSink sink;
    std::printf("%ld records\n", records);
    const bool ok =
        Measure("write data file", records, [&] { return bench::WriteDataFile(data, BenchSetup(), records, sink); }) &&
        Measure("open, check times, read each record", records,
                [&] { return ReadFile(data, records, sink); }) &&
        Measure("export CSV", records, [&] { return ExportFile(data, csv, sink); }) &&
        Measure("import CSV", records, [&] { return ConvertCSVToDataFile(csv, folder / "back.kivo", sink); });
    std::printf(
        "data file %ju bytes, CSV %ju bytes\n", static_cast<std::uintmax_t>(std::filesystem::file_size(data)),
        std::filesystem::exists(csv) ? static_cast<std::uintmax_t>(std::filesystem::file_size(csv)) : 0);
    std::filesystem::remove_all(folder);
    return ok ? 0 : 1;
}
