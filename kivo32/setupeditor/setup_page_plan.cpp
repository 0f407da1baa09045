// The pages of the setup print-out.
#include "kivo32/setupeditor/setup_page_plan.h"

#include "shared/setup/setup_codes.h"
#include "shared/setup/setup_print_plan.h"
#include "shared/setup/setup_table.h"

namespace {

constexpr int kFirstSoftwareItem = 1 + kHardwareChannels;
constexpr int kFirstPulseItem = kFirstSoftwareItem + kSoftwareChannels;

// The lines each item's page takes in SetupPrintOut, its caption counting two and a note two.
constexpr int kGeneralLines = 13;
constexpr int kUnusedLines = 3;
constexpr int kSoftwareLines = 13;
constexpr int kPulseLines = 7;

int HardwareLines(int type) {
    switch (type) {
        case kChannelPower:
            return 16;
        case kChannelTemperature:
            return 10;
        case kChannel5VDC:
        case kChannel10VDC:
        case kChannel4mA:
        case kChannel25mA:
            return 11;
        case kChannelRNDC:
            return 10;
        case kChannelCurrent:
            return 8;
        default:
            return kUnusedLines;
    }
}

int ItemLines(const CSetupTable& table, int item) {
    if (item == 0) {
        return kGeneralLines;
    }
    if (item < kFirstSoftwareItem) {
        return HardwareLines(table.GetHardwareChannel(item - 1).GetType());
    }
    if (item < kFirstPulseItem) {
        const bool used = table.GetSoftwareChannel(item - kFirstSoftwareItem).GetType() == kChannelSoftware;
        return used ? kSoftwareLines : kUnusedLines;
    }
    return IsPulseType(table.GetPulseChannel(item - kFirstPulseItem).GetType()) ? kPulseLines : kUnusedLines;
}

}  // namespace

std::vector<std::vector<int>> PlanSetupPages(const CSetupTable& table, int lineHeight, int pageHeight) {
    std::vector<std::vector<int>> pages;
    if (lineHeight <= 0) {
        return pages;
    }
    int lines = 0;
    for (const int item : PlanPrintPages(table)) {
        const int need = ItemLines(table, item);
        if (pages.empty() || (lines + need) * lineHeight >= pageHeight) {
            if (static_cast<int>(pages.size()) == kMaxSetupPages) {
                break;
            }
            pages.emplace_back();
            lines = 0;
        }
        pages.back().push_back(item);
        lines += need;
    }
    return pages;
}
