// CHarmonicsDlg: the harmonics of one channel of the connected logger, refreshed by the session's capture
// loop: the figures of the last capture, the selected harmonic, the spectrum of harmonics 0 to 31, the
// run and logging buttons. The window only shows and asks; its buttons go to the loop through the link.
#pragma once

#include <QElapsedTimer>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <array>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>

#include "kivo32/session/harmonics_window_link.h"
#include "platform/ui/dialog.h"
#include "platform/ui/graph/graph_control.h"

// Ours, to the window: a display of the loop waits in the link.
inline constexpr unsigned WM_HARMONICS_DISPLAY = 0x8000 + 0x231;

class CHarmonicsDlg : public platform::Dialog {
    Q_OBJECT

public:
    // Asks for a new refresh count (the current one given); nullopt when the user cancelled.
    using RefreshCountAsker = std::function<std::optional<int>(int count, QWidget* parent)>;

    CHarmonicsDlg(std::shared_ptr<CHarmonicsWindowLink> link, HarmonicsWindowSettings settings,
                  RefreshCountAsker askRefreshCount, QWidget* parent = nullptr);
    ~CHarmonicsDlg() override;

    // The mode the window ends in, for the program to keep.
    HarmonicsMode Mode() const { return settings_.mode; }
    // The spectrum graph: subset 0 the voltage's, 1 the current's percentages of harmonics 0 to 31.
    const platform::GraphControl& Spectrum() const { return *graph_; }

    void OnMessage(platform::Message& message) override;

protected:
    bool OnInitDialog() override;
    void OnCancel() override;

private:
    void Build();
    void BuildSpectrumGraph(const HarmonicsDisplay& display);
    // Takes the display waiting in the link, no sooner than a frame after the last one.
    void TakeDisplay();
    void Apply(const HarmonicsDisplay& display);
    void Press(HarmonicsButton::Kind kind, int value = 0);
    void OnChannel(int index);
    void OnLogging();
    void OnRefreshCount();
    void OnPrintGraph();
    void ViewLog();
    void OpenLog(const std::filesystem::path& path);
    QLabel* Readout(int id);

    std::shared_ptr<CHarmonicsWindowLink> link_;
    HarmonicsWindowSettings settings_;
    RefreshCountAsker ask_refresh_count_;
    QElapsedTimer last_display_;
    bool take_scheduled_ = false;
    bool logging_ = false;
    std::filesystem::path log_path_;
    std::optional<std::filesystem::path> view_when_finished_;
    std::array<QRadioButton*, 4> channels_{};
    QSpinBox* harmonic_;
    QRadioButton* of_fundamental_;
    QRadioButton* of_total_;
    QPushButton* run_;
    QPushButton* logging_button_;
    platform::GraphControl* graph_;
};
