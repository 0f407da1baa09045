// Benchmark (not a test): a data file of a million records written, opened and read, exported as CSV
// and imported back. Beside each step's time it prints the step's floor, the time that reading the
// step's source bytes and writing its result bytes (put on disk as the step does) takes in large blocks,
// which no implementation beats, and the ratio to it. When Debian's python3-pandas is installed,
// pandas_csv_bench.py times pandas on the same CSV file and the ratios to it follow.
// Each step and its floor run three times and the best time counts. Usage: data_file_bench [records].
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "bench/bench_data_file.h"
#include "platform/base/binary_file.h"
#include "platform/base/local_time.h"
#include "platform/base/program_texts.h"
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

using Clock = std::chrono::steady_clock;

double SecondsSince(Clock::time_point start) {
    return std::chrono::duration<double>(Clock::now() - start).count();
}

// Reads `sources` and writes `writeBytes` bytes to `scratch`, in blocks of 4 MB, and puts them on disk:
// the floor of a step that reads those files and writes that many bytes.
double FloorSeconds(const std::vector<std::filesystem::path>& sources, std::uintmax_t writeBytes,
                    const std::filesystem::path& scratch) {
    constexpr std::size_t kBlock = 4 * 1024 * 1024;
    std::vector<std::uint8_t> block(kBlock, '7');
    const auto start = Clock::now();
    for (const std::filesystem::path& source : sources) {
        platform::BinaryFile input(source, platform::BinaryFile::Mode::Read);
        while (input.Read(block) > 0) {
        }
    }
    if (writeBytes > 0) {
        platform::BinaryFile output(scratch, platform::BinaryFile::Mode::Create);
        for (std::uintmax_t left = writeBytes; left > 0;) {
            const std::size_t part = static_cast<std::size_t>(std::min<std::uintmax_t>(left, kBlock));
            output.Write(block.data(), part);
            left -= part;
        }
        output.Flush(true);
        output.Close();
    }
    const double seconds = SecondsSince(start);
    std::filesystem::remove(scratch);
    return seconds;
}

std::uintmax_t SizeOf(const std::filesystem::path& path) {
    std::error_code error;
    const std::uintmax_t size = std::filesystem::file_size(path, error);
    return error ? 0 : size;
}

// A step: its time, and the files it reads and writes for its floor.
struct Step {
    const char* what;
    std::function<bool()> run;
    std::vector<std::filesystem::path> reads;
    std::filesystem::path writes;  // empty when the step writes nothing
    double seconds = 0.0;
    double cpuSeconds = 0.0;  // of the same run: on a busy machine the clock time varies more
};

double CpuSeconds() {
    return static_cast<double>(std::clock()) / CLOCKS_PER_SEC;
}

// Runs of each step and of its floor; the best counts, as the disk's write-back and other programs
// make single runs vary.
constexpr int kRuns = 3;

// Runs the step over `records` records and prints its rate, floor and ratio; false when it failed.
bool Measure(Step& step, long records, const std::filesystem::path& scratch) {
    bool ok = true;
    double floor = 0.0;
    for (int run = 0; run < kRuns && ok; ++run) {
        const auto start = Clock::now();
        const double cpuStart = CpuSeconds();
        ok = step.run();
        const double seconds = SecondsSince(start);
        const double cpuSeconds = CpuSeconds() - cpuStart;
        const double floorSeconds =
            FloorSeconds(step.reads, step.writes.empty() ? 0 : SizeOf(step.writes), scratch);
        if (run == 0 || seconds < step.seconds) {
            step.seconds = seconds;
            step.cpuSeconds = cpuSeconds;
        }
        floor = run == 0 ? floorSeconds : std::min(floor, floorSeconds);
    }
    std::printf("%-36s %6.2f s (cpu %5.2f s) %10.0f records/s   floor %6.3f s   %5.1f x floor%s\n", step.what,
                step.seconds, step.cpuSeconds, static_cast<double>(records) / step.seconds, floor,
                step.seconds / floor, ok ? "" : "  FAILED");
    return ok;
}

// Times pandas on `csv` with pandas_csv_bench.py; its "name seconds" lines, none without pandas.
std::map<std::string, double> TimePandas(const std::filesystem::path& csv,
                                         const std::filesystem::path& output) {
    std::map<std::string, double> times;
    const std::string command = std::string("/usr/bin/python3 ") + KIVO_PANDAS_SCRIPT + " '" + csv.string() +
                                "' '" + output.string() + "' 2>/dev/null";
    FILE* pipe = ::popen(command.c_str(), "r");
    if (pipe == nullptr) {
        return times;
    }
    char name[32];
    double seconds = 0.0;
    while (std::fscanf(pipe, "%31s %lf", name, &seconds) == 2) {
        times[name] = seconds;
    }
    ::pclose(pipe);
    std::filesystem::remove(output);
    return times;
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
    const std::filesystem::path back = folder / "back.kivo";
    const std::filesystem::path scratch = folder / "floor.tmp";
    PrintingSink sink;
    std::printf("%ld records\n", records);
    Step steps[] = {
        {"write data file", [&] { return bench::WriteDataFile(data, BenchSetup(), records, sink); }, {}, data},
        {"open, check times, read each record", [&] { return ReadFile(data, records, sink); }, {data}, {}},
        {"export CSV", [&] { return ExportFile(data, csv, sink); }, {data}, csv},
        {"import CSV", [&] { return ConvertCSVToDataFile(csv, back, sink); }, {csv}, back},
    };
    bool ok = true;
    for (Step& step : steps) {
        ok = ok && Measure(step, records, scratch);
    }
    std::printf("data file %ju bytes, CSV %ju bytes\n", SizeOf(data), SizeOf(csv));

    const std::map<std::string, double> pandas =
        ok ? TimePandas(csv, folder / "pandas.csv") : decltype(pandas){};
    if (pandas.count("read_csv") != 0 && pandas.count("to_csv") != 0) {
        std::printf("pandas read_csv %7.2f s: the import is %5.1f times as fast\n", pandas.at("read_csv"),
                    pandas.at("read_csv") / steps[3].seconds);
        std::printf("pandas to_csv   %7.2f s: the export is %5.1f times as fast\n", pandas.at("to_csv"),
                    pandas.at("to_csv") / steps[2].seconds);
    } else if (ok) {
        std::printf("pandas: not measured (Debian's python3-pandas is not installed)\n");
    }
    std::filesystem::remove_all(folder);
    return ok ? 0 : 1;
}
