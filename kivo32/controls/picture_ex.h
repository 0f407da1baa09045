// A control that shows a picture (GIF, JPEG, PNG, BMP and the other formats Qt reads) drawn once into
// an off-screen image, and prints it in tiles scaled from the screen's resolution to the printer's.
#pragma once

#include <QImage>
#include <QPrinter>
#include <QWidget>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// One tile of a print-out: the part of the picture and where it goes on the page, in printer pixels.
struct PictureTile {
    QRect source;
    QRect destination;
};

// Tiles of 500 x 500 picture pixels, row by row, the first placed at (500, 500) of the page and each
// scaled by the factors; every pixel of the picture is in a tile, and tiles are cut at the page's edge.
// Each adjustment adds its warning to `warnings`.
std::vector<PictureTile> PicturePrintTiles(QSize picture, double scaleX, double scaleY, QSize page,
                                           std::vector<std::string>& warnings);

class CPictureEx : public QWidget {
    Q_OBJECT

public:
    explicit CPictureEx(QWidget* parent = nullptr);
    ~CPictureEx() override;

    // Picture `id` of the program's pictures, of `type` ("GIF"); false when there is none or it is no
    // picture.
    bool Load(unsigned resourceId, std::string_view type);
    // A picture in memory; what was loaded before goes first.
    bool Load(const std::uint8_t* data, std::size_t size);
    void UnLoad();

    bool IsLoaded() const { return loaded_; }
    bool IsAnimated() const { return image_count_ > 1; }
    QSize PictureSize() const { return image_.size(); }
    // The off-screen image shown by each paint.
    const QImage& OffScreen() const { return off_screen_; }

    // Renders the picture into the off-screen image; false before a load and for animated pictures.
    bool Draw();
    // On the default printer as one document named `title`.
    bool Print(const std::string& title);
    // On `printer`: the title at (500, 250), then the tiles. A failure ends the job and tells false.
    bool Print(QPrinter& printer, const std::string& title);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    bool loaded_ = false;
    int image_count_ = 0;
    QImage image_;
    QImage off_screen_;
    QColor background_ = Qt::white;
};
