// CTHDHelpDlg: how the THD estimate works, with buttons to the program's help document and to the
// picture of the power triangle.
#pragma once

#include <functional>

#include "kivo32/controls/tool_tipper.h"
#include "platform/ui/dialog.h"

class QLabel;

class CTHDHelpDlg : public platform::Dialog {
    Q_OBJECT

public:
    // The picture of the power triangle.
    static constexpr unsigned kPictureId = 254;

    // `openHelp` opens the program's help document; without one the application's Help Topics does.
    explicit CTHDHelpDlg(QWidget* parent = nullptr, std::function<void()> openHelp = {});

protected:
    bool OnInitDialog() override;

private:
    void OnHelpDocument();
    void OnPicture();

    std::function<void()> open_help_;
    QLabel* text_;
    CToolTipper tips_;
};
