// CWiFiScanDlg: the list of the networks a scan found.
#include "kivo32/tools/wifi_scan_dlg.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QScrollBar>
#include <QVBoxLayout>

#include "kivo32/tools/wifi_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

namespace {

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

}  // namespace

CWiFiScanDlg::CWiFiScanDlg(QWidget* parent) : platform::Dialog(parent) {
    setWindowTitle(Text(IDS_WIFI_SCAN_TITLE));
    list_ = new QTreeWidget(this);
    platform::SetControlId(list_, IDC_SCAN_NETWORKS);
    list_->setRootIsDecorated(false);
    list_->setSelectionMode(QAbstractItemView::SingleSelection);
    connect(list_, &QTreeWidget::itemDoubleClicked, this, [this] { OnOK(); });
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(list_);
    layout->addWidget(MakeOkCancelButtons(this));
}

void CWiFiScanDlg::AddNetwork(const std::string& name, int channel, int signal, bool secured) {
    networks_.push_back({.name = name, .channel = channel, .signal = signal, .secured = secured});
}

bool CWiFiScanDlg::GetSelectedNetwork(std::string& name) const {
    if (has_chosen_) {
        name = chosen_;
    }
    return has_chosen_;
}

bool CWiFiScanDlg::OnInitDialog() {
    const bool result = platform::Dialog::OnInitDialog();
    list_->setHeaderLabels({Text(IDS_WIFI_SCAN_COLUMN_NETWORK), Text(IDS_WIFI_SCAN_COLUMN_CHANNEL),
                            Text(IDS_WIFI_SCAN_COLUMN_SIGNAL), Text(IDS_WIFI_SCAN_COLUMN_SECURITY)});
    // The column widths in dialog units: a quarter of the font's average character width each.
    const int dialogUnits[] = {100, 55, 50, 55};
    const int characterWidth = list_->fontMetrics().averageCharWidth();
    int total = 0;
    for (int column = 0; column < 4; ++column) {
        const int width = dialogUnits[column] * characterWidth / 4;
        list_->header()->resizeSection(column, width);
        total += width;
    }
    list_->setMinimumWidth(total + 2 * list_->frameWidth() + list_->verticalScrollBar()->sizeHint().width());
    for (const ScannedNetwork& network : networks_) {
        list_->addTopLevelItem(
            new QTreeWidgetItem({platform::ToQString(network.name), QString::number(network.channel),
                                 QString::number(network.signal) + '%',
                                 QString::fromLatin1(network.secured ? "TRUE" : "FALSE")}));
    }
    return result;
}

void CWiFiScanDlg::OnOK() {
    if (const QTreeWidgetItem* row = list_->currentItem(); row != nullptr && row->isSelected()) {
        chosen_ = platform::FromQString(row->text(0));
        has_chosen_ = true;
    }
    platform::Dialog::OnOK();
}
