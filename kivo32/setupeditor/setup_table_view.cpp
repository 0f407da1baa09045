// CSetupTableView: building the form for the model, taking the setup into it, its data exchange, its own
// messages and the print-out.
#include "kivo32/setupeditor/setup_table_view.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QVBoxLayout>
#include <algorithm>

#include "kivo32/controls/check_combo_box.h"
#include "kivo32/controls/controls_ids.h"
#include "kivo32/setupeditor/setup_form_exchange.h"
#include "kivo32/setupeditor/setup_form_ids.h"
#include "kivo32/setupeditor/setup_page_plan.h"
#include "kivo32/setupeditor/setupeditor_ids.h"
#include "kivo32/setupeditor/sut_doc.h"
#include "kivo32/setuprules/memory_time.h"
#include "kivo32/setuprules/setup_model_rules.h"
#include "kivo32/setuprules/setuprules_ids.h"
#include "platform/base/local_time.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/base/text_format.h"
#include "platform/ui/application.h"
#include "platform/ui/child_frame.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/datafile/raw_data.h"
#include "shared/setup/firmware_level.h"

namespace {

CSetupTableView::ToolbarLoader& Toolbar() {
    static CSetupTableView::ToolbarLoader loader;
    return loader;
}

CSetupTableView::LoggerClockRequester& ClockRequester() {
    static CSetupTableView::LoggerClockRequester requester;
    return requester;
}

// The six fields of a start or stop time as the print-out shows them.
std::array<std::string, 6> DateTimeFields(std::time_t time) {
    const std::optional<std::tm> local = platform::ToLocalTime(time);
    if (!local) {
        return {};
    }
    const auto field = [](int value) { return platform::StringPrintf("%02d", value); };
    return {field(local->tm_mon + 1), field(local->tm_mday), field(local->tm_year % 100),
            field(local->tm_hour),    field(local->tm_min),  field(local->tm_sec)};
}

}  // namespace

void CSetupTableView::SetToolbarLoader(ToolbarLoader loader) {
    Toolbar() = std::move(loader);
}

void CSetupTableView::SetLoggerClockRequester(LoggerClockRequester requester) {
    ClockRequester() = std::move(requester);
}

CSetupTableView::CSetupTableView(QWidget* parent) : platform::View(parent), scroll_(new QScrollArea(this)) {
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll_);
    scroll_->setWidgetResizable(true);
}

CSetupTableView::~CSetupTableView() = default;

CSUTDoc* CSetupTableView::GetDocument() const {
    return dynamic_cast<CSUTDoc*>(platform::View::GetDocument());
}

CSetupTableView* CSetupTableView::GetActiveSetupView() {
    return dynamic_cast<CSetupTableView*>(platform::GetActiveView());
}

int CSetupTableView::Model() const {
    return Table().GetModelCode();
}

const CSetupTable& CSetupTableView::Table() const {
    return GetDocument()->GetSetupTable();
}

int CSetupTableView::CheckFirmwareLevel() const {
    const CSUTDoc* document = GetDocument();
    return ::CheckFirmwareLevel(document->GetFileHeader().GetVersion(),
                                document->GetSetupTable().GetHeader());
}

void CSetupTableView::OnInitialUpdate() {
    firmware_level_ = CheckFirmwareLevel();
    const int model = Model();
    tables_ = FillControlIdTables(model);
    content_ = new QWidget;
    widgets_ = BuildSetupFormWidgets(content_, model, tables_);
    scroll_->setWidget(content_);
    ConnectTimeFields();
    if (auto* averages = Find<QCheckBox>(IDC_FORM_ALL_AVERAGES)) {
        connect(averages, &QCheckBox::clicked, this, &CSetupTableView::OnAllAverages);
    }
    // A channel shows its fields once its page is built for a type.
    for (int channel = 0; channel < 6; ++channel) {
        if (widgets_.channels[channel].typeList != nullptr) {
            ShowChannelGroup(channel, false);
        }
    }
    if (auto* frequency = Find<QComboBox>(IDC_FORM_LINE_FREQUENCY)) {
        frequency->addItems({"60 Hz", "50 Hz"});
        if (OffersAutoFrequency(model, Table().GetHeader().GetFirmwareVersion())) {
            frequency->addItem("Auto");
        }
    }
    ConnectChannelHandlers();
    ConnectFieldHandlers();
    const auto& requester = ClockRequester();
    if (requester) {
        requester(Target());
    }
    platform::View::OnInitialUpdate();
    built_ = true;
    // Once the frame shows, when its borders and the room around it are known.
    QMetaObject::invokeMethod(this, &CSetupTableView::FitFrameToForm, Qt::QueuedConnection);
}

