// The menu bar of the main frame as one table: each popup with its commands, their labels, shortcuts
// and toolbar images. The frame builds its menus, its toolbar and its accelerators from it.
#pragma once

#include <vector>

#include "kivo32/app/menu_entry.h"
#include "kivo32/app/toolbar_images.h"

// A command of the table with what the frame gives it besides its menu entry.
struct CMainMenuCommand {
    unsigned id = 0;
    unsigned textId = 0;
    // Portable key text ("Ctrl+O"), empty for none.
    const char* shortcut = "";
    CToolbarImage image = CToolbarImage::None;
};

// The menu bar with its labels in the current language. The logger menu holds what every logger
// offers; the logger menu's rule (logger_menu.h) adds and removes the rest.
CMenuEntries MainMenuEntries();
// The table's commands in menu order.
std::vector<CMainMenuCommand> MainMenuCommands();
// The buttons of the main toolbar: the commands with an image, in menu order, with a separator (id 0)
// where the popup changes.
std::vector<CMainMenuCommand> MainToolbarButtons();
