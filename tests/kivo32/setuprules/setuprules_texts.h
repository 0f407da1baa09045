// The English texts the setup form's rules load, installed once for the tests.
#pragma once

#include "platform/base/program_texts.h"
#include "tests/support/resource_texts.h"

inline void InstallSetupFormTexts() {
    platform::TextTable texts;
    for (const char* area : {"setup", "firmware", "tools_settings", "datafile", "logger", "setupform"}) {
        texts.Merge(testsupport::LoadResourceTexts("en", area));
    }
    SetProgramTexts(std::move(texts));
}