void CSetupTableView::FitFrameToForm() {
    platform::ChildFrame* frame = ParentFrame();
    QMdiArea* area = frame != nullptr ? frame->mdiArea() : nullptr;
    if (area == nullptr || frame->isMaximized() || frame->isMinimized()) {
        return;
    }
    // Room for the vertical scroll bar: a form taller than the area scrolls, but never sideways.
    const int border = 2 * scroll_->frameWidth();
    const int scrollBar = scroll_->verticalScrollBar()->sizeHint().width();
    const QSize form = content_->sizeHint() + QSize(border + scrollBar, border);
    const QSize room = area->viewport()->size();
    const QSize fitted = (form + frame->size() - size()).boundedTo(room);
    const QPoint at(std::clamp(frame->x(), 0, room.width() - fitted.width()),
                    std::clamp(frame->y(), 0, room.height() - fitted.height()));
    frame->setGeometry(QRect(at, fitted));
}

void CSetupTableView::OnUpdate(platform::View*, long) {
    if (content_ == nullptr) {
        return;
    }
    loading_ = true;
    const CSetupTable& table = Table();
    const CSUTHeader& header = table.GetHeader();
    const CSUTExtendedData& extended = table.GetExtendedData();
    setup_name_ = header.GetHeaderText();
    title_ = GetDocument()->Title();
    interval_code_ = header.GetIntervalCode();
    const std::uint8_t options = header.GetOptionByte();
    frequency_choice_ = (options & CSUTHeader::kOption50Hz) != 0 ? 1 : 0;
    if (OffersAutoFrequency(Model(), header.GetFirmwareVersion()) &&
        (options & CSUTHeader::kOptionAutoLineFreq) != 0) {
        frequency_choice_ = 2;
    }
    demand_minutes_ = static_cast<int>(extended.GetDemandWindow());
    start_time_ = extended.GetStartTime();
    stop_time_ = extended.GetStopTime();
    start_mode_ = StartModeFor(firmware_level_, start_time_);
    stop_mode_ = StopModeFor(firmware_level_, stop_time_, options);
    FillTimeFields(kStartFieldIds, start_fields_, start_time_);
    FillTimeFields(kStopFieldIds, stop_fields_, stop_time_);
    FillIntervalList();
    for (int channel = 0; channel < 6; ++channel) {
        channels_[channel] = LoadChannelState(table, channel);
        ApplyLoadedChannelType(channel, channels_[channel].type);
    }
    ShowSoftwareChannels();
    UpdateData(false);
    UpdateAllAveragesCheck();
    if (Model() == kModelQuarvenRS) {
        // The pulse inputs choose among the loaded channels.
        RebuildPulseChannelLists();
    }
    LoadInputsFromSetup();
    ArrangeDateFields();
    UpdateMemoryTexts();
    // The form has its own shape for what it derives or clears (alarm flags, unused inputs), which a
    // setup read from a logger need not have: the table takes that shape now, so that programming or
    // saving it unchanged is no change. The times stay the logger's until the user writes the form.
    WriteForm(GetDocument()->GetSetupTable(), start_time_, stop_time_);
    // After the document has named its frames.
    Target()->PostMessage(platform::Message(WM_SETUP_CAPTION));
    loading_ = false;
}

void CSetupTableView::OnActivateView(bool active) {
    platform::View::OnActivateView(active);
    const ToolbarLoader& loader = Toolbar();
    if (!loader) {
        return;
    }
    if (active) {
        loader(ID_SETUP_TOOLBAR);
    } else if (platform::GetActiveView() == nullptr || platform::GetActiveView() == this) {
        loader(ID_MAIN_TOOLBAR);
    }
}

void CSetupTableView::OnMessage(platform::Message& message) {
    switch (message.id) {
        case WM_PREPARE_CHANNEL_SECTION:
            PrepareChannelSection(static_cast<int>(message.lParam));
            return;
        case WM_TOGGLE_BUTTON_TOGGLED:
            OnDefaultSetupCommand(static_cast<unsigned>(message.wParam));
            return;
        case WM_CHECKCOMBO_CLOSED:
            CommitOptionControl();
            return;
        case WM_UPDATE_MEMORY_TIME:
            UpdateMemoryTexts();
            return;
        case WM_SETUP_CAPTION:
            if (platform::ChildFrame* frame = ParentFrame()) {
                frame->SetFrameTitle(platform::StringPrintf("%s %s: %s", title_.c_str(),
                                                            LoadText(IDS_FORM_CAPTION_WORD).c_str(),
                                                            ModelName(Model()).c_str()));
            }
            return;
        case WM_SETUP_LOGGER_FACTS:
            if (const SetupLoggerFacts* facts = platform::PayloadAs<SetupLoggerFacts>(message)) {
                OnLoggerFacts(*facts);
            }
            return;
        default:
            platform::View::OnMessage(message);
    }
}

