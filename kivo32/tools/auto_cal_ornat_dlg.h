// CAutoCalOrnatDlg: production calibration of a connected logger against DC reference sources. Auto Cal
// reads the inputs' A/D counts, computes new volt and amp scalars and writes them into the logger;
// Measure samples each phase L1-L3; Store appends the result to the calibration record file. The logger
// work runs on the session thread: the window posts its requests and takes the replies as messages.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "kivo32/session/calibration_requests.h"
#include "kivo32/tools/calibration_record.h"
#include "platform/ui/dialog.h"

class QAbstractButton;
class QButtonGroup;
class QLabel;
class QLineEdit;

class CAutoCalOrnatDlg : public platform::Dialog {
    Q_OBJECT

public:
    // `logger` is what the session tells of the logger, with its ways to it. `calibrationFolder` is where
    // the record file lies; the save dialog that creates one moves it.
    CAutoCalOrnatDlg(AutoCalibrationRequest logger, std::string& calibrationFolder,
                     QWidget* parent = nullptr);
    ~CAutoCalOrnatDlg() override;

protected:
    bool OnInitDialog() override;
    void OnMessage(platform::Message& message) override;
    // Closing a calibration not yet stored offers to store it first.
    void OnCancel() override;

private:
    // The session reply the window waits for.
    enum class Awaiting { kNothing, kCounts, kScalarsWritten, kMeasurement };

    void OnAutoCal();
    void OnMeasure();
    // True once the record is in the file.
    bool OnStore();

    void TakeCounts(bool read, const std::string& counts);
    void ShowFirstVoltRead(const std::string& counts);
    void ShowFirstAmpRead(const std::string& counts);
    // After the four reads: the new scalars, the questions, the write.
    void CalibrateFromCounts();
    void TakeScalarsWritten(bool written);
    void TakeMeasurement(bool read, const std::vector<RealTimeValue>& values);
    // The end of a step that waited for the session.
    void EndWait(unsigned statusId);
    void Await(Awaiting reply);

    bool PhaseErrorsConfirmed() const;
    // The record file, asking for a new one when the folder has none; empty when the user declined.
    std::filesystem::path RecordFile();
    CalibrationRecord Record() const;

    void SetStatus(unsigned id);
    void SetNumber(int id, const char* format, float value);

    AutoCalibrationRequest logger_;
    std::string& calibration_folder_;
    Awaiting awaiting_ = Awaiting::kNothing;
    std::vector<std::string> counts_;

    float amp_scalar_ = 0;
    float volt_scalar_ = 0;
    float volt_source_ = 0;
    float amp_source_ = 0;
    float reference_amps_ = 0;
    std::array<float, 4> amps_{};  // L1-L3 and the fourth current input
    std::array<float, 4> amp_errors_{};
    std::array<float, 3> volts_{};
    std::array<float, 3> volt_errors_{};
    std::array<bool, 3> phase_measured_{};
    int measured_phase_ = 0;  // 0 for L1
    bool calibrated_ = false;
    bool stored_ = false;

    QLineEdit* serial_number_;
    QLineEdit* volt_source_edit_;
    QLineEdit* amp_source_edit_;
    QLineEdit* comment_;
    QLabel* status_;
    QButtonGroup* phases_;
    QButtonGroup* modems_;
    QButtonGroup* memories_;
    QAbstractButton* auto_cal_;
    QAbstractButton* measure_;
    QAbstractButton* store_;
};
