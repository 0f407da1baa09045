// A dialog that shows one of the program's reference pictures with OK and Print.
#include "kivo32/controls/picture_dlg.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <array>

#include "kivo32/controls/controls_ids.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"

namespace {

struct PictureTitle {
    unsigned pictureId;
    unsigned textId;
};
constexpr std::array<PictureTitle, 9> kTitles{{
    {221, IDS_PICTURE_TITLE_1}, {234, IDS_PICTURE_TITLE_1}, {222, IDS_PICTURE_TITLE_2},
    {235, IDS_PICTURE_TITLE_2}, {223, IDS_PICTURE_TITLE_3}, {236, IDS_PICTURE_TITLE_3},
    {224, IDS_PICTURE_TITLE_4}, {237, IDS_PICTURE_TITLE_4}, {254, IDS_PICTURE_TITLE_5},
}};

// Around the picture: 30 pixels across, 100 down; the buttons stand 80 above the bottom.
constexpr int kExtraWidth = 30;
constexpr int kExtraHeight = 100;
constexpr int kButtonsFromBottom = 80;
constexpr int kPictureMargin = 15;

}  // namespace

std::string CPictureDlg::TitleOf(unsigned pictureId) {
    for (const auto& [picture, text] : kTitles) {
        if (picture == pictureId) {
            return LoadText(text);
        }
    }
    return {};
}

CPictureDlg::CPictureDlg(unsigned pictureId, QWidget* parent)
    : platform::Dialog(parent),
      picture_id_(pictureId),
      picture_(new CPictureEx(this)),
      ok_(new QPushButton(platform::ToQString(LoadText(IDS_OK)), this)),
      print_(new QPushButton(platform::ToQString(LoadText(IDS_PICTURE_PRINT)), this)) {
    platform::SetControlId(picture_, IDC_PICTURE);
    platform::SetControlId(ok_, IDOK);
    platform::SetControlId(print_, IDC_PICTURE_PRINT);
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(print_, &QPushButton::clicked, this, [this] { OnPrint(); });
    // The background is white around the picture.
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

bool CPictureDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    title_ = TitleOf(picture_id_);
    setWindowTitle(platform::ToQString(title_));
    picture_->Load(picture_id_, "GIF");

    const QSize pictureSize = picture_->PictureSize();
    const QSize size(pictureSize.width() + kExtraWidth, pictureSize.height() + kExtraHeight);
    setFixedSize(size);
    picture_->setGeometry(kPictureMargin, kPictureMargin, pictureSize.width(), pictureSize.height());
    const int buttonY = size.height() - kButtonsFromBottom;
    ok_->adjustSize();
    print_->adjustSize();
    ok_->move(size.width() / 3 - ok_->width() / 2, buttonY);
    print_->move(static_cast<int>(0.66 * size.width()) - print_->width() / 2, buttonY);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        move(screen->availableGeometry().center() - rect().center());
    }
    picture_->Draw();
    ok_->setFocus();
    return true;
}

void CPictureDlg::OnPrint() {
    QApplication::setOverrideCursor(Qt::WaitCursor);
    picture_->Print(title_);
    QApplication::restoreOverrideCursor();
}
