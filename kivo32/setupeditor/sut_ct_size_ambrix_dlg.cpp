// CSUTCTSizeAmbrixDlg: the CT of a channel, sized or of the fixed kind, typed or from the catalogue.
#include "kivo32/setupeditor/sut_ct_size_ambrix_dlg.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "kivo32/setupeditor/ct_size_check.h"
#include "kivo32/setupeditor/setupeditor_ids.h"
#include "platform/base/number_text.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_ids.h"
#include "shared/controls/dialog_buttons.h"

namespace {

constexpr const char* kSizedDefault = "100.0";
constexpr const char* kFixedSize = "5000.0";
// The catalogue's output type of the CTs whose size and factor the dialog takes.
constexpr const char* kSizedOutputType = "MV";

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

}  // namespace

CSUTCTSizeAmbrixDlg::CSUTCTSizeAmbrixDlg(QWidget* parent, CTChooserRun chooser)
    : platform::Dialog(parent),
      chooser_(std::move(chooser)),
      sized_(new QRadioButton(Text(IDS_CT_KIND_SIZED), this)),
      fixed_(new QRadioButton(Text(IDS_CT_KIND_FIXED), this)),
      size_edit_(new QLineEdit(this)),
      factor_edit_(new QLineEdit(this)),
      catalogue_(new QPushButton(Text(IDS_CT_CATALOGUE), this)) {
    setWindowTitle(Text(IDS_CT_AMBRIX_TITLE));
    auto* sizeLabel = new QLabel(Text(IDS_CT_AMBRIX_SIZE_LABEL), this);
    auto* factorLabel = new QLabel(Text(IDS_CT_FACTOR_LABEL), this);
    sizeLabel->setBuddy(size_edit_);
    factorLabel->setBuddy(factor_edit_);
    platform::SetControlId(sized_, IDC_CT_KIND_SIZED);
    platform::SetControlId(fixed_, IDC_CT_KIND_FIXED);
    platform::SetControlId(sizeLabel, IDC_CT_SIZE_LABEL);
    platform::SetControlId(size_edit_, IDC_CT_AMBRIX_SIZE);
    platform::SetControlId(factorLabel, IDC_CT_FACTOR_LABEL);
    platform::SetControlId(factor_edit_, IDC_CT_FACTOR);
    platform::SetControlId(catalogue_, IDC_CT_CATALOGUE);
    catalogue_->setEnabled(static_cast<bool>(chooser_));
    connect(sized_, &QRadioButton::clicked, this, [this] { ChooseKind(kKindSized); });
    connect(fixed_, &QRadioButton::clicked, this, [this] { ChooseKind(kKindFixed); });
    connect(catalogue_, &QPushButton::clicked, this, &CSUTCTSizeAmbrixDlg::OnCatalogue);

    QDialogButtonBox* buttons = MakeOkCancelButtons(this);

    auto* fields = new QGridLayout;
    fields->addWidget(sized_, 0, 0, 1, 3);
    fields->addWidget(sizeLabel, 1, 0);
    fields->addWidget(size_edit_, 1, 1);
    fields->addWidget(catalogue_, 1, 2);
    fields->addWidget(factorLabel, 2, 0);
    fields->addWidget(factor_edit_, 2, 1);
    fields->addWidget(fixed_, 3, 0, 1, 3);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(buttons);
}

bool CSUTCTSizeAmbrixDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    ShowKind();
    return true;
}

void CSUTCTSizeAmbrixDlg::DoDataExchange(platform::DataExchange& exchange) {
    platform::ExchangeRadio(exchange, {sized_, fixed_}, kind_);
    platform::ExchangeText(exchange, size_edit_, size_text_);
    ValidateCTSize(exchange, size_text_, size_);
    platform::ExchangeText(exchange, factor_edit_, factor_text_);
    if (exchange.saving() && !exchange.failed() && kind_ == kKindSized &&
        !ParseDouble(factor_text_, factor_)) {
        exchange.Fail(AFX_IDP_PARSE_REAL);
    }
}

void CSUTCTSizeAmbrixDlg::ChooseKind(int kind) {
    kind_ = kind;
    size_text_ = kind == kKindSized ? kSizedDefault : kFixedSize;
    size_edit_->setText(platform::ToQString(size_text_));
    ShowKind();
}

void CSUTCTSizeAmbrixDlg::ShowKind() {
    sized_->setChecked(kind_ == kKindSized);
    fixed_->setChecked(kind_ == kKindFixed);
    platform::EnableControls(this,
                             {IDC_CT_SIZE_LABEL, IDC_CT_AMBRIX_SIZE, IDC_CT_FACTOR_LABEL, IDC_CT_FACTOR},
                             kind_ == kKindSized);
}

void CSUTCTSizeAmbrixDlg::OnCatalogue() {
    const std::optional<CTChoice> choice = chooser_(this);
    if (!choice) {
        return;
    }
    if (choice->outputType != kSizedOutputType) {
        ChooseKind(kKindFixed);
        return;
    }
    kind_ = kKindSized;
    size_text_ = choice->ratedSize;
    factor_text_ = choice->secondValue;
    size_edit_->setText(platform::ToQString(size_text_));
    factor_edit_->setText(platform::ToQString(factor_text_));
    ShowKind();
}
