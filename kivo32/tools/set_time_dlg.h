// CSetTimeDlg: the logger's clock as read, running while the dialog is open, for the user to correct.
#pragma once

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTimer>
#include <array>
#include <cstdint>
#include <string>

#include "kivo32/tools/set_time_rules.h"
#include "platform/ui/dialog.h"

class CSetTimeDlg : public platform::Dialog {
    Q_OBJECT

public:
    // The year with two digits; `firstText` and `secondText` name the logger.
    CSetTimeDlg(int year, int month, int day, int hour, int minute, int second, std::string firstText,
                std::string secondText, QWidget* parent = nullptr);

    // After OK: the clock to set.
    int year;
    int month;
    int day;
    int hour;
    int minute;
    int second;

protected:
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void BuildControls(const std::string& firstText, const std::string& secondText);
    QLineEdit* Field(ClockField field) const { return fields_[static_cast<std::size_t>(field)]; }
    // The field a spin serves and the spin that serves a field.
    QScrollBar* SpinOf(ClockField field) const;
    void AttachSpin(ClockField field);
    void SyncSpin(QScrollBar* spin, ClockField field);
    void OnTyped(ClockField field);
    void OnSpun(QScrollBar* spin);
    void OnClockTick();
    // The clock runs on from what the fields show now.
    void Rebase();
    ClockReading Shown() const;
    // Every field (as "%2.2d"), or only those whose value differs.
    void Show(const ClockReading& reading, bool everyField);
    bool TimeFieldHasFocus() const;

    std::array<QLineEdit*, 6> fields_{};
    QLabel* date_label_ = nullptr;
    QHBoxLayout* date_row_ = nullptr;
    QScrollBar* date_spin_ = nullptr;
    QScrollBar* time_spin_ = nullptr;
    ClockField date_spin_field_ = ClockField::Month;
    ClockField time_spin_field_ = ClockField::Hour;
    QTimer clock_timer_;
    ClockReading base_;
    std::int64_t base_milliseconds_ = 0;
};
