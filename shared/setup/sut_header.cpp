// CSUTHeader: defaults, comparison and the interval lookup.
#include "shared/setup/sut_header.h"

#include "shared/common/app_context.h"
#include "shared/setup/interval_codes.h"

CSUTHeader::CSUTHeader() {
    SetIntervalCode(kDefaultIntervalCode);
    SetOptionByte(DefaultOptionByte(GetAppContext().GetDefaultSUTLineFreq()));
}

std::uint8_t CSUTHeader::DefaultOptionByte(std::string_view lineFrequency) {
    if (lineFrequency == "Auto") {
        return kOptionStandard80 | kOptionAutoLineFreq | kOptionRingMemory;
    }
    if (lineFrequency == "60") {
        return kOptionStandard80 | kOptionRingMemory;
    }
    return kOptionStandard80 | kOptionRingMemory | kOption50Hz;
}

bool CSUTHeader::operator==(const CSUTHeader& other) const {
    return GetSubText() == other.GetSubText() && GetHeaderText() == other.GetHeaderText() &&
           GetModelCode() == other.GetModelCode() && GetIntervalCode() == other.GetIntervalCode() &&
           GetOptionByte() == other.GetOptionByte();
}

long CSUTHeader::GetIntervalSeconds() const {
    return IntervalCodeToSeconds(GetIntervalCode());
}
