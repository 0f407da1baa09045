// CSetupTableView: the setup-table document's form. One form for every logger model, built for the
// model of the document's setup: it shows the model's general page and channel pages, exchanges their
// fields within their limits, proposes start and stop times, shows how long the memory lasts, edits the
// alarms and the peak-demand window, and prints the setup.
#pragma once

#include <QScrollArea>
#include <array>
#include <ctime>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "kivo32/controls/check_combo_form.h"
#include "kivo32/setupeditor/setup_form_layout.h"
#include "kivo32/setupeditor/setup_print_out.h"
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

    // 1 for a document of format version 403 or above; else by the logger firmware version of its setup:
    // -1 not known, -2 too old for timed start and stop, 1 fit.
    int CheckFirmwareLevel() const;
    int GetFirmwareLevel() const { return firmware_level_; }

    // Fields into the controls (false) or the controls into the fields (true), within their limits: a
    // value out of range is refused with its message and keeps the focus. False when refused.
    bool UpdateData(bool saveAndValidate = true);
    // Where the form's values will be written into the setup table and the wiring checked. Until that
    // transfer exists the table is all there is: the fields are checked and the setup passes.
    virtual bool ValidateSetup(bool markModified, bool warn);

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

    // Start and stop times: enabling fills fields without a time from the logger's clock (the PC's until
    // it answers, or without a session), seconds 0; disabling a group without a time shows "00".
    void EnableStartTime(bool enable);
    void EnableStopTime(bool enable);
    // A time field rewritten as two digits; a field's characters other than digits removed (the caret
    // one place back, a beep when anything went). The fields run both as the user types and leaves them.
    void ReformatTimeField(int controlId);
    void StripNonDigits(int controlId);
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
    void SetOpenCheckCombo(CCheckComboBox* combo) override { open_combo_ = combo; }
    std::shared_ptr<platform::MessageTarget> MessageTarget() override { return Target(); }

    // Printing: the setup is checked first, then laid out in pages of whole items (general settings,
    // hardware, software and pulse channels), each drawn by SetupPrintOut.
    bool OnPreparePrinting(platform::PrintInfo& info) override;
    void OnBeginPrinting(platform::PagePainter& painter, platform::PrintInfo& info) override;
    void OnPrint(platform::PagePainter& painter, platform::PrintInfo& info) override;
    void OnEndPrinting(platform::PagePainter& painter, platform::PrintInfo& info) override;

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
    std::optional<std::uint32_t> TimeFromFieldGroup(const int (&ids)[6], unsigned titleId);
    // The proposal of a new start or stop time.
    std::tm ProposedTime() const;
    void OnLoggerFacts(const SetupLoggerFacts& facts);
    // Runs the alarm dialog on the view's own record of the channel's alarm; whether it is on after.
    bool RunAlarmDialog(int channel, int alarm, unsigned titleId, bool countMode, bool thousands);
    void UpdateAlarmsInUseFlag();
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
    SetupPrintPosition print_position_;
    std::vector<std::vector<int>> print_pages_;
};
