// The graph control's own settings dialog: plotting method, data points, data labels and grid lines,
// under the graph's main title.
#pragma once

#include <QCheckBox>
#include <QComboBox>

#include "platform/ui/dialog.h"
#include "platform/ui/graph/graph_settings.h"

namespace platform {

class GraphSettingsDialog : public Dialog {
    Q_OBJECT

public:
    GraphSettingsDialog(const GraphSettings& settings, QWidget* parent = nullptr);

    // After OK: the style with the user's choices, and whether it differs from the one given.
    const GraphStyle& Style() const { return style_; }
    bool Changed() const;

protected:
    void DoDataExchange(DataExchange& exchange) override;

private:
    const GraphStyle original_;
    GraphStyle style_;
    QComboBox* method_;
    QCheckBox* points_;
    QCheckBox* labels_;
    QComboBox* grid_;
};

}  // namespace platform
