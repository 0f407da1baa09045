// CSetupTableView: the setup-table document's form. One form for every logger model, built for the
// model of the document's setup: it shows the model's general page and channel pages, exchanges their
// fields within their limits, proposes start and stop times, shows how long the memory lasts, edits the
// alarms and the peak-demand window, and prints the setup.
#pragma once

#include <QScrollArea>
#include <array>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kivo32/controls/check_combo_form.h"
#include "kivo32/setupeditor/setup_form_layout.h"
#include "kivo32/setupeditor/setup_print_out.h"
#include "kivo32/setupeditor/sut_ct_size_ambrix_dlg.h"
#include "kivo32/setuprules/channel_form_state.h"
#include "kivo32/setuprules/control_id_tables.h"
#include "kivo32/setuprules/interval_choices.h"
#include "kivo32/setuprules/setup_logger_facts.h"
#include "kivo32/setuprules/setup_times.h"
#include "platform/ui/control_id.h"
#include "platform/ui/view.h"

class CSUTDoc;
class CSetupTable;
class CSUTAlarm;

namespace platform {
class DataExchange;
}

class CSetupTableView : public platform::View, public CCheckComboForm {
    Q_OBJECT

public:
    // Loads the main frame's toolbar by id (15 while a setup view is active, 10 after); the program
    // installs it.
    using ToolbarLoader = std::function<void(int toolbarId)>;
    static void SetToolbarLoader(ToolbarLoader loader);
    // Asks the session for the connected logger's clock and firmware: they come to `target` as
    // WM_SETUP_LOGGER_FACTS with a SetupLoggerFacts payload; false without a session.
    using LoggerClockRequester = std::function<bool(std::shared_ptr<platform::MessageTarget> target)>;
    static void SetLoggerClockRequester(LoggerClockRequester requester);
    // Makes a line frequency ("60", "50", "Auto") the program's default for new setups; the program
    // installs it.
    using LineFrequencySaver = std::function<void(const std::string& frequency)>;
    static void SetLineFrequencySaver(LineFrequencySaver saver);

    explicit CSetupTableView(QWidget* parent = nullptr);
    ~CSetupTableView() override;

    CSUTDoc* GetDocument() const;
    // The active view of the active frame when it is a setup view.
    static CSetupTableView* GetActiveSetupView();

    // Builds the form for the model of the document's setup, then shows the setup.
    void OnInitialUpdate() override;
    // Takes the document's setup into the form (nothing is marked modified).
    void OnUpdate(platform::View* sender, long hint) override;
    void OnActivateView(bool active) override;
    void OnMessage(platform::Message& message) override;
    // The program command refuses a setup that still carries the default setup's name.
    bool OnCommand(unsigned id) override;

    // 1 for a document of format version 403 or above; else by the logger firmware version of its setup:
    // -1 not known, -2 too old for timed start and stop, 1 fit.
    int CheckFirmwareLevel() const;
    int GetFirmwareLevel() const { return firmware_level_; }

    // Fields into the controls (false) or the controls into the fields (true), within their limits: a
    // value out of range is refused with its message and keeps the focus. False when refused.
    bool UpdateData(bool saveAndValidate = true);
    // The one writer of the form into the setup table: the fields, the times, the wiring (with `warn`,
    // asking whether to go back and mend a doubtful one) and the CT ratings are checked first, then the
    // whole form is written; with `markModified` a write that changed the table marks the document.
    // False, with the table as it was, when anything was refused or the user chose to mend.
    virtual bool ValidateSetup(bool markModified, bool warn);
    // Writes the text of the value-option box that closed last into its byte of the setup table and
    // refreshes the memory time; nothing without such a box.
    void CommitOptionControl();

    // The control-id tables of the form's model.
    int GetValueControlId(int channel, int column) const {
        return tables_.GetValueControlId(channel, column);
    }
    const ControlIdTables& GetControlIdTables() const { return tables_; }
    // A channel's fields as the form holds them (0-3 hardware, 4-5 software).
    const ChannelFormState& GetChannelState(int channel) const { return channels_.at(channel); }
    int GetCurrentType(int channel) const { return page_types_.at(channel); }

    // Channel pages: builds channel `channel`'s page for `type` whenever it differs from the page shown
    // (type 0 hides the page); shows or hides a channel's group of controls.
    void BuildChannelPage(int type, int channel);
    void ShowChannelGroup(int channel, bool show);
    // Runs the channel type handler of a whole-form load: the page is built, nothing reset or modified.
    void ApplyLoadedChannelType(int channel, int type);

