// DecideModel: which logger model an identification text names, and its firmware version number.
#pragma once

#include <string>
#include <string_view>

struct ModelDecision {
    // kNoLogger when the text names no model the program knows (a 'U','C' text of an unknown variant
    // is still decoded, with kNoLogger: it fails when the logger object is made).
    int typeCode = -1;
    std::string modelName;
    // False only for a text the program does not understand at all.
    bool decoded = false;
    int firmwareVersion = 0;
};

// Characters 1 to 3 of `firmwareText` choose the model; the last three digits give the version, to
// which 100 is added for the newer generations ("NX4" and the Ornat texts that begin with neither 'A'
// nor 'B').
ModelDecision DecideModel(std::string_view firmwareText);
