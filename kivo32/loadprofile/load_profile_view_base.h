// CLoadProfileViewBase: what the load-profile table and graph share: the dialog bar above the view,
// the view's parameters, the profile computed on a worker with its progress and cancel, and the
// messages of the bar's choices.
#pragma once

#include <QPointer>
#include <memory>
#include <string>

#include "kivo32/analysis/load_profile_job.h"
#include "kivo32/analysis/parameters_for_view.h"
#include "platform/ui/view.h"

class CDialogBarLP;
class CRawDataDoc;
class QProgressBar;
class QPushButton;
class QTimer;
class QVBoxLayout;

class CLoadProfileViewBase : public platform::View {
    Q_OBJECT

public:
    // `presentation` is the command of the view's kind (32869 table, 32870 graph).
    explicit CLoadProfileViewBase(unsigned presentation);
    unsigned Presentation() const { return presentation_; }
    // Stops a computation that runs.
    ~CLoadProfileViewBase() override;

    CRawDataDoc* GetDocument() const;
    CDialogBarLP& Bar() const { return *bar_; }
    const CParametersForView& Parameters() const { return parameters_; }
    // The profile last computed; empty before the first.
    const CLoadProfileTOU& Profile() const { return profile_; }
    bool IsComputing() const;
    // The profiled column's header on one line.
    std::string ColumnTitle() const;

    // Takes the document's parameters (the selection the window was opened on) and computes.
    void OnInitialUpdate() override;
    // A change made through another view computes the profile again; any other update is only traced.
    void OnUpdate(platform::View* sender, long hint) override;
    // The main frame shows the toolbar of a data grid or of a data graph, as the view's kind is.
    void OnActivateView(bool active) override;
    // WM_APP+0xE2 (the frame's parameters, sent), 0xE3 and 0xE4 (the period or days chosen), and the
    // worker's result.
    void OnMessage(platform::Message& message) override;
    // The frame's parameters for a new view: recomputed when period or days differ.
    void SetFrameParameters(const CParametersForView& parameters);

signals:
    // A computation ended, with a profile or without.
    void ProfileComputed(bool computed);

protected:
    // Below the bar: the view's own widget.
    void SetContent(QWidget* content);
    // The profile is new: show it.
    virtual void ShowProfile() = 0;
    // The graph never has buckets shorter than a minute.
    virtual bool MinuteMinimum() const = 0;

private:
    // Starts the computation of the current parameters; false, telling nobody, for fewer than two rows
    // or no document.
    bool Compute();
    void OnComputed(LoadProfileResult& result);
    void ShowProgress(bool shown);
    // A period or day filter chosen: stored in the view and the document, recomputed when it changed.
    void ChangeParameter(int CParametersForView::*member, int value);

    unsigned presentation_;
    bool initialised_ = false;
    CParametersForView parameters_;
    CLoadProfileTOU profile_;
    QVBoxLayout* layout_;
    CDialogBarLP* bar_;
    QWidget* progress_row_;
    QProgressBar* progress_;
    QPushButton* cancel_;
    QTimer* progress_timer_;
    // Last: its end waits for the worker.
    CLoadProfileJob job_;
};
