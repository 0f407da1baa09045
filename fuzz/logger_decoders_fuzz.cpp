// Fuzz target of the decoders of binary logger replies: identification, status, setup header,
// labels and notes, call schedule, run-length setup images and the real-time values of every family.
// The first byte picks the model, the second the channel types of the active setup.
#include <cstddef>
#include <cstdint>
#include <ctime>
#include <span>
#include <vector>

#include "shared/common/app_context.h"
#include "shared/link/connection_direct.h"
#include "shared/logger/call_schedule.h"
#include "shared/logger/create_data_logger.h"
#include "shared/logger/identity_record.h"
#include "shared/logger/real_time_decode.h"
#include "shared/logger/setup_image_expand.h"
#include "shared/logger/status_image.h"

namespace {

constexpr int kModels[] = {0, 1, 2, 3, 7, 9, 13, 14};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    const int model = kModels[data[0] % std::size(kModels)];
    const std::span<const std::uint8_t> bytes(data + 2, size - 2);

    DecodeIdentityRecord(bytes);
    if (auto status = DecodeStatusImage(bytes, model)) {
        CountMemory(*status, model);
    }
    std::vector<std::uint8_t> image(3000);
    std::size_t count = 0;
    if (ExpandSetupImage(image, bytes, count) && count > image.size()) {
        __builtin_trap();
    }
    CallScheduleRecord schedule;
    std::tm date{};
    date.tm_year = 124;
    date.tm_mday = static_cast<int>(data[1] % 31) + 1;
    date.tm_wday = data[1] % 7;
    DecodeCallSchedule(schedule, bytes, date);

    // Never opened: the object only needs a link to tell it its (absent) session and the application.
    CConnectionDirect link({nullptr, &GetAppContext()}, "", 19200);
    const auto logger = CreateDataLogger(&link, model);
    logger->LoadBlockData(bytes);
    logger->DecodeIdentityBytes(false);
    logger->DecodeStatusBytes();
    logger->DecodeSupplyVoltages();
    logger->DecodeClockBytes();
    int length = 0;
    logger->DecodeSetupHeader(1, bytes, length);
    logger->DecodeChannelLabels(1, bytes);
    logger->DecodeChannelNotes(1, bytes);

    CSUTInfo active;
    active.setupTable = std::make_unique<CSetupTable>();
    active.setupTable->GetHeader().SetModelCode(static_cast<std::uint8_t>(model));
    for (std::size_t slot = 0; slot < active.channelTypes.size(); ++slot) {
        active.channelTypes[slot] = static_cast<std::uint8_t>((data[1] + 7 * slot) % 19);
    }
    std::vector<RealTimeValue> table(static_cast<std::size_t>(data[1] % 40));
    DecodeStandardRealTime(bytes, active, table);
    DecodeOrnatRealTime(bytes, active, {1.0f, 2.0f}, table);
    DecodeNimboRealTime(bytes, active, {1.0f, 2.0f}, table);
    DecodeQuarvenRealTime(bytes, active, model >= 13 ? model : 13, table);
    return 0;
}
