// The settings dialog, the keys, the print size and File Print that every graph view shares.
#include "kivo32/views/graph_view_keys.h"

#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/ui_broker.h"
#include "platform/ui/graph/graph_control.h"
#include "platform/ui/ui_ids.h"
#include "platform/ui/view.h"

void RunGraphSettingsUnderTitle(QWidget& owner, platform::GraphControl& control, const std::string& title,
                                const std::string& suffix) {
    control.Settings().mainTitle = platform::StringPrintf("%s - %s", title.c_str(), suffix.c_str());
    const QPointer<QWidget> alive(&owner);
    const QPointer<platform::GraphControl> graph(&control);
    control.RunSettingsDialog();
    if (alive != nullptr && graph != nullptr) {
        graph->Settings().mainTitle = title;
        graph->Reinitialise();
    }
}

bool HandleGraphViewKey(QKeyEvent& event, platform::GraphControl* control,
                        const std::function<void()>& settings) {
    const bool controlHeld = (event.modifiers() & Qt::ControlModifier) != 0;
    if (event.key() == Qt::Key_E && controlHeld) {
        settings();
    } else if (event.key() == Qt::Key_Space && !controlHeld) {
        if (control != nullptr) {
            control->CycleGridLines();
        }
    } else {
        return false;
    }
    event.accept();
    return true;
}

QSize GraphPrintSize(const QWidget& view) {
    const int width = view.width();
    const int height = view.height();
    return height < width ? QSize(width * 20, height * 25) : QSize(width * 30, height * 30);
}

bool PrintGraphAtViewSize(const QWidget& view, const platform::GraphControl* control, QPrinter& printer) {
    const QSize size = GraphPrintSize(view);
    return control != nullptr && control->Print(printer, size.width(), size.height());
}

void PrintGraphView(platform::View& view, const platform::GraphControl* control) {
    platform::PrintInfo info;
    info.SetMaxPage(1);
    if (view.ChoosePrinter(info) && !PrintGraphAtViewSize(view, control, view.Printer())) {
        platform::CurrentUiBroker().MessageBox(LoadText(AFX_IDP_FAILED_TO_START_PRINT), {},
                                               MB_OK | MB_ICONEXCLAMATION);
    }
}
