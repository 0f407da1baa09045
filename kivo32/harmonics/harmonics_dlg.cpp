// CHarmonicsDlg: the harmonics window.
#include "kivo32/harmonics/harmonics_dlg.h"

#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPrintDialog>
#include <QPrinter>
#include <QTimer>
#include <QVBoxLayout>
#include <algorithm>
#include <cctype>

#include "kivo32/analysis/harmonics_log_ids.h"
#include "kivo32/harmonics/harmonic_log_pref_dlg.h"
#include "kivo32/harmonics/harmonics_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/base/text_format.h"
#include "platform/base/windows1252.h"
#include "platform/ui/control_id.h"
#include "platform/ui/desktop_services.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/shell_helpers.h"
#include "platform/ui/ui_ids.h"
#include "shared/common/message_box.h"
#include "shared/controls/dialog_buttons.h"

namespace {

using Kind = HarmonicsButton::Kind;

// The loop starts by itself two seconds after the window opens.
constexpr int kFirstRunDelayMs = 2000;
// A loop against a fast link captures far more often than anyone can read: the window shows at most
// twenty displays a second, each the newest.
constexpr qint64 kDisplayIntervalMs = 50;

constexpr std::array<int, 4> kChannelIds{IDC_HARM_CHANNEL_1, IDC_HARM_CHANNEL_2, IDC_HARM_CHANNEL_3,
                                         IDC_HARM_CHANNEL_4};
constexpr std::array<unsigned, 4> kChannelLabels{IDS_HARM_CHANNEL_1, IDS_HARM_CHANNEL_2, IDS_HARM_CHANNEL_3,
                                                 IDS_HARM_CHANNEL_4};

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

QPushButton* Button(QWidget* parent, int id, unsigned labelId) {
    auto* button = new QPushButton(Text(labelId), parent);
    platform::SetControlId(button, id);
    button->setAutoDefault(false);
    return button;
}

std::string UpperCase(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

// The spectrum's presentation: voltage and current each on a value scale of its own, over harmonics
// 0 to 31 on a numbered axis.
void SetUpSpectrumGraph(platform::GraphControl& graph) {
    platform::SetControlId(&graph, IDC_HARM_SPECTRUM);
    graph.setMinimumSize(400, 180);
    platform::GraphSettings& settings = graph.Settings();
    const std::string volts = LoadText(IDS_HARM_VOLTS) + "%";
    const std::string amps = LoadText(IDS_HARM_AMPS) + "%";
    settings.subsets = {{volts, 0xFF0050C0, 0, 3}, {amps, 0xFFC00000, 0, 5}};
    settings.axes = {{volts, 0xFF0050C0, 1}, {amps, 0xFFC00000, 1}};
    settings.style.plottingMethod = static_cast<int>(platform::PlottingMethod::PointsAndLine);
    settings.style.gridAttributes[0] = static_cast<int>(platform::GridLines::Both);
    settings.numericX = platform::NumericXAxis{0.0, kSpectrumPoints - 1.0};
}

// The size the graph is printed at: its aspect follows the window's client area.
QSize PrintSize(const QSize& client) {
    return client.width() > client.height() ? QSize(client.width() * 20, client.height() * 25)
                                            : QSize(client.width() * 30, client.height() * 30);
}

}  // namespace

CHarmonicsDlg::CHarmonicsDlg(std::shared_ptr<CHarmonicsWindowLink> link, HarmonicsWindowSettings settings,
                             RefreshCountAsker askRefreshCount, QWidget* parent)
    : platform::Dialog(parent),
      link_(std::move(link)),
      settings_(std::move(settings)),
      ask_refresh_count_(std::move(askRefreshCount)),
      harmonic_(new QSpinBox(this)),
      of_fundamental_(new QRadioButton(Text(IDS_HARM_PERCENT_FUNDAMENTAL), this)),
      of_total_(new QRadioButton(Text(IDS_HARM_PERCENT_TOTAL), this)),
      run_(Button(this, IDC_HARM_RUN, IDS_HARM_RUN)),
      logging_button_(Button(this, IDC_HARM_LOGGING, IDS_HARM_START_LOGGING_BUTTON)),
      graph_(new platform::GraphControl(this)) {
    setWindowTitle(Text(IDS_HARM_TITLE));
    Build();
}

CHarmonicsDlg::~CHarmonicsDlg() {
    link_->Close();
}

QLabel* CHarmonicsDlg::Readout(int id) {
    auto* label = new QLabel(this);
    platform::SetControlId(label, id);
    label->setMinimumWidth(90);
    label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    return label;
}

void CHarmonicsDlg::Build() {
    auto* layout = new QVBoxLayout(this);
    // The logger and its clock.
    auto* logger = new QHBoxLayout;
    logger->addWidget(new QLabel(Text(IDS_HARM_LOGGER), this));
    logger->addWidget(Readout(IDC_HARM_LOGGER_ID));
    logger->addWidget(Readout(IDC_HARM_DESCRIPTION), 1);
    logger->addWidget(new QLabel(Text(IDS_HARM_CLOCK), this));
    logger->addWidget(Readout(IDC_HARM_CLOCK));
    layout->addLayout(logger);

    // Channel, mode and the selected harmonic.
    auto* choices = new QHBoxLayout;
    auto* channelBox = new QGroupBox(Text(IDS_HARM_CHANNEL), this);
    auto* channelRow = new QHBoxLayout(channelBox);
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        channels_[i] = new QRadioButton(Text(kChannelLabels[i]), channelBox);
        platform::SetControlId(channels_[i], kChannelIds[i]);
        connect(channels_[i], &QRadioButton::clicked, this, [this, i] { OnChannel(static_cast<int>(i)); });
        channelRow->addWidget(channels_[i]);
    }
    choices->addWidget(channelBox);
    auto* modeBox = new QGroupBox(this);
    auto* modeRow = new QHBoxLayout(modeBox);
    platform::SetControlId(of_fundamental_, IDC_HARM_MODE_FUNDAMENTAL);
    platform::SetControlId(of_total_, IDC_HARM_MODE_TOTAL);
    modeRow->addWidget(of_fundamental_);
    modeRow->addWidget(of_total_);
    connect(of_fundamental_, &QRadioButton::clicked, this, [this] { Press(Kind::Mode, 0); });
    connect(of_total_, &QRadioButton::clicked, this, [this] { Press(Kind::Mode, 1); });
    choices->addWidget(modeBox);
    auto* harmonicLabel = new QLabel(Text(IDS_HARM_HARMONIC), this);
    harmonicLabel->setBuddy(harmonic_);
    choices->addWidget(harmonicLabel);
    platform::SetControlId(harmonic_, IDC_HARM_INDEX);
    harmonic_->setRange(0, kHighestSelectableHarmonic);
    connect(harmonic_, &QSpinBox::valueChanged, this, [this](int k) { Press(Kind::SelectHarmonic, k); });
    choices->addWidget(harmonic_);
    layout->addLayout(choices);

