// The interval lists of the setup form.
#include "kivo32/setuprules/interval_choices.h"

#include <algorithm>

#include "kivo32/setuprules/setuprules_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "shared/setup/interval_codes.h"

namespace {

const std::vector<int> kCodesUpToModel12 = {12, 10, 11, 0, 13, 1, 14, 2, 15, 3, 4, 5, 6};
const std::vector<int> kQuarvenCodes = {16, 12, 9, 10, 11, 0, 13, 1, 14, 2, 15, 3, 4, 5, 6};

struct Unit {
    long seconds;
    unsigned single;
    unsigned plural;
};

// Largest first: an interval is written in the largest unit that divides it.
constexpr Unit kUnits[] = {
    {86400, IDS_INTERVAL_DAY, IDS_INTERVAL_DAY},
    {3600, IDS_INTERVAL_HOUR, IDS_INTERVAL_HOURS},
    {60, IDS_INTERVAL_MINUTE, IDS_INTERVAL_MINUTES},
    {1, IDS_INTERVAL_SECOND, IDS_INTERVAL_SECONDS},
};

}  // namespace

const std::vector<int>& OfferedIntervalCodes(int model) {
    return model >= 13 ? kQuarvenCodes : kCodesUpToModel12;
}

std::string IntervalText(int code) {
    const long seconds = IntervalCodeToSeconds(code);
    for (const Unit& unit : kUnits) {
        if (seconds > 0 && seconds % unit.seconds == 0) {
            const long count = seconds / unit.seconds;
            return platform::StringPrintf("%ld %s", count,
                                          LoadText(count == 1 ? unit.single : unit.plural).c_str());
        }
    }
    return {};
}

std::vector<IntervalChoice> IntervalChoicesFor(int model, int storedCode) {
    std::vector<IntervalChoice> choices;
    for (const int code : OfferedIntervalCodes(model)) {
        choices.push_back({code, IntervalText(code)});
    }
    if (storedCode >= 0 && storedCode < kIntervalCodeCount && IntervalIndexOf(choices, storedCode) < 0) {
        choices.push_back({storedCode, IntervalText(storedCode)});
    }
    return choices;
}

int IntervalIndexOf(const std::vector<IntervalChoice>& choices, int code) {
    const auto found =
        std::find_if(choices.begin(), choices.end(), [&](const IntervalChoice& c) { return c.code == code; });
    return found == choices.end() ? -1 : static_cast<int>(found - choices.begin());
}
