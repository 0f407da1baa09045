// The program's session: production calibration. The calibration window runs on the user-interface
// thread; its A/D reads and scalar writes come back here as posted requests, taken in the wait for
// the window's answer, so that only the session thread touches the link.
#include <cctype>
#include <string>
#include <vector>

#include "kivo32/session/calibration_requests.h"
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_ids.h"
#include "kivo32/session/session_messages.h"
#include "platform/base/dialog_request.h"
#include "platform/base/message_box_flags.h"
#include "shared/common/message_box.h"
#include "shared/link/connection.h"
#include "shared/logger/data_logger.h"
#include "shared/logger/logger_ids.h"
#include "shared/logger/real_time_value.h"

namespace {

// Enough for the counts text of every model.
constexpr int kCountsTextMax = 64;

std::string UpperCased(std::string text) {
    for (char& c : text) {
        c = static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
    }
    return text;
}

void Reply(const std::shared_ptr<platform::MessageTarget>& target, bool done, std::string counts = {}) {
    if (target != nullptr) {
        target->PostMessage(
            platform::Message(WM_CALIBRATION_REPLY, done ? 1 : 0, platform::MakePayload(std::move(counts))));
    }
}

}  // namespace

void CSessionEL::OnAutoCalibration() {
    const CommandScope scope(*this);
    if (!logger_) {
        ShowMessageBoxId(IDS_CALIBRATION_NO_LOGGER, MB_OK, true);
        return;
    }
    PostStatusString(STATUS_TEXT, IDS_READING_SCALARS);
    if (!logger_->ReadScalars()) {
        ShowFailure(IDS_READ_SCALARS_FAILED);
        return;
    }
    if (technician_.empty()) {
        TechNameRequest asked;
        if (RunDialog(asked) != IDOK) {
            return;
        }
        technician_ = UpperCased(asked.technician);
    }
    // A request of the window whose answer goes to the target it names.
    const auto askFor = [this](unsigned id) {
        return [this, id](std::shared_ptr<platform::MessageTarget> replyTo) {
            Post(platform::Message(id, 0, platform::MakePayload(std::move(replyTo))));
        };
    };
    AutoCalibrationRequest request{.loggerId = logger_->GetLoggerId(),
                                   .description = logger_->GetDescription(),
                                   .typeName = GetModelName(),
                                   .typeCode = GetLoggerType(),
                                   .baud = GetConnection() != nullptr ? GetConnection()->GetBaudRate() : 0,
                                   .recording = logger_->IsRecording(),
                                   .ampScalar = logger_->GetAScalar(),
                                   .voltScalar = logger_->GetVScalar(),
                                   .thirdScalar = logger_->GetRScalar(),
                                   .technician = technician_,
                                   .readCounts = askFor(WM_SESSION_CALIBRATION_COUNTS),
                                   .writeScalars =
                                       [this](CalibrationScalars scalars) {
                                           Post(platform::Message(WM_SESSION_CALIBRATION_SCALARS, 0,
                                                                  platform::MakePayload(std::move(scalars))));
                                       },
                                   .measure = askFor(WM_SESSION_CALIBRATION_MEASURE)};
    RunDialog(request);
}

bool CSessionEL::TakeCalibrationRequest(const platform::Message& message) {
    if (message.id == WM_SESSION_CALIBRATION_COUNTS) {
        const auto* replyTo = platform::PayloadAs<std::shared_ptr<platform::MessageTarget>>(message);
        if (replyTo != nullptr) {
            std::string counts;
            const bool read = logger_ && logger_->ReadADCounts(counts, kCountsTextMax) != 0;
            Reply(*replyTo, read, read ? counts : std::string());
        }
        return true;
    }
    if (message.id == WM_SESSION_CALIBRATION_SCALARS) {
        if (const auto* scalars = platform::PayloadAs<CalibrationScalars>(message)) {
            PostStatusString(STATUS_TEXT, IDS_UPDATING_CAL_CONSTANTS);
            Reply(scalars->replyTo, SetLoggerScalars(scalars->a, scalars->v, scalars->r) != 0);
        }
        return true;
    }
    if (message.id == WM_SESSION_CALIBRATION_MEASURE) {
        const auto* replyTo = platform::PayloadAs<std::shared_ptr<platform::MessageTarget>>(message);
        if (replyTo != nullptr && *replyTo != nullptr) {
            std::vector<RealTimeValue> values;
            const bool read = logger_ && logger_->PrepareRealTimeRead() && logger_->ArmLogger(true);
            if (read) {
                values = logger_->GetRealTimeValues();
            }
            if (logger_) {
                logger_->DisableAtMode();
            }
            (*replyTo)->PostMessage(platform::Message(WM_CALIBRATION_REPLY, read ? 1 : 0,
                                                      platform::MakePayload(std::move(values))));
        }
        return true;
    }
    return false;
}