    // The figures: the selected harmonic, then the waveforms.
    auto* figures = new QGridLayout;
    const std::pair<unsigned, int> columns[] = {{IDS_HARM_VOLTAGE, 1}, {IDS_HARM_CURRENT, 2}};
    for (const auto& [label, column] : columns) {
        figures->addWidget(new QLabel(Text(label), this), 0, column);
    }
    struct Row {
        unsigned label;
        int volts, amps;
    };
    const Row rows[] = {
        {IDS_HARM_SELECTED, IDC_HARM_SELECTED_VOLTS, IDC_HARM_SELECTED_AMPS},
        {0, IDC_HARM_SELECTED_VOLTS_PERCENT, IDC_HARM_SELECTED_AMPS_PERCENT},
        {IDS_HARM_PEAK, IDC_HARM_VOLTS_PEAK, IDC_HARM_AMPS_PEAK},
        {IDS_HARM_RMS, IDC_HARM_VOLTS_RMS, IDC_HARM_AMPS_RMS},
        {IDS_HARM_THD, IDC_HARM_VOLTS_THD, IDC_HARM_AMPS_THD},
        {IDS_HARM_CREST, IDC_HARM_VOLTS_CREST, IDC_HARM_AMPS_CREST},
    };
    int row = 1;
    for (const Row& r : rows) {
        if (r.label != 0) {
            figures->addWidget(new QLabel(Text(r.label), this), row, 0);
        }
        figures->addWidget(Readout(r.volts), row, 1);
        figures->addWidget(Readout(r.amps), row, 2);
        ++row;
    }
    figures->addWidget(Readout(IDC_HARM_SELECTED_FREQUENCY), 1, 3);
    figures->addWidget(new QLabel(Text(IDS_HARM_K_FACTOR), this), 3, 3);
    figures->addWidget(Readout(IDC_HARM_K_FACTOR), 4, 3);
    auto* frequencyLabel = new QLabel(Text(IDS_HARM_FREQUENCY), this);
    platform::SetControlId(frequencyLabel, IDC_HARM_FREQUENCY_LABEL);
    figures->addWidget(frequencyLabel, 5, 3);
    figures->addWidget(Readout(IDC_HARM_FREQUENCY), 6, 3);
    layout->addLayout(figures);

