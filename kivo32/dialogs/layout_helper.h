// Moves and sizes a resizable dialog's controls by a table of rules, and holds its tracking sizes.
#pragma once

#include <QSize>
#include <QWidget>
#include <span>

// Rule kinds.
inline constexpr int LAYOUT_END = 0;
inline constexpr int LAYOUT_EDGE = 1;    // set an edge of the control from an edge of the reference
inline constexpr int LAYOUT_SPREAD = 2;  // spread controls evenly between the first and the last
inline constexpr int LAYOUT_WIDTH = 3;   // track-width limits
inline constexpr int LAYOUT_HEIGHT = 4;  // track-height limits

// Edge codes, for reading the reference and setting the control.
inline constexpr int EDGE_TOP = 1;
inline constexpr int EDGE_LEFT = 2;
inline constexpr int EDGE_RIGHT = 3;
inline constexpr int EDGE_BOTTOM = 4;
inline constexpr int EDGE_HCENTER = 5;
inline constexpr int EDGE_VCENTER = 6;
inline constexpr int EDGE_HEIGHT = 7;
inline constexpr int EDGE_WIDTH = 8;

// One rule; a table ends with a rule of kind LAYOUT_END. Reference 0 is the dialog itself.
struct LayoutRule {
    int kind = LAYOUT_END;
    int control = 0;
    int edge = 0;
    int reference = 0;
    int referenceEdge = 0;
    // LAYOUT_EDGE: offset added to the reference edge; LAYOUT_WIDTH/HEIGHT: minimum and maximum.
    int value1 = 0;
    int value2 = 0;
    // LAYOUT_SPREAD: the ids of the controls to spread.
    std::span<const int> spread = {};
};

// The tracking sizes a dialog may be resized between.
struct MinMaxInfo {
    QSize minTrackSize;
    QSize maxTrackSize;
};

class CLayoutHelper {
public:
    // The owner's controls are its direct children with a control id; the anchor is kept in the corner.
    void Attach(QWidget* owner, int anchorId);
    // Lays the controls out for a client area of cx by cy (-1: the owner's current size): the anchor
    // goes to the bottom-right corner, then each rule in turn. A rule naming a control that does not
    // exist ends the walk, and the owner is then not repainted.
    void Resize(std::span<const LayoutRule> rules, int cx = -1, int cy = -1);
    void SetTrackSizes(int minimumWidth, int minimumHeight, int maximumWidth, int maximumHeight);
    // Writes the minimum and the maximum size into `info` when both of their values are set.
    MinMaxInfo* GetMinMaxInfo(MinMaxInfo* info) const;

private:
    QWidget* Control(int id) const;
    QRect RectOf(int id) const;

    QWidget* owner_ = nullptr;
    int anchor_id_ = 0;
    int minimum_width_ = -1;
    int maximum_width_ = -1;
    int minimum_height_ = -1;
    int maximum_height_ = -1;
};
