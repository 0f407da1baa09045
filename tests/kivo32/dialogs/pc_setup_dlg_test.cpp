// The PC setup dialog offscreen: folders as stored and refused, the USB logger's port, the logger
// generation followed on the timer, Cancel, and OK with a baud rate outside the list.
#include "kivo32/dialogs/pc_setup_dlg.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QFocusEvent>

#include "kivo32/dialogs/dialogs_ids.h"
#include "kivo32/settings/registry_values.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/resource_texts.h"
#include "shared/controls/combo_box_port.h"
#include "shared/controls/controls_ids.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/fake_serial_port_source.h"
#include "tests/support/memory_profile_store.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/manual_ui_clock.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

namespace fs = std::filesystem;
using platform::FindControl;
using platform::FindControlAs;

const testsupport::MemoryProfileStore::Key kTeldrinLaunch{kKivoMiscSection, "TeldrinLaunch"};

class PCSetupDlgTest : public testing::Test {
protected:
    PCSetupDlgTest() {
        testsupport::EnsureQtApplication();
        SetProgramTexts(platform::EnglishTexts());
        for (const char* name : {"Data", "Setups", "Loggers", "Elsewhere"}) {
            fs::create_directories(folder_ / name);
        }
        registry_.Load(store_);
        registry_.dataDir = (folder_ / "Data").string();
        registry_.setupTableDir = (folder_ / "Setups").string();
        registry_.loggerListDir = (folder_ / "Loggers").string();
        registry_.directPort = "ttyS0";
        registry_.directBaud = 19200;
    }

    // Runs the dialog, acting on it once it shows; its result.
    int Run(const std::function<void(CPCSetupDlg&)>& action) {
        CPCSetupDlg::AppLinks links;
        links.olderModels = older_models_;
        links.setOlderModels = [this](bool on) { older_models_set_.push_back(on); };
        CPCSetupDlg dialog(
            registry_, store_, links, nullptr,
            std::make_unique<testsupport::FakeSerialPortSource>(std::vector<platform::SerialPortInfo>{
                {"ttyS0", "", "serial8250"}, {"ttyACM0", "QUARVEN RS", "cdc_acm"}}));
        testsupport::OnNextModal([&](QWidget*) { action(dialog); });
        return dialog.DoModal();
    }

    static QLineEdit* Edit(QWidget& dialog, int id) { return FindControlAs<QLineEdit>(&dialog, id); }
    static bool Hidden(QWidget& dialog, int id) { return FindControl(&dialog, id)->isHidden(); }
    static QString LabelText(QWidget& dialog) {
        return FindControlAs<QLabel>(&dialog, IDC_PC_LOGGER_KIND)->text();
    }
    static void LeaveField(QLineEdit* edit) {
        QFocusEvent focusOut(QEvent::FocusOut);
        QCoreApplication::sendEvent(edit, &focusOut);
    }

    testsupport::FakeAppContext context_;
    testsupport::ScriptedUiBroker broker_;
    testsupport::ManualUiClock clock_;
    testsupport::TempFolder folder_;
    testsupport::MemoryProfileStore store_;
    CRegistryValues registry_;
    bool older_models_ = true;
    std::vector<bool> older_models_set_;
};

TEST_F(PCSetupDlgTest, OkStoresTheFoldersWithoutATrailingSlashButKeepsTheRoot) {
    struct Case {
        std::string typed;
        std::string stored;
    };
    const std::string elsewhere = (folder_ / "Elsewhere").string();
    for (const Case& test : {Case{elsewhere + "/", elsewhere}, Case{"/", "/"}}) {
        SCOPED_TRACE(test.typed);
        const int result = Run([&](CPCSetupDlg& dialog) {
            Edit(dialog, IDC_PC_DATA_DIR)->setText(QString::fromStdString(test.typed));
            dialog.accept();
        });
        EXPECT_EQ(result, IDOK);
        EXPECT_EQ(registry_.dataDir, test.stored);
        EXPECT_EQ((store_.values[{"KIVO Dirs", "DataDir"}]), test.stored);
    }
    EXPECT_TRUE(broker_.Asked().empty());
}

