// CPrintGridSetupDlg: the grid's page setup dialog.
#include "kivo32/views/print_grid_setup_dlg.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#include "kivo32/views/print_tokens.h"
#include "kivo32/views/views_ids.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/common/program_texts.h"
#include "shared/controls/dialog_buttons.h"

namespace {

// The most characters of a header or footer pattern.
constexpr std::size_t kMaxPatternChars = 45;

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

template <typename Control>
Control* Make(QWidget* parent, int id, unsigned textId = 0) {
    auto* control = textId != 0 ? new Control(Text(textId), parent) : new Control(parent);
    platform::SetControlId(control, id);
    return control;
}

// A row of three radio buttons: left, middle, right cell.
std::array<QRadioButton*, 3> PositionRadios(QWidget* parent, int firstId, QHBoxLayout* row) {
    std::array<QRadioButton*, 3> radios{};
    auto* group = new QButtonGroup(parent);
    for (int i = 0; i < 3; ++i) {
        radios[static_cast<std::size_t>(i)] =
            Make<QRadioButton>(parent, firstId + i, IDS_PRINT_CELL_LEFT + static_cast<unsigned>(i));
        group->addButton(radios[static_cast<std::size_t>(i)]);
        row->addWidget(radios[static_cast<std::size_t>(i)]);
    }
    return radios;
}

void ExchangeFlag(platform::DataExchange& exchange, QCheckBox* check, bool& flag) {
    int value = flag ? 1 : 0;
    platform::ExchangeCheck(exchange, check, value);
    flag = value != 0;
}

}  // namespace

CPrintGridSetupDlg::CPrintGridSetupDlg(const CRawDataView::PrintTexts& texts,
                                       const platform::GridPrintProperties& properties, QWidget* parent)
    : platform::Dialog(parent), texts_(texts), properties_(properties) {
    setWindowTitle(Text(IDS_PRINT_SETUP_TITLE));
    auto* layout = new QVBoxLayout(this);

    auto* marginBox = new QGroupBox(Text(IDS_PRINT_MARGINS), this);
    auto* marginForm = new QFormLayout(marginBox);
    const int marginIds[] = {IDC_PRINT_MARGIN_TOP, IDC_PRINT_MARGIN_LEFT, IDC_PRINT_MARGIN_BOTTOM,
                             IDC_PRINT_MARGIN_RIGHT};
    for (std::size_t i = 0; i < margins_.size(); ++i) {
        margins_[i] = Make<QLineEdit>(this, marginIds[i]);
        marginForm->addRow(Text(IDS_PRINT_MARGIN_TOP + static_cast<unsigned>(i)), margins_[i]);
    }
    layout->addWidget(marginBox);

    const int checkIds[] = {IDC_PRINT_CENTER_HORIZONTALLY, IDC_PRINT_CENTER_VERTICALLY, IDC_PRINT_COLUMN_HEADERS,
                            IDC_PRINT_HORIZONTAL_LINES,    IDC_PRINT_ROW_HEADERS,       IDC_PRINT_VERTICAL_LINES,
                            IDC_PRINT_FRAME};
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        checks_[i] = Make<QCheckBox>(this, checkIds[i], IDS_PRINT_CENTER_HORIZONTALLY + static_cast<unsigned>(i));
        layout->addWidget(checks_[i]);
    }

    auto* orderBox = new QGroupBox(Text(IDS_PRINT_PAGE_ORDER), this);
    auto* orderRow = new QHBoxLayout(orderBox);
    for (std::size_t i = 0; i < page_order_.size(); ++i) {
        page_order_[i] = Make<QRadioButton>(this, IDC_PRINT_PAGE_ORDER + static_cast<int>(i),
                                            IDS_PRINT_DOWN_THEN_ACROSS + static_cast<unsigned>(i));
        orderRow->addWidget(page_order_[i]);
    }
    layout->addWidget(orderBox);

    auto* lines = new QFormLayout;
    header_ = Make<QLineEdit>(this, IDC_PRINT_HEADER);
    footer_ = Make<QLineEdit>(this, IDC_PRINT_FOOTER);
    header_->setMaxLength(static_cast<int>(kMaxPatternChars));
    footer_->setMaxLength(static_cast<int>(kMaxPatternChars));
    lines->addRow(Text(IDS_PRINT_HEADER), header_);
    auto* headerRow = new QHBoxLayout;
    header_position_ = PositionRadios(this, IDC_PRINT_HEADER_POSITION, headerRow);
    lines->addRow(QString(), headerRow);
    lines->addRow(Text(IDS_PRINT_FOOTER), footer_);
    auto* footerRow = new QHBoxLayout;
    footer_position_ = PositionRadios(this, IDC_PRINT_FOOTER_POSITION, footerRow);
    lines->addRow(QString(), footerRow);
    lines->addRow(new QLabel(Text(IDS_PRINT_TOKENS), this));
    layout->addLayout(lines);
    layout->addWidget(MakeOkCancelButtons(this));
}

void CPrintGridSetupDlg::ExchangeMargin(platform::DataExchange& exchange, QLineEdit* edit, int& units) {
    std::string text = exchange.saving() ? std::string() : FormatMarginText(units);
    platform::ExchangeText(exchange, edit, text);
    if (!exchange.saving() || exchange.failed()) {
        return;
    }
    const std::optional<int> parsed = ParseMarginText(text);
    if (!parsed) {
        exchange.Fail(IDS_PRINT_BAD_MARGIN);
        return;
    }
    units = *parsed;
}

void CPrintGridSetupDlg::DoDataExchange(platform::DataExchange& exchange) {
    // Nothing is taken back unless every box holds a margin.
    platform::GridPrintProperties edited = properties_;
    ExchangeMargin(exchange, margins_[0], edited.topMargin);
    ExchangeMargin(exchange, margins_[1], edited.leftMargin);
    ExchangeMargin(exchange, margins_[2], edited.bottomMargin);
    ExchangeMargin(exchange, margins_[3], edited.rightMargin);
    ExchangeFlag(exchange, checks_[0], edited.centerHorizontally);
    ExchangeFlag(exchange, checks_[1], edited.centerVertically);
    ExchangeFlag(exchange, checks_[2], edited.columnHeaders);
    ExchangeFlag(exchange, checks_[3], edited.horizontalLines);
    ExchangeFlag(exchange, checks_[4], edited.rowHeaders);
    ExchangeFlag(exchange, checks_[5], edited.verticalLines);
    ExchangeFlag(exchange, checks_[6], edited.frame);
    platform::ExchangeRadio(exchange, {page_order_[0], page_order_[1]}, edited.pageOrder);
    CRawDataView::PrintTexts texts = texts_;
    platform::ExchangeText(exchange, header_, texts.header);
    platform::ValidateMaxChars(exchange, texts.header, kMaxPatternChars);
    platform::ExchangeRadio(exchange, {header_position_[0], header_position_[1], header_position_[2]},
                            texts.headerPosition);
    platform::ExchangeText(exchange, footer_, texts.footer);
    platform::ValidateMaxChars(exchange, texts.footer, kMaxPatternChars);
    platform::ExchangeRadio(exchange, {footer_position_[0], footer_position_[1], footer_position_[2]},
                            texts.footerPosition);
    if (exchange.saving() && !exchange.failed()) {
        properties_ = edited;
        texts_ = texts;
    }
}
