// The colour static: the colour rules by control kind, system colours that follow the palette, fonts,
// and blinking.
#include "kivo32/controls/color_static.h"

#include <gtest/gtest.h>

#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"
#include "tests/support/ui/test_ui_clock.h"

namespace {

class ColorStaticTest : public testsupport::QtTest {
protected:
    ColorStaticTest() {
        palette.setColor(QPalette::ButtonText, QColor(1, 1, 1));
        palette.setColor(QPalette::WindowText, QColor(2, 2, 2));
        palette.setColor(QPalette::Button, QColor(3, 3, 3));
        palette.setColor(QPalette::Base, QColor(4, 4, 4));
    }
    QPalette palette;
};

TEST_F(ColorStaticTest, ColoursByControlKind) {
    const QColor red(255, 0, 0);  // COLORREF 0x0000FF
    const QColor blue(0, 0, 255);
    const struct {
        std::uint32_t text, background;
        ColorControlKind kind;
        bool coloured;
        QColor expectedText, expectedBackground;
    } cases[] = {
        {kColorNone, kColorNone, ColorControlKind::Static, false, {}, {}},
        {0x0000FF, 0xFF0000, ColorControlKind::Static, true, red, blue},
        {kColorNone, 0xFF0000, ColorControlKind::Button, true, QColor(1, 1, 1), blue},
        {kColorNone, 0xFF0000, ColorControlKind::Static, true, QColor(2, 2, 2), blue},
        {0x0000FF, kColorNone, ColorControlKind::Static, true, red, QColor(3, 3, 3)},
        {0x0000FF, kColorNone, ColorControlKind::MessageBox, true, red, QColor(3, 3, 3)},
        {0x0000FF, kColorNone, ColorControlKind::Dialog, true, red, QColor(3, 3, 3)},
        {0x0000FF, kColorNone, ColorControlKind::Edit, true, red, QColor(4, 4, 4)},
        {0x0000FF, kColorNone, ColorControlKind::ListBox, true, red, QColor(4, 4, 4)},
        {0x0000FF, kColorNone, ColorControlKind::ScrollBar, false, {}, {}},
        {kSystemColor | 18, kSystemColor | 5, ColorControlKind::Static, true, QColor(1, 1, 1), QColor(4, 4, 4)},
    };
    for (const auto& test : cases) {
        const auto colors = ResolveStaticColors(test.text, test.background, test.kind, palette);
        ASSERT_EQ(colors.has_value(), test.coloured) << std::hex << test.text << " " << test.background;
        if (colors) {
            EXPECT_EQ(colors->text, test.expectedText) << std::hex << test.text;
            EXPECT_EQ(colors->background, test.expectedBackground) << std::hex << test.background;
        }
    }
}

TEST_F(ColorStaticTest, SystemColoursFollowTheSchemeAndFontsTakeTheirStyle) {
    CColorStatic label;
    EXPECT_FALSE(label.CurrentColors().has_value());  // a plain static
    label.setPalette(palette);
    label.SetTextColor(kSystemColor | 18);
    EXPECT_EQ(label.CurrentColors()->text, QColor(1, 1, 1));
    palette.setColor(QPalette::ButtonText, QColor(9, 9, 9));
    label.setPalette(palette);
    EXPECT_EQ(label.CurrentColors()->text, QColor(9, 9, 9));

    label.SetFontStyle(CColorStatic::kBold | CColorStatic::kItalic | CColorStatic::kUnderline, CColorStatic::kItalic);
    label.SetTextFont("Courier New and a face name far too long", 14, true);
    EXPECT_EQ(label.font().family().toStdString(), std::string("Courier New and a face name far").substr(0, 31));
    EXPECT_EQ(label.font().pixelSize(), 14);
    EXPECT_TRUE(label.font().bold());
    EXPECT_FALSE(label.font().italic());
    EXPECT_TRUE(label.font().underline());
    // A null face keeps the face.
    label.SetTextFont(nullptr, 20, false);
    EXPECT_EQ(label.font().family().size(), 31);
    EXPECT_EQ(label.font().pixelSize(), 20);
}

TEST_F(ColorStaticTest, ABlinkingBackgroundAlternatesUntilItStops) {
    testsupport::TestUiClock clock(50);
    CColorStatic label;
    label.SetBackgroundBlinkColors(0x000000, 0xFFFFFF);
    label.SetBlinkPeriod(500);
    label.SetBlink(false, true);
    EXPECT_EQ(label.CurrentColors()->background, QColor(0, 0, 0));
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return label.BlinkState() == 1; }));
    EXPECT_EQ(label.CurrentColors()->background, QColor(255, 255, 255));
    ASSERT_TRUE(testsupport::ProcessEventsUntil([&] { return label.BlinkState() == 0; }));
    label.SetBlink(false, false);
    EXPECT_EQ(label.BlinkState(), 0);
    EXPECT_FALSE(label.CurrentColors().has_value());
}

}  // namespace
