// The connection status window's decisions without its widgets: which field a status message fills, the
// progress bar and its hold, the lamps and the clearing of an old status line.
#include "kivo32/app/status_protocol.h"

#include "kivo32/app/main_frame_ids.h"
#include "platform/base/program_texts.h"
#include "shared/link/link_ids.h"
#include "shared/link/session.h"
#include "shared/logger/logger_ids.h"

namespace {

// Index of a lamp's status code in Display::lampsLit, or -1.
int LampIndex(unsigned code) {
    switch (code) {
        case STATUS_BYTES_SENT:
            return 0;
        case STATUS_BYTES_RECEIVED:
            return 1;
        case STATUS_TIMEOUT:
            return 2;
        default:
            return -1;
    }
}

// The session's text for `code` when the message brought none.
std::optional<std::string> SessionText(unsigned code, const CSession* session) {
    if (session == nullptr) {
        return std::nullopt;
    }
    switch (code) {
        case STATUS_MODEL_NAME:
            return session->GetDisplayedModelName();
        case STATUS_CONNECTION_LABEL:
            return session->GetStatusText(true);
        case STATUS_DESCRIPTION:
            return session->GetStatusText(false);
        default:
            return std::nullopt;
    }
}

}  // namespace

void CStatusProtocol::Start() {
    display_.texts.clear();
    // The model shows only once the logger is identified.
    display_.texts[IDC_STATUS_MODEL] = LoadText(IDS_STATUS_CONNECTING);
    display_.lampsLit.fill(false);
    ShowProgress(0);
    lost_line_.clear();
}

std::string CStatusProtocol::OnStatus(unsigned code, std::intptr_t value,
                                      const std::optional<std::string>& text, const CSession* session,
                                      std::int64_t now) {
    if (const int lamp = LampIndex(code); lamp >= 0) {
        display_.lampsLit[static_cast<std::size_t>(lamp)] = true;
        return {};
    }
    switch (code) {
        case STATUS_TEXT: {
            std::string shown = ShowText(IDC_STATUS_LINE, text);
            if (!shown.empty()) {
                status_line_time_ = now;
            }
            return shown;
        }
        case STATUS_LOGGER_TITLE:
            return ShowText(IDC_STATUS_LOGGER_TITLE, text);
        case STATUS_PORT_NAME:
            return ShowText(IDC_STATUS_PORT, text);
        case STATUS_RECORDING:
            return ShowText(IDC_STATUS_RECORDING, text);
        case STATUS_LINK_SPEED:
            return ShowText(IDC_STATUS_SPEED, text);
        case STATUS_MODEL_NAME:
        case STATUS_CONNECTION_LABEL:
        case STATUS_DESCRIPTION: {
            // The links send their own text along; the others are the session's texts, when one runs.
            const std::optional<std::string> shown = text ? text : SessionText(code, session);
            return ShowText(code == STATUS_MODEL_NAME ? IDC_STATUS_MODEL : IDC_STATUS_CONNECTION, shown);
        }
        case STATUS_COMMAND_DONE:
            ShowProgress(value);
            return {};
        case STATUS_LINK_LOST: {
            // Nothing reaches the logger any more: what it told of itself no longer holds. The line says
            // why and what to do; until the next session starts, it comes back in place of an old line.
            for (const unsigned field : {IDC_STATUS_RECORDING, IDC_STATUS_LOGGER_TITLE, IDC_STATUS_MODEL}) {
                display_.texts.erase(field);
            }
            display_.texts[IDC_STATUS_CONNECTION] = LoadText(IDS_LINK_LOST_STATE);
            std::string shown = ShowText(IDC_STATUS_LINE, text);
            lost_line_ = Text(IDC_STATUS_LINE);
            return shown;
        }
        default:
            return {};
    }
}

void CStatusProtocol::OnTick(bool sessionWaitsForCommand, std::int64_t now) {
    display_.lampsLit.fill(false);
    if (sessionWaitsForCommand && now - status_line_time_ > kStatusLineLifeMs) {
        if (lost_line_.empty()) {
            display_.texts.erase(IDC_STATUS_LINE);
        } else {
            display_.texts[IDC_STATUS_LINE] = lost_line_;
        }
    }
}

std::string CStatusProtocol::Text(unsigned controlId) const {
    const auto found = display_.texts.find(controlId);
    return found != display_.texts.end() ? found->second : std::string();
}

std::string CStatusProtocol::ShowText(unsigned controlId, const std::optional<std::string>& text) {
    // A missing or empty text leaves the field as it is.
    if (!text || text->empty()) {
        return {};
    }
    display_.texts[controlId] = *text;
    return *text;
}

void CStatusProtocol::ShowProgress(std::intptr_t value) {
    if (value == kProgressRelease || value == kProgressHold) {
        progress_held_ = value == kProgressHold;
        value = 0;
    }
    if (value < 0 || value > 100) {
        value = 0;
    }
    if (display_.progressVisible && value == 0 && !progress_held_) {
        display_.progressVisible = false;
    } else if (!display_.progressVisible && (value > 0 || progress_held_)) {
        display_.progressVisible = true;
    }
    display_.progressPosition = static_cast<int>(value);
}
