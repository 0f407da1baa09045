// The graph options dialog and the command that runs it.
#include "kivo32/views/graph_options.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QVBoxLayout>

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

}  // namespace

CGraphOptions::CGraphOptions(QWidget* parent)
    : platform::Dialog(parent),
      annotation_(new QLineEdit(this)),
      data_cursor_(new QCheckBox(Text(IDS_GRAPH_OPTIONS_DATA_CURSOR), this)),
      data_points_(new QCheckBox(Text(IDS_GRAPH_OPTIONS_DATA_POINTS), this)),
      analysis_values_(new QCheckBox(Text(IDS_GRAPH_OPTIONS_ANALYSIS_VALUES), this)),
      default_attributes_(new QRadioButton(Text(IDS_GRAPH_OPTIONS_DEFAULT_ATTRIBUTES), this)),
      own_attributes_(new QRadioButton(Text(IDS_GRAPH_OPTIONS_OWN_ATTRIBUTES), this)),
      export_type_(new QLineEdit(this)),
      export_size_(new QLineEdit(this)) {
    setWindowTitle(Text(IDS_GRAPH_OPTIONS_TITLE));
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
    platform::ExchangeText(exchange, export_type_, exportType);
    platform::ExchangeText(exchange, export_size_, exportSize);
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
