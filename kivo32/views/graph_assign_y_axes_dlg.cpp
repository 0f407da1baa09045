// The Y-axis step of the graph dialogs.
#include "kivo32/views/graph_assign_y_axes_dlg.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "kivo32/controls/controls_ids.h"
#include "kivo32/views/views_ids.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"

namespace {

// Label, then the buttons of axes 1, 2 and 3, of each row.
constexpr std::array<std::array<int, 4>, CGraphAssignYAxesDlg::kRows> kRowIds{{
    {1601, 1602, 1598, 1600}, {1607, 1606, 1604, 1605}, {1616, 1609, 1610, 1611}, {1618, 1612, 1613, 1614},
    {1626, 1619, 1620, 1621}, {1628, 1622, 1623, 1624}, {1636, 1629, 1630, 1631}, {1638, 1632, 1633, 1634},
    {1646, 1639, 1640, 1641}, {1648, 1642, 1643, 1644}, {1656, 1649, 1650, 1651}, {1658, 1652, 1653, 1654},
    {1666, 1659, 1660, 1661}, {1668, 1662, 1663, 1664}, {1676, 1669, 1670, 1671}, {1678, 1672, 1673, 1674},
}};
constexpr std::array<unsigned, 3> kAxisTexts{IDS_GRAPH_Y_AXIS_1, IDS_GRAPH_Y_AXIS_2, IDS_GRAPH_Y_AXIS_3};

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

std::string OneLine(std::string text) {
    std::replace_if(text.begin(), text.end(), [](char c) { return c == '\r' || c == '\n'; }, ' ');
    return text;
}

}  // namespace

CGraphAssignYAxesDlg::CGraphAssignYAxesDlg(std::vector<std::string> channelHeadings, QWidget* parent)
    : platform::Dialog(parent), headings_(std::move(channelHeadings)), group_(new QGroupBox(Text(IDS_GRAPH_Y_AXES_GROUP), this)) {
    setWindowTitle(Text(IDS_GRAPH_Y_AXES_TITLE));
    platform::SetControlId(group_, IDC_GRAPH_Y_AXES_GROUP);
    auto* grid = new QGridLayout(group_);
    for (int row = 0; row < kRows; ++row) {
        Row& controls = rows_[static_cast<std::size_t>(row)];
        const auto& ids = kRowIds[static_cast<std::size_t>(row)];
        controls.label = new QLabel(group_);
        platform::SetControlId(controls.label, ids[0]);
        grid->addWidget(controls.label, row, 0);
        auto* buttons = new QButtonGroup(this);
        for (std::size_t axis = 0; axis < 3; ++axis) {
            controls.buttons[axis] = new QRadioButton(Text(kAxisTexts[axis]), group_);
            platform::SetControlId(controls.buttons[axis], ids[axis + 1]);
            buttons->addButton(controls.buttons[axis]);
            grid->addWidget(controls.buttons[axis], row, static_cast<int>(axis) + 1);
        }
    }
    auto* cancel = new QPushButton(Text(IDS_CANCEL), this);
    auto* back = new QPushButton(Text(IDS_GRAPH_BACK), this);
    auto* ok = new QPushButton(Text(IDS_OK), this);
    platform::SetControlId(cancel, IDCANCEL);
    platform::SetControlId(back, IDC_GRAPH_BACK);
    platform::SetControlId(ok, IDOK);
    ok->setDefault(true);
    connect(cancel, &QPushButton::clicked, this, [this] { OnCancel(); });
    connect(back, &QPushButton::clicked, this, [this] { EndDialog(IDC_GRAPH_BACK); });
    connect(ok, &QPushButton::clicked, this, [this] { OnOK(); });
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cancel);
    buttons->addWidget(back);
    buttons->addWidget(ok);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group_);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

int CGraphAssignYAxesDlg::AxisOf(std::size_t channel) const {
    return channel < axes_.size() ? axes_[channel] : 0;
}

bool CGraphAssignYAxesDlg::OnInitDialog() {
    const std::size_t channels = headings_.size();
    // Fewer than two channels leave nothing to choose; rows beyond the channels and the third axis of
    // two channels are hidden, and the dialog shrinks with them.
    group_->setVisible(channels >= 2);
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        const bool shown = row < channels;
        rows_[row].label->setVisible(shown);
        rows_[row].label->setText(shown ? platform::ToQString(OneLine(headings_[row])) : QString());
        rows_[row].buttons[0]->setVisible(shown);
        rows_[row].buttons[1]->setVisible(shown);
        rows_[row].buttons[2]->setVisible(shown && channels >= 3);
    }
    platform::Dialog::OnInitDialog();
    adjustSize();
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    return true;
}

void CGraphAssignYAxesDlg::DoDataExchange(platform::DataExchange& exchange) {
    for (std::size_t row = 0; row < rows_.size(); ++row) {
        const auto& buttons = rows_[row].buttons;
        int axis = axes_[row];
        platform::ExchangeRadio(exchange, {buttons[0], buttons[1], buttons[2]}, axis);
        axes_[row] = std::clamp(axis, 0, 2);
    }
}
