// Fuzz target: arbitrary bytes as a setup-table stream in each file form and as the logger images of a
// setup (channel and alarm blocks); whatever decodes is built into logger blocks again.
#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "platform/base/byte_order.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_table.h"
#include "shared/setup/sut_info.h"

namespace {

struct StreamForm {
    int version;
    bool withAlarms;
    bool withExtended;
    bool dataFile;
};

// A setup-table file of today and of old versions, and data files of today and of old versions.
constexpr std::array<StreamForm, 4> kForms = {{
    {406, true, true, false},
    {401, false, false, false},
    {306, false, true, true},
    {303, false, true, true},
}};

constexpr std::array<int, 7> kModels = {0, 2, 5, 9, 13, 14, 255};

void BuildEveryBlock(const CSetupTable& table) {
    std::vector<std::uint8_t> buffer(4096);
    table.BuildLoggerHeaderBlock(buffer);
    table.BuildLoggerChannelBlock(buffer);
    table.BuildLoggerChannelBlock(buffer, true);
    table.BuildLoggerLabelBlock(buffer);
    table.BuildLoggerNoteBlock(buffer);
    table.BuildLoggerAlarmBlock(buffer);
    table.BuildLoggerTimeBlock(buffer);
    std::vector<CRawDataField> fields;
    table.BuildDataFields(fields, 7);
    table.GetRecordingDays(511999.0, table.GetBytesPerDay(), true);
}

void ReadAsStream(std::span<const std::uint8_t> bytes) {
    platform::ByteReader headerReader(bytes, platform::ByteOrder::Little);
    CFileHeader header;
    header.Read(headerReader);
    for (const StreamForm& form : kForms) {
        platform::ByteReader reader(bytes, platform::ByteOrder::Little);
        CSetupTable table;
        if (table.Read(reader, form.version, form.withAlarms, form.withExtended, form.dataFile)) {
            BuildEveryBlock(table);
        }
    }
}

// The first byte picks the table's model, the next ten are the summary's channel types, the rest is the
// image.
void ReadAsLoggerImages(std::span<const std::uint8_t> bytes) {
    CSUTInfo info;
    if (bytes.size() < 1 + info.channelTypes.size()) {
        return;
    }
    CSetupTable table;
    table.GetHeader().SetModelCode(static_cast<std::uint8_t>(kModels[bytes[0] % kModels.size()]));
    std::copy_n(bytes.begin() + 1, info.channelTypes.size(), info.channelTypes.begin());
    const auto image = bytes.subspan(1 + info.channelTypes.size());
    const bool channels = table.DecodeChannelImage(info, image);
    const bool alarms = table.LoadLoggerAlarmBlock(info, image);
    if (channels || alarms) {
        BuildEveryBlock(table);
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::span<const std::uint8_t> bytes(data, size);
    ReadAsStream(bytes);
    ReadAsLoggerImages(bytes);
    return 0;
}
