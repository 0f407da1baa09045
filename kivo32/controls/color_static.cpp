// A static text with its own colours, font and blinking.
#include "kivo32/controls/color_static.h"

#include <QEvent>
#include <QPainter>
#include <array>

#include "platform/ui/ui_clock.h"

namespace {

// The system's colour numbers, as palette roles. Numbers without a role here give the window text.
struct SystemColor {
    int number;
    QPalette::ColorRole role;
};
constexpr std::array<SystemColor, 18> kSystemColors{{
    {0, QPalette::Mid},              // scroll bar
    {1, QPalette::Window},           // desktop
    {2, QPalette::Highlight},        // active caption
    {3, QPalette::Mid},              // inactive caption
    {4, QPalette::Window},           // menu
    {5, QPalette::Base},             // window
    {6, QPalette::Shadow},           // window frame
    {7, QPalette::WindowText},       // menu text
    {8, QPalette::WindowText},       // window text
    {9, QPalette::HighlightedText},  // caption text
    {13, QPalette::Highlight},       // highlight
    {14, QPalette::HighlightedText}, // highlighted text
    {15, QPalette::Button},          // button face
    {16, QPalette::Dark},            // button shadow
    {17, QPalette::PlaceholderText}, // grey text
    {18, QPalette::ButtonText},      // button text
    {20, QPalette::Light},           // button highlight
    {22, QPalette::Midlight},        // 3-D light
}};

constexpr int kButtonText = 18;
constexpr int kWindowText = 8;
constexpr int kButtonFace = 15;
constexpr int kWindow = 5;
constexpr std::size_t kMaxFaceChars = 31;

QColor SystemColorOf(int number, const QPalette& palette) {
    for (const auto& entry : kSystemColors) {
        if (entry.number == number) {
            return palette.color(entry.role);
        }
    }
    return palette.color(QPalette::WindowText);
}

}  // namespace

QColor DecodeColor(std::uint32_t color, const QPalette& palette) {
    if (color == kColorNone) {
        return {};
    }
    if ((color & kSystemColor) != 0) {
        return SystemColorOf(static_cast<int>(color & 0xFF), palette);
    }
    return QColor(static_cast<int>(color & 0xFF), static_cast<int>((color >> 8) & 0xFF),
                  static_cast<int>((color >> 16) & 0xFF));
}

std::optional<StaticColors> ResolveStaticColors(std::uint32_t text, std::uint32_t background, ColorControlKind kind,
                                                const QPalette& palette) {
    if (text == kColorNone && background == kColorNone) {
        return std::nullopt;
    }
    StaticColors colors{DecodeColor(text, palette), DecodeColor(background, palette)};
    if (text == kColorNone) {
        colors.text = SystemColorOf(kind == ColorControlKind::Button ? kButtonText : kWindowText, palette);
    }
    if (background == kColorNone) {
        switch (kind) {
            case ColorControlKind::Edit:
            case ColorControlKind::ListBox:
                colors.background = SystemColorOf(kWindow, palette);
                break;
            case ColorControlKind::ScrollBar:
                return std::nullopt;
            default:
                colors.background = SystemColorOf(kButtonFace, palette);
                break;
        }
    }
    return colors;
}

CColorStatic::CColorStatic(QWidget* parent) : QLabel(parent) {
    connect(&blink_timer_, &QTimer::timeout, this, [this] { OnBlink(); });
    BuildFont();
}

void CColorStatic::SetTextFont(const char* face, int height, bool redraw) {
    if (face != nullptr) {
        face_ = std::string(face).substr(0, kMaxFaceChars);
    }
    height_ = height;
    BuildFont();
    if (redraw) {
        repaint();
    }
}

void CColorStatic::SetTextColor(std::uint32_t color) {
    text_color_ = color;
    text_blink_colors_[1] = color;
    update();
}

void CColorStatic::SetBackgroundColor(std::uint32_t color) {
    background_color_ = color;
    background_blink_colors_[1] = color;
    update();
}

void CColorStatic::SetFontStyle(int setBits, int clearBits) {
    set_bits_ = setBits;
    clear_bits_ = clearBits;
}

void CColorStatic::SetTextBlinkColors(std::uint32_t first, std::uint32_t second) {
    text_blink_colors_[0] = first;
    text_blink_colors_[1] = second;
}

void CColorStatic::SetBackgroundBlinkColors(std::uint32_t first, std::uint32_t second) {
    background_blink_colors_[0] = first;
    background_blink_colors_[1] = second;
}

void CColorStatic::SetBlinkPeriod(int milliseconds) {
    blink_period_ = milliseconds;
    UpdateBlinkTimer();
}

void CColorStatic::SetBlink(bool text, bool background) {
    text_blinks_ = text;
    background_blinks_ = background;
    UpdateBlinkTimer();
}

void CColorStatic::UpdateBlinkTimer() {
    if (text_blinks_ || background_blinks_) {
        platform::CurrentUiClock().StartTimer(blink_timer_, blink_period_);
    } else {
        blink_timer_.stop();
        blink_state_ = 0;
    }
}

void CColorStatic::OnBlink() {
    blink_state_ ^= 1;
    update();
}

std::optional<StaticColors> CColorStatic::CurrentColors() const {
    const std::uint32_t text = text_blinks_ ? text_blink_colors_[blink_state_] : text_color_;
    const std::uint32_t background = background_blinks_ ? background_blink_colors_[blink_state_] : background_color_;
    return ResolveStaticColors(text, background, ColorControlKind::Static, palette());
}

void CColorStatic::BuildFont() {
    if (set_bits_ == 0 && clear_bits_ == 0 && height_ == 0) {
        if (own_font_) {
            setFont(*own_font_);
        }
        return;
    }
    QFont built = own_font_.value_or(font());
    built.setWeight(QFont::Normal);
    built.setItalic(false);
    built.setUnderline(false);
    built.setStrikeOut(false);
    const auto apply = [&built](int bits, bool on) {
        if ((bits & kBold) != 0) {
            built.setWeight(on ? QFont::Bold : QFont::Normal);
        }
        if ((bits & kItalic) != 0) {
            built.setItalic(on);
        }
        if ((bits & kUnderline) != 0) {
            built.setUnderline(on);
        }
        if ((bits & kStrikeOut) != 0) {
            built.setStrikeOut(on);
        }
    };
    apply(set_bits_, true);
    apply(clear_bits_, false);
    if (height_ != 0) {
        built.setPixelSize(height_);
    }
    if (!face_.empty()) {
        built.setFamily(QString::fromStdString(face_));
    }
    own_font_ = built;
    setFont(built);
}

void CColorStatic::paintEvent(QPaintEvent* event) {
    const auto colors = CurrentColors();
    if (!colors) {
        QLabel::paintEvent(event);
        return;
    }
    QPainter painter(this);
    painter.fillRect(rect(), colors->background);
    painter.setPen(colors->text);
    painter.setFont(font());
    painter.drawText(contentsRect(), static_cast<int>(alignment()) | (wordWrap() ? Qt::TextWordWrap : 0), text());
}

void CColorStatic::changeEvent(QEvent* event) {
    QLabel::changeEvent(event);
    if (event->type() == QEvent::PaletteChange || event->type() == QEvent::ApplicationPaletteChange) {
        update();  // system colours follow the new scheme at the next paint
    }
}
