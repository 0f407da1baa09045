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
#include "platform/ui/grid_printer.h"
#include "platform/ui/image_page_painter.h"
#include "platform/ui/qt_text.h"
#include "platform/base/program_texts.h"
#include "shared/controls/dialog_buttons.h"

namespace {

// The most characters of a header or footer pattern.
constexpr std::size_t kMaxPatternChars = 45;
// The preview's page: a letter sheet at a screen resolution, shown at a third of its size.
constexpr int kPreviewDotsPerInch = 96;
constexpr int kPreviewWidth = 816;
constexpr int kPreviewHeight = 1056;
constexpr int kPreviewShrink = 3;

// The grid the preview prints: ten rows and columns, "Hello," and "world!" in the first column.
class PreviewCells : public platform::GridCellSource {
public:
    int GetRowCount() const override { return 10; }
    int GetColCount() const override { return 10; }
    bool GetCell(int row, int column, platform::GridCell& cell) const override {
        if (row == 0) {
            cell.text = std::string(1, static_cast<char>('A' + column - 1));
        } else if (column == 0) {
            cell.text = std::to_string(row);
        } else if (column == 1 && row <= 2) {
            cell.text = row == 1 ? "Hello," : "world!";
        }
        return true;
    }
};

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
                                       const platform::GridPrintProperties& properties, QPrinter& printer,
                                       QWidget* parent)
    : platform::Dialog(parent), texts_(texts), properties_(properties), printer_(printer) {
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
    preview_ = new QLabel(this);
    platform::SetControlId(preview_, IDC_PRINT_PREVIEW);
    preview_->setFixedSize(kPreviewWidth / kPreviewShrink, kPreviewHeight / kPreviewShrink);
    layout->addWidget(preview_, 0, Qt::AlignHCenter);
    save_defaults_check_ = Make<QCheckBox>(this, IDC_PRINT_SAVE_DEFAULTS, IDS_PRINT_SAVE_DEFAULTS);
    layout->addWidget(save_defaults_check_);
    auto* buttons = new QHBoxLayout;
    printer_setup_ = Make<QPushButton>(this, IDC_PRINT_PRINTER_SETUP, IDS_PRINT_PRINTER_SETUP);
    printer_setup_->setAutoDefault(false);
    connect(printer_setup_, &QPushButton::clicked, this, &CPrintGridSetupDlg::OnPrinterSetup);
    buttons->addWidget(printer_setup_);
    buttons->addStretch(1);
    buttons->addWidget(MakeOkCancelButtons(this));
    layout->addLayout(buttons);

    for (QCheckBox* check : checks_) {
        connect(check, &QCheckBox::toggled, this, &CPrintGridSetupDlg::UpdatePreview);
    }
    for (QRadioButton* radio : {page_order_[0], page_order_[1], header_position_[0], header_position_[1],
                                header_position_[2], footer_position_[0], footer_position_[1], footer_position_[2]}) {
        connect(radio, &QRadioButton::toggled, this, &CPrintGridSetupDlg::UpdatePreview);
    }
    for (QLineEdit* edit : {margins_[0], margins_[1], margins_[2], margins_[3], header_, footer_}) {
        connect(edit, &QLineEdit::textChanged, this, &CPrintGridSetupDlg::UpdatePreview);
    }
}

void CPrintGridSetupDlg::OnPrinterSetup() {
    platform::RunPrinterSetup(printer_, this);
}

void CPrintGridSetupDlg::UpdatePreview() {
    // The controls as they stand; a margin that does not read keeps the value it had.
    platform::GridPrintProperties shown = properties_;
    int* margins[] = {&shown.topMargin, &shown.leftMargin, &shown.bottomMargin, &shown.rightMargin};
    for (std::size_t i = 0; i < margins_.size(); ++i) {
        *margins[i] = ParseMarginText(platform::FromQString(margins_[i]->text())).value_or(*margins[i]);
    }
    bool* flags[] = {&shown.centerHorizontally, &shown.centerVertically, &shown.columnHeaders, &shown.horizontalLines,
                     &shown.rowHeaders,         &shown.verticalLines,    &shown.frame};
    for (std::size_t i = 0; i < checks_.size(); ++i) {
        *flags[i] = checks_[i]->isChecked();
    }
    const auto position = [](const std::array<QRadioButton*, 3>& radios) {
        return radios[1]->isChecked() ? 1 : radios[2]->isChecked() ? 2 : 0;
    };
    shown.header = {};
    shown.footer = {};
    shown.header[static_cast<std::size_t>(position(header_position_))] = platform::FromQString(header_->text());
    shown.footer[static_cast<std::size_t>(position(footer_position_))] = platform::FromQString(footer_->text());

    preview_page_ = QImage(kPreviewWidth, kPreviewHeight, QImage::Format_RGB32);
    const PreviewCells cells;
    platform::GridPrinter printer(cells, shown);
    {
        platform::ImagePagePainter painter(preview_page_, kPreviewDotsPerInch);
        printer.Layout(painter);
        painter.StartPage();
        printer.PrintPage(painter, 1);
        painter.EndPage();
    }
    preview_->setPixmap(QPixmap::fromImage(preview_page_.scaled(preview_->size(), Qt::KeepAspectRatio,
                                                                Qt::SmoothTransformation)));
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
    bool saveDefaults = save_defaults_;
    ExchangeFlag(exchange, save_defaults_check_, saveDefaults);
    if (exchange.saving() && !exchange.failed()) {
        properties_ = edited;
        texts_ = texts;
        save_defaults_ = saveDefaults;
    }
    if (!exchange.saving()) {
        UpdatePreview();
    }
}
