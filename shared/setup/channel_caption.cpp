// Channel captions.
#include "shared/setup/channel_caption.h"

#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/setup_ids.h"

namespace {

constexpr int kFirstAnalogChannel = kHardwareChannels + kSoftwareChannels + 1;

bool IsAnalogChannel(int model, int channel) {
    return model == kModelQuarvenKX && channel >= kFirstAnalogChannel;
}

}  // namespace

std::string GetChannelKindName(int model, int channel) {
    if (IsAnalogChannel(model, channel)) {
        return LoadText(IDS_ANALOG_CHANNEL_WORD);
    }
    const bool quarven = model == kModelQuarvenRS || model == kModelQuarvenKX;
    return LoadText(quarven ? IDS_QUARVEN_CHANNEL_WORD : IDS_CHANNEL_WORD);
}

std::string FormatChannelName(int model, int channel, int width) {
    const std::string kind = GetChannelKindName(model, channel);
    const int number = IsAnalogChannel(model, channel) ? channel - (kFirstAnalogChannel - 1) : channel;
    if (width == -1) {
        return platform::StringPrintf("%s %d", kind.c_str(), number);
    }
    return platform::StringPrintf("%s %*d", kind.c_str(), width, number);
}
