// CSUTChildFrame: the frame of the setup-table view; the setup-table template makes it, so that the
// setup-table windows are told apart from the data windows by their frame.
#pragma once

#include "platform/ui/child_frame.h"

class CSUTChildFrame : public platform::ChildFrame {
public:
    using platform::ChildFrame::ChildFrame;
};
