#include "teldrin/core/call_progress.h"

#include <algorithm>

#include "teldrin/core/teldrin_messages.h"

namespace teldrin {

void CallProgress::SetProgress(int percent) {
    percent = std::clamp(percent, 0, 100);
    if (percent == posted_) {
        return;
    }
    posted_ = percent;
    main_frame_.PostMessage(platform::Message(WM_TELDRIN_STATUS, kStatusProgress, nullptr, percent));
}

}  // namespace teldrin
