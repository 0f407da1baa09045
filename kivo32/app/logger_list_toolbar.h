// The toolbar of an active logger list: save, and the list's own commands.
#pragma once

#include <vector>

#include "kivo32/app/flat_tool_bar.h"

std::vector<CFlatToolBar::Button> LoggerListToolBar();
