// teldrin's PC settings dialog offscreen: Save refuses a baud rate outside its list and a folder that
// does not exist, keeps a stored port that is absent, and writes the settings when all is well.
#include "teldrin/app/pc_setup_dlg.h"

#include <gtest/gtest.h>

#include <QMessageBox>

#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/resource_texts.h"
#include "shared/controls/controls_ids.h"
#include "teldrin/core/registry_values.h"
#include "tests/support/fake_serial_port_source.h"
#include "tests/support/memory_profile_store.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

namespace fs = std::filesystem;
using platform::FindControlAs;
using teldrin::CPCSetUpDlg;

class TeldrinPcSetupDlgTest : public testsupport::QtTest {
protected:
    TeldrinPcSetupDlgTest() {
        SetProgramTexts(platform::EnglishTexts());
        fs::create_directories(folder_ / "Data");
        fs::create_directories(folder_ / "Loggers");
        settings_.Load(store_);
        settings_.dataDir = (folder_ / "Data").string();
        settings_.loggerListDir = (folder_ / "Loggers").string();
        settings_.directPort = "ttyS0";
        store_.writes.clear();
    }

    // Runs the dialog, acting on it once it shows; its result.
    int Run(const std::function<void(CPCSetUpDlg&)>& action) {
        CPCSetUpDlg dialog(settings_, store_, {"ttyS1"}, nullptr,
                           std::make_unique<testsupport::FakeSerialPortSource>(
                               std::vector<platform::SerialPortInfo>{{"ttyS0", "", "serial8250"}}));
        testsupport::OnNextModal([&](QWidget*) { action(dialog); });
        return dialog.DoModal();
    }

    static QComboBox* Combo(QWidget& dialog, int id) { return FindControlAs<QComboBox>(&dialog, id); }
    static QLineEdit* Edit(QWidget& dialog, int id) { return FindControlAs<QLineEdit>(&dialog, id); }

    testsupport::ScriptedUiBroker broker_;
    testsupport::TempFolder folder_;
    testsupport::MemoryProfileStore store_;
    teldrin::CRegistryValues settings_;
};

TEST_F(TeldrinPcSetupDlgTest, SaveRefusesABaudRateOutsideItsListAndStoresNothing) {
    for (const int id : {CPCSetUpDlg::kDirectBaud, CPCSetUpDlg::kModemBaud}) {
        SCOPED_TRACE(id);
        broker_.AnswerMessageBox(IDOK);
        const int result = Run([&](CPCSetUpDlg& dialog) {
            Combo(dialog, id)->setEditText("12345");
            dialog.accept();
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_TRUE(store_.writes.empty());
            dialog.reject();
        });
        EXPECT_EQ(result, IDCANCEL);
        ASSERT_FALSE(broker_.Asked().empty());
        EXPECT_EQ(broker_.Asked().back().text, LoadText(IDS_PC_BAUD_NOT_IN_LIST));
        EXPECT_EQ(settings_.directBaud, 57600);
        EXPECT_EQ(settings_.modemBaud, 9600);
    }
}

TEST_F(TeldrinPcSetupDlgTest, SaveWritesTheChoicesAndKeepsAnAbsentStoredPort) {
    settings_.directPort = "ttyUSB7";
    const int result = Run([&](CPCSetUpDlg& dialog) {
        EXPECT_EQ(Combo(dialog, CPCSetUpDlg::kPort)->currentText(), "ttyUSB7");
        EXPECT_EQ(Combo(dialog, CPCSetUpDlg::kModemLine)->currentIndex(), 0);
        Combo(dialog, CPCSetUpDlg::kDirectBaud)->setEditText("115200");
        Combo(dialog, CPCSetUpDlg::kModemBaud)->setEditText("2400");
        Combo(dialog, CPCSetUpDlg::kModemLine)->setCurrentText("ttyS1");
        Edit(dialog, CPCSetUpDlg::kDataFolderEdit)
            ->setText(QString::fromStdString((folder_ / "Loggers/").string()));
        dialog.accept();
    });
    EXPECT_EQ(result, IDOK);
    EXPECT_EQ(settings_.directPort, "ttyUSB7");
    EXPECT_EQ(settings_.directBaud, 115200);
    EXPECT_EQ(settings_.modemBaud, 2400);
    EXPECT_EQ(settings_.modemLineName, "ttyS1");
    EXPECT_EQ(settings_.dataDir, (folder_ / "Loggers").string());
    EXPECT_EQ((store_.values[{"Modem Connect", "ModemBaud"}]), "2400");
    EXPECT_EQ((store_.values[{"Direct Connect", "DirectBaud"}]), "115200");
}

TEST_F(TeldrinPcSetupDlgTest, SaveRefusesAFolderThatDoesNotExistAndShowsThePreviousOneAgain) {
    for (const int id : {CPCSetUpDlg::kDataFolderEdit, CPCSetUpDlg::kLoggerListFolderEdit}) {
        SCOPED_TRACE(id);
        const teldrin::CRegistryValues before = settings_;
        const int result = Run([&](CPCSetUpDlg& dialog) {
            QLineEdit* edit = Edit(dialog, id);
            const QString previous = edit->text();
            edit->setText(QString::fromStdString((folder_ / "Missing").string()));
            QString told;
            testsupport::OnNextModal([&](QWidget* box) {
                told = static_cast<QMessageBox*>(box)->text();
                box->close();
            });
            dialog.accept();
            EXPECT_TRUE(dialog.isVisible());
            EXPECT_EQ(told, id == CPCSetUpDlg::kDataFolderEdit ? "Invalid Data File Directory Specified"
                                                               : "Invalid Logger File Folder Specified");
            EXPECT_EQ(edit->text(), previous);
            dialog.reject();
        });
        EXPECT_EQ(result, IDCANCEL);
        EXPECT_EQ(settings_.dataDir, before.dataDir);
        EXPECT_EQ(settings_.loggerListDir, before.loggerListDir);
        EXPECT_TRUE(store_.writes.empty());
    }
}

}  // namespace
