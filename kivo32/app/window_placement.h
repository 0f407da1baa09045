// The main frame's placement as the settings keep it: the text of its normal rectangle, the show
// command it starts with and the iconic and maximised values it leaves behind.
#pragma once

#include <optional>
#include <string>
#include <string_view>

// Show commands of a top-level window.
inline constexpr int SW_HIDE = 0;
inline constexpr int SW_SHOWNORMAL = 1;
inline constexpr int SW_SHOWMINIMIZED = 2;
inline constexpr int SW_SHOWMAXIMIZED = 3;
inline constexpr int SW_SHOWMINNOACTIVE = 7;

// The frame's normal (restored) rectangle in screen coordinates.
struct CPlacementRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    bool operator==(const CPlacementRect&) const = default;
};

// What the frame leaves in the settings when it closes.
struct CSavedWindowState {
    int iconic = 0;
    int maximized = 0;

    bool operator==(const CSavedWindowState&) const = default;
};

// The rectangle of a position text: four whole numbers separated by blanks (left, top, right, bottom),
// so that negative and wide coordinates read as well as the four-digit ones. nullopt for an empty text,
// one that is not four numbers, or an empty rectangle: the frame then keeps its default rectangle.
std::optional<CPlacementRect> ParsePlacementText(std::string_view text);
// The position text of `rect`: "%04d %04d %04d %04d".
std::string FormatPlacementText(const CPlacementRect& rect);

// The show command of the first show: hidden for a text-export batch run, else minimised without
// activation when iconic, maximised when maximised, normal otherwise.
int StartupShowCommand(int iconic, int maximized, bool exportBatch);
// The iconic and maximised values for the frame's show command when it closes; a minimised frame keeps
// whether it goes back to maximised.
CSavedWindowState SavedWindowState(int showCommand, bool restoresToMaximized);
