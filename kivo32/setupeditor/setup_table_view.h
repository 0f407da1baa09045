// CSetupTableView: the setup-table document's view, as far as the document and the print-out need it:
// the firmware-level check, the setup check before a save, and printing the setup page by page.
#pragma once

#include <vector>

#include "kivo32/setupeditor/setup_print_out.h"
#include "platform/ui/view.h"

class CSUTDoc;

class CSetupTableView : public platform::View {
    Q_OBJECT

public:
    explicit CSetupTableView(QWidget* parent = nullptr);

    CSUTDoc* GetDocument() const;

    // Keeps the firmware level of the document's setup for the form.
    void OnInitialUpdate() override;
    // 1 for a document of format version 403 or above; else by the logger firmware version of its setup:
    // -1 not known, -2 too old for the editor's settings, 1 fit.
    int CheckFirmwareLevel() const;
    int GetFirmwareLevel() const { return firmware_level_; }

    // Takes the form's values into the setup table and checks them and the phase wiring; false (after
    // a message when `warn` is set) when the user should mend the setup. This view has no form fields
    // yet: the table is all there is, and it passes.
    virtual bool ValidateSetup(bool markModified, bool warn);

    // Printing: the setup is checked first, then laid out in pages of whole items (general settings,
    // hardware, software and pulse channels), each drawn by SetupPrintOut.
    bool OnPreparePrinting(platform::PrintInfo& info) override;
    void OnBeginPrinting(platform::PagePainter& painter, platform::PrintInfo& info) override;
    void OnPrint(platform::PagePainter& painter, platform::PrintInfo& info) override;
    void OnEndPrinting(platform::PagePainter& painter, platform::PrintInfo& info) override;

private:
    // What the general-settings page shows of the setup.
    SetupViewSettings GetPrintSettings() const;

    int firmware_level_ = 0;
    SetupPrintPosition print_position_;
    std::vector<std::vector<int>> print_pages_;
};