void CSetupTableView::SetDocumentModified() {
    if (!loading_) {
        GetDocument()->SetModifiedFlag(true);
    }
}

int CSetupTableView::LoggerType() const {
    return Model();
}

std::string CSetupTableView::ChannelKindName() const {
    return LoadText(IDS_TYPE_POWER);
}

bool CSetupTableView::UpdateData(bool saveAndValidate) {
    if (content_ == nullptr) {
        return false;
    }
    platform::DataExchange exchange(saveAndValidate);
    DoDataExchange(exchange);
    return !exchange.failed();
}

void CSetupTableView::FillIntervalList() {
    intervals_ = IntervalChoicesFor(Model(), interval_code_);
    auto* list = Find<QComboBox>(Model() == 0 ? IDC_FORM_INTERVAL_STANDARD : IDC_FORM_INTERVAL);
    list->clear();
    for (const IntervalChoice& choice : intervals_) {
        list->addItem(platform::ToQString(choice.text), choice.code);
    }
}

int CSetupTableView::SelectedIntervalCode() const {
    const auto* list = Find<QComboBox>(Model() == 0 ? IDC_FORM_INTERVAL_STANDARD : IDC_FORM_INTERVAL);
    return list != nullptr && list->currentIndex() >= 0 ? list->currentData().toInt() : interval_code_;
}

void CSetupTableView::UpdateMemoryTexts() {
    const auto [first, second] = FormatMemoryTime();
    if (auto* label = Find<QLabel>(IDC_FORM_MEMORY_TIME)) {
        label->setText(platform::ToQString(first));
    }
    if (auto* label = Find<QLabel>(IDC_FORM_MEMORY_TIME_LARGE)) {
        label->setText(platform::ToQString(second));
    }
}

std::pair<std::string, std::string> CSetupTableView::FormatMemoryTime() const {
    return ::FormatMemoryTime(Table(), SelectedIntervalCode());
}

void CSetupTableView::PrepareChannelSection(int code) {
    const SectionSetup setup = ::PrepareChannelSection(Model(), PageCells(Model(), tables_), code);
    for (const auto& [id, limit] : setup.textLimits) {
        if (auto* edit = Find<QLineEdit>(id)) {
            edit->setMaxLength(limit);
        }
    }
    for (const auto& [id, items] : setup.lists) {
        if (auto* list = Find<QComboBox>(id)) {
            const int selected = list->currentIndex();
            list->clear();
            for (const std::string& item : items) {
                list->addItem(platform::ToQString(item));
            }
            list->setCurrentIndex(selected < list->count() ? selected : -1);
        }
    }
}

void CSetupTableView::DoDataExchange(platform::DataExchange& exchange) {
    if (only_channel_ < 0) {
        ExchangeGeneralPage(exchange);
    }
    for (int channel = 0; channel < 6; ++channel) {
        QComboBox* typeList = widgets_.channels[channel].typeList;
        if (typeList == nullptr || exchange.failed() || !IsExchanged(channel)) {
            continue;
        }
        ChannelFormState& state = channels_[channel];
        exchange.PrepareControl(typeList);
        if (!exchange.saving()) {
            typeList->setCurrentIndex(ListIndexFromType(Model(), channel, state.type));
        } else if (typeList->currentIndex() >= 0) {
            state.type = typeList->currentData().toInt();
        }
        if (auto* label =
                Find<QLineEdit>(PageCells(Model(), tables_).GetValueControlId(channel, kColumnLabel))) {
            platform::ExchangeText(exchange, label, state.label);
            if (exchange.saving()) {
                platform::ValidateMaxChars(exchange, state.label, TextFieldLimit(state.type, kColumnLabel));
            }
        }
    }
    ExchangeHardwareChannels(exchange);
    ExchangeSoftwareChannels(exchange);
}

