// A dialog that shows one of the program's reference pictures (wiring diagrams and the like) with its
// title, an OK button and a Print button.
#pragma once

#include <QPushButton>
#include <string>

#include "kivo32/controls/picture_ex.h"
#include "platform/ui/dialog.h"

class CPictureDlg : public platform::Dialog {
    Q_OBJECT

public:
    CPictureDlg(unsigned pictureId, QWidget* parent = nullptr);

    // The title of a picture id; empty for an id without one.
    static std::string TitleOf(unsigned pictureId);

    CPictureEx& Picture() { return *picture_; }

protected:
    bool OnInitDialog() override;

private:
    void OnPrint();

    unsigned picture_id_;
    std::string title_;
    CPictureEx* picture_;
    QPushButton* ok_;
    QPushButton* print_;
};
