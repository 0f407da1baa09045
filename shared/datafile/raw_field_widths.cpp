// The bytes that each column of a data record takes in the logger's own record.
#include "shared/datafile/raw_field_widths.h"

#include <array>

#include "shared/setup/setup_table.h"

namespace {

constexpr int kPowerFactorGroup = 4;

// Value widths of the six quantities of a power channel (and of a software channel's power factor).
std::array<int, kPowerQuantities> PowerGroupWidths(int model) {
    if (model == kModelStandard) {
        return {3, 3, 3, 3, 1, 3};
    }
    if (model >= kModelOrnatFirst && model <= kModelOrnatLast) {
        return {2, 2, 3, 3, 1, 3};
    }
    if (UsesQuarvenLayout(model)) {
        return {4, 4, 4, 4, 4, 4};
    }
    return {0, 0, 0, 0, 1, 0};
}

int StampWidth(int model) {
    return UsesQuarvenLayout(model) ? 4 : 3;
}

// The quantity of a power or software channel that a float column of `valueKind` belongs to.
int PowerQuantityOfKind(int valueKind) {
    switch (valueKind) {
        case 2:
            return kQuantityVoltage;
        case 1:
            return kQuantityCurrent;
        case 4:
            return kQuantityKW;
        case 5:
            return kQuantityKVA;
        case 6:
            return kQuantityPF;
        default:
            return kQuantityKVAR;
    }
}

int HardwareValueWidth(int model, int type, int valueKind) {
    switch (type) {
        case kChannelPower:
            return PowerGroupWidths(model)[PowerQuantityOfKind(valueKind)];
        case kChannel5VDC:
            return 3;
        case kChannelRNDC:
            return 4;
        default:
            return 2;
    }
}

int SoftwareValueWidth(int model, int valueKind) {
    const int quantity = PowerQuantityOfKind(valueKind);
    if (quantity == kPowerFactorGroup) {
        return PowerGroupWidths(model)[kPowerFactorGroup];
    }
    return model == kModelStandard ? 3 : 4;
}

bool IsBrelanModel(int model) {
    return model >= kModelBrelanFirst && model <= kModelBrelanLast;
}

}  // namespace

int RawRecordBaseSize(int model) {
    if (model == kModelStandard) {
        return 4;
    }
    return UsesQuarvenLayout(model) ? 8 : 3;
}

int RawFieldWidth(const CSetupTable& setup, const CRawDataField& field) {
    const int model = setup.GetModelCode();
    const int channel = field.channelIndex;
    if (field.softwareChannel && IsBrelanModel(model)) {
        return 0;  // these models keep no software channels in their records
    }
    if (field.storageKind == CRawDataField::kStorageTime) {
        return StampWidth(model);
    }
    if (field.softwareChannel) {
        return SoftwareValueWidth(model, field.valueKind);
    }
    if (channel >= 0 && channel < kHardwareChannels) {
        return HardwareValueWidth(model, setup.GetHardwareChannel(channel).GetType(), field.valueKind);
    }
    return 4;  // analog channels
}
