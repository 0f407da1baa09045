// A day of the week, 1 Sunday to 7 Saturday.
#include "shared/common/day_of_week.h"

#include "platform/base/local_time.h"
#include "platform/base/program_texts.h"
#include "shared/common/common_ids.h"

CDayOfWeek::CDayOfWeek(int day) {
    if (day >= 1 && day <= 7) {
        valid_ = true;
        day_ = day;
    }
}

void CDayOfWeek::SetInvalid() {
    valid_ = false;
    day_ = -1;
}

void CDayOfWeek::SetFromDate(double date) {
    const auto fields = platform::FromOleDate(date);
    if (!fields) {
        SetInvalid();
        return;
    }
    valid_ = true;
    day_ = fields->tm_wday + 1;
}

std::string CDayOfWeek::GetName() const {
    return valid_ ? LoadText(IDS_DAY_SUNDAY + day_ - 1) : std::string();
}

void CDayOfWeek::AddDays(int days) {
    if (!valid_) {
        return;
    }
    day_ += days % 7;
    if (day_ > 7) {
        day_ -= 7;
    } else if (day_ < 1) {
        day_ += 7;
    }
}

int CDayOfWeek::DaysUntil(const CDayOfWeek& other) const {
    if (!valid_ || !other.valid_) {
        return 0;
    }
    return (other.day_ - day_ + 7) % 7;
}
