// The picture control and dialog: loading, animated pictures refused when drawn, print tiles that
// cover every pixel and stop at the page, a print to PDF, the dialog's titles and size.
#include "kivo32/controls/picture_ex.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <fstream>
#include <utility>

#include "kivo32/controls/picture_dlg.h"
#include "kivo32/controls/picture_resources.h"
#include "platform/ui/printer_page_painter.h"
#include "platform/ui/resource_texts.h"
#include "platform/base/program_texts.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

// A 1 x 1 GIF, and the same with a second image.
const std::vector<std::uint8_t> kOneImageGif{
    'G', 'I', 'F', '8', '9', 'a', 1, 0, 1, 0, 0x80, 0, 0, 0xFF, 0xFF, 0xFF, 0, 0, 0, 0x21, 0xF9, 4, 1, 0, 0, 0, 0,
    0x2C, 0, 0, 0, 0, 1, 0, 1, 0, 0, 2, 2, 0x44, 1, 0, 0x3B};
std::vector<std::uint8_t> TwoImageGif() {
    std::vector<std::uint8_t> gif(kOneImageGif.begin(), kOneImageGif.end() - 1);
    gif.insert(gif.end(), kOneImageGif.begin() + 19, kOneImageGif.end());
    return gif;
}

std::vector<std::uint8_t> Png(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    image.fill(Qt::blue);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return {bytes.begin(), bytes.end()};
}

class PictureExTest : public testsupport::QtTest {
protected:
    PictureExTest() { SetProgramTexts(platform::EnglishTexts()); }
    ~PictureExTest() override { SetPictureResourceFolder({}); }
    CPictureEx picture;
};

TEST_F(PictureExTest, OnlyALoadedStillPictureDraws) {
    EXPECT_FALSE(picture.Draw());
    ASSERT_TRUE(picture.Load(kOneImageGif.data(), kOneImageGif.size()));
    EXPECT_FALSE(picture.IsAnimated());
    EXPECT_TRUE(picture.Draw());
    EXPECT_EQ(picture.OffScreen().pixelColor(0, 0), QColor(Qt::white));

    const auto animated = TwoImageGif();
    ASSERT_TRUE(picture.Load(animated.data(), animated.size()));
    EXPECT_TRUE(picture.IsAnimated());
    EXPECT_FALSE(picture.Draw());

    const std::uint8_t noPicture[] = {1, 2, 3, 4};
    EXPECT_FALSE(picture.Load(noPicture, sizeof noPicture));
    EXPECT_FALSE(picture.IsLoaded());
    EXPECT_FALSE(picture.Load(999, "GIF"));
}

TEST_F(PictureExTest, PrintTilesCoverEveryPixelAndStopAtThePage) {
    std::vector<std::string> warnings;
    auto tiles = PicturePrintTiles({600, 300}, 1.0, 1.0, {5000, 5000}, warnings);
    ASSERT_EQ(tiles.size(), 2u);
    EXPECT_EQ(tiles[0].source, QRect(0, 0, 500, 300));
    EXPECT_EQ(tiles[0].destination, QRect(500, 500, 500, 300));
    EXPECT_EQ(tiles[1].source, QRect(500, 0, 100, 300));  // the last column is printed too
    EXPECT_EQ(tiles[1].destination, QRect(1000, 500, 100, 300));

    warnings.clear();
    tiles = PicturePrintTiles({2000, 400}, 4.5, 4.5, {4000, 6000}, warnings);
    ASSERT_EQ(tiles.size(), 2u);
    EXPECT_EQ(tiles[1].destination, QRect(2750, 500, 1250, 1800));
    EXPECT_EQ(tiles[1].source.width(), 277);  // cut with the page, not squeezed
    ASSERT_FALSE(warnings.empty());
    EXPECT_NE(std::find(warnings.begin(), warnings.end(),
                        "Warning: nXDestOrigin(2750) + nDestWidth(2250) >= nPrinterSizeX(4000). Adjusting nDestWidth."),
              warnings.end());
}

TEST_F(PictureExTest, PrintsToAPdfFile) {
    testsupport::TempFolder folder;
    QPrinter printer;
    platform::SetPdfOutput(printer, folder / "picture.pdf");
    EXPECT_FALSE(picture.Print(printer, "Nothing"));  // nothing loaded: no job
    EXPECT_FALSE(std::filesystem::exists(folder / "picture.pdf"));

    const auto png = Png(600, 300);
    ASSERT_TRUE(picture.Load(png.data(), png.size()));
    ASSERT_TRUE(picture.Draw());
    EXPECT_TRUE(picture.Print(printer, "Wiring"));
    EXPECT_GT(std::filesystem::file_size(folder / "picture.pdf"), 500u);
}

TEST_F(PictureExTest, TheDialogShowsItsPictureWithItsTitle) {
    // Each wiring picture, old or new model, is titled by its wiring.
    const std::pair<unsigned, const char*> wirings[] = {
        {221, "Single phase two wire connections (1P2W)"},   {234, "Single phase two wire connections (1P2W)"},
        {222, "Single phase three wire connections (1P3W)"}, {235, "Single phase three wire connections (1P3W)"},
        {223, "Three phase three wire connections (3P3W)"},  {236, "Three phase three wire connections (3P3W)"},
        {224, "Three phase four wire connections (3P4W)"},   {237, "Three phase four wire connections (3P4W)"}};
    for (const auto& [picture, title] : wirings) {
        EXPECT_EQ(CPictureDlg::TitleOf(picture), title) << picture;
    }
    EXPECT_EQ(CPictureDlg::TitleOf(254), "Power triangle of the THD estimate");
    EXPECT_EQ(CPictureDlg::TitleOf(225), "");

    testsupport::TempFolder folder;
    const auto png = Png(320, 200);
    std::ofstream(folder / "222.gif", std::ios::binary).write(reinterpret_cast<const char*>(png.data()),
                                                             static_cast<std::streamsize>(png.size()));
    SetPictureResourceFolder(folder.path());
    CPictureDlg dialog(222);
    testsupport::OnNextModal([](QWidget* shown) {
        EXPECT_EQ(shown->windowTitle(), "Single phase three wire connections (1P3W)");
        EXPECT_EQ(shown->size(), QSize(350, 300));
        QMetaObject::invokeMethod(shown, "accept");
    });
    dialog.DoModal();
    EXPECT_TRUE(dialog.Picture().IsLoaded());
}

}  // namespace
