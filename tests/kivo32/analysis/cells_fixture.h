// Data files written by hand and opened without a window, for the tests of the analysis: their setups,
// records and grid cells with the texts the analysis uses.
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <string>
#include <vector>

#include "kivo32/analysis/grid_walk_progress.h"
#include "kivo32/analysis/raw_data_grid.h"
#include "tests/shared/datafile/data_file_fixtures.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/temp_folder.h"

namespace gridtest {

// A setup of `model` logging the average kW of the first `channels` hardware channels: grid columns 3
// and up, one per channel.
inline CSetupTable ChannelsSetup(int channels, int model = 0, std::uint8_t intervalCode = 2) {
    CSetupTable setup = datafiletest::OneValueSetup(model, intervalCode);
    for (int channel = 1; channel < channels; ++channel) {
        setup.GetHardwareChannel(channel).SetType(kChannelPower);
    }
    return setup;
}

// Records on 2024-03-15 from 10:00 every `stepSeconds`; channel c of record i holds value(i, c).
template <typename ValueOf>
std::vector<datafiletest::Bytes> Records(int count, int channels, int stepSeconds, ValueOf value) {
    std::vector<datafiletest::Bytes> records;
    for (int i = 0; i < count; ++i) {
        const int seconds = 10 * 3600 + i * stepSeconds;
        std::vector<float> values;
        for (int channel = 0; channel < channels; ++channel) {
            values.push_back(value(i, channel));
        }
        records.push_back(datafiletest::RecordBytes(
            {24, 3, 15 + seconds / 86400}, {seconds / 3600 % 24, seconds / 60 % 60, seconds % 60}, values));
    }
    return records;
}

// The lines of a text whose lines end in CR LF.
inline std::vector<std::string> SplitCrLf(const std::string& text) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
        lines.push_back(text.substr(start, end - start));
    }
    return lines;
}

// The cells of a data file written and opened without a window, for the tests of the walks.
class CellsFixture : public testing::Test {
protected:
    // Writes `records` of `setup` and opens them; the cells stay until the next call.
    const CRawDataGrid& Open(const CSetupTable& setup, const std::vector<datafiletest::Bytes>& records,
                             CDataInfo info = {}) {
        cells_.reset();
        file_.reset();
        datafiletest::WriteDataFile(path_, setup, records, info);
        file_ = std::make_unique<datafiletest::OpenedFile>(path_);
        EXPECT_TRUE(file_->prepared);
        cells_ = std::make_unique<CRawDataGrid>(file_->data);
        return *cells_;
    }

    datafiletest::EnglishTexts texts_{"logger", "analysis"};
    testsupport::TempFolder folder_;
    std::filesystem::path path_ = folder_ / "site.kivo";
    testsupport::FakeAppContext context_;
    std::unique_ptr<datafiletest::OpenedFile> file_;
    std::unique_ptr<CRawDataGrid> cells_;
    GridWalkProgress progress_;
};

}  // namespace gridtest
