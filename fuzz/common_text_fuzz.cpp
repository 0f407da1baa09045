// Fuzz target: the date, time, number and address readers of the helpers on any text, and what each
// promises of what it accepts.
#include <cstdint>
#include <cstdlib>
#include <string>

#include "platform/base/number_text.h"
#include "shared/common/address_checks.h"
#include "shared/common/date_time_format_helper.h"
#include "shared/common/date_time_text.h"
#include "shared/common/text_helpers.h"

namespace {

void Require(bool condition) {
    if (!condition) {
        std::abort();
    }
}

void CheckDate(const std::string& text, int order, bool twoDigitYear, bool anySeparator) {
    int year = -1, month = -1, day = -1;
    const char* end = ParseDateInOrder(text.c_str(), order, year, month, day, twoDigitYear, anySeparator);
    if (end == nullptr) {
        Require(year == -1 && month == -1 && day == -1);
        return;
    }
    Require(end >= text.c_str() && end <= text.c_str() + text.size());
    Require(month >= 1 && month <= 12 && day >= 1 && day <= 31);
    // The date written out reads back as the same month and day.
    const std::string written = FormatDateText(year, month, day, false, "MM/dd/yy");
    int year2 = 0, month2 = 0, day2 = 0;
    Require(ParseDateInOrder(written.c_str(), kDateOrderMDY, year2, month2, day2, true, false) != nullptr);
    Require(month2 == month && day2 == day);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);  // NUL-terminated by c_str()
    const std::uint8_t selector = size > 0 ? data[0] : 0;

    CheckDate(text, selector % 6, selector & 0x10, selector & 0x20);

    int hours = -1, minutes = -1, seconds = -1;
    if (ParseTime(text.c_str(), hours, minutes, seconds) != nullptr) {
        Require(hours >= 0 && hours <= 23 && minutes >= 0 && minutes <= 59 && seconds >= 0 && seconds <= 59);
    }
    ParseDateTimeText(text.c_str());

    double value = 0;
    ParseDouble(text, value);

    // A valid address other than the broadcast one never reads as "no address".
    const std::uint32_t address = ParseIPAddress(text);
    Require(!IsValidIPAddress(text, 0, 254) || address != 0xFFFFFFFFu);
    IsValidMACAddress(text);

    Require(ScrambleText(ScrambleText(text, selector), selector) == text);
    std::size_t remaining = text.size();
    SkipBlanksAndPrompt(text.c_str(), remaining);
    Require(remaining <= text.size());
    return 0;
}