void CSetupTableView::ExchangeGeneralPage(platform::DataExchange& exchange) {
    platform::ExchangeText(exchange, Find<QLineEdit>(IDC_FORM_TITLE), title_);
    auto* name = Find<QLineEdit>(IDC_FORM_SETUP_NAME);
    platform::ExchangeText(exchange, name, setup_name_);
    if (exchange.saving()) {
        platform::ValidateMaxChars(exchange, setup_name_, CSUTHeader::kHeaderTextSize - 1);
    }
    if (auto* frequency = Find<QComboBox>(IDC_FORM_LINE_FREQUENCY)) {
        platform::ExchangeIndex(exchange, frequency, frequency_choice_);
    }
    auto* interval = Find<QComboBox>(Model() == 0 ? IDC_FORM_INTERVAL_STANDARD : IDC_FORM_INTERVAL);
    if (!exchange.saving()) {
        interval->setCurrentIndex(IntervalIndexOf(intervals_, interval_code_));
    } else if (interval->currentIndex() >= 0) {
        interval_code_ = interval->currentData().toInt();
    }
    if (auto* minutes = Find<QComboBox>(IDC_FORM_DEMAND_MINUTES)) {
        if (!exchange.saving()) {
            minutes->setCurrentIndex(minutes->findData(demand_minutes_));
        } else if (minutes->currentIndex() >= 0) {
            demand_minutes_ = minutes->currentData().toInt();
        }
    }
    int startIndex = start_mode_ - 1;
    platform::ExchangeRadio(
        exchange, {Find<QRadioButton>(IDC_FORM_START_AT_ONCE), Find<QRadioButton>(IDC_FORM_START_AT_TIME)},
        startIndex);
    int stopIndex = stop_mode_ - 3;
    platform::ExchangeRadio(exchange,
                            {Find<QRadioButton>(IDC_FORM_STOP_RING), Find<QRadioButton>(IDC_FORM_STOP_LINEAR),
                             Find<QRadioButton>(IDC_FORM_STOP_AT_TIME)},
                            stopIndex);
    if (exchange.saving()) {
        start_mode_ = startIndex + 1;
        stop_mode_ = stopIndex + 3;
        return;
    }
    EnableStartTime(start_mode_ == 2);
    EnableStopTime(stop_mode_ == 5);
}

void CSetupTableView::ExchangeHardwareChannels(platform::DataExchange& exchange) {
    const ControlIdTables& cells = PageCells(Model(), tables_);
    const bool quarven = Model() >= 13;
    for (int channel = 0; channel < 4; ++channel) {
        ChannelFormState& state = channels_[channel];
        const int type = state.type;
        if (!IsHardwareType(type) || widgets_.channels[channel].typeList == nullptr ||
            !IsExchanged(channel)) {
            continue;
        }
        const auto edit = [&](int column) {
            return Find<QLineEdit>(cells.GetValueControlId(channel, column));
        };
        const auto list = [&](int column) {
            return Find<QComboBox>(cells.GetValueControlId(channel, column));
        };
        const auto box = [&](int column) {
            return Find<CCheckComboBox>(cells.GetValueControlId(channel, column));
        };
        const auto text = [&](int column, std::string& value) {
            if (QLineEdit* control = edit(column)) {
                platform::ExchangeText(exchange, control, value);
                if (exchange.saving()) {
                    platform::ValidateMaxChars(exchange, value, TextFieldLimit(type, column));
                }
            }
        };
        const auto number = [&](int column, float& value) {
            ExchangeFloatInRange(exchange, edit(column), value, FloatFieldRange(type, column));
        };
        const auto index = [&](int column, int& value) {
            if (QComboBox* control = list(column)) {
                platform::ExchangeIndex(exchange, control, value);
            }
        };
        if (type == 1) {
            index(kColumnFirstPhase, state.firstPhase);
            index(kColumnSecondPhase, state.secondPhase);
            number(kColumnValue, state.value);
            if (quarven) {
                int kind = state.ctKind + 1;
                index(kColumnCTKind, kind);
                state.ctKind = kind - 1;
                if (state.ctKind == 1) {
                    state.secondCT = 0.0f;
                }
                number(kColumnSecondCT, state.secondCT);
                for (const int column : {kColumnCTRating, kColumnSecondCT}) {
                    if (QLineEdit* control = edit(column)) {
                        control->setEnabled(state.ctKind != 1);
                    }
                }
            }
            number(kColumnCTRating, state.ctRating);
            for (int option = 0; option < kOptionColumns; ++option) {
                DDX_CheckComboText(exchange, box(kColumnFirstOption + option), state.options[option]);
            }
        } else {
            if (type == 2) {
                index(kColumnFirstPhase, state.rangeChoice);
            }
            if (type != 2 && type != 6) {
                text(kColumnValue, state.unit);
                text(kColumnShortUnit, state.shortUnit);
            }
            number(kColumnCTRating, type == 4 ? state.pulseScale : type == 6 ? state.ctRating : state.scale);
            if (type != 4 && type != 6) {
                number(kColumnSecondCT, state.offset);
            }
            DDX_CheckComboText(exchange, box(kColumnFirstOption), state.singleOption);
        }
        if (!quarven) {
            text(kColumnNote, state.note);
        }
    }
}

