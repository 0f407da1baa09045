// Monday, the first day of the week of the program's load profiles, for the load-profile tests.
#pragma once

#include "shared/common/day_of_week.h"

namespace testsupport {

inline const CDayOfWeek kMonday(2);

}  // namespace testsupport
