// The type step of the graph dialogs.
#include "kivo32/views/graph_sel_type_dlg.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QVBoxLayout>

#include "kivo32/controls/controls_ids.h"
#include "kivo32/views/graph_assign_y_axes_dlg.h"
#include "kivo32/views/graph_dialog_grid.h"
#include "kivo32/views/graph_methods.h"
#include "kivo32/views/views_ids.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"

namespace {

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

}  // namespace

CGraphSelTypeDlg::CGraphSelTypeDlg(CGraphDialogGrid& grid, std::vector<std::string> channelHeadings, QWidget* parent)
    : platform::Dialog(parent),
      grid_(grid),
      headings_(std::move(channelHeadings)),
      method_(new QComboBox(this)),
      assign_y_axes_(new QCheckBox(Text(IDS_GRAPH_TYPE_ASSIGN_Y_AXES), this)),
      data_cursor_(new QCheckBox(Text(IDS_GRAPH_OPTIONS_DATA_CURSOR), this)),
      data_points_(new QCheckBox(Text(IDS_GRAPH_OPTIONS_DATA_POINTS), this)),
      analysis_values_(new QCheckBox(Text(IDS_GRAPH_OPTIONS_ANALYSIS_VALUES), this)),
      defaults_(new QRadioButton(Text(IDS_GRAPH_OPTIONS_DEFAULT_ATTRIBUTES), this)),
      saved_(new QRadioButton(Text(IDS_GRAPH_OPTIONS_OWN_ATTRIBUTES), this)),
      ok_(new QPushButton(this)) {
    setWindowTitle(Text(IDS_GRAPH_TYPE_TITLE));
    for (std::size_t i = 0; i < kGraphMethodCodes.size(); ++i) {
        method_->addItem(Text(IDS_GRAPH_METHOD_NAME_FIRST + static_cast<unsigned>(i)));
    }
    platform::SetControlId(method_, IDC_GRAPH_METHOD);
    platform::SetControlId(assign_y_axes_, IDC_GRAPH_ASSIGN_Y_AXES);
    platform::SetControlId(data_cursor_, IDC_GRAPH_TYPE_DATA_CURSOR);
    platform::SetControlId(data_points_, IDC_GRAPH_TYPE_DATA_POINTS);
    platform::SetControlId(analysis_values_, IDC_GRAPH_TYPE_ANALYSIS_VALUES);
    platform::SetControlId(defaults_, IDC_GRAPH_TYPE_DEFAULT_ATTRIBUTES);
    platform::SetControlId(saved_, IDC_GRAPH_TYPE_OWN_ATTRIBUTES);
    platform::SetControlId(ok_, IDOK);
    auto* sources = new QButtonGroup(this);
    sources->addButton(defaults_);
    sources->addButton(saved_);
    connect(defaults_, &QRadioButton::clicked, this, [this] {
        attributeSource = 0;
        ShowMethodOfSource();
    });
    connect(saved_, &QRadioButton::clicked, this, [this] {
        attributeSource = 1;
        ShowMethodOfSource();
    });
    connect(assign_y_axes_, &QCheckBox::toggled, this, [this](bool on) {
        assignYAxes = on ? 1 : 0;
        UpdateOkCaption();
    });

    auto* cancel = new QPushButton(Text(IDS_CANCEL), this);
    auto* back = new QPushButton(Text(IDS_GRAPH_BACK), this);
    platform::SetControlId(cancel, IDCANCEL);
    platform::SetControlId(back, IDC_GRAPH_BACK);
    ok_->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(back, &QPushButton::clicked, this, [this] { EndDialog(IDC_GRAPH_BACK); });
    connect(ok_, &QPushButton::clicked, this, [this] { OnOK(); });

    auto* form = new QFormLayout;
    form->addRow(Text(IDS_GRAPH_TYPE_METHOD), method_);
    form->addRow(data_cursor_);
    form->addRow(data_points_);
    form->addRow(analysis_values_);
    form->addRow(defaults_);
    form->addRow(saved_);
    form->addRow(assign_y_axes_);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(back);
    buttons->addWidget(ok_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(buttons);
}

void CGraphSelTypeDlg::ShowMethodOfSource() {
    method_index_ = GraphMethodIndex(attributeSource == 0 ? defaultMethod : method);
    method_->setCurrentIndex(method_index_);
}

void CGraphSelTypeDlg::UpdateOkCaption() {
    ok_->setText(Text(assignYAxes != 0 ? IDS_GRAPH_TYPE_NEXT : IDS_GRAPH_TYPE_FINISH));
}

bool CGraphSelTypeDlg::OnInitDialog() {
    assign_y_axes_->setEnabled(headings_.size() > 1);
    method_index_ = GraphMethodIndex(attributeSource == 0 ? defaultMethod : method);
    UpdateOkCaption();
    platform::Dialog::OnInitDialog();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    return true;
}

void CGraphSelTypeDlg::DoDataExchange(platform::DataExchange& exchange) {
    platform::ExchangeIndex(exchange, method_, method_index_);
    platform::ExchangeCheck(exchange, assign_y_axes_, assignYAxes);
    platform::ExchangeCheck(exchange, data_cursor_, showDataCursor);
    platform::ExchangeCheck(exchange, data_points_, showDataPoints);
    platform::ExchangeCheck(exchange, analysis_values_, showAnalysisValues);
    platform::ExchangeRadio(exchange, {defaults_, saved_}, attributeSource);
}

void CGraphSelTypeDlg::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    (attributeSource == 0 ? defaultMethod : method) = GraphMethodCode(method_index_);
    grid_.ClearColumnYAxes();
    for (std::size_t channel = 0; channel < headings_.size(); ++channel) {
        grid_.SetColumnYAxis(static_cast<int>(channel), 0);
    }
    if (assignYAxes != 0 && headings_.size() > 1) {
        CGraphAssignYAxesDlg axes(headings_, this);
        const int result = axes.DoModal();
        if (result == IDCANCEL) {
            EndDialog(IDCANCEL);
            return;
        }
        if (result != IDOK) {
            return;  // Back: this step stays open
        }
        for (std::size_t channel = 0; channel < headings_.size(); ++channel) {
            grid_.SetColumnYAxis(static_cast<int>(channel), axes.AxisOf(channel));
        }
    }
    EndDialog(IDOK);
}