    SetUpSpectrumGraph(*graph_);
    layout->addWidget(graph_, 1);

    auto* logState = new QLabel(this);
    platform::SetControlId(logState, IDC_HARM_LOG_STATE);
    layout->addWidget(logState);
    auto* buttons = new QHBoxLayout;
    connect(run_, &QPushButton::clicked, this, [this] { Press(Kind::RunOrStop); });
    connect(logging_button_, &QPushButton::clicked, this, [this] { OnLogging(); });
    QPushButton* refresh = Button(this, IDC_HARM_REFRESH_COUNT, IDS_HARM_REFRESH_COUNT);
    connect(refresh, &QPushButton::clicked, this, [this] { OnRefreshCount(); });
    QPushButton* print = Button(this, IDC_HARM_PRINT_GRAPH, IDS_HARM_PRINT_GRAPH);
    connect(print, &QPushButton::clicked, this, [this] { OnPrintGraph(); });
    QPushButton* copy = Button(this, IDC_HARM_COPY_WINDOW, IDS_HARM_COPY_WINDOW);
    connect(copy, &QPushButton::clicked, this, [this] { CopyWindowToClipboard(this); });
    QPushButton* view = Button(this, IDC_HARM_VIEW_LOG, IDS_HARM_VIEW_LOG);
    connect(view, &QPushButton::clicked, this, [this] { ViewLog(); });
    for (QPushButton* button : {run_, refresh, logging_button_, view, print, copy}) {
        buttons->addWidget(button);
    }
    buttons->addStretch();
    buttons->addWidget(MakeCloseButton(this));
    layout->addLayout(buttons);
}

bool CHarmonicsDlg::OnInitDialog() {
    platform::Dialog::OnInitDialog();
    const HarmonicsWindowInfo& info = link_->Info();
    if (info.firstChannel < 0) {
        // Nothing to analyse: say so rather than close without a word.
        ShowMessageBoxId(IDS_HARM_NO_CHANNEL, MB_OK | MB_ICONEXCLAMATION, true);
        EndDialog(IDCANCEL);
        return false;
    }
    for (std::size_t i = 0; i < channels_.size(); ++i) {
        channels_[i]->setEnabled(info.channels[i]);
    }
    channels_[info.firstChannel]->setChecked(true);
    OnChannel(info.firstChannel);
    platform::FindControlAs<QLabel>(this, IDC_HARM_LOGGER_ID)->setText(platform::ToQString(info.loggerId));
    platform::FindControlAs<QLabel>(this, IDC_HARM_DESCRIPTION)
        ->setText(platform::ToQString(info.description));
    (settings_.mode == HarmonicsMode::PercentOfTotal ? of_total_ : of_fundamental_)->setChecked(true);
    // The later models run until stopped: their refresh count means nothing here.
    platform::FindControl(this, IDC_HARM_REFRESH_COUNT)->setVisible(info.typeCode < 13);
    Apply({});
    const std::shared_ptr<platform::MessageTarget> target = Target();
    link_->Open(settings_, [target] { target->PostMessage(platform::Message(WM_HARMONICS_DISPLAY)); });
    QTimer::singleShot(kFirstRunDelayMs, this, [this] { Press(Kind::RunOrStop); });
    return true;
}

