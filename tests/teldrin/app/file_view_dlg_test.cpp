// teldrin's log viewer offscreen: a missing log is made only on Yes, and a log shows line by line
// without its line ends.
#include "teldrin/app/file_view_dlg.h"

#include <gtest/gtest.h>

#include <QListWidget>
#include <QMessageBox>

#include "teldrin/core/file_log.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

class TeldrinFileViewDlgTest : public testsupport::QtTest {
protected:
    // Runs the viewer of `log`, answering its question with `answer` if it asks; the lines it shows, or
    // nullopt when it ended without showing the log.
    std::optional<QStringList> View(teldrin::CTeldrinLogFile& log, bool eventLog,
                                    QMessageBox::StandardButton answer) {
        teldrin::CFileViewDlg dialog(log, eventLog);
        QStringList shown;
        const auto takeLines = [&](QWidget* viewer) {
            const auto* lines = viewer->findChild<QListWidget*>();
            for (int row = 0; row < lines->count(); ++row) {
                shown << lines->item(row)->text();
            }
            viewer->close();
        };
        testsupport::OnNextModal([&](QWidget* window) {
            if (auto* box = qobject_cast<QMessageBox*>(window)) {
                asked_ = box->text();
                if (answer == QMessageBox::Yes) {
                    testsupport::OnNextModal(takeLines);
                }
                box->button(answer)->click();
            } else {
                takeLines(window);
            }
        });
        if (dialog.exec() != QDialog::Rejected || !shown.isEmpty()) {
            return shown;
        }
        return std::nullopt;
    }

    testsupport::TempFolder folder_;
    std::function<std::string()> data_folder_ = [this] { return folder_.path().string(); };
    QString asked_;
};

TEST_F(TeldrinFileViewDlgTest, AMissingLogIsMadeOnlyWhenTheUserSaysYes) {
    teldrin::CFileError errors(data_folder_);
    for (const auto answer : {QMessageBox::No, QMessageBox::Cancel}) {
        asked_.clear();
        EXPECT_EQ(View(errors, false, answer), std::nullopt);
        EXPECT_EQ(asked_, QString("Error Log file %1 not found.\n\nCreate New file?")
                              .arg(QString::fromStdString(errors.Path().string())));
        EXPECT_FALSE(std::filesystem::exists(errors.Path()));
    }
    const auto shown = View(errors, false, QMessageBox::Yes);
    ASSERT_TRUE(shown.has_value());
    EXPECT_TRUE(std::filesystem::exists(errors.Path()));
    EXPECT_FALSE(shown->isEmpty());
}

TEST_F(TeldrinFileViewDlgTest, ALogShowsLineByLineWithoutItsLineEnds) {
    teldrin::CFileLog events(data_folder_);
    events.WriteEntry(8206, "first call");
    events.WriteEntry(8206, "second call");
    asked_.clear();
    const auto shown = View(events, true, QMessageBox::Yes);
    ASSERT_TRUE(shown.has_value());
    EXPECT_TRUE(asked_.isEmpty());
    ASSERT_GE(shown->size(), 2);
    for (const QString& line : *shown) {
        EXPECT_FALSE(line.contains('\r') || line.contains('\n')) << line.toStdString();
    }
    EXPECT_TRUE(shown->filter("first call").size() == 1 && shown->filter("second call").size() == 1)
        << shown->join('|').toStdString();
}

}  // namespace
