// The connected logger's current and voltage scalars.
#include "kivo32/tools/set_scalars_dlg.h"

#include <QFormLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "kivo32/tools/logger_naming_lines.h"
#include "kivo32/tools/scalar_window_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

namespace {

constexpr double kHighestScalar = 100.9;

}  // namespace

CSetScalarsDlg::CSetScalarsDlg(float ampScalar, float voltScalar, float thirdScalar,
                               const std::string& firstText, const std::string& secondText, QWidget* parent)
    : platform::Dialog(parent),
      a(ampScalar),
      v(voltScalar),
      r(thirdScalar),
      edits_{{new QLineEdit(this), &a, 8, {}}, {new QLineEdit(this), &v, 6, {}}} {
    setWindowTitle(platform::ToQString(LoadText(IDS_SET_SCALARS_TITLE)));
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(LoggerNamingLines(this, firstText, secondText));
    auto* form = new QFormLayout();
    platform::SetControlId(edits_[0].edit, IDC_SCALARS_A);
    platform::SetControlId(edits_[1].edit, IDC_SCALARS_V);
    form->addRow(platform::ToQString(LoadText(IDS_SET_SCALARS_AMP)), edits_[0].edit);
    form->addRow(platform::ToQString(LoadText(IDS_SET_SCALARS_VOLT)), edits_[1].edit);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancelButtons(this));
}

bool CSetScalarsDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    for (ScalarEdit& scalar : edits_) {
        scalar.shown = scalar.edit->text();
    }
    return true;
}

void CSetScalarsDlg::DoDataExchange(platform::DataExchange& exchange) {
    for (ScalarEdit& scalar : edits_) {
        // The edit shows fewer decimals than the logger keeps: unchanged, the scalar stays exact.
        if (exchange.saving() && scalar.edit->text() == scalar.shown) {
            continue;
        }
        float value = *scalar.value;
        platform::DDX_FloatDecimals(exchange, scalar.edit, value, scalar.decimals);
        platform::ValidateRange(exchange, static_cast<double>(value), 0.0, kHighestScalar);
        if (!exchange.failed()) {
            *scalar.value = value;
        }
    }
}
