// Exporting the real-time graph as the application's export settings say: the image type, its size and
// where it goes (the clipboard, a file or a printer).
#pragma once

#include <string>

class QWidget;
namespace platform {
class GraphControl;
}

enum class GraphExportType { Vector, Bitmap, Jpeg, Png };
enum class GraphExportDestination { Clipboard, File, Printer };

// The export settings as the application information file keeps them (texts).
struct GraphExportTexts {
    std::string type = "2";
    std::string size = "3";
    std::string destination = "0";
    std::string width = "1000";
    std::string height = "462";
};

struct GraphExportPlan {
    GraphExportType type = GraphExportType::Jpeg;
    GraphExportDestination destination = GraphExportDestination::Clipboard;
    // The graph's size on the screen, or else this size in pixels.
    bool screenSize = false;
    int width = 1000;
    int height = 462;
};

// The plan of the settings' texts, read as whole numbers: a type, destination or size out of range, or
// a width or height not within 1-10000 pixels, takes the file's default.
GraphExportPlan GraphExportPlanOf(const GraphExportTexts& texts);

// Exports the graph by the plan: a file's name is asked first; a file that cannot be written or a
// printer that cannot start is told. False when nothing was exported.
bool ExportGraph(const platform::GraphControl& graph, const GraphExportPlan& plan, QWidget* parent);
