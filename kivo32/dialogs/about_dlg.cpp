// The about box and the about command.
#include "kivo32/dialogs/about_dlg.h"

#include <QBoxLayout>
#include <QDialogButtonBox>
#include <QLabel>

#include "kivo32/controls/splash_wnd.h"
#include "kivo32/controls/static_web_link.h"
#include "kivo32/dialogs/dialogs_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/dialog_buttons.h"

namespace {

QLabel* AddLabel(QBoxLayout* layout, const std::string& text, QWidget* parent) {
    auto* label = new QLabel(platform::ToQString(text), parent);
    layout->addWidget(label);
    return label;
}

}  // namespace

CAboutDlg::CAboutDlg(QWidget* parent) : platform::Dialog(parent) {
    setWindowTitle(platform::ToQString(LoadText(IDS_ABOUT_TITLE)));
    auto* layout = new QVBoxLayout(this);
    AddLabel(layout, LoadText(IDS_ABOUT_NOTICE), this);
    // The version follows the release date on its line.
    auto* release = new QHBoxLayout;
    release->setSpacing(0);
    AddLabel(release, LoadText(IDS_ABOUT_RELEASE_DATE), this);
    platform::SetControlId(AddLabel(release, std::string(" (") + kVersion + ")", this), IDC_ABOUT_VERSION);
    release->addStretch();
    layout->addLayout(release);
    auto* webLink = new CStaticWebLink(kMakerWebAddress, this);
    webLink->setText(platform::ToQString(kMakerWebAddress));
    platform::SetControlId(webLink, IDC_ABOUT_WEB_LINK);
    layout->addWidget(webLink);
    layout->addWidget(MakeCloseButton(this));
    // As wide and high as its texts, in either language.
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

std::string CAboutDlg::AboutPictureText() {
    return LoadText(IDS_ABOUT_NOTICE) + "\n" + LoadText(IDS_ABOUT_RELEASE_DATE) + " (" + kVersion + ")";
}

void CAboutDlg::ShowAbout(QWidget* mainWindow, bool shiftHeld) {
    if (shiftHeld) {
        CAboutDlg(mainWindow).DoModal();
    } else {
        CSplashWnd::ShowSplashScreen(CSplashWnd::kAbout, mainWindow, AboutPictureText());
    }
}
