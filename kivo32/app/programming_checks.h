// The checks of a setup table before it is programmed into the connected logger: start and stop times
// against the logger's clock, the model, what the logger's firmware supports, the analog scalings and an
// active channel. Some refuse, some ask the user and change the setup to what the logger can take.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

class CSetupTable;

// The connected logger the setup is meant for.
struct ProgrammedLogger {
    int typeCode = 0;
    int firmware = 0;
    // The application's default line frequency of new setups: "60" means 60 Hz, anything else 50 Hz.
    std::string defaultLineFrequency;
};

// How the checks reach the user and the logger.
class ProgrammingDialogue {
public:
    virtual ~ProgrammingDialogue() = default;
    // A refusal or a notice by text id.
    virtual void Tell(unsigned messageId) = 0;
    // An OK/Cancel question; true for OK.
    virtual bool Confirm(unsigned messageId) = 0;
    virtual bool ConfirmText(const std::string& text) = 0;
    // The logger's clock in seconds since 1970; nullopt when it could not be read (the user was told).
    virtual std::optional<std::int64_t> ReadLoggerClock() = 0;
    // The notice that the setup's model is not the logger's.
    virtual void ShowModelMismatch(int loggerTypeCode, int setupModelCode) = 0;
};

// The message that refuses a setup's interval on this logger, 0 when the logger takes it. Intervals
// below a minute need firmware 132 on type code 0 and 115 on type code 2; the other models take them.
unsigned IntervalRefusal(long intervalSeconds, int typeCode, int firmware);
bool AlarmsSupported(int typeCode, int firmware);
bool StartStopTimesSupported(int typeCode, int firmware);
// The settings of the extended data's feature byte.
bool ExtendedFeaturesSupported(int typeCode, int firmware);

// Runs the checks in order on `setup`, which it may change as the user agreed; false when the setup
// must not be programmed.
bool CheckSetupForProgramming(CSetupTable& setup, const ProgrammedLogger& logger, ProgrammingDialogue& user);
