// CSetRefreshCountDlg: the refresh count of the real-time windows.
#include "kivo32/realtime/set_refresh_count_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>
#include <string>

#include "kivo32/session/refresh_count.h"
#include "kivo32/settings/registry_values.h"
#include "kivo32/realtime/rt_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/profile_store.h"
#include "platform/ui/data_exchange.h"
#include "shared/controls/dialog_buttons.h"
#include "shared/controls/identified_controls.h"

CSetRefreshCountDlg::CSetRefreshCountDlg(int count, QWidget* parent)
    : platform::Dialog(parent),
      refreshCount(count),
      count_(LimitedEdit(this, IDC_REFRESH_COUNT, IDS_REFRESH_COUNT_TIP, 6)),
      default_(Identified(new QCheckBox(platform::ToQString(LoadText(IDS_REFRESH_COUNT_DEFAULT)), this),
                          IDC_REFRESH_COUNT_DEFAULT, IDS_REFRESH_COUNT_DEFAULT_TIP)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_REFRESH_COUNT_TITLE)));
    auto* layout = new QVBoxLayout(this);
    auto* label = new QLabel(platform::ToQString(LoadText(IDS_REFRESH_COUNT_LABEL)), this);
    label->setBuddy(count_);
    label->setWordWrap(true);
    layout->addWidget(label);
    layout->addWidget(count_);
    layout->addWidget(default_);
    layout->addWidget(MakeOkCancelButtons(this));
}

bool CSetRefreshCountDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    count_->setFocus();
    count_->selectAll();
    return false;
}

void CSetRefreshCountDlg::DoDataExchange(platform::DataExchange& exchange) {
    exchange.PrepareControl(count_);
    if (!exchange.saving()) {
        count_->setText(QString::number(refreshCount));
    } else if (const std::optional<int> count = ParseRefreshCount(count_->text().toStdString())) {
        refreshCount = *count;
    } else {
        exchange.Fail(IDS_REFRESH_COUNT_RANGE,
                      {std::to_string(kRefreshCountNeverEnds), std::to_string(kRefreshCountHighest)});
        return;
    }
    platform::ExchangeCheck(exchange, default_, makeDefault);
}

std::optional<int> AskRefreshCount(int count, CRegistryValues& registry, platform::ProfileStore& store,
                                   QWidget* parent) {
    CSetRefreshCountDlg dialog(count, parent);
    if (dialog.DoModal() != IDOK) {
        return std::nullopt;
    }
    if (dialog.makeDefault) {
        registry.rtUpdateThreshold = dialog.refreshCount;
        store.WriteProfileInt(kKivoMiscSection, kRefreshCountKey, dialog.refreshCount);
    }
    return dialog.refreshCount;
}
