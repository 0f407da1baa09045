// CPrintGridSetupDlg: the grid's page setup: margins, lines, headers, centring, page order, and the
// header and footer patterns with the cell each prints in.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <array>

#include "kivo32/views/raw_data_view.h"
#include "platform/ui/dialog.h"
#include "platform/ui/grid_print_properties.h"
#include "platform/ui/view.h"

class QPrinter;

class CPrintGridSetupDlg : public platform::Dialog {
    Q_OBJECT

public:
    // The name under which the printer setup runs through the UI broker.
    static constexpr const char* kPrinterSetupDialog = platform::kPrinterSetupDialog;

    // The patterns and properties are copies: the caller takes them back on OK. The printer setup
    // button sets up `printer` itself.
    CPrintGridSetupDlg(const CRawDataView::PrintTexts& texts, const platform::GridPrintProperties& properties,
                       QPrinter& printer, QWidget* parent = nullptr);

    const CRawDataView::PrintTexts& GetTexts() const { return texts_; }
    const platform::GridPrintProperties& GetProperties() const { return properties_; }
    // Whether the settings are to become the defaults of new grids (the check starts set).
    bool SavesDefaults() const { return save_defaults_; }

    // The preview's page as last drawn.
    const QImage& PreviewPage() const { return preview_page_; }

protected:
    void DoDataExchange(platform::DataExchange& exchange) override;

private:
    // The printer's own setup (paper, orientation, printer) on the shared printer.
    void OnPrinterSetup();
    // Draws a small grid's first page with the settings as they stand in the controls.
    void UpdatePreview();

    // A margin box: its text to the property, refused when it holds no margin.
    void ExchangeMargin(platform::DataExchange& exchange, QLineEdit* edit, int& units);

    CRawDataView::PrintTexts texts_;
    platform::GridPrintProperties properties_;
    QPrinter& printer_;
    bool save_defaults_ = true;
    QCheckBox* save_defaults_check_ = nullptr;
    QPushButton* printer_setup_ = nullptr;
    std::array<QLineEdit*, 4> margins_{};
    std::array<QCheckBox*, 7> checks_{};
    std::array<QRadioButton*, 2> page_order_{};
    QLineEdit* header_ = nullptr;
    QLineEdit* footer_ = nullptr;
    std::array<QRadioButton*, 3> header_position_{};
    std::array<QRadioButton*, 3> footer_position_{};
    QLabel* preview_;
    QImage preview_page_;
};
