// CCallTimeFields: an hour and a minute edit sharing one spin box: the focused field gets the spin with
// its range, a value typed above the range loses its last digit, and leaving a field shows two digits.
#pragma once

#include <QObject>

class QLineEdit;
class QSpinBox;
class QWidget;

class CCallTimeFields : public QObject {
    Q_OBJECT

public:
    CCallTimeFields(QWidget* parent, int hourId, int minuteId, int spinId);

    QLineEdit* Hour() const { return hour_; }
    QLineEdit* Minute() const { return minute_; }
    QSpinBox* Spin() const { return spin_; }

    // Shows the time as "hh" and "mm"; the spin starts on the hour.
    void SetTime(int hour, int minute);
    int HourValue() const;
    int MinuteValue() const;
    void SetEnabled(bool enabled);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Attach(QLineEdit* field);
    static int Maximum(const QLineEdit* field, const QLineEdit* hour);

    QLineEdit* hour_;
    QLineEdit* minute_;
    QSpinBox* spin_;
    QLineEdit* attached_ = nullptr;
};
