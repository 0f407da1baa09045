// What every graph view does alike with its graph control: the settings dialog under a temporary title,
// the keys Ctrl+E and Space, the size a print-out takes its aspect from, and File Print.
#pragma once

#include <QSize>
#include <functional>
#include <string>

class QKeyEvent;
class QPrinter;
class QWidget;

namespace platform {
class GraphControl;
class View;
}  // namespace platform

// The settings dialog with the main title "<title> - <suffix>"; afterwards the title again, unless
// `owner` (the view) went while the dialog was open.
void RunGraphSettingsUnderTitle(QWidget& owner, platform::GraphControl& control, const std::string& title,
                                const std::string& suffix);
// Ctrl+E runs `settings`, Space steps the grid lines of `control` (when there is one); true when the key
// was one of them (the event is then accepted).
bool HandleGraphViewKey(QKeyEvent& event, platform::GraphControl* control,
                        const std::function<void()>& settings);
// A print-out's size from the view's: wider than high 20 x width by 25 x height, else 30 x 30.
QSize GraphPrintSize(const QWidget& view);
// `control` printed on `printer` at `view`'s print-out size; false without a control or when it failed.
bool PrintGraphAtViewSize(const QWidget& view, const platform::GraphControl* control, QPrinter& printer);
// File Print of a graph view: the print dialog on the view's printer, then the graph; a failure is told.
void PrintGraphView(platform::View& view, const platform::GraphControl* control);
