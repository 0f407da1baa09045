// CLoadProfileGraphView: the load profile as a line over the day or the week on the graph control, in
// the look of the load-profile attribute file, which takes back what the user changes; printed, and
// written as a picture (command 32899).
#pragma once

#include <filesystem>

#include "kivo32/analysis/load_profile_graph_object_attributes.h"
#include "kivo32/loadprofile/load_profile_view_base.h"

namespace platform {
class GraphControl;
}

class CLoadProfileGraphView : public CLoadProfileViewBase {
    Q_OBJECT

public:
    CLoadProfileGraphView();

    // The active view of the main frame's active child when it is a load-profile graph, else null.
    static CLoadProfileGraphView* GetActiveLoadProfileGraphView();

    // Null until the first profile is shown.
    platform::GraphControl* Control() const { return control_; }
    CLoadProfileGraphObjectAttributes& Attributes() { return attributes_; }

    bool OnCommand(unsigned id) override;
    bool OnUpdateCommand(platform::CommandState& state) override;
    // The graph on one page of `printer`, wide pages 20 x 25, others 30 x 30 times the view's size.
    bool PrintGraph(QPrinter& printer) const;
    // The graph as a PNG picture at `path`, written beside it and renamed; false when it failed.
    bool WritePicture(const std::filesystem::path& path) const;

protected:
    void ShowProfile() override;
    bool MinuteMinimum() const override { return true; }
    void keyPressEvent(QKeyEvent* event) override;

private:
    // The settings dialog under the temporary title (command 32942, Ctrl+E).
    void OnGraphSettings();
    void OnFilePrint();
    void OnWritePicture();
    // The user changed the look: it goes into the attribute file.
    void TakeLookBack();

    CLoadProfileGraphObjectAttributes attributes_;
    platform::GraphControl* control_ = nullptr;
};