void CSetupTableView::ExchangeSoftwareChannels(platform::DataExchange& exchange) {
    for (int channel = 4; channel < 6; ++channel) {
        ChannelFormState& state = channels_[channel];
        if (state.type != kChannelSoftware || widgets_.channels[channel].typeList == nullptr ||
            !IsExchanged(channel)) {
            continue;
        }
        for (int hardware = 0; hardware < 4; ++hardware) {
            platform::ExchangeCheck(exchange,
                                    Find<QCheckBox>(tables_.GetValueControlId(channel, 1 + hardware)),
                                    state.sums[hardware]);
        }
        for (int option = 0; option < kOptionColumns; ++option) {
            DDX_CheckComboText(
                exchange,
                Find<CCheckComboBox>(tables_.GetValueControlId(channel, kColumnFirstOption + option)),
                state.options[option]);
        }
        if (Model() < 13) {
            if (auto* note = Find<QLineEdit>(tables_.GetValueControlId(channel, kColumnNote))) {
                platform::ExchangeText(exchange, note, state.note);
                if (exchange.saving()) {
                    platform::ValidateMaxChars(exchange, state.note, TextFieldLimit(5, kColumnNote));
                }
            }
        }
    }
}

bool CSetupTableView::OnPreparePrinting(platform::PrintInfo&) {
    // The form's values go into the table first; a doubtful setup still prints.
    GetDocument()->ValidateWiring(false);
    return true;
}

void CSetupTableView::OnBeginPrinting(platform::PagePainter& painter, platform::PrintInfo& info) {
    const platform::PrintFont previous = painter.SelectFont(SetupPrintOut::kRegularFont);
    const int lineHeight = painter.TextHeight();
    const int pageHeight = lineHeight > 0 ? painter.DrawingRect().Height() / lineHeight * lineHeight : 0;
    print_pages_ = PlanSetupPages(GetDocument()->GetSetupTable(), lineHeight, pageHeight);
    print_position_ = {4 * painter.AverageCharWidth(), 0};
    painter.SelectFont(previous);
    info.maxPage = static_cast<int>(print_pages_.size());
    info.toPage = std::min(info.toPage, info.maxPage);
}

void CSetupTableView::OnPrint(platform::PagePainter& painter, platform::PrintInfo& info) {
    if (info.currentPage < 1 || info.currentPage > static_cast<int>(print_pages_.size())) {
        return;
    }
    const CSetupTable& table = GetDocument()->GetSetupTable();
    print_position_.y = 0;
    // The items restore the page's font after their labelled lines and print their notes in it.
    const platform::PrintFont previous = painter.SelectFont(SetupPrintOut::kRegularFont);
    SetupPrintOut printOut(painter, print_position_, table.GetModelCode(), GetPrintSettings());
    for (const int item : print_pages_[static_cast<std::size_t>(info.currentPage - 1)]) {
        table.DescribeItem(printOut, item);
    }
    painter.SelectFont(previous);
}

void CSetupTableView::OnEndPrinting(platform::PagePainter&, platform::PrintInfo&) {
    print_pages_.clear();
}

SetupViewSettings CSetupTableView::GetPrintSettings() const {
    const CSUTDoc* document = GetDocument();
    const CSetupTable& table = document->GetSetupTable();
    const CSUTExtendedData& extended = table.GetExtendedData();
    SetupViewSettings settings;
    settings.documentTitle = document->Title();
    settings.intervalText = CRawData::FormatIntervalCode(table.GetHeader().GetIntervalCode());
    settings.startAtOnce = extended.GetStartTime() == 0;
    if (!settings.startAtOnce) {
        settings.startFields = DateTimeFields(extended.GetStartTime());
    }
    settings.noStopTime = extended.GetStopTime() == 0;
    if (!settings.noStopTime) {
        settings.stopFields = DateTimeFields(extended.GetStopTime());
    }
    const bool ring = (table.GetHeader().GetOptionByte() & CSUTHeader::kOptionRingMemory) != 0;
    settings.memoryModeText = LoadText(ring ? IDS_PRINT_MEMORY_RING : IDS_PRINT_MEMORY_LINEAR);
    settings.demandWindowText = platform::FormatLoadedText(
        IDS_PRINT_MINUTES, {std::to_string(static_cast<int>(extended.GetDemandWindow()))});
    return settings;
}
