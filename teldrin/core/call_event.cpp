#include "teldrin/core/call_event.h"

#include "platform/base/text_format.h"
#include "teldrin/core/teldrin_texts.h"

namespace teldrin {
namespace {

constexpr unsigned kForCallWords = 8621;
constexpr unsigned kMadeOnWords = 8622;

}  // namespace

std::string CallEventText(unsigned id, std::string_view serial, const SchedulerClock& clock) {
    const std::time_t now = clock.Now();
    const std::string when = " " + TeldrinText(kForCallWords) + " " + std::string(serial) + " " +
                             TeldrinText(kMadeOnWords) + " " + clock.Format(now, "%m/%d/%y") +
                             clock.Format(now, " At %H:%M:%S");
    return platform::FillNumberedPlaceholders(TeldrinText(id), {when});
}

}  // namespace teldrin
