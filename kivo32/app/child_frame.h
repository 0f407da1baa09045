// CChildFrame: the frame of the data grid and data graph views. Closing the grid of a data file only
// minimises it; the grid of an extracted range closes through File Close, which asks to save it.
#pragma once

#include "platform/ui/child_frame.h"

class CChildFrame : public platform::ChildFrame {
public:
    using platform::ChildFrame::ChildFrame;

protected:
    void closeEvent(QCloseEvent* event) override;
};
