// The checks of a setup table before it is programmed into the connected logger.
#include "kivo32/app/programming_checks.h"

#include "kivo32/app/app_ids.h"
#include "platform/base/program_texts.h"
#include "shared/logger/firmware_features.h"
#include "shared/logger/logger_ids.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/setup_table.h"

namespace {

// A start time in the past drops both times, a stop time in the past drops the stop time; a logger
// without a stop time records in ring memory.
bool CheckTimesAgainstClock(CSetupTable& setup, ProgrammingDialogue& user) {
    CSUTExtendedData& times = setup.GetExtendedData();
    const std::uint32_t start = times.GetStartTime();
    const std::uint32_t stop = times.GetStopTime();
    if (start != 0 && stop != 0 && stop <= start) {
        user.Tell(IDP_STOP_NOT_AFTER_START);
        return false;
    }
    if (start == 0 && stop == 0) {
        return true;
    }
    const std::optional<std::int64_t> clock = user.ReadLoggerClock();
    if (!clock) {
        return false;
    }
    if (start != 0 && start <= *clock) {
        if (!user.Confirm(IDP_START_TIME_PASSED)) {
            return false;
        }
        times.SetStartTime(0);
        times.SetStopTime(0);
    }
    if (times.GetStopTime() != 0 && times.GetStopTime() <= *clock) {
        if (!user.Confirm(IDP_STOP_TIME_PASSED)) {
            return false;
        }
        times.SetStopTime(0);
        CSUTHeader& header = setup.GetHeader();
        header.SetOptionByte(header.GetOptionByte() | CSUTHeader::kOptionRingMemory);
    }
    return true;
}

bool CheckFirmware(CSetupTable& setup, const ProgrammedLogger& logger, ProgrammingDialogue& user) {
    const int t = logger.typeCode;
    const int f = logger.firmware;
    if (const unsigned refusal = IntervalRefusal(setup.GetIntervalSeconds(), t, f); refusal != 0) {
        user.Tell(refusal);
        return false;
    }
    if (!AlarmsSupported(t, f) && setup.IsAlarmsInUse()) {
        user.Tell(IDP_ALARMS_NOT_SUPPORTED);
    }
    CSUTExtendedData& extended = setup.GetExtendedData();
    CSUTHeader& header = setup.GetHeader();
    if ((extended.GetStartTime() != 0 || extended.GetStopTime() != 0) && !StartStopTimesSupported(t, f)) {
        if (!user.Confirm(IDP_TIMES_NOT_SUPPORTED)) {
            return false;
        }
        extended.SetStartTime(0);
        extended.SetStopTime(0);
        header.SetOptionByte(header.GetOptionByte() | CSUTHeader::kOptionRingMemory);
    }
    if (extended.GetTimeSetting() != 0 && !ExtendedFeaturesSupported(t, f) &&
        !user.Confirm(IDP_EXTENDED_FEATURES_NOT_SUPPORTED)) {
        return false;
    }
    if ((header.GetOptionByte() & CSUTHeader::kOptionAutoLineFreq) != 0 && t >= kModelQuarvenRS &&
        !IsAutoFrequencySupported(t, f)) {
        // The question names the frequency the logger then gets.
        const bool sixty = logger.defaultLineFrequency == "60";
        if (!user.ConfirmText(LoadText(IDS_AUTO_FREQUENCY_NOT_SUPPORTED) + " " + (sixty ? "60" : "50") +
                              LoadText(IDS_AUTO_FREQUENCY_REPLACED))) {
            return false;
        }
        std::uint8_t options = header.GetOptionByte() & ~CSUTHeader::kOptionAutoLineFreq;
        options = sixty ? options & ~CSUTHeader::kOption50Hz : options | CSUTHeader::kOption50Hz;
        header.SetOptionByte(options);
    }
    return true;
}

// Each analog input in use scales linearly between two points that must differ in both values.
bool ScalingPointsValid(const CSetupTable& setup) {
    for (int index = 0; index < kAnalogChannels; ++index) {
        const CSUTChannelAnalog& input = setup.GetAnalogChannel(index);
        if (input.GetType() != 0 &&
            (input.GetLowSensor() == input.GetHighSensor() || input.GetLowOutput() == input.GetHighOutput())) {
            return false;
        }
    }
    return true;
}

}  // namespace

unsigned IntervalRefusal(long intervalSeconds, int typeCode, int firmware) {
    if (intervalSeconds == 10 && typeCode >= kModelQuarvenRS && firmware >= 100 && firmware <= 346) {
        return IDP_TEN_SECONDS_NOT_SUPPORTED;
    }
    if (intervalSeconds < 60 && ((typeCode == 0 && firmware < 132) || (typeCode == 2 && firmware < 115))) {
        return IDP_SHORT_INTERVAL_NOT_SUPPORTED;
    }
    return 0;
}

bool AlarmsSupported(int typeCode, int firmware) {
    switch (typeCode) {
        case 1:
            return false;
        case 2:
            return firmware >= 121;
        case 3:
        case 4:
        case 5:
        case 6:
        case 10:
            return firmware >= 96;
        default:
            return true;
    }
}

bool StartStopTimesSupported(int typeCode, int firmware) {
    if (typeCode == 0) {
        return firmware >= 133;
    }
    if (typeCode == 1 || typeCode == 2) {
        return firmware >= 52;
    }
    if (typeCode >= 3 && typeCode <= 10) {
        return firmware >= 149;
    }
    return true;
}

bool ExtendedFeaturesSupported(int typeCode, int firmware) {
    return !((typeCode == 1 || typeCode == 2) && firmware < 154);
}

bool CheckSetupForProgramming(CSetupTable& setup, const ProgrammedLogger& logger, ProgrammingDialogue& user) {
    if (!CheckTimesAgainstClock(setup, user)) {
        return false;
    }
    if (setup.GetModelCode() != logger.typeCode) {
        user.ShowModelMismatch(logger.typeCode, setup.GetModelCode());
        return false;
    }
    if (!CheckFirmware(setup, logger, user)) {
        return false;
    }
    if (logger.typeCode == kModelQuarvenKX && !ScalingPointsValid(setup)) {
        user.Tell(IDP_SCALING_POINTS_EQUAL);
        return false;
    }
    if (!setup.HasActiveChannel(true)) {
        user.Tell(logger.typeCode == kModelQuarvenKX ? IDS_NO_ACTIVE_ANALOG_CHANNEL : IDS_NO_ACTIVE_CHANNEL);
        return false;
    }
    return true;
}
