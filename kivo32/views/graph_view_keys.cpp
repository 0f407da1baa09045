// The settings dialog, the keys and the print size that every graph view shares.
#include "kivo32/views/graph_view_keys.h"

#include <QKeyEvent>
#include <QPointer>
#include <QWidget>

#include "platform/base/string_format.h"
#include "platform/ui/graph/graph_control.h"

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
