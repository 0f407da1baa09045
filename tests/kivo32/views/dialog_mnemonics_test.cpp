// Every dialog the program builds, every menu of the menu bar and the grid's menu, in English and in
// French: no two enabled controls or entries of one menu share a shortcut key.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QGroupBox>
#include <QLabel>
#include <QMenu>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>

#include "kivo32/app/command_ids.h"
#include "kivo32/app/logger_menu.h"
#include "kivo32/app/main_menu.h"
#include "kivo32/controls/picture_dlg.h"
#include "kivo32/controls/progress_dialog.h"
#include "kivo32/dialogs/display_text_dlg.h"
#include "kivo32/loadprofile/load_profile_ids.h"
#include "kivo32/setupeditor/get_sut_type_dlg.h"
#include "kivo32/setupeditor/sut_ct_size_ambrix_dlg.h"
#include "kivo32/setupeditor/sut_ct_size_dlg.h"
#include "kivo32/setupeditor/sut_type_help.h"
#include "kivo32/views/dialog_extract_data_by_date.h"
#include "kivo32/views/dialog_extract_data_by_record.h"
#include "kivo32/views/extracted_range_save_dlg.h"
#include "kivo32/views/graph_assign_y_axes_dlg.h"
#include "kivo32/views/graph_object_attributes.h"
#include "kivo32/views/graph_options.h"
#include "kivo32/views/graph_sel_range_dlg.h"
#include "kivo32/views/graph_sel_type_dlg.h"
#include "kivo32/views/graphing_keys_help_dlg.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/program_texts.h"
#include "platform/ui/graph/graph_settings_dialog.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/resource_texts.h"
#include "platform/ui/ui_ids.h"
#include "shared/controls/com_port_prefs_dlg.h"
#include "shared/controls/lost_port_dialog.h"
#include "tests/kivo32/views/fake_graph_dialog_grid.h"
#include "tests/kivo32/views/grid_fixture.h"
#include "tests/support/fake_app_context.h"
#include "tests/support/fake_serial_port_source.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

using DialogFactory = std::function<std::unique_ptr<QWidget>()>;

const std::map<std::string, DialogFactory>& Dialogs() {
    static const std::map<std::string, DialogFactory> dialogs = {
        {"CDisplayTextDlg", [] { return std::make_unique<CDisplayTextDlg>(false); }},
        {"CPictureDlg", [] { return std::make_unique<CPictureDlg>(222); }},
        {"CProgressDialog", [] { return std::make_unique<CProgressDialog>(); }},
        {"CGetSUTTypeDlg", [] { return std::make_unique<CGetSUTTypeDlg>(); }},
        {"CSUTCTSizeAmbrixDlg", [] { return std::make_unique<CSUTCTSizeAmbrixDlg>(); }},
        {"CSUTCTSizeAmbrixDlg with its catalogue",
         [] {
             return std::make_unique<CSUTCTSizeAmbrixDlg>(nullptr,
                                                          [](QWidget*) { return std::optional<CTChoice>(); });
         }},
        {"CSUTCTSizeDlg", [] { return std::make_unique<CSUTCTSizeDlg>(); }},
        {"CSUTTypeHelp", [] { return std::make_unique<CSUTTypeHelp>(); }},
        {"CDialogExtractDataByDate",
         [] { return std::make_unique<CDialogExtractDataByDate>(45000.0, 45001.5); }},
        {"CDialogExtractDataByRecord", [] { return std::make_unique<CDialogExtractDataByRecord>(500); }},
        {"CExtractedRangeSaveDlg", [] { return std::make_unique<CExtractedRangeSaveDlg>("North feeder"); }},
        {"CGraphAssignYAxesDlg",
         [] {
             return std::make_unique<CGraphAssignYAxesDlg>(std::vector<std::string>{"V1", "I1", "P1"});
         }},
        {"CGraphOptions", [] { return std::make_unique<CGraphOptions>(); }},
        {"CGraphingKeysHelpDlg", [] { return std::make_unique<CGraphingKeysHelpDlg>(); }},
        {"CGraphSelRangeDlg",
         [] {
             static testsupport::FakeGrid grid(100, 6);
             static CGraphObjectAttributes attributes("KIVO 15");
             return std::make_unique<CGraphSelRangeDlg>(grid, attributes, nullptr);
         }},
        {"CGraphSelTypeDlg",
         [] {
             static testsupport::FakeGrid grid(100, 6);
             return std::make_unique<CGraphSelTypeDlg>(grid, std::vector<std::string>{"V1", "I1", "P1"});
         }},
        {"GraphSettingsDialog",
         [] { return std::make_unique<platform::GraphSettingsDialog>(platform::GraphSettings()); }},
        {"CCOMPortPrefsDlg",
         [] {
             return std::make_unique<CCOMPortPrefsDlg>(
                 nullptr, std::make_unique<testsupport::FakeSerialPortSource>(
                              std::vector<platform::SerialPortInfo>{{"ttyUSB0", "FT232R USB UART", ""}}));
         }},
        {"CLostPortDialog", [] { return std::make_unique<CLostPortDialog>(nullptr); }},
    };
    return dialogs;
}

