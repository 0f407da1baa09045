// CRawDataField: the description of one column of a data file's records.
#pragma once

#include <string>

struct CRawDataField {
    // Storage kinds.
    static constexpr int kStorageFloat = 0;
    static constexpr int kStorageDate = 1;
    static constexpr int kStorageTime = 2;
    // Value kinds of the date and time columns.
    static constexpr int kValueKindDate = 19;
    static constexpr int kValueKindTime = 20;

    // "<channel caption>\n<channel name> <value word> <unit>"; the date and time columns have no line feed.
    std::string name;
    int storageKind = kStorageFloat;
    // The quantity, which decides how the value is printed.
    int valueKind = 0;
    // 0-3 hardware, 4-5 software, 6-9 analog channels.
    int channelIndex = 0;
    int size = 0;
    // Offset of the column inside the data record.
    int offset = 0;
    bool softwareChannel = false;
    // Set for measured values (which the user may select and plot), clear for times and dates.
    bool valueColumn = false;
};