    // The user's changes of what a channel measures. An unchanged choice does nothing; a new one resets
    // the channel to the type's defaults, stores the type in the setup table, rebuilds the page and
    // marks the document modified. Software channels need two power channels (channel 6 three) and
    // are switched off without them; a new one sums the power channels.
    void OnChannelTypeChange(int channel, int type);
    void OnSoftwareChannelChange(int channel, int type);
    // CT kind list of a Quarven model: 0 the catalogue, 1 a millivolt CT, 2 the fixed "RoCoil".
    void OnCTKindChange(int channel, int item);
    // Model 14's analog input 0-3: item 0 off, 1-3 types 15-17 with their ranges.
    void OnAnalogTypeChange(int input, int item);
    // Model 13's pulse input 0-1: item 0 off (its record cleared), 1 on with fresh fields.
    void OnPulseChannelChange(int input, int item);
    // The general page: timed start or stop where the logger can, the line frequency (offered as the
    // program's default too), the interval.
    void OnTimedStartOrStop(bool start);
    void OnLineFrequencyChosen(int item);
    void OnIntervalSelectionChange();
    void OnIntervalChosen();

    // The transformers of a default setup: a size below model 13; the kind, rating and second value on
    // the Quarven models. nullopt when the user cancels.
    struct DefaultCTs {
        bool fixed = false;
        float rating = 100.0f;
        float second = 0.0f;
    };
    // Replaces the edited setup by the ready-made setup of `path` after asking for the transformers,
    // which every hardware channel then takes; the model stays the edited one. A cancelled question or a
    // file that fails to read changes nothing. `command` (32885-32888) names the wiring.
    void LoadDefaultSetup(const std::filesystem::path& path, unsigned command);
    // The default setup of a command 32885-32888 from the user data folder; other commands do nothing.
    void OnDefaultSetupCommand(unsigned command);
    unsigned GetLastDefaultCommand() const { return last_default_command_; }
    // The wiring picture of the default setup loaded last; nothing before the first.
    void ShowWiringPicture();
    // A program button's command (32823, 32825), routed as the menus route theirs.
    void RouteProgramCommand(unsigned command);

    // Start and stop times: enabling fills fields without a time from the logger's clock (the PC's until
    // it answers, or without a session), seconds 0; disabling a group without a time shows "00".
    void EnableStartTime(bool enable);
    void EnableStopTime(bool enable);
    // A time field rewritten as two digits; a field's characters other than digits removed (the caret
    // one place back, a beep when anything went). The fields run both as the user types and leaves them.
    void ReformatTimeField(int controlId);
    void StripNonDigits(int controlId);
    // The enabled time fields whose number differs from the form's field mark the document modified and
    // become the form's; the document runs this before it decides on saving, so that a field still being
    // edited counts.
    void CommitTimeFields();
    // Binds up-down control `spinId` to time field `fieldId` with the range `low` to `high`, at the field's
    // number, and selects the field's text. A time field gaining the focus takes its group's spin.
    void AttachSpin(int spinId, int fieldId, int low, int high);
    // The time of the six fields in the timed mode (0 otherwise); nullopt after the message of the first
    // field out of range.
    std::optional<std::uint32_t> GetStartTimeFromFields();
    std::optional<std::uint32_t> GetStopTimeFromFields();
    // The memory time at the chosen interval, for the two memory texts.
    std::pair<std::string, std::string> FormatMemoryTime() const;
    // The interval code of the interval list's selection; the setup's own code without one.
    int SelectedIntervalCode() const;

    // The averages check box: checked when the first three and the sixth value options of every power
    // and sum channel hold "A"; checking it adds "A" to those that lack it and stores their options in
    // the setup table.
    void UpdateAllAveragesCheck();
    void OnAllAverages();
    void AddAverageOption(int channel, std::string& text, int column);

    // The alarm and peak-demand editors the check-combo boxes reach (CCheckComboForm).
    bool EditAlarmForControl(int controlId);
    int LoggerType() const override;
    std::string ChannelKindName() const override;
    bool IsAlarmSetForControl(int controlId) override;
    int IsPeakWindowChannel(int controlId) override;
    void ValidateChannelControl(int controlId) override { EditAlarmForControl(controlId); }
    void EditPeakWindowForControl(int controlId) override;
    void SetDocumentModified() override;
    void SetOpenCheckCombo(CCheckComboBox* combo) override;
    std::shared_ptr<platform::MessageTarget> MessageTarget() override { return Target(); }

