// The harmonics window offscreen, with its capture loop on a thread of its own against a scripted
// logger: the readouts, the spin of the selected harmonic, the two subsets of the spectrum, the frequency
// readout of channel 1, the logging options, and the close that ends the loop.
#include "kivo32/harmonics/harmonics_dlg.h"

#include <gtest/gtest.h>

#include <QCheckBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <cmath>
#include <condition_variable>
#include <numbers>
#include <thread>

#include "kivo32/harmonics/harmonic_log_pref_dlg.h"
#include "kivo32/harmonics/harmonics_ids.h"
#include "platform/base/message_box_flags.h"
#include "platform/base/program_texts.h"
#include "platform/ui/control_id.h"
#include "platform/ui/qt_text.h"
#include "platform/ui/resource_texts.h"
#include "tests/support/scripted_ui_broker.h"
#include "tests/support/temp_folder.h"
#include "tests/support/ui/modal_driver.h"
#include "tests/support/ui/qt_test_application.h"

namespace {

// The loop's side of the link, as the session gives it: a logger whose cycle is 230 V with a 4 % fifth
// and 10 A with a 10 % third, the window's buttons taken from the link.
class LinkPort : public CHarmonicsLoopPort {
public:
    explicit LinkPort(CHarmonicsWindowLink& link) : link_(link) {
        link_.SetWaker([this] {
            std::lock_guard lock(mutex_);
            woken_ = true;
            wake_.notify_all();
        });
    }
    ~LinkPort() override { link_.SetWaker({}); }

    std::optional<std::string> ReadClock() override { return "09:15:30 03/05/26"; }
    bool Capture(int, std::vector<std::int32_t>& buffer, CaptureScales& scales) override {
        for (int i = 0; i < 128; ++i) {
            const double angle = 2 * std::numbers::pi * i / 128 + 0.4;
            const double volts = 230 * std::sqrt(2.0) * (std::sin(angle) + 0.04 * std::sin(5 * angle));
            const double amps =
                10 * std::sqrt(2.0) * (std::sin(angle - 0.3) + 0.1 * std::sin(3 * (angle - 0.3)));
            buffer[i] = static_cast<std::int32_t>(std::lround(amps * 100));
            buffer[kCaptureVoltageOffset + i] = static_cast<std::int32_t>(std::lround(volts * 100));
        }
        scales = {0.01f, 0.01f};
        return true;
    }
    void Show(HarmonicsDisplay display) override { link_.Show(std::move(display)); }
    std::optional<HarmonicsButton> NextRequest(bool wait) override {
        std::unique_lock lock(mutex_);
        for (;;) {
            woken_ = false;
            lock.unlock();
            if (std::optional<HarmonicsButton> button = link_.Take()) {
                return button;
            }
            lock.lock();
            if (!wait || link_.IsClosed()) {
                return std::nullopt;
            }
            wake_.wait(lock, [this] { return woken_; });
        }
    }
    bool SessionEnding() override { return false; }

private:
    CHarmonicsWindowLink& link_;
    std::mutex mutex_;
    std::condition_variable wake_;
    bool woken_ = false;
};

class HarmonicsDlgTest : public testsupport::QtTest {
protected:
    HarmonicsDlgTest() { SetProgramTexts(platform::EnglishTexts()); }
    ~HarmonicsDlgTest() override {
        link->Close();
        if (loop.joinable()) {
            loop.join();
        }
    }

    // The loop starts once the window has opened the link, as the session's does.
    void StartLoop() {
        loop = std::thread([this] {
            while (!link->IsOpen() && !link->IsClosed()) {
                std::this_thread::yield();
            }
            const HarmonicsWindowSettings settings = link->Settings();
            LinkPort port(*link);
            CHarmonicsAnalysis analysis(CaptureGeometry::For(1, false));
            analysis.SetMode(settings.mode);
            CHarmonicsLog log(analysis, settings.dataFolder, link->Info().loggerId,
                              [] { return std::time(nullptr); });
            CHarmonicsLoop harmonics(port, analysis, log, link->Info().typeCode, settings.refreshCount,
                                     link->Info().firstChannel);
            harmonics.Run();
        });
    }

