// CSetupTableView: replacing the edited setup by a ready-made one for a common wiring, with the
// transformers the user gives.
#include <QComboBox>
#include <QPushButton>

#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setupeditor/setup_table_view.h"
#include "kivo32/setupeditor/sut_ct_size_ambrix_dlg.h"
#include "kivo32/setupeditor/sut_ct_size_dlg.h"
#include "kivo32/setupeditor/sut_doc.h"
#include "kivo32/setuprules/default_setups.h"
#include "kivo32/setuprules/setup_model_rules.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/ui_broker.h"
#include "shared/common/app_context.h"
#include "shared/common/message_box.h"
#include "shared/common/user_data_folder.h"
#include "shared/setup/file_header.h"
#include "shared/setup/setup_codes.h"
#include "shared/setup/setup_table_file.h"

namespace {

// The period a Quarven default setup takes.
constexpr int kQuarvenDefaultMinutes = 15;

// Channels the edited model has no page or type for are off.
void ResetForeignChannels(CSetupTable& table, int model) {
    for (int channel = 0; channel < 4; ++channel) {
        CSUTChannelHardware& record = table.GetHardwareChannel(channel);
        if (!HasChannelPage(model, channel) || ListIndexFromType(model, channel, record.GetType()) < 0) {
            record = CSUTChannelHardware{};
            record.SetType(kChannelOff);
        }
    }
    for (int software = 0; software < 2; ++software) {
        if (!HasChannelPage(model, 4 + software)) {
            table.GetSoftwareChannel(software) = CSUTChannelSoftware{};
        }
    }
}

}  // namespace

std::optional<CSetupTableView::DefaultCTs> CSetupTableView::AskDefaultCTs() {
    DefaultCTs answer;
    if (Model() < kModelQuarvenRS) {
        CSUTCTSizeDlg dialog(this);
        if (platform::CurrentUiBroker().RunDialog("CSUTCTSizeDlg", [&dialog] { return dialog.DoModal(); }) !=
            IDOK) {
            return std::nullopt;
        }
        answer.rating = static_cast<float>(dialog.GetCTSize());
        return answer;
    }
    CSUTCTSizeAmbrixDlg dialog(this, [this](QWidget*) { return ChooseCatalogueCT(); });
    if (platform::CurrentUiBroker().RunDialog("CSUTCTSizeAmbrixDlg",
                                              [&dialog] { return dialog.DoModal(); }) != IDOK) {
        return std::nullopt;
    }
    answer.fixed = dialog.GetKind() == CSUTCTSizeAmbrixDlg::kKindFixed;
    answer.rating = static_cast<float>(dialog.GetCTSize());
    answer.second = answer.fixed ? 0.0f : static_cast<float>(dialog.GetFactor());
    return answer;
}

void CSetupTableView::LoadDefaultSetup(const std::filesystem::path& path, unsigned command) {
    const int model = Model();
    const bool quarven = model >= kModelQuarvenRS;
    const std::optional<DefaultCTs> cts = AskDefaultCTs();
    if (!cts) {
        return;
    }
    // Read beside the document: a file that fails to read leaves form and document as they were.
    CFileHeader fileHeader;
    CSetupTable read;
    CPSTFileException openError;
    const SetupFileResult result = ReadSetupTableFile(path, fileHeader, read, openError);
    if (result != SetupFileResult::kOk) {
        if (result == SetupFileResult::kOpenFailed) {
            ShowMessageBox(openError.MessageText(), MB_OK | MB_ICONEXCLAMATION, true);
        }
        return;
    }
    const CSUTHeader& edited = Table().GetHeader();
    read.GetHeader().SetModelCode(static_cast<std::uint8_t>(model));
    read.GetHeader().SetFirmwareVersion(edited.GetFirmwareVersion());
    if (quarven) {
        read.GetExtendedData().SetDemandWindow(kQuarvenDefaultMinutes);
    }
    ResetForeignChannels(read, model);
    for (int channel = 0; channel < 4; ++channel) {
        CSUTChannelHardware& record = read.GetHardwareChannel(channel);
        record.SetCTSize(cts->rating);
        if (quarven) {
            record.SetCTType(cts->fixed ? 1 : 0);
            record.SetPhaseShift(cts->fixed ? 0.0f : cts->second);
        }
    }
    CSUTDoc* document = GetDocument();
    document->GetSetupTable() = read;
    last_default_command_ = command;
    if (auto* picture = Find<QPushButton>(ID_SUT_WIRING_PICTURE)) {
        picture->show();
    }
    OnUpdate(nullptr, 0);
    // The line frequency the program proposes for new setups.
    const std::string frequency = GetAppContext().GetDefaultSUTLineFreq();
    if (auto* list = Find<QComboBox>(IDC_FORM_LINE_FREQUENCY)) {
        const int item = frequency == "Auto" ? 2 : frequency == "60" ? 0 : 1;
        if (item < list->count()) {
            list->setCurrentIndex(item);
            frequency_choice_ = item;
        }
    }
    document->SetModifiedFlag(true);
}

void CSetupTableView::OnDefaultSetupCommand(unsigned command) {
    const std::optional<DefaultWiring> wiring = DefaultWiringForCommand(command);
    if (!wiring) {
        return;
    }
    LoadDefaultSetup(
        UserDataFolder() / "Default Setups" / DefaultSetupFileName(*wiring, Model() >= kModelQuarvenRS),
        command);
}
