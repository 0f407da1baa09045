// The main frame's toolbar follows the active view: each kind of view names its toolbar when it becomes
// active or stops being it, and the program installs what shows it.
#pragma once

#include <functional>

// The toolbars by id: the program's own, and those of its views.
inline constexpr int kMainToolBar = 10;
inline constexpr int kDataGridToolBar = 11;
inline constexpr int kDataGraphToolBar = 12;
inline constexpr int kLoggerListToolBar = 14;
inline constexpr int kSetupToolBar = 15;
inline constexpr int kTemporaryDataToolBar = 95;  // a data grid over a temporary copy

using ViewToolBarLoader = std::function<void(int toolbarId, bool active)>;

// Installed by the program; without one the views change no toolbar.
void SetViewToolBarLoader(ViewToolBarLoader loader);
// A view with toolbar `toolbarId` became active (`active`) or stopped being it.
void ShowViewToolBar(int toolbarId, bool active);
