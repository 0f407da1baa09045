// The I/O configuration dialog: the seven switches from the value read, the value they make, and the
// bits above them written back as read.
#include <QCheckBox>
#include <QLabel>

#include "kivo32/setupeditor/logger_io_config_dlg.h"
#include "kivo32/setupeditor/setupeditor_ids.h"
#include "platform/ui/control_id.h"
#include "tests/kivo32/setupeditor/setup_document_fixture.h"

namespace {

using LoggerIOConfigTest = setupeditortest::SetupDocumentTest;

TEST_F(LoggerIOConfigTest, SwitchesShowTheLowSevenBitsAndTheOthersGoBackAsRead) {
    struct Case {
        int read;
        int checked;  // bits of the boxes checked when the dialog opens
        const char* shown;
        int clickedBit;  // the box the user then clicks
        int written;
    };
    for (const Case& c : {Case{127, 127, "127", 6, 63}, Case{128, 0, "0", 0, 129}, Case{0, 0, "0", 3, 8},
                          Case{255, 127, "127", 0, 254}, Case{5, 5, "5", 1, 7}}) {
        SCOPED_TRACE(c.read);
        CLoggerIOConfigDlg dialog;
        dialog.SetValue(c.read);
        dialog.show();
        auto* value = platform::FindControlAs<QLabel>(&dialog, IDC_IO_CONFIG_VALUE);
        for (int bit = 0; bit < 7; ++bit) {
            auto* box = platform::FindControlAs<QCheckBox>(&dialog, kIOConfigSwitchIds[bit]);
            ASSERT_NE(box, nullptr);
            EXPECT_EQ(box->isChecked(), (c.checked & (1 << bit)) != 0) << bit;
        }
        EXPECT_EQ(value->text().toStdString(), c.shown);
        platform::FindControlAs<QCheckBox>(&dialog, kIOConfigSwitchIds[c.clickedBit])->click();
        dialog.accept();
        EXPECT_EQ(dialog.GetValue(), c.written);
    }
}

}  // namespace
