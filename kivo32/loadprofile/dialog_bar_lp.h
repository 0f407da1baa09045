// CDialogBarLP: the bar along the top of a load-profile window with its three lists (presentation,
// period, days); a choice goes on to the child frame as the message it stands for.
#pragma once

#include <QWidget>
#include <memory>

#include "kivo32/loadprofile/combo_box_tou.h"
#include "platform/base/message.h"

class CParametersForView;

namespace platform {
class WindowMessageTarget;
}

class CDialogBarLP : public QWidget {
    Q_OBJECT

public:
    explicit CDialogBarLP(QWidget* parent = nullptr);

    // Where the choices go: the child frame.
    void SetFrame(std::shared_ptr<platform::MessageTarget> frame) { frame_ = std::move(frame); }
    // The lists show the period and days of `parameters`.
    void SyncCombos(const CParametersForView& parameters);
    void SelectPresentation(unsigned command);

    CComboBoxAnalysis& Presentation() { return presentation_; }
    CComboBoxPeriodLP& Period() { return period_; }
    CComboBoxDaysLP& Days() { return days_; }

private:
    // A combo's choice: message wParam with the value to the frame.
    void OnMessage(platform::Message& message);

    CComboBoxAnalysis presentation_;
    CComboBoxPeriodLP period_;
    CComboBoxDaysLP days_;
    std::shared_ptr<platform::MessageTarget> frame_;
    std::shared_ptr<platform::WindowMessageTarget> target_;
};
