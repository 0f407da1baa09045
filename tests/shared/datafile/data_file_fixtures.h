// Shared pieces of the data-file tests: the program's texts, setups, records and files made by hand.
#pragma once

#include <gtest/gtest.h>

#include <cstdint>
#include <filesystem>
#include <fstream>
#include <initializer_list>
#include <iterator>
#include <string>
#include <vector>

#include "platform/base/byte_order.h"
#include "platform/base/program_texts.h"
#include "shared/datafile/data_info.h"
#include "shared/datafile/raw_data.h"
#include "shared/datafile/record_bytes.h"
#include "shared/setup/setup_table.h"
#include "tests/shared/datafile/recording_sink.h"
#include "tests/support/resource_texts.h"

namespace datafiletest {

using Bytes = std::vector<std::uint8_t>;

// The English texts of the areas the data files use and of `moreAreas`, for the life of the object.
class EnglishTexts {
public:
    explicit EnglishTexts(std::initializer_list<const char*> moreAreas = {}) {
        platform::TextTable texts = testsupport::LoadResourceTexts("en", "common");
        texts.Merge(testsupport::LoadResourceTexts("en", "setup"));
        texts.Merge(testsupport::LoadResourceTexts("en", "datafile"));
        for (const char* area : moreAreas) {
            texts.Merge(testsupport::LoadResourceTexts("en", area));
        }
        SetProgramTexts(std::move(texts));
    }
    ~EnglishTexts() { SetProgramTexts({}); }
    EnglishTexts(const EnglishTexts&) = delete;
    EnglishTexts& operator=(const EnglishTexts&) = delete;
};

inline Bytes ReadFileBytes(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    return Bytes(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

inline void WriteFileBytes(const std::filesystem::path& path, const Bytes& bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
}

inline std::string ReadFileText(const std::filesystem::path& path) {
    const Bytes bytes = ReadFileBytes(path);
    return std::string(bytes.begin(), bytes.end());
}

inline void WriteFileText(const std::filesystem::path& path, const std::string& text) {
    WriteFileBytes(path, Bytes(text.begin(), text.end()));
}

// A setup of `model` whose hardware channel 1 is a power channel logging the average kW only: records
// of 11 bytes (lead byte, date, time, one float).
inline CSetupTable OneValueSetup(int model, std::uint8_t intervalCode = 2) {
    CSetupTable setup;
    setup.GetHeader().SetModelCode(static_cast<std::uint8_t>(model));
    setup.GetHeader().SetIntervalCode(intervalCode);
    setup.GetHardwareChannel(0).SetType(kChannelPower);
    return setup;
}

// A data record: lead byte 0, the date and time, then the floats (little-endian).
inline Bytes RecordBytes(RecordDate date, RecordTimeOfDay time, const std::vector<float>& values) {
    Bytes record(static_cast<std::size_t>(CRawData::kFirstValueOffset) + 4 * values.size(), 0);
    WriteRecordDate(record, CRawData::kDateOffset, date);
    WriteRecordTimeOfDay(record, CRawData::kTimeOffset, time);
    for (std::size_t i = 0; i < values.size(); ++i) {
        WriteRecordFloat(record, CRawData::kFirstValueOffset + static_cast<int>(4 * i), values[i]);
    }
    return record;
}

// Records of a one-value setup on 2024-03-15 from 10:00 at `stepMinutes`, with values 1, 2, 3...
inline std::vector<Bytes> TimedRecords(int count, int stepMinutes = 15) {
    std::vector<Bytes> records;
    for (int i = 0; i < count; ++i) {
        const int minutes = 10 * 60 + i * stepMinutes;
        records.push_back(RecordBytes({24, 3, 15 + minutes / (24 * 60)}, {minutes / 60 % 24, minutes % 60, 0},
                                      {static_cast<float>(i + 1)}));
    }
    return records;
}

// Writes a data file of kind 4 holding `records`; the information record's count is set to their number.
inline void WriteDataFile(const std::filesystem::path& path, CSetupTable setup,
                          const std::vector<Bytes>& records, CDataInfo info = {}) {
    RecordingSink sink;
    CRawData data;
    data.SetMessageSink(sink);
    info.SetRecordCount(static_cast<std::uint32_t>(records.size()));
    ASSERT_TRUE(data.Initialize(&info, &setup));
    ASSERT_TRUE(data.CreateDataFile(path, 4));
    for (const Bytes& record : records) {
        ASSERT_TRUE(data.WriteRecords(record));
    }
    ASSERT_TRUE(data.CloseDataFile());
    ASSERT_TRUE(sink.messages.empty());
}

// A model open for reading and prepared for record access, with its messages kept.
struct OpenedFile {
    RecordingSink sink;
    CRawData data;

    explicit OpenedFile(const std::filesystem::path& path, bool prepare = true) {
        data.SetMessageSink(sink);
        EXPECT_TRUE(data.Initialize());
        opened = data.OpenDataFile(path);
        prepared = opened && prepare && data.InitRecordAccess();
    }

    bool opened = false;
    bool prepared = false;
};

}  // namespace datafiletest
