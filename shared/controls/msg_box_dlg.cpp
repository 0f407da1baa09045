// The program's own message dialog: one or two text blocks, up to three labelled buttons, a check box.
#include "shared/controls/msg_box_dlg.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/message_text_width.h"
#include "platform/ui/qt_text.h"
#include "shared/controls/controls_ids.h"

namespace {

constexpr int kButtonGap = 10;
constexpr int kSingleButtonMinimum = 60;
constexpr int kMargin = 16;

std::string TextOrEmpty(unsigned id) {
    return id == 0 ? std::string() : LoadText(id);
}

// Only the exact type values select an icon; combinations with button flags show none.
std::optional<QStyle::StandardPixmap> IconOf(unsigned type) {
    switch (type) {
        case MB_ICONHAND:
            return QStyle::SP_MessageBoxCritical;
        case MB_ICONQUESTION:
            return QStyle::SP_MessageBoxQuestion;
        case MB_ICONEXCLAMATION:
            return QStyle::SP_MessageBoxWarning;
        case MB_ICONASTERISK:
            return QStyle::SP_MessageBoxInformation;
        default:
            return std::nullopt;
    }
}

}  // namespace

CMsgBoxDlg::CMsgBoxDlg(unsigned promptId, unsigned type, unsigned text2Id, unsigned button1Id,
                       unsigned button2Id, unsigned button3Id, unsigned checkBoxLabelId, int initialCheck,
                       QWidget* parent)
    : platform::Dialog(parent),
      text1_(TextOrEmpty(promptId)),
      text2_(text2Id == 0 ? std::string(" ") : LoadText(text2Id)),
      buttons_{TextOrEmpty(button1Id), TextOrEmpty(button2Id), TextOrEmpty(button3Id)},
      check_label_(TextOrEmpty(checkBoxLabelId)),
      type_(type),
      initial_check_(initialCheck) {
    Build();
}

CMsgBoxDlg::CMsgBoxDlg(const std::string& text1, unsigned type, const std::string& text2,
                       const std::string& button1, const std::string& button2, const std::string& button3,
                       QWidget* parent)
    : platform::Dialog(parent),
      text1_(text1),
      text2_(text2),
      buttons_{button1, button2, button3},
      type_(type) {
    Build();
}

void CMsgBoxDlg::Build() {
    setWindowTitle(QGuiApplication::applicationDisplayName());
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    const int lineHeight = fontMetrics().height();
    layout->setSpacing(lineHeight);

    auto* top = new QHBoxLayout;
    top->setSpacing(kMargin);
    icon_ = new QLabel(this);
    platform::SetControlId(icon_, IDC_MSGBOX_ICON);
    top->addWidget(icon_, 0, Qt::AlignTop);
    auto* blocks = new QVBoxLayout;
    blocks->setSpacing(lineHeight);
    const std::array<int, 2> textIds = {IDC_MSGBOX_TEXT1, IDC_MSGBOX_TEXT2};
    for (std::size_t i = 0; i < texts_.size(); ++i) {
        texts_[i] = new QLabel(this);
        texts_[i]->setWordWrap(true);
        texts_[i]->setTextFormat(Qt::PlainText);
        platform::SetControlId(texts_[i], textIds[i]);
        blocks->addWidget(texts_[i]);
    }
    top->addLayout(blocks, 1);
    layout->addLayout(top);

    // The row of buttons is centred, the buttons kButtonGap apart.
    auto* row = new QHBoxLayout;
    row->setSpacing(kButtonGap);
    row->addStretch(1);
    const std::array<int, 3> buttonIds = {IDC_MSGBOX_BUTTON1, IDC_MSGBOX_BUTTON2, IDC_MSGBOX_BUTTON3};
    for (std::size_t i = 0; i < button_widgets_.size(); ++i) {
        button_widgets_[i] = new QPushButton(this);
        button_widgets_[i]->setAutoDefault(false);
        platform::SetControlId(button_widgets_[i], buttonIds[i]);
        const int id = buttonIds[i];
        connect(button_widgets_[i], &QPushButton::clicked, this, [this, id] { OnButton(id); });
        row->addWidget(button_widgets_[i]);
    }
    row->addStretch(1);
    layout->addLayout(row);

    check_ = new QCheckBox(this);
    platform::SetControlId(check_, IDC_MSGBOX_CHECK);
    layout->addWidget(check_);
}

bool CMsgBoxDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();

    const int blockCount = !text2_.empty() ? 2 : !text1_.empty() ? 1 : 0;
    texts_[0]->setText(platform::ToQString(text1_));
    texts_[0]->setVisible(blockCount >= 1);
    texts_[1]->setText(platform::ToQString(text2_));
    texts_[1]->setVisible(blockCount == 2);
    for (QLabel* text : texts_) {
        platform::FitWrappedText(text, platform::MessageWrapWidth());
    }

    // Consecutive labels from the first count; a gap ends the row. The first button always shows.
    const auto firstGap = std::find_if(buttons_.begin(), buttons_.end(),
                                       [](const std::string& label) { return label.empty(); });
    const auto buttonCount = std::max<std::ptrdiff_t>(1, firstGap - buttons_.begin());
    int width = 0;
    for (std::ptrdiff_t i = 0; i < 3; ++i) {
        QPushButton* button = button_widgets_[static_cast<std::size_t>(i)];
        button->setText(platform::ToQString(buttons_[static_cast<std::size_t>(i)]));
        button->setVisible(i < buttonCount);
        if (i < buttonCount) {
            width = std::max(width, button->sizeHint().width());
        }
    }
    if (buttonCount == 1) {
        width = std::max(width, kSingleButtonMinimum);
    }
    for (QPushButton* button : button_widgets_) {
        button->setFixedWidth(width);
    }
    button_widgets_[0]->setDefault(true);
    button_widgets_[0]->setFocus();

    const auto icon = IconOf(type_);
    if (icon) {
        const int size = style()->pixelMetric(QStyle::PM_MessageBoxIconSize, nullptr, this);
        icon_->setPixmap(style()->standardIcon(*icon, nullptr, this).pixmap(size, size));
    }
    icon_->setVisible(icon.has_value());

    check_->setText(platform::ToQString(check_label_));
    check_->setChecked(initial_check_ != 0);
    check_->setVisible(!check_label_.empty());

    adjustSize();
    return true;
}

void CMsgBoxDlg::OnButton(int id) {
    final_check_ = HasCheckBox() && check_->isChecked() ? 1 : 0;
    EndDialog(id);
}
