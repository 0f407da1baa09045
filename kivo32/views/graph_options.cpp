// The graph options dialog and the command that runs it.
#include "kivo32/views/graph_options.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>
#include <array>

#include "kivo32/views/views_ids.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"

namespace {

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

// The names of a setting's stored numbers 0, 1, 2 and 3.
using ChoiceNames = std::array<unsigned, 4>;
constexpr ChoiceNames kExportTypes = {IDS_EXPORT_TYPE_METAFILE, IDS_EXPORT_TYPE_BMP, IDS_EXPORT_TYPE_JPEG,
                                      IDS_EXPORT_TYPE_PNG};
constexpr ChoiceNames kExportSizes = {IDS_EXPORT_SIZE_SCREEN, IDS_EXPORT_SIZE_SMALL, IDS_EXPORT_SIZE_MEDIUM,
                                      IDS_EXPORT_SIZE_LARGE};

QComboBox* ChoiceList(QWidget* parent, const ChoiceNames& names) {
    auto* combo = new QComboBox(parent);
    for (std::size_t stored = 0; stored < names.size(); ++stored) {
        combo->addItem(Text(names[stored]), QString::number(stored));
    }
    return combo;
}

// Shows the choice of the stored number `value`; a number without a name stays offered as it is, so
// that OK keeps it. Saving takes the chosen entry's number.
void ExchangeChoice(platform::DataExchange& exchange, QComboBox* combo, std::string& value) {
    exchange.PrepareControl(combo);
    if (exchange.saving()) {
        value = platform::FromQString(combo->currentData().toString());
        return;
    }
    const QString stored = platform::ToQString(value).trimmed();
    int index = combo->findData(stored);
    if (index < 0) {
        combo->addItem(stored, stored);
        index = combo->count() - 1;
    }
    combo->setCurrentIndex(index);
}

}  // namespace

CGraphOptions::CGraphOptions(QWidget* parent)
    : platform::Dialog(parent),
      annotation_(new QLineEdit(this)),
      data_cursor_(new QCheckBox(Text(IDS_GRAPH_OPTIONS_DATA_CURSOR), this)),
      data_points_(new QCheckBox(Text(IDS_GRAPH_OPTIONS_DATA_POINTS), this)),
      analysis_values_(new QCheckBox(Text(IDS_GRAPH_OPTIONS_ANALYSIS_VALUES), this)),
      default_attributes_(new QRadioButton(Text(IDS_GRAPH_OPTIONS_DEFAULT_ATTRIBUTES), this)),
      own_attributes_(new QRadioButton(Text(IDS_GRAPH_OPTIONS_OWN_ATTRIBUTES), this)),
      export_type_(ChoiceList(this, kExportTypes)),
      export_size_(ChoiceList(this, kExportSizes)) {
    setWindowTitle(Text(IDS_GRAPH_OPTIONS_TITLE));
    // Room for an annotation of a usual length.
    annotation_->setMinimumWidth(annotation_->fontMetrics().averageCharWidth() * 36);
    platform::SetControlId(annotation_, IDC_GRAPH_OPTIONS_ANNOTATION);
    platform::SetControlId(data_cursor_, IDC_GRAPH_OPTIONS_DATA_CURSOR);
    platform::SetControlId(data_points_, IDC_GRAPH_OPTIONS_DATA_POINTS);
    platform::SetControlId(analysis_values_, IDC_GRAPH_OPTIONS_ANALYSIS_VALUES);
    platform::SetControlId(default_attributes_, IDC_GRAPH_OPTIONS_DEFAULT_ATTRIBUTES);
    platform::SetControlId(own_attributes_, IDC_GRAPH_OPTIONS_OWN_ATTRIBUTES);
    platform::SetControlId(export_type_, IDC_GRAPH_OPTIONS_EXPORT_TYPE);
    platform::SetControlId(export_size_, IDC_GRAPH_OPTIONS_EXPORT_SIZE);
    auto* group = new QButtonGroup(this);
    group->addButton(default_attributes_);
    group->addButton(own_attributes_);
    // The choice follows a click at once.
    connect(default_attributes_, &QRadioButton::clicked, this, [this] { attributeChoice = 0; });
    connect(own_attributes_, &QRadioButton::clicked, this, [this] { attributeChoice = 1; });

    auto* form = new QFormLayout;
    form->addRow(Text(IDS_GRAPH_OPTIONS_ANNOTATION), annotation_);
    form->addRow(data_cursor_);
    form->addRow(data_points_);
    form->addRow(analysis_values_);
    form->addRow(default_attributes_);
    form->addRow(own_attributes_);
    form->addRow(Text(IDS_GRAPH_OPTIONS_EXPORT_TYPE), export_type_);
    form->addRow(Text(IDS_GRAPH_OPTIONS_EXPORT_SIZE), export_size_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addWidget(MakeOkCancelButtons(this));
}

void CGraphOptions::DoDataExchange(platform::DataExchange& exchange) {
    platform::ExchangeText(exchange, annotation_, annotation);
    platform::ExchangeCheck(exchange, data_cursor_, showDataCursor);
    platform::ExchangeCheck(exchange, data_points_, showDataPoints);
    platform::ExchangeCheck(exchange, analysis_values_, showAnalysisValues);
    platform::ExchangeRadio(exchange, {default_attributes_, own_attributes_}, attributeChoice);
    ExchangeChoice(exchange, export_type_, exportType);
    ExchangeChoice(exchange, export_size_, exportSize);
}

bool RunGraphOptions(CGraphObjectAttributes& attributes, std::string& exportType, std::string& exportSize,
                     QWidget* parent) {
    CGraphOptions dialog(parent);
    dialog.annotation = attributes.annotation;
    dialog.showDataCursor = attributes.showDataCursor;
    dialog.showDataPoints = attributes.showDataPoints;
    dialog.showAnalysisValues = attributes.showAnalysisValues;
    dialog.attributeChoice = attributes.useDefaultAttributes == 1 ? 0 : 1;
    dialog.exportType = exportType;
    dialog.exportSize = exportSize;
    if (dialog.DoModal() != IDOK) {
        return false;
    }
    exportType = dialog.exportType;
    exportSize = dialog.exportSize;
    return ApplyGraphOptions(attributes, {dialog.showDataCursor, dialog.showDataPoints, dialog.showAnalysisValues,
                                          dialog.attributeChoice == 0 ? 1 : 0, dialog.annotation});
}