    static QString Text(QWidget* dialog, int id) {
        return platform::FindControlAs<QLabel>(dialog, id)->text();
    }

    testsupport::TempFolder folder;
    std::shared_ptr<CHarmonicsWindowLink> link = std::make_shared<CHarmonicsWindowLink>(
        HarmonicsWindowInfo{1, "SITE01", "North feeder", {true, true, false, false}, 0});
    std::thread loop;
};

TEST_F(HarmonicsDlgTest, ShowsTheFiguresAndSpectrumOfEachCapture) {
    CHarmonicsDlg window(link, {HarmonicsMode::PercentOfFundamental, 5, folder.path()}, {});
    StartLoop();
    testsupport::OnNextModal([&](QWidget* dialog) {
        ASSERT_TRUE(
            testsupport::ProcessEventsUntil([&] { return !Text(dialog, IDC_HARM_VOLTS_RMS).isEmpty(); }));
        EXPECT_EQ(Text(dialog, IDC_HARM_VOLTS_RMS), "230.2 Vrms");
        EXPECT_EQ(Text(dialog, IDC_HARM_AMPS_THD), "10.0 %F");
        EXPECT_EQ(Text(dialog, IDC_HARM_SELECTED_FREQUENCY), "DC");
        EXPECT_EQ(Text(dialog, IDC_HARM_FREQUENCY), "60.0 Hz");
        EXPECT_EQ(Text(dialog, IDC_HARM_CLOCK), "03/05/26  09:15:30");
        EXPECT_EQ(Text(dialog, IDC_HARM_LOGGER_ID), "SITE01");
        EXPECT_TRUE(platform::FindControl(dialog, IDC_HARM_FREQUENCY)->isEnabled());
        EXPECT_FALSE(platform::FindControl(dialog, IDC_HARM_CHANNEL_3)->isEnabled());

        // Two subsets of 32 points, harmonic k at x = k, each subset on its own labelled scale.
        const platform::GraphControl& graph = window.Spectrum();
        const platform::GraphData& spectrum = graph.Data();
        ASSERT_EQ(spectrum.SubsetCount(), 2u);
        ASSERT_EQ(spectrum.PointCount(), 32u);
        EXPECT_EQ(spectrum.x.front(), 0.0);
        EXPECT_EQ(spectrum.x.back(), 31.0);
        EXPECT_NEAR(spectrum.subsets[0].Sample(1), 100.0f, 1e-3f);
        EXPECT_NEAR(spectrum.subsets[0].Sample(5), 4.0f, 1e-2f);
        EXPECT_NEAR(spectrum.subsets[1].Sample(1), 100.0f, 1e-3f);
        EXPECT_NEAR(spectrum.subsets[1].Sample(3), 10.0f, 1e-2f);
        EXPECT_NEAR(spectrum.subsets[1].Sample(5), 0.0f, 1e-2f);
        const platform::GraphSettings& looks = graph.Settings();
        ASSERT_EQ(looks.subsets.size(), 2u);
        ASSERT_EQ(looks.axes.size(), 2u);
        for (std::size_t s = 0; s < 2; ++s) {
            EXPECT_EQ(looks.subsets[s].label, s == 0 ? "Volts%" : "Amps%");
            EXPECT_EQ(looks.axes[s].label, looks.subsets[s].label);
            EXPECT_EQ(looks.axes[s].subsetCount, 1);
        }
        ASSERT_TRUE(looks.numericX.has_value());
        EXPECT_EQ(looks.numericX->to, 31.0);

        auto* spin = platform::FindControlAs<QSpinBox>(dialog, IDC_HARM_INDEX);
        EXPECT_EQ(spin->minimum(), 0);
        EXPECT_EQ(spin->maximum(), 63);
        spin->setValue(5);
        ASSERT_TRUE(testsupport::ProcessEventsUntil(
            [&] { return Text(dialog, IDC_HARM_SELECTED_FREQUENCY) == "300 Hz"; }));
        EXPECT_EQ(Text(dialog, IDC_HARM_SELECTED_VOLTS_PERCENT), "4.0 %F");
        EXPECT_EQ(Text(dialog, IDC_HARM_SELECTED_VOLTS), "9.2 Vrms");

        platform::FindControlAs<QRadioButton>(dialog, IDC_HARM_CHANNEL_2)->click();
        EXPECT_FALSE(platform::FindControl(dialog, IDC_HARM_FREQUENCY)->isEnabled());
        dialog->close();
    });
    window.DoModal();
    loop.join();  // the close ended the loop
    EXPECT_TRUE(link->IsClosed());
}

TEST_F(HarmonicsDlgTest, ASetupWithoutAChannelOfVoltsAndAmpsIsToldAndTheWindowCloses) {
    link = std::make_shared<CHarmonicsWindowLink>(HarmonicsWindowInfo{13, "SITE01", "", {}, -1});
    CHarmonicsDlg window(link, {HarmonicsMode::PercentOfFundamental, 5, folder.path()}, {});
    bool told = false;
    testsupport::OnNextModal([&](QWidget* box) {
        told = true;
        box->close();
    });
    EXPECT_EQ(window.DoModal(), IDCANCEL);
    EXPECT_TRUE(told);
    EXPECT_FALSE(link->IsOpen());
}

TEST_F(HarmonicsDlgTest, TheRefreshCountGoesToTheLoopAndTheLaterModelsHaveNone) {
    for (int typeCode : {1, 13}) {
        link = std::make_shared<CHarmonicsWindowLink>(
            HarmonicsWindowInfo{typeCode, "SITE01", "", {true, false, false, false}, 0});
        int asked = 0;
        CHarmonicsDlg window(link, {HarmonicsMode::PercentOfFundamental, 5, folder.path()},
                             [&asked](int count, QWidget*) {
                                 asked = count;
                                 return std::optional<int>(1000);
                             });
        testsupport::OnNextModal([&](QWidget* dialog) {
            auto* refresh = platform::FindControlAs<QPushButton>(dialog, IDC_HARM_REFRESH_COUNT);
            EXPECT_EQ(refresh->isVisible(), typeCode < 13);
            if (typeCode < 13) {
                refresh->click();
            }
            dialog->close();
        });
        window.DoModal();
        std::optional<int> taken;
        while (std::optional<HarmonicsButton> button = link->Take()) {
            if (button->kind == HarmonicsButton::Kind::RefreshCount) {
                taken = button->value;
            }
        }
        EXPECT_EQ(asked, typeCode < 13 ? 5 : 0) << typeCode;
        EXPECT_EQ(taken, typeCode < 13 ? std::optional<int>(1000) : std::nullopt) << typeCode;
    }
}

TEST_F(HarmonicsDlgTest, RawDataIsAskedAboutBeforeItIsTaken) {
    for (int answer : {IDCANCEL, IDOK}) {
        testsupport::ScriptedUiBroker broker;
        broker.AnswerMessageBox(answer);
        CHarmonicLogPrefDlg preferences;
        testsupport::OnNextModal([&](QWidget* dialog) {
            EXPECT_TRUE(platform::FindControlAs<QCheckBox>(dialog, IDC_HLOG_SUMMARY)->isChecked());
            platform::FindControlAs<QCheckBox>(dialog, IDC_HLOG_RAW_DATA)->click();
            EXPECT_EQ(broker.Boxes().size(), 1u);
            if (answer == IDCANCEL) {
                EXPECT_FALSE(platform::FindControlAs<QCheckBox>(dialog, IDC_HLOG_RAW_DATA)->isChecked());
                platform::FindControlAs<QPushButton>(dialog, IDCANCEL)->click();
            }
        });
        EXPECT_EQ(preferences.DoModal(), answer);
        EXPECT_EQ(preferences.GetOptions().rawData, answer == IDOK);
    }
}

}  // namespace
