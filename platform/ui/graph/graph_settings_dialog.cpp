// The graph control's own settings dialog.
#include "platform/ui/graph/graph_settings_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>
#include <algorithm>
#include <array>
#include <utility>

#include "platform/ui/data_exchange.h"
#include "platform/ui/graph/graph_ids.h"
#include "platform/ui/qt_text.h"
#include "platform/base/program_texts.h"

namespace platform {
namespace {

// The methods offered, with their texts, in list order.
constexpr std::array<std::pair<PlottingMethod, unsigned>, 7> kMethods{{
    {PlottingMethod::Line, IDS_GRAPH_METHOD_LINE},
    {PlottingMethod::Points, IDS_GRAPH_METHOD_POINTS},
    {PlottingMethod::PointsAndLine, IDS_GRAPH_METHOD_POINTS_LINE},
    {PlottingMethod::Area, IDS_GRAPH_METHOD_AREA},
    {PlottingMethod::Bar, IDS_GRAPH_METHOD_BAR},
    {PlottingMethod::Step, IDS_GRAPH_METHOD_STEP},
    {PlottingMethod::Stick, IDS_GRAPH_METHOD_STICK},
}};
constexpr std::array<unsigned, 4> kGridTexts{IDS_GRAPH_GRID_BOTH, IDS_GRAPH_GRID_Y, IDS_GRAPH_GRID_X,
                                             IDS_GRAPH_GRID_NONE};

QString Text(unsigned id) {
    return ToQString(LoadText(id));
}

}  // namespace

GraphSettingsDialog::GraphSettingsDialog(const GraphSettings& settings, QWidget* parent)
    : Dialog(parent),
      original_(settings.style),
      style_(settings.style),
      method_(new QComboBox(this)),
      points_(new QCheckBox(Text(IDS_GRAPH_SHOW_POINTS), this)),
      labels_(new QCheckBox(Text(IDS_GRAPH_DATA_LABELS), this)),
      grid_(new QComboBox(this)) {
    setWindowTitle(ToQString(settings.mainTitle));
    for (const auto& [method, text] : kMethods) {
        method_->addItem(Text(text));
    }
    for (const unsigned text : kGridTexts) {
        grid_->addItem(Text(text));
    }
    auto* form = new QFormLayout;
    form->addRow(Text(IDS_GRAPH_METHOD_LABEL), method_);
    form->addRow(Text(IDS_GRAPH_GRID_LABEL), grid_);
    form->addRow(points_);
    form->addRow(labels_);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { OnOK(); });
    connect(buttons, &QDialogButtonBox::rejected, this, [this] { OnCancel(); });
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(buttons);
}

void GraphSettingsDialog::DoDataExchange(DataExchange& exchange) {
    const auto found = std::find_if(kMethods.begin(), kMethods.end(), [this](const auto& entry) {
        return static_cast<int>(entry.first) == style_.plottingMethod;
    });
    const int shownMethod = found == kMethods.end() ? 0 : static_cast<int>(found - kMethods.begin());
    int methodIndex = shownMethod;
    int gridIndex = std::clamp(style_.gridAttributes[0], 0, 3);
    int points = style_.showDataPoints ? 1 : 0;
    int labels = style_.includeDataLabels ? 1 : 0;
    ExchangeIndex(exchange, method_, methodIndex);
    ExchangeIndex(exchange, grid_, gridIndex);
    ExchangeCheck(exchange, points_, points);
    ExchangeCheck(exchange, labels_, labels);
    if (exchange.saving()) {
        // A method the list does not offer stays unless the user picks another.
        if (methodIndex != shownMethod && methodIndex >= 0) {
            style_.plottingMethod = static_cast<int>(kMethods[static_cast<std::size_t>(methodIndex)].first);
        }
        if (gridIndex != std::clamp(style_.gridAttributes[0], 0, 3)) {
            style_.gridAttributes[0] = gridIndex;
        }
        style_.showDataPoints = points != 0;
        style_.includeDataLabels = labels != 0;
    }
}

bool GraphSettingsDialog::Changed() const {
    return style_.plottingMethod != original_.plottingMethod || style_.gridAttributes != original_.gridAttributes ||
           style_.showDataPoints != original_.showDataPoints || style_.includeDataLabels != original_.includeDataLabels;
}

}  // namespace platform
