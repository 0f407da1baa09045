// CDataFileSaveDlg: the file dialog in which the user names the data file of a download, with the
// application's two save options as check boxes and a numbered name for a new file.
#pragma once

#include <QAbstractItemView>
#include <QCheckBox>
#include <QFileDialog>
#include <QLineEdit>
#include <filesystem>
#include <string>

class CDataFileSaveDlg : public QFileDialog {
    Q_OBJECT

public:
    // `fileName` is proposed; `flags` are OFN_ flags: OFN_EXPLORER shows the two option check boxes,
    // OFN_OVERWRITEPROMPT asks before an existing file is chosen.
    CDataFileSaveDlg(const std::filesystem::path& fileName, unsigned flags, QWidget* parent = nullptr);

    // Before DoModal: the application's two options (1 checked) and the base name of new files
    // (Windows-1252).
    void SetOptions(int addToExisting, int alsoCsv);
    void SetOfferedBaseName(const std::string& baseName) { base_name_ = baseName; }

    // IDOK or IDCANCEL.
    int DoModal();
    std::filesystem::path GetPathName() const;
    // The states of the two check boxes when the name was accepted, for the application to keep.
    int GetAddToExisting() const { return add_to_existing_; }
    int GetAlsoCsv() const { return also_csv_; }

    // The text of the file-name box.
    std::string GetFileNameText() const;

    // The name was accepted (OnFileNameOK): the check boxes' states are kept.
    void accept() override;

private:
    void OnInitDialog();
    // Checked: the file chosen in the list, to add to; cleared: the next free numbered name.
    void OnAddToExistingClicked(bool checked);

    QCheckBox* add_to_existing_box_;
    QCheckBox* also_csv_box_;
    QLineEdit* file_name_edit_;
    QAbstractItemView* file_list_;
    std::filesystem::path current_list_file_;
    std::string base_name_;
    int add_to_existing_ = 0;
    int also_csv_ = 0;
};
