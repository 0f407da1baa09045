// Benchmark (not a test): the load profile of one channel of a data file of ten million records: the
// first profile (one pass over the records into the column cache), then profiles of other days and
// periods over the cache alone, with the cache's bytes a record and the peak memory. The file is made
// once in the temporary folder and kept. Usage: load_profile_bench [records].
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <functional>

#include "bench/bench_data_file.h"
#include "kivo32/analysis/load_profile_tou.h"
#include "kivo32/analysis/profile_column_cache.h"
#include "kivo32/analysis/profile_data.h"

namespace {

constexpr int kChannelColumn = 3;

}  // namespace

int main(int argc, char** argv) {
    const long records = argc > 1 ? std::atol(argv[1]) : 10'000'000;
    const std::filesystem::path path =
        std::filesystem::temp_directory_path() / ("grid_bench_" + std::to_string(records) + ".kivo");
    bench::PrintingSink sink;
    if (!std::filesystem::exists(path)) {
        std::printf("making %s\n", path.c_str());
        if (!bench::WriteDataFile(path, bench::BenchSetup(), records, sink)) {
            std::printf("the file could not be written\n");
            return 1;
        }
    }
    CRawData data;
    data.SetMessageSink(sink);
    if (!data.Initialize() || !data.OpenDataFile(path) || !data.InitRecordAccess(false)) {
        std::printf("the file could not be opened\n");
        return 1;
    }
    const long before = bench::PeakMegabytes();
    CProfileColumnCache cache;
    GridWalkProgress progress;
    bool filled = false;
    const double fill = bench::Seconds([&] {
        filled = cache.Fill(data, kChannelColumn, progress).result == CProfileColumnCache::FillResult::Done;
    });
    if (!filled) {
        std::printf("the column could not be read\n");
        return 1;
    }
    const long interval = data.GetSetupTable()->GetIntervalSeconds();
    const int code = LoadProfileIntervalCode(data.GetSetupTable()->GetHeader().GetIntervalCode());
    const auto profile = [&](int period, int dayFilter) {
        CLoadProfileTOU table;
        CProfileData sums;
        table.Init(period, dayFilter, code, CDayOfWeek(2), false);
        return bench::Seconds([&] {
            sums.Build(cache, table, interval, kChannelColumn, 1, cache.GetRowCount());
            table.FillFromProfileData(sums);
        });
    };
    std::printf("%ld records, %zu bytes a record in the cache\n", records, cache.BytesPerRecord());
    std::printf("first profile, the column read into the cache: %.2f s\n",
                fill + profile(kProfileDaily, kProfileAllDays));
    std::printf("weekly, weekdays, from the cache:             %.2f s\n",
                profile(kProfileWeekly, kProfileWeekdays));
    std::printf("daily, weekend days, from the cache:          %.2f s\n",
                profile(kProfileDaily, kProfileWeekendDays));
    std::printf("peak memory %ld MB (%ld MB before the cache)\n", bench::PeakMegabytes(), before);
    return 0;
}
