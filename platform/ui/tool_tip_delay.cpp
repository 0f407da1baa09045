// A tool-tip delay for the controls of one window, leaving the rest of the program's tool tips alone.
#include "platform/ui/tool_tip_delay.h"

#include <QProxyStyle>

namespace platform {

namespace {

// The program's style with another wake-up delay for tool tips.
class ToolTipDelayStyle : public QProxyStyle {
public:
    explicit ToolTipDelayStyle(int milliseconds) : milliseconds_(milliseconds) {}

    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override {
        if (hint == SH_ToolTip_WakeUpDelay) {
            return milliseconds_;
        }
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }

private:
    int milliseconds_;
};

}  // namespace

void SetToolTipDelay(QWidget* window, int milliseconds) {
    // A widget's style does not pass on to its children, and the delay is asked of the widget under
    // the mouse: each control gets the style.
    auto* style = new ToolTipDelayStyle(milliseconds);
    style->setParent(window);
    window->setStyle(style);
    for (QWidget* control : window->findChildren<QWidget*>()) {
        control->setStyle(style);
    }
}

}  // namespace platform