    // Printing: the setup is checked first, then laid out in pages of whole items (general settings,
    // hardware, software and pulse channels), each drawn by SetupPrintOut.
    bool OnPreparePrinting(platform::PrintInfo& info) override;
    void OnBeginPrinting(platform::PagePainter& painter, platform::PrintInfo& info) override;
    void OnPrint(platform::PagePainter& painter, platform::PrintInfo& info) override;
    void OnEndPrinting(platform::PagePainter& painter, platform::PrintInfo& info) override;

protected:
    // A CT from the catalogue; nullopt when the user cancels.
    virtual std::optional<CTChoice> ChooseCatalogueCT();
    // Asks for the transformers of a default setup.
    virtual std::optional<DefaultCTs> AskDefaultCTs();

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    int Model() const;
    const CSetupTable& Table() const;
    void DoDataExchange(platform::DataExchange& exchange);
    void ExchangeGeneralPage(platform::DataExchange& exchange);
    void ExchangeHardwareChannels(platform::DataExchange& exchange);
    void ExchangeSoftwareChannels(platform::DataExchange& exchange);
    // The lists and text limits of a channel's section (WM_PREPARE_CHANNEL_SECTION).
    void PrepareChannelSection(int code);
    void UpdateMemoryTexts();
    void FillIntervalList();
    void LoadInputsFromSetup();
    void SetChannelCaptions(int channel, int type);
    void AttachOptionBox(int channel, int column, int kind);
    void ArrangeDateFields();
    void FillTimeFields(const int (&ids)[6], TimeFields& fields, std::uint32_t time);
    void EnableTimeGroup(const int (&ids)[6], TimeFields& fields, std::uint32_t time, bool enable);
    void ConnectTimeFields();
    // Sizes the frame to the whole form, as far as the main window's area has room.
    void FitFrameToForm();
    void CommitTimeField(const int (&ids)[6], TimeFields& fields, int field);
    void AttachFieldSpin(const int (&ids)[6], int field);
    void OnTimeSpun(int spinId, int value);
    std::optional<std::uint32_t> TimeFromFieldGroup(const int (&ids)[6], unsigned titleId);
    // The proposal of a new start or stop time.
    std::tm ProposedTime() const;
    void OnLoggerFacts(const SetupLoggerFacts& facts);
    // Runs the alarm dialog on the view's own record of the channel's alarm; whether it is on after.
    bool RunAlarmDialog(int channel, int alarm, unsigned titleId, bool countMode, bool thousands);
    void UpdateAlarmsInUseFlag();
    void ConnectChannelHandlers();
    void ConnectFieldHandlers();
    void ConnectTypedEdits();
    std::array<bool, 4> PowerChannels() const;
    void UpdateIncludeBoxes(int hardware, bool on);
    bool IsSoftwareChannelAvailable(int channel) const;
    void ApplySoftwareAvailability();
    void ShowSoftwareChannels();
    void SwitchOffSoftwareChannel(int channel);
    void RebuildPulseChannelLists();
    // Rewrites one channel's controls from its fields.
    void RefreshChannelControls(int channel);
    bool IsExchanged(int channel) const { return only_channel_ < 0 || only_channel_ == channel; }
    // The transfer's checks: true when the setup may be written. A question answered Yes focuses the
    // control to mend and refuses.
    bool WiringAccepted();
    bool ChannelFieldsAccepted(bool warn);
    bool AsksToMend(unsigned messageId, const std::string& argument, int focusId);
    void FocusControl(int controlId);
    int ChannelControlId(int channel, int column) const;
    // The whole form into `table`, with the given start and stop times (0: none).
    void WriteForm(CSetupTable& table, std::uint32_t startTime, std::uint32_t stopTime);
    // Model 13's pulse and model 14's analog inputs into the table.
    void WriteInputs(CSetupTable& table) const;
    // The analog input (0-3) whose option edit `controlId` is; -1 for none.
    int AnalogOptionInput(int controlId) const;
    template <class Control>
    Control* Find(int id) const {
        return content_ != nullptr ? platform::FindControlAs<Control>(content_, id) : nullptr;
    }
    // What the general-settings page of the print-out shows of the setup.
    SetupViewSettings GetPrintSettings() const;

    QScrollArea* scroll_;
    QWidget* content_ = nullptr;
    SetupFormWidgets widgets_;
    ControlIdTables tables_;
    std::vector<IntervalChoice> intervals_;
    std::array<ChannelFormState, 6> channels_{};
    std::array<int, 6> page_types_{};
    std::array<bool, 6> sections_prepared_{};
    int firmware_level_ = 0;
    bool built_ = false;
    bool loading_ = false;
    // The general page's fields.
    std::string title_;
    std::string setup_name_;
    int interval_code_ = 2;
    int frequency_choice_ = 0;
    int demand_minutes_ = 15;
    int start_mode_ = 1;
    int stop_mode_ = 3;
    std::uint32_t start_time_ = 0;
    std::uint32_t stop_time_ = 0;
    TimeFields start_fields_;
    TimeFields stop_fields_;
    // The connected logger's clock and firmware when the session answered; the PC clock serves until
    // then, and without a session.
    std::optional<std::tm> logger_clock_;
    std::optional<int> connected_firmware_;
    CCheckComboBox* open_combo_ = nullptr;
    int last_option_box_ = 0;
    // The channel the data exchange is limited to; -1 for the whole form.
    int only_channel_ = -1;
    // The CT kind item each channel showed last.
    std::array<int, 4> ct_kind_items_{};
    // The command of the default setup loaded last; 0 before the first.
    unsigned last_default_command_ = 0;
    SetupPrintPosition print_position_;
    std::vector<std::vector<int>> print_pages_;
};
