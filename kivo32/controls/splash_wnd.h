// CSplashWnd: the borderless picture over the main window: at start-up for three seconds, and as the
// about picture with its text and a Close button, grown to hold them. Any key or click takes it away
// and goes no further.
#pragma once

#include <QFont>
#include <QPixmap>
#include <QTimer>
#include <QWidget>
#include <string>

class CSplashWnd : public QWidget {
public:
    // The start-up picture, which hides itself after kStartUpMs; the about picture stays until a key
    // or a click.
    enum Mode { kStartUp = 0, kAbout = 1 };
    static constexpr int kStartUpMs = 3000;
    // The pictures' resource ids.
    static constexpr unsigned kStartUpPicture = 104;
    static constexpr unsigned kAboutPicture = 126;

    // Off: ShowSplashScreen only takes a shown splash away.
    static void EnableSplashScreen(bool enable);
    // Replaces a shown splash; with the splash enabled shows a new one of `mode` centred over `parent`
    // (the screen when null), with `text` on the about picture.
    static void ShowSplashScreen(Mode mode, QWidget* parent, const std::string& text = {});
    static void HideSplashScreen();
    // The splash shown now, or null.
    static CSplashWnd* Shown();
    // A key press or mouse click while a splash is shown takes it away; true when the event is to go
    // no further.
    static bool PreTranslateAppMessage(const QEvent& event);

    Mode GetMode() const { return mode_; }
    const std::string& GetText() const { return text_; }
    // Where the about picture's text is drawn, word-wrapped: the whole text fits inside.
    QRect TextRect() const { return text_rect_; }
    const QFont& TextFont() const { return font_; }
    // The lines of the text as drawn; the text's own line breaks begin new lines.
    static constexpr int kTextFlags = Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap;

protected:
    void paintEvent(QPaintEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    CSplashWnd(Mode mode, std::string text, QWidget* parent);
    ~CSplashWnd() override;

    QPixmap picture_;
    Mode mode_;
    std::string text_;
    QFont font_;
    QRect text_rect_;
    QTimer timer_;
};
