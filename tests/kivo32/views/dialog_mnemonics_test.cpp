// Every dialog the program builds, in English and in French: no two enabled controls share a shortcut key.
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QGroupBox>
#include <QLabel>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "kivo32/controls/picture_dlg.h"
#include "kivo32/controls/progress_dialog.h"
#include "kivo32/dialogs/display_text_dlg.h"
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
#include "platform/base/program_texts.h"
#include "platform/ui/graph/graph_settings_dialog.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/resource_texts.h"
#include "shared/controls/com_port_prefs_dlg.h"
#include "shared/controls/lost_port_dialog.h"
#include "tests/kivo32/views/fake_graph_dialog_grid.h"
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

}  // namespace
