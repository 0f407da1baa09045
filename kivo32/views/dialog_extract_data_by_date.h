// CDialogExtractDataByDate: the start and end date and time of a range to cut out of a data file,
// typed field by field in the user's date order.
#pragma once

#include <QLineEdit>
#include <array>
#include <optional>

#include "platform/ui/dialog.h"

class CDialogExtractDataByDate : public platform::Dialog {
    Q_OBJECT

public:
    // The time stamps (OLE dates) of the first and the last record; the range starts as all of them.
    CDialogExtractDataByDate(std::optional<double> first, std::optional<double> last, QWidget* parent = nullptr);

    std::optional<double> GetFrom() const { return from_; }
    std::optional<double> GetTo() const { return to_; }

    // A date and time typed field by field (a year below 100 widened: below 70 is 20yy), or nullopt
    // when the fields make no valid date and time.
    static std::optional<double> FieldsToDate(int year, int month, int day, int hour, int minute, int second);
    // The text id that refuses from..to within the limits first..last; 0 when it is accepted.
    static unsigned CheckRange(std::optional<double> from, std::optional<double> to, double first, double last);

protected:
    // Without valid limits there is nothing to choose from: the user is told and the dialog closes.
    bool OnInitDialog() override;
    void DoDataExchange(platform::DataExchange& exchange) override;
    void OnOK() override;

private:
    // Year, month, day, hour, minute, second.
    struct Fields {
        std::array<int, 6> values{};
    };
    struct Row {
        std::array<QLineEdit*, 6> edits{};
    };

    Row MakeRow(const std::array<int, 6>& ids);
    void ExchangeRow(platform::DataExchange& exchange, Row& row, Fields& fields);
    static Fields FieldsOf(std::optional<double> date);

    std::optional<double> first_;
    std::optional<double> last_;
    std::optional<double> from_;
    std::optional<double> to_;
    Fields from_fields_;
    Fields to_fields_;
    int year_digits_ = 4;
    Row from_row_;
    Row to_row_;
};
