// CSetupTableView: the general page's handlers (start and stop modes, line frequency, interval, the
// form's own program command) and the marks that typed and ticked edits leave on the setup.
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "kivo32/controls/picture_dlg.h"
#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setupeditor/setup_table_view.h"
#include "kivo32/setupeditor/setupeditor_ids.h"
#include "kivo32/setuprules/default_setups.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/ui_broker.h"
#include "platform/ui/application.h"
#include "platform/ui/main_frame.h"
#include "platform/ui/qt_text.h"
#include "shared/common/message_box.h"
#include "shared/setup/setup_codes.h"

namespace {

CSetupTableView::LineFrequencySaver& FrequencySaver() {
    static CSetupTableView::LineFrequencySaver saver;
    return saver;
}

// The intervals below one minute.
bool IsShortInterval(int code) {
    return (code >= 7 && code <= 12) || code == 16;
}

// A default setup's name is framed by BEL characters, which show as nothing: once the user edits the
// name, it keeps only what they see.
void DropControlCharacters(QLineEdit& edit) {
    const QString text = edit.text();
    QString shown;
    int cursor = edit.cursorPosition();
    for (int at = 0; at < text.size(); ++at) {
        if (text[at].category() != QChar::Other_Control) {
            shown += text[at];
        } else if (at < edit.cursorPosition()) {
            --cursor;
        }
    }
    if (shown != text) {
        edit.setText(shown);
        edit.setCursorPosition(cursor);
    }
}

}  // namespace

void CSetupTableView::SetLineFrequencySaver(LineFrequencySaver saver) {
    FrequencySaver() = std::move(saver);
}

void CSetupTableView::ConnectFieldHandlers() {
    const auto onClick = [this](int id, auto handler) {
        if (auto* radio = Find<QRadioButton>(id)) {
            connect(radio, &QRadioButton::clicked, this, handler);
        }
    };
    onClick(IDC_FORM_START_AT_ONCE, [this] {
        start_mode_ = 1;
        start_time_ = 0;
        EnableStartTime(false);
        SetDocumentModified();
    });
    onClick(IDC_FORM_START_AT_TIME, [this] { OnTimedStartOrStop(true); });
    for (const int id : {IDC_FORM_STOP_RING, IDC_FORM_STOP_LINEAR}) {
        onClick(id, [this, id] {
            stop_mode_ = id == IDC_FORM_STOP_RING ? 3 : 4;
            // Without a timed stop the setup keeps no stop time.
            stop_time_ = 0;
            EnableStopTime(false);
            SetDocumentModified();
        });
    }
    onClick(IDC_FORM_STOP_AT_TIME, [this] { OnTimedStartOrStop(false); });
    if (auto* frequency = Find<QComboBox>(IDC_FORM_LINE_FREQUENCY)) {
        connect(frequency, &QComboBox::activated, this, &CSetupTableView::OnLineFrequencyChosen);
    }
    for (const int id : {IDC_FORM_INTERVAL, IDC_FORM_INTERVAL_STANDARD}) {
        if (auto* interval = Find<QComboBox>(id)) {
            connect(interval, &QComboBox::currentIndexChanged, this,
                    &CSetupTableView::OnIntervalSelectionChange);
            connect(interval, &QComboBox::activated, this, &CSetupTableView::OnIntervalChosen);
        }
    }
    for (int button = 0; button < 4; ++button) {
        if (auto* push = Find<QPushButton>(kDefaultSetupButtonIds[button])) {
            connect(push, &QPushButton::clicked, this,
                    [this, button] { OnDefaultSetupCommand(DefaultSetupCommand(kDefaultWirings[button])); });
        }
    }
    if (auto* picture = Find<QPushButton>(ID_SUT_WIRING_PICTURE)) {
        connect(picture, &QPushButton::clicked, this, [this] { OnCommand(ID_SUT_WIRING_PICTURE); });
    }
    for (const unsigned command : {ID_SUT_PROGRAM_FROM_FORM, ID_SUT_PROGRAM_FROM_FORM_FOOT}) {
        if (auto* program = Find<QPushButton>(static_cast<int>(command))) {
            connect(program, &QPushButton::clicked, this, [this, command] { RouteProgramCommand(command); });
        }
    }
    if (auto* minutes = Find<QComboBox>(IDC_FORM_DEMAND_MINUTES)) {
        connect(minutes, &QComboBox::activated, this, &CSetupTableView::SetDocumentModified);
    }
    ConnectTypedEdits();
}