void CHarmonicsDlg::OnMessage(platform::Message& message) {
    if (message.id == WM_HARMONICS_DISPLAY) {
        TakeDisplay();
        return;
    }
    platform::Dialog::OnMessage(message);
}

void CHarmonicsDlg::TakeDisplay() {
    if (take_scheduled_) {
        return;
    }
    const qint64 wait = last_display_.isValid() ? kDisplayIntervalMs - last_display_.elapsed() : 0;
    if (wait > 0) {
        // The display stays in the link, replaced by newer ones, until the frame is due.
        take_scheduled_ = true;
        QTimer::singleShot(static_cast<int>(wait), this, [this] {
            take_scheduled_ = false;
            TakeDisplay();
        });
        return;
    }
    if (const std::optional<HarmonicsDisplay> display = link_->TakeDisplay()) {
        last_display_.start();
        Apply(*display);
    }
}

void CHarmonicsDlg::Apply(const HarmonicsDisplay& display) {
    const HarmonicsReadouts& r = display.readouts;
    const std::pair<int, const std::string*> readouts[] = {
        {IDC_HARM_SELECTED_VOLTS, &r.selectedVolts},
        {IDC_HARM_SELECTED_VOLTS_PERCENT, &r.selectedVoltsPercent},
        {IDC_HARM_SELECTED_AMPS_PERCENT, &r.selectedAmpsPercent},
        {IDC_HARM_SELECTED_AMPS, &r.selectedAmps},
        {IDC_HARM_SELECTED_FREQUENCY, &r.selectedFrequency},
        {IDC_HARM_VOLTS_PEAK, &r.voltsPeak},
        {IDC_HARM_VOLTS_RMS, &r.voltsRms},
        {IDC_HARM_AMPS_PEAK, &r.ampsPeak},
        {IDC_HARM_AMPS_RMS, &r.ampsRms},
        {IDC_HARM_VOLTS_THD, &r.voltsThd},
        {IDC_HARM_AMPS_THD, &r.ampsThd},
        {IDC_HARM_VOLTS_CREST, &r.voltsCrest},
        {IDC_HARM_AMPS_CREST, &r.ampsCrest},
        {IDC_HARM_K_FACTOR, &r.kFactor},
        {IDC_HARM_FREQUENCY, &r.frequency},
        {IDC_HARM_CLOCK, &display.clock},
    };
    for (const auto& [id, text] : readouts) {
        platform::FindControlAs<QLabel>(this, id)->setText(platform::ToQString(*text));
    }
    if (display.redrawSpectrum) {
        BuildSpectrumGraph(display);
    }
    settings_.mode = display.mode;
    run_->setText(Text(display.running ? IDS_HARM_STOP : IDS_HARM_RUN));
    of_fundamental_->setEnabled(!display.running);
    of_total_->setEnabled(!display.running);
    logging_ = display.logging;
    log_path_ = display.logPath;
    logging_button_->setText(Text(logging_ ? IDS_HARM_STOP_LOGGING_BUTTON : IDS_HARM_START_LOGGING_BUTTON));
    const std::string state = UpperCase(LoadText(logging_ ? IDS_HARM_STATE_ON : IDS_HARM_STATE_OFF));
    platform::FindControlAs<QLabel>(this, IDC_HARM_LOG_STATE)
        ->setText(platform::ToQString(LoadText(IDS_HARM_LOG_STATE) + " " + state));
    // A log the user asked to view opens once its run is finished.
    if (view_when_finished_ && !logging_) {
        OpenLog(*std::exchange(view_when_finished_, std::nullopt));
    }
    // Without its loop the window has nothing more to show.
    if (display.ended) {
        link_->Close();
        EndDialog(IDCANCEL);
    }
}