TEST_F(PCSetupDlgTest, AFolderThatDoesNotExistIsRefusedAndTheFieldGetsItsOldValueBack) {
    const std::string old = registry_.setupTableDir;
    const int result = Run([&](CPCSetupDlg& dialog) {
        QLineEdit* edit = Edit(dialog, IDC_PC_SETUP_DIR);
        EXPECT_EQ(edit->text().toStdString(), old);
        // On leaving the field.
        broker_.AnswerMessageBox(IDOK);
        edit->setText(QString::fromStdString((folder_ / "Nowhere").string()));
        LeaveField(edit);
        EXPECT_EQ(edit->text().toStdString(), old);
        // And on OK, which keeps the dialog open.
        broker_.AnswerMessageBox(IDOK);
        edit->setText(QString::fromStdString((folder_ / "Nowhere").string()));
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(edit->text().toStdString(), old);
        dialog.reject();
    });
    EXPECT_EQ(result, IDCANCEL);
    const auto asked = broker_.Asked();
    ASSERT_EQ(asked.size(), 2u);
    for (const auto& question : asked) {
        EXPECT_EQ(question.text, LoadText(IDS_FOLDER_NOT_FOUND));
        EXPECT_EQ(question.style, MB_OK | MB_ICONEXCLAMATION);
    }
    EXPECT_EQ(registry_.setupTableDir, old);
}

TEST_F(PCSetupDlgTest, TheUsbLoggersPortHidesTheDirectBaudRateAndSelectsItsEighthEntry) {
    Run([&](CPCSetupDlg& dialog) {
        auto* port = FindControlAs<CComboBoxPort>(&dialog, IDC_PC_PORT);
        auto* baud = FindControlAs<QComboBox>(&dialog, IDC_PC_DIRECT_BAUD);
        EXPECT_EQ(port->currentIndex(), port->FindPortIndex("ttyS0"));
        EXPECT_FALSE(Hidden(dialog, IDC_PC_DIRECT_BAUD));
        EXPECT_EQ(baud->currentText(), "19200");

        port->setCurrentIndex(port->FindPortIndex("ttyACM0"));
        EXPECT_TRUE(Hidden(dialog, IDC_PC_DIRECT_BAUD));
        EXPECT_TRUE(Hidden(dialog, IDC_PC_DIRECT_BAUD_LABEL));
        EXPECT_EQ(baud->currentIndex(), 7);

        port->setCurrentIndex(port->FindPortIndex("ttyS0"));
        EXPECT_FALSE(Hidden(dialog, IDC_PC_DIRECT_BAUD));
        EXPECT_FALSE(Hidden(dialog, IDC_PC_DIRECT_BAUD_LABEL));
        dialog.reject();
    });
}

TEST_F(PCSetupDlgTest, AChangeOfLoggerTypeShowsWithinASecond) {
    older_models_ = false;
    Run([&](CPCSetupDlg& dialog) {
        // No logger and the older models not offered: their link settings are hidden.
        EXPECT_EQ(LabelText(dialog), platform::ToQString(LoadText(IDS_NO_LOGGER_KNOWN)));
        EXPECT_TRUE(Hidden(dialog, IDC_PC_MODEM_BAUD));
        EXPECT_TRUE(Hidden(dialog, IDC_PC_DIRECT_BAUD));

        context_.SetLoggerType(14);
        clock_.Advance(1000);
        EXPECT_EQ(LabelText(dialog), platform::ToQString(LoadText(IDS_NEW_PROTOCOL_LOGGER)));

        context_.SetLoggerType(5);
        clock_.Advance(999);
        EXPECT_EQ(LabelText(dialog), platform::ToQString(LoadText(IDS_NEW_PROTOCOL_LOGGER)));
        clock_.Advance(1);
        EXPECT_EQ(LabelText(dialog), platform::ToQString(LoadText(IDS_OLDER_MODEL_LOGGER)));
        for (int id : {IDC_PC_MODEM_LINE, IDC_PC_MODEM_LINE_LABEL, IDC_PC_MODEM_BAUD, IDC_PC_MODEM_BAUD_LABEL,
                       IDC_PC_MODEM_GROUP_LABEL, IDC_PC_DIRECT_BAUD, IDC_PC_DIRECT_BAUD_LABEL}) {
            EXPECT_FALSE(Hidden(dialog, id)) << id;
        }
        dialog.reject();
    });
}

