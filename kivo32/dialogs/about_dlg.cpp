// The about box and the about command.
#include "kivo32/dialogs/about_dlg.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "kivo32/controls/splash_wnd.h"
#include "kivo32/controls/static_web_link.h"
#include "kivo32/dialogs/dialogs_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

namespace {

QLabel* AddLabel(QVBoxLayout* layout, const std::string& text, QWidget* parent) {
    auto* label = new QLabel(platform::ToQString(text), parent);
    layout->addWidget(label);
    return label;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : platform::Dialog(parent) {
    setWindowTitle(platform::ToQString(LoadText(IDS_ABOUT_TITLE)));
    auto* layout = new QVBoxLayout(this);
    AddLabel(layout, LoadText(IDS_ABOUT_NOTICE), this);
    AddLabel(layout, LoadText(IDS_ABOUT_RELEASE_DATE), this);
    platform::SetControlId(AddLabel(layout, std::string(" (") + kVersion + ")", this), IDC_ABOUT_VERSION);
    auto* webLink = new CStaticWebLink(kMakerWebAddress, this);
    webLink->setText(platform::ToQString(kMakerWebAddress));
    platform::SetControlId(webLink, IDC_ABOUT_WEB_LINK);
    layout->addWidget(webLink);
    layout->addWidget(MakeOkCancelButtons(this, false));
}

std::string CAboutDlg::AboutPictureText() {
    return LoadText(IDS_ABOUT_NOTICE) + " " + LoadText(IDS_ABOUT_RELEASE_DATE) + " (" + kVersion + ")";
}

void CAboutDlg::ShowAbout(QWidget* mainWindow, bool shiftHeld) {
    if (shiftHeld) {
        CAboutDlg(mainWindow).DoModal();
    } else {
        CSplashWnd::ShowSplashScreen(CSplashWnd::kAbout, mainWindow, AboutPictureText());
    }
}
