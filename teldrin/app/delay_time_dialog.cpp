#include "teldrin/app/delay_time_dialog.h"

#include <QDialogButtonBox>
#include <QVBoxLayout>

#include "shared/controls/number_pair_edit.h"

namespace teldrin {
namespace {

constexpr int kHoursEdit = 1005;
constexpr int kMinutesEdit = 1007;

}  // namespace

CDelayTimeDialog::CDelayTimeDialog(std::time_t delay, QWidget* parent)
    : QDialog(parent), time_(new NumberPairEdit({kHoursEdit, 0, 23}, {kMinutesEdit, 0, 59}, " :", this)) {
    setWindowTitle("Call Schedule Delay Time");
    time_->SetValues(static_cast<int>(delay / 3600 % 24), static_cast<int>(delay / 60 % 60));
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(time_);
    layout->addWidget(buttons);
    time_->FirstEdit()->setFocus();
    time_->FirstEdit()->selectAll();
}

std::time_t CDelayTimeDialog::Delay() const {
    return std::time_t{time_->First()} * 3600 + std::time_t{time_->Second()} * 60;
}

}  // namespace teldrin
