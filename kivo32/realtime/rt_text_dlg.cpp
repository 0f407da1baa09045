// CRTVTextDlg: the real-time values as a grid of text.
#include "kivo32/realtime/rt_text_dlg.h"

#include <algorithm>

#include <QHBoxLayout>
#include <QHeaderView>

#include "kivo32/realtime/rt_graph_rules.h"
#include "kivo32/realtime/rt_ids.h"
#include "kivo32/harmonics/thd_help_dlg.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/grid_control.h"
#include "shared/controls/identified_controls.h"
#include "shared/setup/channel_names.h"

namespace {

// Value columns: the type name, then up to six quantities; a seventh for the Quarven's distortion.
constexpr int kColumns = 7;
constexpr int kQuarvenColumns = 8;
constexpr int kAnalogRangeFirst = 15;
constexpr int kAnalogRangeLast = 17;
// The analog inputs follow the hardware and software channels in the records and the setup's types.
constexpr int kFirstAnalogSlot = kHardwareChannels + kSoftwareChannels;
constexpr int kAnalogColumns = 2;
// Window size limits of the Lite variant, in pixels.
constexpr QSize kLiteMinimum(670, 475);
constexpr int kAnalogMinimumWidth = 660;
constexpr QSize kLiteMaximum(1600, 1200);

bool IsAnalogRange(int type) {
    return type >= kAnalogRangeFirst && type <= kAnalogRangeLast;
}

// Rows that show a name on two lines: the channel's type, then the label the setup gives it.
void ShowTwoLineRows(platform::GridView& view) {
    QHeaderView& rows = *view.verticalHeader();
    rows.setDefaultSectionSize(rows.defaultSectionSize() + view.fontMetrics().lineSpacing());
}

// The advance of the widest line among `texts` in the grid's font.
int WidestLine(const platform::GridView& view, const std::vector<std::string>& texts) {
    int widest = 0;
    for (const std::string& text : texts) {
        for (const QString& line : platform::ToQString(text).split(QLatin1Char('\n'))) {
            widest = std::max(widest, view.fontMetrics().horizontalAdvance(line));
        }
    }
    return widest;
}

// The grid just as high as its rows, so that the analog grid sits right below the channels'.
void FitHeightToRows(platform::GridView& view) {
    view.setFixedHeight(view.horizontalHeader()->sizeHint().height() + view.verticalHeader()->length() +
                        2 * view.frameWidth());
}

std::optional<std::uint32_t> Interior(CellColour colour) {
    switch (colour) {
        case CellColour::Green:
            return 0x00FF00;
        case CellColour::Red:
            return 0xFF0000;
        case CellColour::White:
            return 0xFFFFFF;
        default:
            return std::nullopt;
    }
}

}  // namespace

CRTVTextDlg::CRTVTextDlg(std::shared_ptr<CRealTimeWindowLink> link, CRegistryValues& registry,
                         QWidget* parent)
    : CRTValuesDlg(std::move(link), registry, parent),
      grid_(new CGridControl(Target(), this)),
      analog_grid_(new CGridControl(Target(), this)),
      thd_help_(Identified(new QPushButton(platform::ToQString(LoadText(IDS_RT_THD_HELP)), this),
                           IDC_RT_THD_HELP, IDS_RT_THD_HELP_TIP)) {
    setWindowTitle(platform::ToQString(LoadText(IDS_RT_TEXT_TITLE)));
    platform::SetControlId(grid_, IDC_RT_GRID);
    platform::SetControlId(analog_grid_, IDC_RT_ANALOG_GRID);
    ValuesArea()->addWidget(grid_);
    ValuesArea()->addWidget(analog_grid_);
    auto* help = new QHBoxLayout;
    help->addWidget(thd_help_);
    help->addStretch();
    ValuesArea()->addLayout(help);
    connect(thd_help_, &QPushButton::clicked, this, [this] { CTHDHelpDlg(this).DoModal(); });
    resize(760, 520);
}

bool CRTVTextDlg::OnInitDialog() {
    const auto& types = Link().Setup().channelTypes;
    const std::vector<int> channelTypes(types.begin(), types.end());
    rows_ = GridRowCount(channelTypes);
    ShowTwoLineRows(grid_->Grid());
    grid_->SetRowCount(rows_);
    grid_->SetColCount(Link().TypeCode() >= kModelQuarvenRS ? kQuarvenColumns : kColumns);
    // The distortion column has its help.
    thd_help_->setVisible(Link().TypeCode() >= kModelQuarvenRS);
    grid_->SetCell(0, 0, {.text = "CH"});
    grid_->SetCell(0, 1, {.text = LoadText(IDS_RT_GRID_TYPE), .wrap = true});
    grid_->SetCell(0, 2, {.text = LoadText(IDS_RT_GRID_VALUES)});
    for (int row = 1; row <= rows_; ++row) {
        grid_->SetCell(row, 0, {.text = std::to_string(row), .align = platform::GridCell::Align::Center});
    }
    // The names of the rows, whole: the type in this language and the setup's label.
    std::vector<std::string> names{LoadText(IDS_RT_CHANNEL_OFF)};
    for (int channel = 0; channel < rows_; ++channel) {
        names.push_back(RowName(channel));
    }
    grid_->Grid().SetColumnWidth(1, WidestLine(grid_->Grid(), names) + 2 * fontMetrics().averageCharWidth());
    SetUpAnalogGrid();
    LimitSize();
    return CRTValuesDlg::OnInitDialog();
}

