// Which buttons, labels, default button and check box an extended message box has, from its style.
#pragma once

#include <string>
#include <vector>

#include "shared/controls/x_message_box_params.h"

struct XMessageBoxButton {
    std::string label;
    int id;
};

// The label as the box shows it: the parameter block's override, else the text of its text id (not
// loaded with MB_NORESOURCE), else the built-in text.
std::string XMessageBoxLabel(XLabel label, unsigned style, const XMessageBoxParams* params);

// The push buttons left to right: the button set or the custom buttons, then Help and Report.
std::vector<XMessageBoxButton> XMessageBoxButtons(unsigned style, const XMessageBoxParams* params);

// The index of the default button among `count` buttons (the first when the style names none there).
std::size_t XMessageBoxDefaultIndex(unsigned style, std::size_t count);

// The check-box bit the style asks for (the first of the three that is set), 0 for none; and its label.
unsigned XMessageBoxCheckBit(unsigned style);
std::string XMessageBoxCheckLabel(unsigned style, const XMessageBoxParams* params);

// Esc and the close box: the answer they give, 0 when they are ignored.
int XMessageBoxCancelAnswer(unsigned style, const std::vector<XMessageBoxButton>& buttons);

// Seconds of a count-down or disabled period as the box counts them.
int XMessageBoxSeconds(int seconds);
