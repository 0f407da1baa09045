// The conversion context of a file on its own.
#include "shared/datafile/conversion_context.h"

#include <cstdlib>
#include <string>

#include "shared/datafile/data_info.h"
#include "shared/setup/setup_table.h"

namespace {

int FirmwareNumberOfText(const std::string& text) {
    const std::size_t dot = text.rfind('.');
    return dot == std::string::npos ? 0 : std::atoi(text.c_str() + dot + 1);
}

}  // namespace

CConversionContext MakeConversionContext(const CSetupTable& setup, const CDataInfo& info) {
    CConversionContext context;
    context.modelCode = setup.GetModelCode();
    const int firmware = setup.GetHeader().GetFirmwareVersion();
    context.firmwareVersion = firmware != 0 ? firmware : FirmwareNumberOfText(info.GetTypeText());
    context.intervalSeconds = setup.GetIntervalSeconds();
    context.firstLoggerTime = info.GetFirstLoggerTime();
    return context;
}