void CRTVTextDlg::SetUpAnalogGrid() {
    if (Link().TypeCode() != kModelQuarvenKX) {
        analog_grid_->hide();
        return;
    }
    ShowTwoLineRows(analog_grid_->Grid());
    analog_grid_->SetRowCount(kAnalogChannels);
    analog_grid_->SetColCount(kAnalogColumns);
    analog_grid_->SetCell(0, 0, {.text = "CH"});
    analog_grid_->SetCell(0, 1, {.text = LoadText(IDS_RT_GRID_TYPE), .wrap = true});
    analog_grid_->SetCell(0, 2, {.text = "Channel\nValue", .wrap = true});
    const RealTimeSetup& setup = Link().Setup();
    for (int input = 0; input < kAnalogChannels; ++input) {
        const int type = setup.channelTypes[static_cast<std::size_t>(kFirstAnalogSlot + input)];
        std::string name =
            ChannelTypeName(type, IsAnalogRange(type) ? GetAnalogRangeName(type) : std::string());
        const std::string label =
            setup.table ? setup.table->GetAnalogChannel(input).GetName() : std::string();
        if (!label.empty()) {
            name += "\n" + label;
        }
        analog_grid_->SetCell(
            input + 1, 0, {.text = std::to_string(input + 1), .align = platform::GridCell::Align::Center});
        analog_grid_->SetCell(input + 1, 1, {.text = name, .wrap = true});
    }
    const int unit = fontMetrics().averageCharWidth();
    constexpr int kWidths[] = {3, 30, 30};
    for (int column = 0; column <= kAnalogColumns; ++column) {
        analog_grid_->Grid().SetColumnWidth(column, kWidths[column] * unit);
    }
    FitHeightToRows(grid_->Grid());
    FitHeightToRows(analog_grid_->Grid());
}

void CRTVTextDlg::LimitSize() {
    if (!IsLite()) {
        return;
    }
    setMaximumSize(kLiteMaximum);
    if (Link().TypeCode() == kModelQuarvenKX) {
        // The layout keeps the height both grids need.
        setMinimumWidth(kAnalogMinimumWidth);
    } else {
        setMinimumSize(kLiteMinimum);
    }
}

std::string CRTVTextDlg::RowName(int channel) const {
    const RealTimeSetup& setup = Link().Setup();
    const int type = setup.channelTypes[static_cast<std::size_t>(channel)];
    std::string name = ChannelTypeName(type, IsAnalogRange(type) ? GetAnalogRangeName(type) : std::string());
    if (setup.table && channel < kHardwareChannels) {
        name += "\n" + setup.table->GetHardwareChannel(channel).GetLoggerLabel();
    }
    return name;
}

void CRTVTextDlg::ShowChannelValues(const RealTimeRecord& record) {
    const RealTimeSetup& setup = Link().Setup();
    for (int row = 1; row <= rows_; ++row) {
        const int channel = row - 1;
        int column = 2;
        std::vector<ShownQuantity> shown;
        for (const RealTimeValue& value : record.values) {
            if (value.channel != channel || value.unit == 0 || column > kColumns) {
                continue;
            }
            shown.push_back({.kind = value.unit, .value = value.value});
            const std::string analogUnit = setup.table && channel < kHardwareChannels
                                               ? setup.table->GetHardwareChannel(channel).GetUnits()
                                               : LoadText(IDS_RT_NO_UNIT);
            const CellSetup look = CellSetupOf(setup.table.get(), channel, value.unit);
            const CellColour colour = CellColourFor(Variant(), value.unit, value.value, look.recorded,
                                                    look.alarm, setup.firmware, Link().TypeCode());
            grid_->SetCell(row, column++,
                           {.text = CellText(Variant(), value.unit, value.value, analogUnit),
                            .align = platform::GridCell::Align::Right,
                            .interior = Interior(colour)});
        }
        const bool hasValues = column > 2;
        grid_->SetCell(row, 1,
                       {.text = hasValues ? RowName(channel) : LoadText(IDS_RT_CHANNEL_OFF), .wrap = true});
        for (; column <= kColumns; ++column) {
            grid_->SetCell(row, column, {});
        }
        if (Link().TypeCode() >= kModelQuarvenRS) {
            ShowDistortion(row, shown);
        }
    }
    if (Link().TypeCode() == kModelQuarvenKX) {
        ShowAnalogValues(record);
    }
}

// Each input's value in its setup's units, in the format and limits of an analog quantity.
void CRTVTextDlg::ShowAnalogValues(const RealTimeRecord& record) {
    const RealTimeSetup& setup = Link().Setup();
    for (int input = 0; input < kAnalogChannels; ++input) {
        const auto value =
            std::ranges::find(record.values, kFirstAnalogSlot + input, &RealTimeValue::channel);
        std::string text;
        if (value != record.values.end()) {
            const std::string units =
                setup.table ? setup.table->GetAnalogChannel(input).GetUnits() : LoadText(IDS_RT_NO_UNIT);
            text = CellText(Variant(), kKindAnalog, value->value, units);
        }
        analog_grid_->SetCell(input + 1, kAnalogColumns,
                              {.text = text, .align = platform::GridCell::Align::Right});
    }
}

// The Quarven's power channels (the first four) estimate their distortion from a full row.
void CRTVTextDlg::ShowDistortion(int row, std::span<const ShownQuantity> shown) {
    constexpr int kDistortionChannels = 4;
    const std::optional<double> thd = row <= kDistortionChannels ? RowDistortion(shown) : std::nullopt;
    grid_->SetCell(row, kQuarvenColumns,
                   {.text = thd ? CellText(Variant(), kKindTHD, static_cast<float>(*thd), {}) : std::string(),
                    .align = platform::GridCell::Align::Right,
                    .interior = Interior(CellColour::White)});
}