// The key after a single '&' ("&&" shows an ampersand), in lower case; none without one.
std::optional<QChar> MnemonicOf(const QString& text) {
    for (qsizetype i = 0; i + 1 < text.size(); ++i) {
        if (text[i] == '&') {
            if (text[i + 1] != '&') {
                return text[i + 1].toLower();
            }
            ++i;
        }
    }
    return std::nullopt;
}

// The shortcut keys the user can reach in `dialog`, each with the texts that claim it.
std::map<QChar, QStringList> Mnemonics(QWidget* dialog) {
    std::map<QChar, QStringList> keys;
    const auto claim = [&](const QWidget* target, const QString& text) {
        const auto key = MnemonicOf(text);
        if (key && target->isEnabled() && target->isVisibleTo(dialog)) {
            keys[*key].append(text);
        }
    };
    for (const QAbstractButton* button : dialog->findChildren<QAbstractButton*>()) {
        claim(button, button->text());
    }
    for (const QGroupBox* group : dialog->findChildren<QGroupBox*>()) {
        claim(group, group->title());
    }
    for (const QLabel* label : dialog->findChildren<QLabel*>()) {
        // A label's key moves the focus to its buddy; without one it reaches nothing.
        if (label->buddy() != nullptr && label->isVisibleTo(dialog)) {
            claim(label->buddy(), label->text());
        }
    }
    return keys;
}

class DialogMnemonicsTest : public testsupport::QtTest {
protected:
    ~DialogMnemonicsTest() override { SetProgramTexts(platform::EnglishTexts()); }

    testsupport::FakeAppContext app_;
    testsupport::ScriptedUiBroker boxes_{IDOK};
};

TEST_F(DialogMnemonicsTest, NoTwoEnabledControlsShareAShortcutKeyInEitherLanguage) {
    for (std::string_view library : {platform::kEnglishResources, platform::kFrenchResources}) {
        ASSERT_TRUE(platform::LoadResourceLibrary(library));
        for (const auto& [name, make] : Dialogs()) {
            const std::unique_ptr<QWidget> dialog = make();
            dialog->show();
            for (const auto& [key, texts] : Mnemonics(dialog.get())) {
                EXPECT_EQ(texts.size(), 1) << library << " " << name << " Alt+" << QString(key).toStdString()
                                           << ": " << texts.join(" | ").toStdString();
            }
            dialog->hide();
        }
    }
}

// The menu bar as the frame shows it for each kind of logger and calibration level.
std::vector<CMenuEntries> MenuBarsOfEveryLogger() {
    std::vector<CMenuEntries> menuBars;
    for (const bool newProtocol : {false, true}) {
        for (const int calibrationLevel : {0, 1, 2}) {
            for (const bool wiFi : {false, true}) {
                CMenuEntries menuBar = MainMenuEntries();
                ApplyLoggerMenuRule(menuBar, {newProtocol, calibrationLevel, true, wiFi, true});
                menuBars.push_back(std::move(menuBar));
            }
        }
    }
    return menuBars;
}

// Each popup of `entries` (the menu bar included) with a path of labels for the failure message.
void ForEachMenu(const CMenuEntries& entries, const std::string& path,
                 const std::function<void(const CMenuEntries&, const std::string&)>& visit) {
    visit(entries, path);
    for (const CMenuEntry& entry : entries) {
        if (entry.kind == CMenuEntry::Kind::Popup) {
            ForEachMenu(entry.items, path + " > " + entry.label, visit);
        }
    }
}

// Each command entry of `entries` and of their popups.
void ForEachCommand(const CMenuEntries& entries, const std::function<void(const CMenuEntry&)>& visit) {
    for (const CMenuEntry& entry : entries) {
        if (entry.kind == CMenuEntry::Kind::Popup) {
            ForEachCommand(entry.items, visit);
        } else if (entry.kind == CMenuEntry::Kind::Command) {
            visit(entry);
        }
    }
}

TEST_F(DialogMnemonicsTest, EveryMenuEntryHasAShortcutKeyOfItsOwnInEitherLanguage) {
    for (std::string_view library : {platform::kEnglishResources, platform::kFrenchResources}) {
        ASSERT_TRUE(platform::LoadResourceLibrary(library));
        for (const CMenuEntries& menuBar : MenuBarsOfEveryLogger()) {
            ForEachMenu(menuBar, "", [&](const CMenuEntries& menu, const std::string& path) {
                std::map<QChar, QStringList> keys;
                for (const CMenuEntry& entry : menu) {
                    // The recent files are numbered when the menu opens.
                    if (entry.kind == CMenuEntry::Kind::Separator || entry.label.empty()) {
                        continue;
                    }
                    const QString label = platform::ToQString(entry.label);
                    const auto key = MnemonicOf(label);
                    EXPECT_TRUE(key.has_value()) << library << path << ": " << entry.label;
                    if (key) {
                        keys[*key].append(label);
                    }
                }
                for (const auto& [key, labels] : keys) {
                    EXPECT_EQ(labels.size(), 1) << library << path << " Alt+" << QString(key).toStdString()
                                                << ": " << labels.join(" | ").toStdString();
                }
            });
        }
    }
}

