// A static text whose text and background colours, font face, height and style can be set, and whose
// text or background can blink between two colours.
#pragma once

#include <QLabel>
#include <QPalette>
#include <QTimer>
#include <cstdint>
#include <optional>
#include <string>

// Encoded colours: kColorNone leaves the colour to the system, kSystemColor | n follows system colour n
// (a palette role), anything else is a COLORREF (0x00BBGGRR).
inline constexpr std::uint32_t kColorNone = 0xFF000000u;
inline constexpr std::uint32_t kSystemColor = 0x80000000u;

// The control kinds of the colour rules; fixed numbers (the colour settings store them): never renumber.
enum class ColorControlKind { MessageBox = 0, Edit = 1, ListBox = 2, Button = 3, Dialog = 4, ScrollBar = 5, Static = 6 };

struct StaticColors {
    QColor text;
    QColor background;
};

// The colours a control of `kind` takes for the encoded text and background colours; nullopt when the
// parent's colours apply.
std::optional<StaticColors> ResolveStaticColors(std::uint32_t text, std::uint32_t background, ColorControlKind kind,
                                                const QPalette& palette);
// The colour of one encoded value; invalid for kColorNone.
QColor DecodeColor(std::uint32_t color, const QPalette& palette);

class CColorStatic : public QLabel {
    Q_OBJECT

public:
    // Style bits of the font.
    static constexpr int kBold = 1;
    static constexpr int kItalic = 2;
    static constexpr int kUnderline = 4;
    static constexpr int kStrikeOut = 8;

    explicit CColorStatic(QWidget* parent = nullptr);

    // A face (at most 31 characters) or nullptr to keep the face; the height in pixels, 0 to keep it.
    void SetTextFont(const char* face, int height, bool redraw);
    void SetTextColor(std::uint32_t color);
    void SetBackgroundColor(std::uint32_t color);
    // Style bits set first, then those cleared; they apply from the next font build.
    void SetFontStyle(int setBits, int clearBits);

    // Blinking alternates between the two colours of each part every period (1000 ms unless set).
    void SetTextBlinkColors(std::uint32_t first, std::uint32_t second);
    void SetBackgroundBlinkColors(std::uint32_t first, std::uint32_t second);
    void SetBlinkPeriod(int milliseconds);
    void SetBlink(bool text, bool background);
    int BlinkState() const { return blink_state_; }

    // The colours painted now; nullopt while the plain label's colours apply.
    std::optional<StaticColors> CurrentColors() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void BuildFont();
    void UpdateBlinkTimer();
    void OnBlink();

    QTimer blink_timer_;
    int blink_state_ = 0;
    int blink_period_ = 1000;
    bool text_blinks_ = false;
    bool background_blinks_ = false;
    std::uint32_t text_color_ = kColorNone;
    std::uint32_t text_blink_colors_[2] = {kColorNone, kColorNone};
    std::uint32_t background_color_ = kColorNone;
    std::uint32_t background_blink_colors_[2] = {kColorNone, kColorNone};
    int set_bits_ = 0;
    int clear_bits_ = 0;
    int height_ = 10;
    std::string face_;
    std::optional<QFont> own_font_;
};
