// CSessionEL: what a setup form asks of the connected logger, read on the session thread.
#include "kivo32/session/session_el.h"
#include "kivo32/session/session_messages.h"
#include "kivo32/setuprules/setup_logger_facts.h"
#include "shared/logger/data_logger.h"

void CSessionEL::ReadSetupFormFacts(const platform::Message& message) {
    const auto* replyTo = platform::PayloadAs<std::shared_ptr<platform::MessageTarget>>(message);
    if (replyTo == nullptr || *replyTo == nullptr) {
        return;
    }
    SetupLoggerFacts facts;
    if (logger_ == nullptr || !logger_->ReadClock(facts.clockText)) {
        facts.clockText.clear();
    }
    facts.firmwareVersion = GetFirmwareVersion();
    (*replyTo)->PostMessage(
        platform::Message(WM_SETUP_LOGGER_FACTS, 0, platform::MakePayload(std::move(facts))));
}
