// A call event: a table text whose "%1" tells which call it happened in and when, by the scheduler's
// clock: " for call <serial> made On <mm/dd/yy> At <HH:MM:SS>". A text without "%1" stands as it is.
#pragma once

#include <string>
#include <string_view>

#include "teldrin/core/scheduler_clock.h"

namespace teldrin {

std::string CallEventText(unsigned id, std::string_view serial, const SchedulerClock& clock);

}  // namespace teldrin
