// CLoadProfileChildFrame: the frame of a load-profile window: it keeps the data grid its views read,
// the parameters it hands to a new view, relays the dialog bar's choices to its view and switches in
// place between the table and the graph.
#pragma once

#include <QPointer>

#include "kivo32/analysis/parameters_for_view.h"
#include "kivo32/views/raw_data_view.h"
#include "platform/ui/child_frame.h"

class CDialogBarLP;
class CLoadProfileViewBase;

class CLoadProfileChildFrame : public platform::ChildFrame {
    Q_OBJECT

public:
    CLoadProfileChildFrame() = default;

    void SetDataGrid(CRawDataView* grid) { grid_ = grid; }
    CRawDataView* DataGrid() const { return grid_; }
    const CParametersForView& Parameters() const { return parameters_; }
    CLoadProfileViewBase* ProfileView() const;
    // The command of the view shown (32869 table, 32870 graph); 0 before one is shown.
    unsigned CurrentViewKind() const;
    // The dialog bar of the view shown.
    CDialogBarLP* FindBar() const;

    // 32869 and 32870: the other presentation, or a message that it is shown already.
    bool OnCommand(unsigned id) override;
    // 0xE3, 0xE4, 0xE8 from the bar: kept and posted on to the view; 0xE5: the presentation chosen.
    void OnMessage(platform::Message& message) override;
    // Shows the view of `command` in place of the one shown, on the same document and parameters.
    void SwitchView(unsigned command);

private:
    QPointer<CRawDataView> grid_;
    CParametersForView parameters_;
};
