// How wide a message box's text stands: wrapped at half the screen's width less 10, as wide as its lines.
#pragma once

#include <QLabel>

namespace platform {

// The primary screen's width in pixels.
int PrimaryScreenWidth();

// Half the primary screen's width less 10: where a message box's text wraps.
int MessageWrapWidth();

// Gives the word-wrapped `label` the size of its text wrapped within `wrapWidth`: a one-line message
// stands in a wide, low box rather than in the narrow column a wrapped label picks for itself.
void FitWrappedText(QLabel* label, int wrapWidth);

}  // namespace platform
