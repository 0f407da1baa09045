// A new setup table of one logger model, the start of the setup image tests.
#pragma once

#include <cstdint>

#include "shared/setup/setup_table.h"

namespace testsupport {

inline CSetupTable TableOfModel(int model) {
    CSetupTable table;
    table.GetHeader().SetModelCode(static_cast<std::uint8_t>(model));
    return table;
}

}  // namespace testsupport
