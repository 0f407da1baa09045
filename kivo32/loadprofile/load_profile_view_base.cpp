// CLoadProfileViewBase: the dialog bar, the parameters and the computation of a load-profile view.
#include "kivo32/loadprofile/load_profile_view_base.h"

#include <QHBoxLayout>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "kivo32/analysis/raw_data_grid.h"
#include "kivo32/loadprofile/dialog_bar_lp.h"
#include "kivo32/loadprofile/load_profile_ids.h"
#include "kivo32/views/raw_data_doc.h"
#include "kivo32/views/view_toolbar.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/qt_text.h"
#include "shared/common/message_box.h"
#include "shared/common/trace_log.h"
#include "shared/controls/controls_ids.h"
#include "shared/setup/setup_table.h"

namespace {

constexpr int kProgressMilliseconds = 100;

}  // namespace

CLoadProfileViewBase::CLoadProfileViewBase(unsigned presentation)
    : presentation_(presentation),
      layout_(new QVBoxLayout(this)),
      bar_(new CDialogBarLP(this)),
      progress_row_(new QWidget(this)),
      progress_(new QProgressBar(progress_row_)),
      cancel_(new QPushButton(progress_row_)),
      progress_timer_(new QTimer(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setSpacing(0);
    layout_->addWidget(bar_);
    auto* row = new QHBoxLayout(progress_row_);
    row->setContentsMargins(4, 2, 4, 2);
    progress_->setFormat(platform::ToQString(LoadText(IDS_LP_COMPUTING)) + " %p%");
    cancel_->setText(platform::ToQString(LoadText(IDS_CANCEL)));
    row->addWidget(progress_, 1);
    row->addWidget(cancel_);
    layout_->addWidget(progress_row_);
    progress_row_->hide();
    connect(cancel_, &QPushButton::clicked, this, [this] {
        job_.Stop();
        ShowProgress(false);
        emit ProfileComputed(false);
    });
    connect(progress_timer_, &QTimer::timeout, this, [this] { progress_->setValue(job_.Percent()); });
}

CLoadProfileViewBase::~CLoadProfileViewBase() {
    job_.Stop();
}

CRawDataDoc* CLoadProfileViewBase::GetDocument() const {
    return dynamic_cast<CRawDataDoc*>(View::GetDocument());
}

bool CLoadProfileViewBase::IsComputing() const {
    return progress_row_->isVisibleTo(const_cast<CLoadProfileViewBase*>(this));
}

std::string CLoadProfileViewBase::ColumnTitle() const {
    CRawDataDoc* document = GetDocument();
    if (document == nullptr) {
        return {};
    }
    std::string title =
        CRawDataGrid(document->GetRawData()).GetCellText(0, static_cast<int>(parameters_.m_nLeftColumn));
    title = title.substr(0, title.find('\r'));
    if (const auto lineFeed = title.find('\n'); lineFeed != std::string::npos) {
        title[lineFeed] = ' ';
    }
    return title;
}

void CLoadProfileViewBase::SetContent(QWidget* content) {
    layout_->addWidget(content, 1);
}

void CLoadProfileViewBase::OnInitialUpdate() {
    if (CRawDataDoc* document = GetDocument()) {
        const CParametersForView& kept = document->LoadProfileParameters();
        parameters_ = kept;
    }
    parameters_.m_nViewKind = presentation_;
    if (platform::ChildFrame* frame = ParentFrame()) {
        bar_->SetFrame(frame->Target());
    }
    bar_->SyncCombos(parameters_);
    initialised_ = true;
    Compute();
}

void CLoadProfileViewBase::OnUpdate(platform::View* sender, long hint) {
    if (initialised_ && sender != nullptr && sender != this) {
        Compute();
        return;
    }
    WriteTraceLine("OnUpdate discarded: hint = %d\r\n", 0, static_cast<int>(hint));
}

void CLoadProfileViewBase::OnActivateView(bool active) {
    View::OnActivateView(active);
    ShowViewToolBar(presentation_ == ID_LOAD_PROFILE_GRAPH ? kDataGraphToolBar : kDataGridToolBar, active);
}

void CLoadProfileViewBase::SetFrameParameters(const CParametersForView& parameters) {
    const bool changed = parameters.m_nPeriodType != parameters_.m_nPeriodType ||
                         parameters.m_nDayFilterType != parameters_.m_nDayFilterType;
    parameters_.m_nPeriodType = parameters.m_nPeriodType;
    parameters_.m_nDayFilterType = parameters.m_nDayFilterType;
    bar_->SyncCombos(parameters_);
    if (changed && initialised_) {
        Compute();
    }
}

void CLoadProfileViewBase::OnMessage(platform::Message& message) {
    switch (message.id) {
        case WM_LP_PARAMETERS:
            if (const CParametersForView* parameters = platform::PayloadAs<CParametersForView>(message)) {
                SetFrameParameters(*parameters);
            }
            break;
        case WM_LP_PERIOD:
            ChangeParameter(&CParametersForView::m_nPeriodType, static_cast<int>(message.wParam));
            break;
        case WM_LP_DAYS:
            ChangeParameter(&CParametersForView::m_nDayFilterType, static_cast<int>(message.wParam));
            break;
        case WM_LP_COMPUTED:
            if (LoadProfileResult* result = platform::PayloadAs<LoadProfileResult>(message)) {
                OnComputed(*result);
            }
            break;
        default:
            View::OnMessage(message);
            break;
    }
}

void CLoadProfileViewBase::ChangeParameter(int CParametersForView::*member, int value) {
    if (parameters_.*member == value) {
        return;
    }
    parameters_.*member = value;
    if (CRawDataDoc* document = GetDocument()) {
        document->LoadProfileParameters() = parameters_;
    }
    bar_->SyncCombos(parameters_);
    Compute();
}

bool CLoadProfileViewBase::Compute() {
    CRawDataDoc* document = GetDocument();
    const unsigned long top = parameters_.m_nTopRow == 0 ? 1 : parameters_.m_nTopRow;
    if (document == nullptr || parameters_.m_nBottomRow < top + 1 ||
        document->GetRawData().GetSetupTable() == nullptr) {
        return false;
    }
    const CRawData& data = document->GetRawData();
    LoadProfileRequest request;
    request.dataFile = data.GetPath();
    request.dataFileIntervalCode = data.GetSetupTable()->GetHeader().GetIntervalCode();
    request.dataFileIntervalSeconds = data.GetSetupTable()->GetIntervalSeconds();
    request.column = static_cast<int>(parameters_.m_nLeftColumn);
    request.firstRow = top;
    request.lastRow = parameters_.m_nBottomRow;
    request.period = parameters_.ProfilePeriod();
    request.dayFilter = parameters_.ProfileDayFilter();
    request.minuteMinimum = MinuteMinimum();
    request.cache = document->ProfileColumnCache();
    if (!job_.Start(std::move(request), Target(), WM_LP_COMPUTED)) {
        return false;
    }
    ShowProgress(true);
    return true;
}

void CLoadProfileViewBase::OnComputed(LoadProfileResult& result) {
    ShowProgress(false);
    using Outcome = LoadProfileResult::Outcome;
    switch (result.outcome) {
        case Outcome::Done:
            if (CRawDataDoc* document = GetDocument()) {
                document->SetProfileColumnCache(result.cache);
            }
            profile_ = std::move(result.profile);
            ShowProfile();
            bar_->SelectPresentation(presentation_);
            emit ProfileComputed(true);
            return;
        case Outcome::Stopped:
            break;
        case Outcome::BadDate:
            ShowMessageBox("Bad Date", MB_OK, true);
            break;
        case Outcome::NoInterval:
            ShowMessageBoxId(IDS_LP_NO_INTERVAL, MB_OK | MB_ICONEXCLAMATION, true);
            break;
        default:
            ShowMessageBox(platform::FormatLoadedText(IDS_LP_READ_FAILED, {std::to_string(result.row)}),
                           MB_OK | MB_ICONEXCLAMATION, true);
            break;
    }
    emit ProfileComputed(false);
}

void CLoadProfileViewBase::ShowProgress(bool shown) {
    progress_->setValue(0);
    progress_row_->setVisible(shown);
    if (shown) {
        progress_timer_->start(kProgressMilliseconds);
    } else {
        progress_timer_->stop();
    }
}
