// CLoadProfileChildFrame: the frame of a load-profile window.
#include "kivo32/loadprofile/load_profile_child_frame.h"

#include "kivo32/loadprofile/dialog_bar_lp.h"
#include "kivo32/loadprofile/load_profile_graph_view.h"
#include "kivo32/loadprofile/load_profile_ids.h"
#include "kivo32/loadprofile/load_profile_view.h"
#include "kivo32/views/raw_data_doc.h"
#include "platform/base/message_box_flags.h"
#include "shared/common/message_box.h"

CLoadProfileViewBase* CLoadProfileChildFrame::ProfileView() const {
    return dynamic_cast<CLoadProfileViewBase*>(ActiveView());
}

unsigned CLoadProfileChildFrame::CurrentViewKind() const {
    const CLoadProfileViewBase* view = ProfileView();
    return view != nullptr ? view->Presentation() : 0;
}

CDialogBarLP* CLoadProfileChildFrame::FindBar() const {
    const CLoadProfileViewBase* view = ProfileView();
    return view != nullptr ? &view->Bar() : nullptr;
}

bool CLoadProfileChildFrame::OnCommand(unsigned id) {
    if (id != ID_LOAD_PROFILE_TABLE && id != ID_LOAD_PROFILE_GRAPH) {
        return ChildFrame::OnCommand(id);
    }
    if (id == CurrentViewKind()) {
        ShowMessageBoxId(IDS_LP_ALREADY_SHOWN, MB_OK | MB_ICONINFORMATION, true);
    } else {
        SwitchView(id);
    }
    return true;
}

void CLoadProfileChildFrame::OnMessage(platform::Message& message) {
    const int value = static_cast<int>(message.wParam);
    switch (message.id) {
        case WM_LP_PERIOD:
        case WM_LP_DAYS:
            (message.id == WM_LP_PERIOD ? parameters_.m_nPeriodType : parameters_.m_nDayFilterType) = value;
            if (CLoadProfileViewBase* view = ProfileView()) {
                view->Target()->PostMessage(platform::Message(message.id, message.wParam, nullptr, 1));
            }
            break;
        case WM_LP_PRESENTATION:
            parameters_.m_nViewKind = static_cast<unsigned>(value);
            break;
        case WM_LP_PRESENTATION_COMMAND:
            if (static_cast<unsigned>(value) != CurrentViewKind()) {
                SwitchView(static_cast<unsigned>(value));
            }
            break;
        default:
            ChildFrame::OnMessage(message);
            break;
    }
}

void CLoadProfileChildFrame::SwitchView(unsigned command) {
    CLoadProfileViewBase* old = ProfileView();
    auto* document = old != nullptr ? old->GetDocument() : nullptr;
    if (document == nullptr || (command != ID_LOAD_PROFILE_TABLE && command != ID_LOAD_PROFILE_GRAPH)) {
        return;
    }
    // The new view starts from what the old one showed.
    parameters_ = old->Parameters();
    parameters_.m_nViewKind = command;
    document->LoadProfileParameters() = parameters_;
    const bool wasActive = old->isActiveWindow();
    CLoadProfileViewBase* view = command == ID_LOAD_PROFILE_TABLE
                                     ? static_cast<CLoadProfileViewBase*>(new CLoadProfileView)
                                     : new CLoadProfileGraphView;
    const bool autoDelete = document->AutoDelete();
    document->SetAutoDelete(false);
    view->AttachDocument(document);
    SetView(view);
    document->SetAutoDelete(autoDelete);
    view->SetFrameParameters(parameters_);
    view->OnInitialUpdate();
    if (wasActive) {
        view->setFocus();
    }
    document->UpdateFrameTitles();
}
