// The program's own message dialog: one or two text blocks, up to three labelled buttons, a check box.
#pragma once

#include <QCheckBox>
#include <QLabel>
#include <QPushButton>
#include <array>
#include <string>

#include "platform/ui/dialog.h"

class CMsgBoxDlg : public platform::Dialog {
    Q_OBJECT

public:
    // From text ids: the prompt is text 1; text 2 id 0 gives a second block of a single blank; a button
    // id 0 leaves that label empty; a check-box label id 0 means no check box.
    CMsgBoxDlg(unsigned promptId, unsigned type, unsigned text2Id, unsigned button1Id, unsigned button2Id,
               unsigned button3Id, unsigned checkBoxLabelId, int initialCheck, QWidget* parent = nullptr);
    // From texts, without check box; an empty text 2 shows no second block.
    CMsgBoxDlg(const std::string& text1, unsigned type, const std::string& text2, const std::string& button1,
               const std::string& button2, const std::string& button3, QWidget* parent = nullptr);

    // DoModal gives the id of the button that closed the dialog (IDC_MSGBOX_BUTTON1-3), IDCANCEL for Esc
    // and the close box. The check box's state then: 1 when it was shown and ticked.
    int GetCheckState() const { return final_check_; }
    bool HasCheckBox() const { return !check_label_.empty(); }

protected:
    bool OnInitDialog() override;

private:
    void Build();
    void OnButton(int id);

    std::string text1_;
    std::string text2_;
    std::array<std::string, 3> buttons_;
    std::string check_label_;
    unsigned type_;
    int initial_check_ = 0;
    int final_check_ = 0;

    QLabel* icon_ = nullptr;
    std::array<QLabel*, 2> texts_{};
    std::array<QPushButton*, 3> button_widgets_{};
    QCheckBox* check_ = nullptr;
};
