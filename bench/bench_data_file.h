// The data file the benchmarks work on (records every five minutes from 2020-01-01, values that repeat
// every thousand records, the setup's times of day at 12:30:15), and their timing and memory helpers.
#pragma once

#include <sys/resource.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

#include "platform/base/local_time.h"
#include "shared/datafile/data_info.h"
#include "shared/datafile/message_sink.h"
#include "shared/datafile/raw_data.h"
#include "shared/datafile/record_bytes.h"
#include "shared/setup/setup_table.h"

namespace bench {

class PrintingSink : public CMessageSink {
public:
    void ShowMessage(const std::string& text) override { std::printf("  message: %s\n", text.c_str()); }
};

// Four power channels: one average kW value each, every five minutes.
inline CSetupTable BenchSetup() {
    CSetupTable setup;
    setup.GetHeader().SetIntervalCode(1);
    for (int channel = 0; channel < 4; ++channel) {
        setup.GetHardwareChannel(channel).SetType(kChannelPower);
    }
    return setup;
}

inline double Seconds(const std::function<void()>& step) {
    const auto start = std::chrono::steady_clock::now();
    step();
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
}

inline long PeakMegabytes() {
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_maxrss / 1024;
}

inline constexpr std::time_t kStart = 1577836800;
inline constexpr long kIntervalSeconds = 300;

// Writes `records` records of `setup` (whose interval should be five minutes) at `path`.
inline bool WriteDataFile(const std::filesystem::path& path, CSetupTable setup, long records, PrintingSink& sink) {
    CDataInfo info;
    info.SetRecordCount(static_cast<std::uint32_t>(records));
    CRawData data;
    data.SetMessageSink(sink);
    if (!data.Initialize(&info, &setup) || !data.CreateDataFile(path, 4) || !data.BuildFieldList()) {
        return false;
    }
    const auto size = static_cast<std::size_t>(data.GetRecordSize());
    constexpr long kBlockRecords = 4096;
    std::vector<std::uint8_t> block;
    for (long first = 0; first < records; first += kBlockRecords) {
        const long count = std::min(kBlockRecords, records - first);
        block.assign(static_cast<std::size_t>(count) * size, 0);
        for (long i = 0; i < count; ++i) {
            const std::span<std::uint8_t> record =
                std::span<std::uint8_t>(block).subspan(static_cast<std::size_t>(i) * size, size);
            const std::tm time = *platform::ToUtcTime(kStart + (first + i) * kIntervalSeconds);
            WriteRecordDate(record, CRawData::kDateOffset, {time.tm_year % 100, time.tm_mon + 1, time.tm_mday});
            WriteRecordTimeOfDay(record, CRawData::kTimeOffset, {time.tm_hour, time.tm_min, time.tm_sec});
            for (const CRawDataField& field : data.GetFields()) {
                if (field.storageKind == CRawDataField::kStorageFloat) {
                    WriteRecordFloat(record, field.offset, static_cast<float>((first + i) % 1000) * 0.25f);
                } else if (field.offset != CRawData::kTimeOffset &&
                           field.storageKind == CRawDataField::kStorageTime) {
                    WriteRecordTimeOfDay(record, field.offset, {12, 30, 15});
                }
            }
        }
        if (!data.WriteRecords(block)) {
            return false;
        }
    }
    return data.CloseDataFile();
}

}  // namespace bench