TEST_F(DialogMnemonicsTest, EveryMenuCommandThatOpensADialogSaysSo) {
    // The commands that ask for more before they act, in a window of their own.
    const std::set<unsigned> opensADialog = {ID_FILE_OPEN,
                                             ID_OPEN_DATA_FILE,
                                             ID_FILE_SAVE_AS,
                                             ID_FILE_PRINT,
                                             ID_FILE_PRINT_SETUP,
                                             ID_CONVERT_CSV,
                                             ID_EXPORT_DATA_FILE,
                                             ID_PC_SETUP,
                                             ID_CONNECT_NETWORK,
                                             ID_CONNECT_MODEM,
                                             ID_LOGGER_NETWORK_INFO,
                                             ID_LOGGER_WIFI_INFO,
                                             ID_LOGGER_DOWNLOAD,
                                             ID_LOGGER_PROGRAM,
                                             ID_LOGGER_SET_TIME,
                                             ID_LOGGER_SET_BAUD,
                                             ID_LOGGER_SET_DESCRIPTION,
                                             ID_LOGGER_CALL_SCHEDULE,
                                             ID_LOGGER_MODEM_STRING,
                                             ID_LOGGER_PROPERTIES,
                                             ID_LOGGER_ENERGY_SUMMARY,
                                             ID_LOGGER_FIRMWARE_UPDATE,
                                             ID_LOGGER_SET_IDS,
                                             ID_LOGGER_SET_SCALARS,
                                             ID_LOGGER_CAL_AMP,
                                             ID_LOGGER_CAL_VOLT_TEMP,
                                             ID_LOGGER_AUTO_CALIBRATION,
                                             ID_GRID_DATA_ERRORS,
                                             ID_GRID_FILE_SUMMARY,
                                             ID_FILE_ENERGY_SUMMARY,
                                             ID_GRID_EXTRACT_BY_DATE,
                                             ID_GRID_EXTRACT_BY_RECORD,
                                             ID_GRAPH_OPTIONS,
                                             ID_GRAPHING_KEYS_HELP,
                                             ID_LOAD_PROFILE_EXPORT_CSV,
                                             ID_LOAD_PROFILE_GRAPH_PICTURE,
                                             ID_OPEN_LOGGER_LIST,
                                             ID_TERMINAL_MODE,
                                             ID_THD_CALCULATOR,
                                             ID_CHECK_FOR_UPDATES,
                                             ID_APP_ABOUT,
                                             ID_LOGGER_WEB_PASSWORD};
    for (std::string_view library : {platform::kEnglishResources, platform::kFrenchResources}) {
        ASSERT_TRUE(platform::LoadResourceLibrary(library));
        for (const CMenuEntries& menuBar : MenuBarsOfEveryLogger()) {
            ForEachCommand(menuBar, [&](const CMenuEntry& entry) {
                EXPECT_EQ(entry.label.ends_with("..."), opensADialog.contains(entry.id))
                    << library << " " << entry.id << ": " << entry.label;
            });
        }
    }
}

class GridMenuMnemonicsTest : public gridtest::MouseGridFixture {
protected:
    void TearDown() override {
        SetProgramTexts(platform::EnglishTexts());
        MouseGridFixture::TearDown();
    }
};

TEST_F(GridMenuMnemonicsTest, TheGridsMenuGivesEachEntryAShortcutKeyOfItsOwnInEitherLanguage) {
    Drag(5, 3, 8, 4);
    for (std::string_view library : {platform::kEnglishResources, platform::kFrenchResources}) {
        ASSERT_TRUE(platform::LoadResourceLibrary(library));
        view_->OnRButtonUp(6, 4, 10, 10);
        QMenu* menu = view_->ContextMenu();
        ASSERT_NE(menu, nullptr);
        std::map<QChar, QStringList> keys;
        for (const QAction* action : menu->actions()) {
            if (const auto key = MnemonicOf(action->text())) {
                keys[*key].append(action->text());
            }
        }
        for (const auto& [key, labels] : keys) {
            EXPECT_EQ(labels.size(), 1) << library << " Alt+" << QString(key).toStdString() << ": "
                                        << labels.join(" | ").toStdString();
        }
        menu->close();
        QApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }
}

}  // namespace
