// A dialog that shows a block of text (a report, a summary, a file) in a fixed-pitch box sized to its lines.
#include "kivo32/dialogs/display_text_dlg.h"

#include <QFontDatabase>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QScreen>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <fstream>

#include "kivo32/controls/controls_ids.h"
#include "kivo32/dialogs/dialogs_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"

namespace {

// The text box keeps 20 from the sides; the buttons 20 from the right, 25 from the bottom, 15 apart.
constexpr int kSideMargin = 20;
constexpr int kBottomMargin = 25;
constexpr int kButtonGap = 15;
constexpr int kMinimumSize = 250;
constexpr int kFontPixels = 14;

QFont BodyFont() {
    QFont font("Courier New");
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    font.setPixelSize(kFontPixels);
    return font;
}

QString ShownText(const std::string& text) {
    return platform::ToQString(text).replace("\r\n", "\n");
}

}  // namespace

CDisplayTextDlg::CDisplayTextDlg(bool, QWidget* parent)
    : platform::Dialog(parent),
      edit_(new QPlainTextEdit(this)),
      refresh_(new QPushButton(platform::ToQString(LoadText(IDS_DISPLAY_REFRESH)), this)),
      ok_(new QPushButton(platform::ToQString(LoadText(IDS_OK)), this)) {
    platform::SetControlId(edit_, IDC_DISPLAY_TEXT);
    platform::SetControlId(refresh_, IDC_DISPLAY_REFRESH);
    platform::SetControlId(ok_, IDOK);
    edit_->setReadOnly(true);
    edit_->setLineWrapMode(QPlainTextEdit::NoWrap);
    edit_->setFont(BodyFont());
    ok_->setDefault(true);
    connect(ok_, &QPushButton::clicked, this, [this] { OnOK(); });
    connect(refresh_, &QPushButton::clicked, this, [this] { EndDialog(IDC_DISPLAY_REFRESH); });

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(kSideMargin, kSideMargin, kSideMargin, kBottomMargin);
    layout->addWidget(edit_, 1);
    auto* row = new QHBoxLayout;
    row->setSpacing(kButtonGap);
    row->addStretch(1);
    row->addWidget(refresh_);
    row->addWidget(ok_);
    layout->addLayout(row);
    setSizeGripEnabled(true);
}

bool CDisplayTextDlg::LoadTextFile(const std::filesystem::path& path) {
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        return false;
    }
    std::string text;
    std::string line;
    while (std::getline(file, line)) {
        if (!line.empty() && line.back() == '\r') {
            line.pop_back();
        }
        text += line + "\r\n";
    }
    text_ = std::move(text);
    return true;
}

bool CDisplayTextDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    edit_->setPlainText(ShownText(text_));
    refresh_->setVisible(show_refresh_);

    // Wide and tall enough for every line as the text box lays them out, up to the screen's size.
    const QScreen* screen = QGuiApplication::primaryScreen();
    const QSize screenSize = screen != nullptr ? screen->availableGeometry().size() : QSize(1024, 768);
    setMinimumSize(kMinimumSize, kMinimumSize);
    setMaximumSize(screenSize);
    // The dialog is the text box plus what lies around it.
    const QSize around = layout()->sizeHint() - edit_->sizeHint();
    const QSize wanted = around + TextSize();
    resize(std::clamp(wanted.width(), kMinimumSize, screenSize.width()),
           std::clamp(wanted.height(), kMinimumSize, screenSize.height()));
    // Once the window is on screen with that size.
    QTimer::singleShot(0, this, [this] { ShowScrollBarsOnlyWhereNeeded(); });

    setWindowTitle(platform::ToQString(title_));
    return true;
}

QSize CDisplayTextDlg::TextSize() const {
    const QTextDocument* document = edit_->document();
    const QAbstractTextDocumentLayout* lines = document->documentLayout();
    qreal width = 0;
    qreal height = 0;
    for (QTextBlock block = document->begin(); block.isValid(); block = block.next()) {
        height += lines->blockBoundingRect(block).height();  // lays the line out as the box will
        width = std::max(width, block.layout()->maximumWidth());
    }
    const qreal margins = 2 * document->documentMargin();
    const int frame = 2 * edit_->frameWidth();
    return QSize(static_cast<int>(std::ceil(width + margins)) + edit_->cursorWidth() + frame,
                 static_cast<int>(std::ceil(height + margins)) + frame);
}

void CDisplayTextDlg::ShowScrollBarsOnlyWhereNeeded() {
    // Bars shown while the box was smaller stay when each one's room makes the other needed: both are
    // taken away, and each comes back only when the text needs it.
    for (Qt::ScrollBarPolicy policy : {Qt::ScrollBarAlwaysOff, Qt::ScrollBarAsNeeded}) {
        edit_->setVerticalScrollBarPolicy(policy);
        edit_->setHorizontalScrollBarPolicy(policy);
    }
}
