// RealTimeValue: one entry of a logger object's real-time value table, as the real-time windows read it.
#pragma once

struct RealTimeValue {
    int channel = 0;  // channel index from 0 in slot order
    int kind = 0;     // 1 for a measured value
    float value = 0.0f;
    int unit = 0;     // unit code of the display: 1 amps, 2 volts, 8 counts, 9-13 temperatures...
};
