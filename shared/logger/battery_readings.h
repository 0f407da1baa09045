// BatteryReadings: what a logger tells of its power: whether it runs on external power, its battery's
// voltage and state, and its supply voltage, as the real-time windows show them.
#pragma once

struct BatteryReadings {
    // On external power: option flag 1 of the identification record.
    bool externalPower = false;
    // The first supply reading: the battery's voltage.
    float batteryVolts = 0.0f;
    // The standard model's empty level and step of its battery voltage (its further "I!16" readings),
    // from which the windows work out the charge.
    float emptyLevel = 0.0f;
    float step = 0.0f;
    // The second supply reading.
    float supplyVolts = 0.0f;
    // The other models' battery state, the identification record's mode code: 0 good, -1 weak, -2 low,
    // -3 empty.
    int code = 0;

    bool operator==(const BatteryReadings&) const = default;
};
