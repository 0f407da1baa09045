// Channel captions of data-file columns, CSV files and print-outs: "<kind word> <number>".
#pragma once

#include <string>

// The caption word of channel `channel` (from 1) of a logger of `model`: the Quarven word for model 13
// and for channels 1-6 of model 14, the analog word for channels 7 and up of model 14, else the ordinary
// channel word.
std::string GetChannelKindName(int model, int channel);
// "<kind word> <number>", the number right-aligned in `width` characters unless width is -1. Model 14
// numbers its analog channels (7 and up) from 1 again.
std::string FormatChannelName(int model, int channel, int width = -1);
