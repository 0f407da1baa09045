// Exporting the real-time graph to the clipboard, a file or a printer.
#include "kivo32/realtime/rt_graph_export.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPrinter>
#include <array>
#include <cstdlib>

#include "kivo32/realtime/rt_ids.h"
#include "kivo32/realtime/wf_capture_graph.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/ui_broker.h"
#include "platform/ui/graph/graph_control.h"
#include "platform/ui/graph/qpainter_graph_canvas.h"
#include "platform/ui/qt_text.h"
#include "shared/common/message_box.h"

namespace {

constexpr int kLargestSide = 10000;

int NumberIn(const std::string& text, int count, const std::string& fallback) {
    const int value = std::atoi(text.c_str());
    return value >= 0 && value < count ? value : std::atoi(fallback.c_str());
}

int SideOf(const std::string& text, const std::string& fallback) {
    const int value = std::atoi(text.c_str());
    return value >= 1 && value <= kLargestSide ? value : std::atoi(fallback.c_str());
}

struct FileType {
    const char* name;
    const char* extension;
};
// By GraphExportType; the vector type is written as a PDF file.
constexpr std::array<FileType, 4> kFileTypes = {{{"PDF Files (*.pdf)", "pdf"},
                                                 {"Bitmap Files (*.bmp)", "bmp"},
                                                 {"JPEG Files (*.jpg)", "jpg"},
                                                 {"PNG Files (*.png)", "png"}}};

QImage GraphImage(const platform::GraphControl& graph, int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    platform::QPainterGraphCanvas canvas(painter);
    graph.Render(canvas, {0, 0, width, height});
    return image;
}

bool WriteFile(const platform::GraphControl& graph, const GraphExportPlan& plan, int width, int height,
               const QString& path) {
    if (plan.type != GraphExportType::Vector) {
        return GraphImage(graph, width, height)
            .save(path, kFileTypes[static_cast<std::size_t>(plan.type)].extension);
    }
    QPrinter file(QPrinter::HighResolution);
    file.setOutputFormat(QPrinter::PdfFormat);
    file.setOutputFileName(path);
    return graph.Print(file, width, height);
}

}  // namespace

GraphExportPlan GraphExportPlanOf(const GraphExportTexts& texts) {
    const GraphExportTexts defaults;
    GraphExportPlan plan;
    plan.type = static_cast<GraphExportType>(NumberIn(texts.type, 4, defaults.type));
    plan.destination =
        static_cast<GraphExportDestination>(NumberIn(texts.destination, 3, defaults.destination));
    plan.screenSize = NumberIn(texts.size, 4, defaults.size) == 0;
    plan.width = SideOf(texts.width, defaults.width);
    plan.height = SideOf(texts.height, defaults.height);
    return plan;
}

bool ExportGraph(const platform::GraphControl& graph, const GraphExportPlan& plan, QWidget* parent) {
    const int width = plan.screenSize ? graph.width() : plan.width;
    const int height = plan.screenSize ? graph.height() : plan.height;
    switch (plan.destination) {
        case GraphExportDestination::Clipboard:
            QGuiApplication::clipboard()->setImage(GraphImage(graph, width, height));
            return true;
        case GraphExportDestination::Printer: {
            QPrinter printer;
            return PrintWaveformGraph(graph, printer, parent);
        }
        case GraphExportDestination::File:
            break;
    }
    const FileType& type = kFileTypes[static_cast<std::size_t>(plan.type)];
    platform::FileNameRequest request;
    request.open = false;
    request.title = LoadText(IDS_RT_EXPORT_TITLE);
    request.filters = {{type.name, {std::string("*.") + type.extension}}};
    request.defaultExtension = type.extension;
    const auto path = platform::CurrentUiBroker().PromptFileName(request);
    if (!path) {
        return false;
    }
    if (!WriteFile(graph, plan, width, height, QString::fromStdString(path->string()))) {
        ShowMessageBoxId(IDS_RT_EXPORT_FAILED, MB_OK | MB_ICONEXCLAMATION, true);
        return false;
    }
    return true;
}
