// A message sink that keeps every message, for tests that check what the user is told.
#pragma once

#include <string>
#include <vector>

#include "shared/datafile/message_sink.h"

class RecordingSink : public CMessageSink {
public:
    void ShowMessage(const std::string& text) override { messages.push_back(text); }

    std::vector<std::string> messages;
};