TEST_F(PCSetupDlgTest, CancelLeavesTheSettingsAsTheyWereApartFromTheOlderModelsCheckBox) {
    const CRegistryValues before = registry_;
    const int result = Run([&](CPCSetupDlg& dialog) {
        Edit(dialog, IDC_PC_DATA_DIR)->setText(QString::fromStdString((folder_ / "Elsewhere").string()));
        FindControlAs<QComboBox>(&dialog, IDC_PC_DIRECT_BAUD)->setEditText("9600");
        FindControlAs<QCheckBox>(&dialog, IDC_PC_TELDRIN_LAUNCH)->setChecked(false);
        FindControlAs<QCheckBox>(&dialog, IDC_PC_OLDER_MODELS)->click();
        // Without the older models and no logger, their link settings go at once.
        EXPECT_TRUE(Hidden(dialog, IDC_PC_MODEM_BAUD));
        dialog.reject();
    });
    EXPECT_EQ(result, IDCANCEL);
    EXPECT_EQ(older_models_set_, std::vector<bool>{false});
    EXPECT_TRUE(store_.writes.empty());
    EXPECT_EQ(registry_.dataDir, before.dataDir);
    EXPECT_EQ(registry_.directBaud, before.directBaud);
    EXPECT_TRUE(context_.GetKnownPorts().empty());
}

TEST_F(PCSetupDlgTest, OkRefusesABaudRateOutsideTheListButStoresTheTeldrinChoiceAtOnce) {
    const int result = Run([&](CPCSetupDlg& dialog) {
        FindControlAs<QCheckBox>(&dialog, IDC_PC_TELDRIN_LAUNCH)->setChecked(false);
        auto* baud = FindControlAs<QComboBox>(&dialog, IDC_PC_DIRECT_BAUD);
        baud->setEditText("12345");
        broker_.AnswerMessageBox(IDOK);
        dialog.accept();
        EXPECT_TRUE(dialog.isVisible());
        EXPECT_EQ(store_.values[kTeldrinLaunch], "0");
        EXPECT_EQ((store_.values.count({"Direct Connect", "DirectBaud"})), 0u);

        baud->setEditText("9600");
        dialog.accept();
    });
    EXPECT_EQ(result, IDOK);
    ASSERT_EQ(broker_.Asked().size(), 1u);
    EXPECT_EQ(broker_.Asked()[0].text, LoadText(IDS_PC_BAUD_NOT_IN_LIST));
    EXPECT_EQ(registry_.directBaud, 9600);
    EXPECT_EQ((store_.values[{"Direct Connect", "DirectBaud"}]), "9600");
    EXPECT_EQ(registry_.directPort, "ttyS0");
    EXPECT_EQ(registry_.modemLineName, LoadText(IDS_NO_MODEM_LINE));
    EXPECT_EQ(context_.GetKnownPorts(), std::vector<std::string>{",ttyS0"});
}

TEST_F(PCSetupDlgTest, ATypedDevicePathIsKeptAsTypedAndShownAgainNextTime) {
    for (const char* typed : {"/dev/pts/7", "/dev/rfcomm0"}) {
        SCOPED_TRACE(typed);
        EXPECT_EQ(Run([&](CPCSetupDlg& dialog) {
                      FindControlAs<CComboBoxPort>(&dialog, IDC_PC_PORT)->setEditText(typed);
                      dialog.accept();
                  }),
                  IDOK);
        EXPECT_EQ(registry_.directPort, typed);
        EXPECT_EQ(context_.GetKnownPorts().front(), std::string(",") + typed);
        Run([&](CPCSetupDlg& dialog) {
            EXPECT_EQ(FindControlAs<CComboBoxPort>(&dialog, IDC_PC_PORT)->currentText().toStdString(), typed);
            dialog.reject();
        });
    }
}

TEST_F(PCSetupDlgTest, AFolderFieldNamesItsWholePathAndTheFieldsGrowWithTheWindow) {
    const std::string deep = (folder_ / "Elsewhere" / std::string(120, 'd')).string();
    fs::create_directories(deep);
    registry_.dataDir = deep;
    Run([&](CPCSetupDlg& dialog) {
        QLineEdit* data = Edit(dialog, IDC_PC_DATA_DIR);
        EXPECT_TRUE(data->toolTip().endsWith(QString::fromStdString(deep))) << data->toolTip().toStdString();
        EXPECT_TRUE(data->toolTip().startsWith(platform::ToQString(LoadText(IDS_PC_TIP_DATA_DIR))));
        // Wide enough for a usual path, and wider with the window.
        EXPECT_GE(data->width(), data->fontMetrics().horizontalAdvance(QString(40, 'x')));
        const int before = data->width();
        dialog.resize(dialog.width() + 300, dialog.height() + 100);
        QCoreApplication::processEvents();
        EXPECT_GE(data->width(), before + 250);
        dialog.reject();
    });
}

}  // namespace
