// CConversionContext: what the download decoders need to know of the logger whose records they convert.
#pragma once

#include <cstdint>

class CDataInfo;
class CSetupTable;

// Filled by a download from its session, or from a file's own setup table and information record, so
// that the decoders never read the application or the session.
struct CConversionContext {
    // The logger type code; it selects the decoder generation.
    int modelCode = -1;
    // The standard model stamps its records in seconds from firmware version 132 on, in minutes below.
    int firmwareVersion = 0;
    // The logger's calibration scalars of current (A) and voltage (V).
    float currentScalar = 1.0f;
    float voltageScalar = 1.0f;
    long intervalSeconds = 0;
    // Seconds since 1970: the start of the local year of this time is the base of minute stamps.
    std::uint32_t firstLoggerTime = 0;
    // A partial download's records (from 1); lastRecord 0 when the whole download is converted.
    long firstRecord = 0;
    long lastRecord = 0;
    // Carried from one download to the next of the same logger: the last raw stamp and the running
    // seconds that belong to it. The conversion updates both.
    std::uint32_t keptStamp = 0;
    int keptSeconds = 0;
};

// The context of a file on its own: the model, firmware version and interval of its setup table, the
// time base of its information record, scalars of 1. Without a firmware version in the setup table the
// number after the last "." of the information record's model text stands for it.
CConversionContext MakeConversionContext(const CSetupTable& setup, const CDataInfo& info);
