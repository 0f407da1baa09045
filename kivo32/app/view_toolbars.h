// The buttons of the toolbars the main frame shows, by toolbar id (kivo32/views/view_toolbar.h): the
// program's own, and for each kind of view the commands that view offers.
#pragma once

#include <vector>

#include "kivo32/app/flat_tool_bar.h"

// The buttons of toolbar `toolbarId`; the program's own for an id no view has.
std::vector<CFlatToolBar::Button> ToolBarButtons(int toolbarId);
