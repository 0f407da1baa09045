// A dialog that shows a block of text (a report, a summary, a file) in a fixed-pitch box sized to its lines.
#pragma once

#include <QPlainTextEdit>
#include <QPushButton>
#include <filesystem>
#include <string>

#include "platform/ui/dialog.h"

class CDisplayTextDlg : public platform::Dialog {
    Q_OBJECT

public:
    // Both layouts of the text box are the same here; the flag is the callers' choice of old.
    CDisplayTextDlg(bool alternateLayout, QWidget* parent = nullptr);

    // Before DoModal: the text (Windows-1252), the title, and whether the refresh button shows.
    void SetText(const std::string& text) { text_ = text; }
    void SetTitle(const std::string& title) { title_ = title; }
    void SetRefreshButton(bool show) { show_refresh_ = show; }
    // Takes the file's lines as the text, each ended by CR LF; false when the file cannot be read.
    bool LoadTextFile(const std::filesystem::path& path);

    // DoModal gives IDOK, IDCANCEL, or IDC_DISPLAY_REFRESH when the caller should rebuild the text.

protected:
    bool OnInitDialog() override;

private:
    // The text box's size that shows every line whole, from the box's own layout of them.
    QSize TextSize() const;
    void ShowScrollBarsOnlyWhereNeeded();

    std::string title_;
    std::string text_;
    bool show_refresh_ = false;

    QPlainTextEdit* edit_;
    QPushButton* refresh_;
    QPushButton* ok_;
};
