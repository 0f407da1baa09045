// The calibration windows of a connected logger's current and voltage scalars. Each measures the
// logger's input against a known current or voltage (A/D counts below the Quarven, the calibration
// reference from it on), shows the error, computes a new scalar and sends it. The window lives on the
// user-interface thread; its logger work runs on the session thread through CLoggerWindowAsker.
#pragma once

#include <functional>
#include <optional>
#include <string_view>
#include <vector>

#include "kivo32/session/logger_window_calls.h"
#include "kivo32/tools/logger_window_asker.h"
#include "platform/ui/dialog.h"

class QAbstractButton;
class QFormLayout;
class QLineEdit;

// The links of a calibration window to the application.
struct ScalarWindowLinks {
    std::function<void()> cancelCommand;
    std::function<bool()> newProtocol;
};

class CScalarCalibrationDlg : public platform::Dialog {
    Q_OBJECT

protected:
    struct Shape {
        unsigned titleId;
        unsigned expectedLabelId;
        int expectedDecimals;
        double expectedMinimum;
        double expectedMaximum;
        int scalarId;
        int expectedReadingId;
        int measuredId;
        const char* errorFormat;
        int checkId;
        int calibrateId;
        unsigned sendStatusId;
        // The scalar the window calibrates.
        float ScalarCalibrationFacts::*scalar;
    };
    // What one measurement gave, or nothing when it failed (the user was told).
    struct Reading {
        double expected = 0;
        double measured = 0;
        double scalar = 0;  // the scalar the measured reading was taken with
    };

    CScalarCalibrationDlg(const Shape& shape, ScalarCalibrationFacts facts, const ScalarWindowLinks& links,
                          double expectedInput, QWidget* parent);

    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;
    void OnMessage(platform::Message& message) override;
    void OnCancel() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

    // Reads the logger with the present scalar.
    virtual std::optional<Reading> Measure() = 0;
    // The error in percent; nothing (and the user told why) when the reading is no input.
    virtual std::optional<double> ErrorOf(const Reading& reading) const = 0;

    // What the logger gave: its reference (from the Quarven on), or the counts `countsOf` finds in its
    // count text. Nothing when the window closed, or when the read failed, after message `failedId`.
    struct InputRead {
        LoggerWindowAnswer reference;
        std::optional<long> counts;
    };
    std::optional<InputRead> ReadInput(const std::function<std::optional<long>(std::string_view)>& countsOf,
                                       unsigned failedId);

    QLineEdit* AddEdit(int id, unsigned labelId, int labelControlId = 0);
    // A typed value, checked against its range when its edit loses the focus and on every read.
    void AddTypedValue(QLineEdit* edit, double minimum, double maximum);
    // Hides the controls `hidden` when the application speaks the new protocol; true when it does.
    bool OnNewProtocol(std::initializer_list<int> hidden);
    std::optional<LoggerWindowAnswer> AskLogger(LoggerWindowCall call);
    // Whether a value check of a control that lost the focus may show its message: not while the
    // application is inactive.
    bool validate_on_leave_ = true;

    ScalarCalibrationFacts facts_;
    double expected_input_;
    double scalar_;
    double expected_reading_ = 0;
    double measured_ = 0;
    double error_ = 0;
    QLineEdit* expected_input_edit_ = nullptr;

private:
    struct TypedRange {
        QLineEdit* edit;
        double minimum;
        double maximum;
    };
    void CheckTypedValue(int control);
    void OnCheck();
    void OnCalibrate();
    void OnSend();
    void ShowResults();
    // Fills the edit that shows `value` in `format`.
    void ShowNumber(int id, const char* format, double value);

    Shape shape_;
    ScalarWindowLinks links_;
    CLoggerWindowAsker asker_;
    QFormLayout* form_ = nullptr;
    QAbstractButton* cancel_ = nullptr;
    std::vector<TypedRange> typed_ranges_;
};

class CCalAmpScalarDlg : public CScalarCalibrationDlg {
    Q_OBJECT

public:
    CCalAmpScalarDlg(ScalarCalibrationFacts facts, const ScalarWindowLinks& links, QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;
    std::optional<Reading> Measure() override;
    std::optional<double> ErrorOf(const Reading& reading) const override;

private:
    double range_ = 100.0;
    QLineEdit* range_edit_ = nullptr;
};

class CCalVoltTempScalarDlg : public CScalarCalibrationDlg {
    Q_OBJECT

public:
    CCalVoltTempScalarDlg(ScalarCalibrationFacts facts, const ScalarWindowLinks& links,
                          QWidget* parent = nullptr);

protected:
    bool OnInitDialog() override;
    std::optional<Reading> Measure() override;
    std::optional<double> ErrorOf(const Reading& reading) const override;
};
