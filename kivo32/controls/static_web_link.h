// CStaticWebLink: a text static shown as a link (blue, underlined, with the hand cursor) that opens its
// link when clicked, turns purple once it opened, and beeps when it could not.
#pragma once

#include <QColor>
#include <QLabel>
#include <string>

#include "kivo32/controls/hyperlink.h"

class CStaticWebLink : public QLabel {
    Q_OBJECT

public:
    static inline const QColor kLinkColor{0, 0, 255};
    static inline const QColor kVisitedColor{128, 0, 128};

    // Without a link the click takes the text whose id is the control's id, else the static's own text.
    explicit CStaticWebLink(const std::string& link = {}, QWidget* parent = nullptr);

    const CHyperlink& Link() const { return link_; }
    void SetLink(const std::string& link) { link_.SetText(link); }
    // Blue until the link opened, then purple.
    QColor TextColor() const { return text_color_; }

protected:
    void mousePressEvent(QMouseEvent* event) override;

private:
    void ShowTextColor();

    CHyperlink link_;
    QColor text_color_ = kLinkColor;
};
