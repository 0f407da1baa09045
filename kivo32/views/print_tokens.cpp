// The texts of the grid's print setup: header and footer tokens, and margins.
#include "kivo32/views/print_tokens.h"

#include <cctype>
#include <cstdlib>

#include "platform/base/string_format.h"
#include "platform/ui/grid_print_properties.h"
#include "shared/common/date_time_text.h"

namespace {

constexpr double kCentimetresPerInch = 2.54;
// Added before a margin is cut to whole units, so that 1 inch typed is 1000 units, not 999.
constexpr double kRounding = 0.51;

}  // namespace

std::string ExpandPrintTokens(const std::string& title, const std::string& pattern, const std::tm& now) {
    std::string text;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] != '$' || i + 1 >= pattern.size()) {
            text += pattern[i];
            continue;
        }
        switch (std::toupper(static_cast<unsigned char>(pattern[i + 1]))) {
            case 'D':
                text += FormatShownDate(now);
                break;
            case 'T':
                text += FormatShownTime(now);
                break;
            case 'F':
                text += title;
                break;
            default:
                text += pattern[i];
                continue;
        }
        ++i;
    }
    return text;
}

std::optional<int> ParseMarginText(const std::string& text) {
    const char* start = text.c_str();
    char* end = nullptr;
    const double value = std::strtod(start, &end);
    if (end == start || value < 0) {
        return std::nullopt;
    }
    const double inches = text.find("cm") != std::string::npos ? value / kCentimetresPerInch : value;
    return static_cast<int>(inches * platform::GridPrintProperties::kUnitsPerInch + kRounding);
}

std::string FormatMarginText(int units) {
    return platform::StringPrintf("%.2f in", static_cast<double>(units) / platform::GridPrintProperties::kUnitsPerInch);
}