void CSetupTableView::ConnectTypedEdits() {
    // What the user types or ticks reaches the table only when the setup is saved or programmed, so the
    // change itself marks the setup modified. The time fields count when their number changes
    // (CommitTimeFields); the title names the window and is not saved.
    if (auto* name = Find<QLineEdit>(IDC_FORM_SETUP_NAME)) {
        connect(name, &QLineEdit::textEdited, this, [this, name] {
            DropControlCharacters(*name);
            SetDocumentModified();
        });
    }
    std::vector<QWidget*> sections = {widgets_.pulseInputs, widgets_.analogInputs};
    for (const ChannelPageWidgets& page : widgets_.channels) {
        sections.push_back(page.group);
    }
    for (QWidget* section : sections) {
        if (section == nullptr) {
            continue;
        }
        for (QLineEdit* edit : section->findChildren<QLineEdit*>()) {
            connect(edit, &QLineEdit::textEdited, this, &CSetupTableView::SetDocumentModified);
        }
        for (QCheckBox* box : section->findChildren<QCheckBox*>()) {
            connect(box, &QCheckBox::clicked, this, &CSetupTableView::SetDocumentModified);
        }
    }
}

void CSetupTableView::OnTimedStartOrStop(bool start) {
    if (firmware_level_ == 1) {
        SetDocumentModified();
        if (start) {
            start_mode_ = 2;
            EnableStartTime(true);
        } else {
            stop_mode_ = 5;
            EnableStopTime(true);
        }
        return;
    }
    // The logger cannot start or stop at a time: the mode chosen before stays.
    const int keptId = start             ? IDC_FORM_START_AT_ONCE
                       : stop_mode_ == 3 ? IDC_FORM_STOP_RING
                                         : IDC_FORM_STOP_LINEAR;
    if (auto* kept = Find<QRadioButton>(keptId)) {
        kept->setChecked(true);
        kept->setFocus();
    }
    ShowMessageBoxId(
        firmware_level_ == -2 ? IDS_TIMED_START_FIRMWARE_TOO_OLD : IDS_TIMED_START_FIRMWARE_UNKNOWN,
        MB_OK | MB_ICONEXCLAMATION, true);
}

void CSetupTableView::OnLineFrequencyChosen(int item) {
    if (item != frequency_choice_ &&
        ShowMessageBoxId(IDS_LINE_FREQUENCY_AS_DEFAULT, MB_YESNO | MB_ICONQUESTION, true) == IDYES &&
        FrequencySaver()) {
        FrequencySaver()(item == 0 ? "60" : item == 1 ? "50" : "Auto");
    }
    frequency_choice_ = item;
    SetDocumentModified();
}

void CSetupTableView::OnIntervalSelectionChange() {
    if (loading_) {
        return;
    }
    if (Model() >= 1 && Model() <= 12 && IsShortInterval(SelectedIntervalCode())) {
        ShowMessageBoxId(IDS_SHORT_INTERVAL, MB_OK | MB_ICONINFORMATION, true);
    }
}

void CSetupTableView::OnIntervalChosen() {
    interval_code_ = SelectedIntervalCode();
    UpdateMemoryTexts();
    SetDocumentModified();
}

bool CSetupTableView::OnCommand(unsigned id) {
    if (id == ID_SUT_WIRING_PICTURE) {
        ShowWiringPicture();
        return true;
    }
    if (id != ID_SUT_PROGRAM_FROM_FORM && id != ID_SUT_PROGRAM_FROM_FORM_FOOT) {
        return platform::View::OnCommand(id);
    }
    auto* name = Find<QLineEdit>(IDC_FORM_SETUP_NAME);
    if (name == nullptr || platform::FromQString(name->text()) != kDefaultSetupName) {
        // The program's own command programs the logger with the open setup.
        return false;
    }
    // A default setup gets a name of its own before it reaches a logger.
    ShowMessageBoxId(IDS_DEFAULT_SETUP_NAME, MB_OK | MB_ICONEXCLAMATION, true);
    name->setFocus();
    name->selectAll();
    return true;
}

void CSetupTableView::RouteProgramCommand(unsigned command) {
    // As a menu command: the form first (its name guard), then the program, which programs the logger.
    const platform::Application* application = platform::Application::Instance();
    if (application != nullptr && application->GetMainWindow() != nullptr) {
        application->GetMainWindow()->RouteCommand(command);
    } else {
        OnCommand(command);
    }
}

void CSetupTableView::ShowWiringPicture() {
    const std::optional<DefaultWiring> wiring = DefaultWiringForCommand(last_default_command_);
    if (!wiring) {
        return;
    }
    CPictureDlg dialog(static_cast<unsigned>(WiringPictureId(*wiring, Model() >= kModelQuarvenRS)), this);
    platform::CurrentUiBroker().RunDialog("CPictureDlg", [&dialog] { return dialog.DoModal(); });
}
