// The THD help offscreen: its text, the tips of its buttons, the help document and the picture of the
// power triangle.
#include <gtest/gtest.h>

#include <QLabel>
#include <QPushButton>

#include "kivo32/controls/picture_dlg.h"
#include "kivo32/controls/picture_resources.h"
#include "kivo32/tools/harmonics_ids.h"
#include "kivo32/tools/thd_help_dlg.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/resource_texts.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class THDHelpDlgTest : public testsupport::QtTest {
protected:
    THDHelpDlgTest() {
        SetProgramTexts(platform::EnglishTexts());
        SetPictureResourceFolder(KIVO_SOURCE_DIR "/resources/pictures");
    }
    ~THDHelpDlgTest() override { SetPictureResourceFolder({}); }

    static void Click(QWidget* dialog, int id) { platform::FindControlAs<QPushButton>(dialog, id)->click(); }
};

TEST_F(THDHelpDlgTest, ShowsItsTextAndTipsAndOpensTheHelpAndThePicture) {
    int helpOpened = 0;
    CTHDHelpDlg help(nullptr, [&helpOpened] { ++helpOpened; });
    testsupport::OnNextModal([&](QWidget* dialog) {
        EXPECT_EQ(platform::FindControlAs<QLabel>(dialog, IDC_THD_HELP_TEXT)->text(),
                  platform::ToQString(LoadText(IDS_THD_HELP_TEXT)));
        const std::pair<int, unsigned> tips[] = {{IDC_THD_HELP_DOCUMENT, IDS_THD_HELP_TIP_DOCUMENT},
                                                 {IDC_THD_HELP_PICTURE, IDS_THD_HELP_TIP_PICTURE},
                                                 {IDOK, IDS_THD_HELP_TIP_OK}};
        for (const auto& [id, text] : tips) {
            EXPECT_EQ(platform::FindControl(dialog, id)->toolTip(), platform::ToQString(LoadText(text)))
                << id;
        }
        Click(dialog, IDC_THD_HELP_DOCUMENT);
        EXPECT_EQ(helpOpened, 1);

        QString pictureTitle;
        QSize pictureSize;
        testsupport::OnNextModal([&](QWidget* picture) {
            pictureTitle = picture->windowTitle();
            pictureSize = static_cast<CPictureDlg*>(picture)->Picture().PictureSize();
            Click(picture, IDOK);
        });
        Click(dialog, IDC_THD_HELP_PICTURE);
        EXPECT_EQ(pictureTitle, platform::ToQString(CPictureDlg::TitleOf(CTHDHelpDlg::kPictureId)));
        EXPECT_FALSE(pictureSize.isEmpty());  // the picture of the power triangle is there
        Click(dialog, IDOK);
    });
    EXPECT_EQ(help.DoModal(), IDOK);
}

}  // namespace
