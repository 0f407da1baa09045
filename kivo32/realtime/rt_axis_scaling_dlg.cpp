// CRTGraphAxisScaling: the axes of the real-time graph.
#include "kivo32/realtime/rt_axis_scaling_dlg.h"

#include <QDoubleValidator>
#include <QFormLayout>
#include <QIntValidator>
#include <QVBoxLayout>
#include <optional>

#include "kivo32/realtime/rt_graph_rules.h"
#include "kivo32/realtime/rt_ids.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

namespace {

QLineEdit* IdentifiedEdit(QWidget* parent, int id) {
    auto* edit = new QLineEdit(parent);
    platform::SetControlId(edit, id);
    return edit;
}

std::optional<double> NumberIn(const QLineEdit* edit) {
    bool ok = false;
    const double value = edit->text().trimmed().toDouble(&ok);
    return ok ? std::optional<double>(value) : std::nullopt;
}

}  // namespace

CRTGraphAxisScaling::CRTGraphAxisScaling(QWidget* parent)
    : platform::Dialog(parent),
      automatic_(new QRadioButton(platform::ToQString(LoadText(IDS_AXIS_AUTOMATIC)), this)),
      manual_(new QRadioButton(platform::ToQString(LoadText(IDS_AXIS_MANUAL)), this)),
      minimum_(IdentifiedEdit(this, IDC_AXIS_Y_MINIMUM)),
      maximum_(IdentifiedEdit(this, IDC_AXIS_Y_MAXIMUM)),
      span_(IdentifiedEdit(this, IDC_AXIS_TIME_SPAN)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_AXIS_TITLE)));
    platform::SetControlId(automatic_, IDC_AXIS_AUTOMATIC);
    platform::SetControlId(manual_, IDC_AXIS_MANUAL);
    // Whole seconds only: no sign, no decimal point can be typed.
    span_->setValidator(new QIntValidator(kShortestTimeSpan, kLongestTimeSpan, span_));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(automatic_);
    layout->addWidget(manual_);
    auto* form = new QFormLayout;
    form->addRow(platform::ToQString(LoadText(IDS_AXIS_Y_MINIMUM)), minimum_);
    form->addRow(platform::ToQString(LoadText(IDS_AXIS_Y_MAXIMUM)), maximum_);
    form->addRow(platform::ToQString(LoadText(IDS_AXIS_TIME_SPAN)), span_);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancelButtons(this));
    connect(automatic_, &QRadioButton::toggled, this, [this] { ShowMode(); });
}

void CRTGraphAxisScaling::ShowMode() {
    minimum_->setEnabled(manual_->isChecked());
    maximum_->setEnabled(manual_->isChecked());
}

void CRTGraphAxisScaling::DoDataExchange(platform::DataExchange& exchange) {
    if (!exchange.saving()) {
        (mode != 0 ? automatic_ : manual_)->setChecked(true);
        minimum_->setText(platform::ToQString(platform::StringPrintf("%.2f", yMinimum)));
        maximum_->setText(platform::ToQString(platform::StringPrintf("%.2f", yMaximum)));
        span_->setText(QString::number(timeSpan));
        ShowMode();
        return;
    }
    exchange.PrepareControl(span_);
    const QString spanText = span_->text();
    int position = 0;
    QString checked = spanText;
    if (span_->validator()->validate(checked, position) != QValidator::Acceptable) {
        exchange.Fail(IDS_AXIS_TIME_SPAN_RANGE);
        return;
    }
    exchange.PrepareControl(minimum_);
    const std::optional<double> low = NumberIn(minimum_);
    const std::optional<double> high = NumberIn(maximum_);
    if (!low || !high || !(*low < *high)) {
        exchange.Fail(IDS_AXIS_Y_ORDER);
        return;
    }
    mode = automatic_->isChecked() ? 1 : 0;
    yMinimum = *low;
    yMaximum = *high;
    timeSpan = spanText.toInt();
}
