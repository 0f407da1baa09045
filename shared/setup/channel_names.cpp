// Names and letters of channel settings.
#include "shared/setup/channel_names.h"

#include "platform/base/program_texts.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/setup_ids.h"

std::string GetAnalogRangeName(int analogType) {
    switch (analogType) {
        case kChannelAnalog4To20mA:
            return "4 - 20 ma";
        case kChannelAnalog0To20mA:
            return "0 - 20 ma";
        case kChannelAnalog0To10V:
            return "0 - 10 Vdc";
        default:
            return "Off";
    }
}

char TemperatureUnitToLetter(int unit) {
    switch (unit) {
        case 1:
            return 'C';
        case 2:
            return 'R';
        case 3:
            return 'K';
        default:
            return 'F';
    }
}

std::uint16_t LetterToTemperatureUnit(char letter) {
    switch (letter) {
        case 'C':
            return 1;
        case 'R':
            return 2;
        case 'K':
            return 3;
        default:
            return 0;
    }
}

std::string PhaseReferenceName(char letter) {
    switch (letter) {
        case 'A':
            return "L1";
        case 'B':
            return "L2";
        case 'C':
            return "L3";
        case 'N':
            return "N";
        default:
            return {};
    }
}

bool IsPhaseReference(char letter) {
    return !PhaseReferenceName(letter).empty();
}

std::string PowerQuantityUnit(int quantity) {
    switch (quantity) {
        case kQuantityVoltage:
            return LoadText(IDS_QUANTITY_VOLTS);
        case kQuantityCurrent:
            return LoadText(IDS_QUANTITY_AMPS);
        case kQuantityKW:
            return "KW";
        case kQuantityKVA:
            return "KVA";
        case kQuantityPF:
            return "PF";
        default:
            return "KVAR";
    }
}