void CHarmonicsDlg::BuildSpectrumGraph(const HarmonicsDisplay& display) {
    platform::GraphData data;
    for (int k = 0; k < kSpectrumPoints; ++k) {
        data.x.push_back(k);
    }
    const float null = graph_->Settings().nullValue;
    data.subsets.emplace_back(display.voltsPercent, null);
    data.subsets.emplace_back(display.ampsPercent, null);
    graph_->SetData(std::move(data));
    graph_->Reinitialise();
}

void CHarmonicsDlg::Press(Kind kind, int value) {
    link_->Press({kind, value, {}});
}

void CHarmonicsDlg::OnChannel(int index) {
    // Only channel 1 measures the line frequency.
    platform::EnableControls(this, {IDC_HARM_FREQUENCY_LABEL, IDC_HARM_FREQUENCY}, index == 0);
    Press(Kind::Channel, index);
}

void CHarmonicsDlg::OnLogging() {
    if (logging_) {
        Press(Kind::LoggingOff);
        return;
    }
    CHarmonicLogPrefDlg preferences(this);
    if (preferences.DoModal() != IDOK) {
        return;
    }
    link_->Press({Kind::LoggingOn, 0, preferences.GetOptions()});
}

void CHarmonicsDlg::OnRefreshCount() {
    if (!ask_refresh_count_) {
        return;
    }
    if (const std::optional<int> count = ask_refresh_count_(settings_.refreshCount, this)) {
        settings_.refreshCount = *count;
        Press(Kind::RefreshCount, *count);
    }
}

void CHarmonicsDlg::OnPrintGraph() {
    QPrinter printer;
    QPrintDialog dialog(&printer, this);
    if (dialog.exec() != QDialog::Accepted) {
        return;
    }
    const QSize size = PrintSize(rect().size());
    if (!graph_->Print(printer, size.width(), size.height())) {
        ShowMessageBoxId(AFX_IDP_FAILED_TO_START_PRINT, MB_OK | MB_ICONEXCLAMATION, true);
    }
}

void CHarmonicsDlg::ViewLog() {
    const std::filesystem::path proposed =
        !log_path_.empty() ? log_path_
                           : CHarmonicsLog::FirstRunPath(settings_.dataFolder, link_->Info().loggerId,
                                                         std::max(0, link_->Info().firstChannel) + 1);
    QFileDialog dialog(this);
    dialog.setFileMode(QFileDialog::ExistingFile);
    dialog.setDefaultSuffix("csv");
    dialog.setNameFilters({Text(IDS_HARM_CSV_FILTER) + " (*.csv)", Text(IDS_HARM_ALL_FILTER) + " (*)"});
    dialog.setDirectory(platform::ToQString(platform::PathToWindows1252(proposed.parent_path())));
    dialog.selectFile(platform::ToQString(platform::PathToWindows1252(proposed.filename())));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return;
    }
    const std::filesystem::path chosen = platform::PathFromQString(dialog.selectedFiles().first());
    std::string extension = chosen.extension().string();
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    if (extension != ".csv" &&
        ShowMessageBox(platform::FormatLoadedText(IDS_HARM_NOT_CSV, {platform::PathToWindows1252(chosen)}),
                       MB_YESNO | MB_ICONQUESTION, true) != IDYES) {
        return;
    }
    if (logging_ && chosen == log_path_) {
        if (ShowMessageBoxId(IDS_HARM_VIEW_LOGGING, MB_YESNOCANCEL | MB_ICONQUESTION, true,
                             IDS_HARMONICS_LOG_CAPTION) != IDYES) {
            return;
        }
        // The loop finishes the log; it opens once the window hears so.
        view_when_finished_ = chosen;
        Press(Kind::LoggingOff);
        return;
    }
    OpenLog(chosen);
}

void CHarmonicsDlg::OpenLog(const std::filesystem::path& path) {
    if (!platform::CurrentDesktopServices().OpenPath(path)) {
        ShowMessageBoxId(IDS_HARM_LOG_NOT_OPENED, MB_OK | MB_ICONEXCLAMATION, true);
    }
}

void CHarmonicsDlg::OnCancel() {
    // The loop finishes an open log as the logging button does, then ends; the window goes at once.
    link_->Close();
    platform::Dialog::OnCancel();
}
