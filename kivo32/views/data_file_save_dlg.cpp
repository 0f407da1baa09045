// CDataFileSaveDlg: the save dialog of a download with its two option check boxes and numbered names.
#include "kivo32/views/data_file_save_dlg.h"

#include <QGridLayout>
#include <QLayout>
#include <QListView>

#include "kivo32/views/views_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/windows1252.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/ui_ids.h"
#include "shared/datafile/data_file_names.h"

namespace {

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

}  // namespace

CDataFileSaveDlg::CDataFileSaveDlg(const std::filesystem::path& fileName, unsigned flags, QWidget* parent)
    : QFileDialog(parent),
      add_to_existing_box_(new QCheckBox(Text(IDS_SAVE_OPTION_EXISTING), this)),
      also_csv_box_(new QCheckBox(Text(IDS_SAVE_OPTION_CSV), this)) {
    // Our own widgets go into the dialog, so it is Qt's dialog rather than the desktop's.
    setOption(QFileDialog::DontUseNativeDialog);
    setOption(QFileDialog::DontConfirmOverwrite, (flags & OFN_OVERWRITEPROMPT) == 0);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setDefaultSuffix("kivo");
    setNameFilter(platform::ToQString(
        platform::StringPrintf("%s (*.kivo *.dat)", LoadText(IDS_DATA_FILE_FILTER).c_str())));
    if (fileName.has_parent_path()) {
        setDirectory(platform::PathToQString(fileName.parent_path()));
    }
    selectFile(platform::PathToQString(fileName.filename()));
    // The name box and the file list of Qt's own dialog.
    file_name_edit_ = findChild<QLineEdit*>("fileNameEdit");
    file_list_ = findChild<QListView*>("listView");

    platform::SetControlId(add_to_existing_box_, IDC_SAVE_OPTION_EXISTING);
    platform::SetControlId(also_csv_box_, IDC_SAVE_OPTION_CSV);
    if (auto* grid = qobject_cast<QGridLayout*>(layout())) {
        grid->addWidget(add_to_existing_box_, grid->rowCount(), 0, 1, grid->columnCount());
        grid->addWidget(also_csv_box_, grid->rowCount(), 0, 1, grid->columnCount());
    }
    const bool explorer = (flags & OFN_EXPLORER) != 0;
    add_to_existing_box_->setVisible(explorer);
    also_csv_box_->setVisible(explorer);
    connect(add_to_existing_box_, &QCheckBox::clicked, this, &CDataFileSaveDlg::OnAddToExistingClicked);
    connect(this, &QFileDialog::currentChanged, this,
            [this](const QString& path) { current_list_file_ = platform::PathFromQString(path); });
}

void CDataFileSaveDlg::SetOptions(int addToExisting, int alsoCsv) {
    add_to_existing_ = addToExisting;
    also_csv_ = alsoCsv;
}

int CDataFileSaveDlg::DoModal() {
    OnInitDialog();
    return exec() == QDialog::Accepted ? IDOK : IDCANCEL;
}

std::filesystem::path CDataFileSaveDlg::GetPathName() const {
    const QStringList files = selectedFiles();
    return files.isEmpty() ? std::filesystem::path() : platform::PathFromQString(files.front());
}

std::string CDataFileSaveDlg::GetFileNameText() const {
    return file_name_edit_ != nullptr ? platform::FromQString(file_name_edit_->text()) : std::string();
}

void CDataFileSaveDlg::accept() {
    add_to_existing_ = add_to_existing_box_->isChecked() ? 1 : 0;
    also_csv_ = also_csv_box_->isChecked() ? 1 : 0;
    QFileDialog::accept();
}

void CDataFileSaveDlg::OnInitDialog() {
    add_to_existing_box_->setChecked(add_to_existing_ != 0);
    also_csv_box_->setChecked(also_csv_ != 0);
}

void CDataFileSaveDlg::OnAddToExistingClicked(bool checked) {
    std::filesystem::path name;
    if (checked) {
        std::error_code error;
        if (std::filesystem::is_regular_file(current_list_file_, error)) {
            name = current_list_file_.filename();
        }
        setWindowTitle(Text(IDS_SAVE_TITLE_EXISTING));
    } else {
        const auto folder = platform::PathFromQString(directory().absolutePath());
        name = MakeNumberedFileName(folder, platform::Windows1252ToUtf8(base_name_)).filename();
        setWindowTitle(Text(IDS_SAVE_TITLE_NEW));
    }
    // A file still chosen in the list would win over the name: the choice goes first.
    if (file_list_ != nullptr) {
        file_list_->selectionModel()->clearSelection();
    }
    if (file_name_edit_ != nullptr) {
        file_name_edit_->setText(platform::PathToQString(name));
    }
}
