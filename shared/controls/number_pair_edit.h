// Two small number edits (hour and minute, month and day) with one spin that serves whichever of the two
// had the focus last. Each edit holds two digits; a digit typed past the edit's maximum is dropped.
#pragma once

#include <QLineEdit>
#include <QWidget>

class NumberPairEdit : public QWidget {
    Q_OBJECT
public:
    struct Range {
        int id;
        int minimum;
        int maximum;
    };
    NumberPairEdit(Range first, Range second, const QString& separator, QWidget* parent = nullptr);

    void SetValues(int first, int second);
    int First() const { return first_->text().toInt(); }
    int Second() const { return second_->text().toInt(); }
    QLineEdit* FirstEdit() const { return first_; }
    QLineEdit* SecondEdit() const { return second_; }
    // The spin's step on the edit it serves.
    void Step(int delta);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QLineEdit* MakeEdit(Range range);
    Range RangeOf(const QLineEdit* edit) const { return edit == first_ ? first_range_ : second_range_; }
    static void ShowTwoDigits(QLineEdit* edit);

    Range first_range_;
    Range second_range_;
    QLineEdit* first_;
    QLineEdit* second_;
    QLineEdit* served_;
};
