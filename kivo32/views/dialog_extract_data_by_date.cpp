// CDialogExtractDataByDate: the start and end date and time of a range to cut out of a data file.
#include "kivo32/views/dialog_extract_data_by_date.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <cmath>

#include "kivo32/analysis/raw_data_grid.h"
#include "kivo32/views/views_ids.h"
#include "platform/base/local_time.h"
#include "platform/base/program_texts.h"
#include "platform/base/string_format.h"
#include "platform/ui/control_id.h"
#include "platform/ui/data_exchange.h"
#include "platform/ui/qt_text.h"
#include "shared/common/app_context.h"
#include "shared/common/calendar.h"
#include "shared/common/date_time_format_helper.h"
#include "shared/common/date_time_text.h"
#include "shared/common/message_box.h"
#include "shared/controls/dialog_buttons.h"

namespace {


enum Field { kYear, kMonth, kDay, kHour, kMinute, kSecond };

QString Text(unsigned id) {
    return platform::ToQString(LoadText(id));
}

// The date fields in the order of a date-order code, and the hint that shows it.
struct DateOrder {
    std::array<Field, 3> fields;
    const char* hint;
};

DateOrder OrderOf(int code) {
    switch (code) {
        case kDateOrderMYD:
            return {{kMonth, kYear, kDay}, "mm/yyyy/dd"};
        case kDateOrderDMY:
            return {{kDay, kMonth, kYear}, "dd/mm/yyyy"};
        case kDateOrderDYM:
            return {{kDay, kYear, kMonth}, "dd/yyyy/mm"};
        case kDateOrderYMD:
            return {{kYear, kMonth, kDay}, "yyyy/mm/dd"};
        case kDateOrderYDM:
            return {{kYear, kDay, kMonth}, "yyyy/dd/mm"};
        default:
            return {{kMonth, kDay, kYear}, "mm/dd/yyyy"};
    }
}

bool Same(double a, double b) {
    return std::fabs(a - b) <= kSameTimeStamp;
}

}  // namespace

CDialogExtractDataByDate::CDialogExtractDataByDate(std::optional<double> first, std::optional<double> last,
                                                   QWidget* parent)
    : platform::Dialog(parent), first_(first), last_(last), from_(first), to_(last) {
    setWindowTitle(Text(IDS_EXTRACT_BY_DATE_TITLE));
    const std::string shortDate = GetAppContext().GetShortDateFormat();
    year_digits_ = std::count(shortDate.begin(), shortDate.end(), 'y') >= 4 ? 4 : 2;
    from_fields_ = FieldsOf(first);
    to_fields_ = FieldsOf(last);

    auto* form = new QFormLayout(this);
    auto limitText = [](std::optional<double> date) {
        const Fields fields = FieldsOf(date);
        const auto& v = fields.values;
        return date ? FormatDateText(v[kYear], v[kMonth], v[kDay], false) + " " +
                          FormatTimeText(v[kHour], v[kMinute], v[kSecond])
                    : std::string();
    };
    for (const auto& [id, label, date] : {std::tuple{IDC_EXTRACT_FIRST_TIME, IDS_EXTRACT_FIRST_TIME, first},
                                          std::tuple{IDC_EXTRACT_LAST_TIME, IDS_EXTRACT_LAST_TIME, last}}) {
        auto* shown = new QLineEdit(platform::ToQString(limitText(date)), this);
        shown->setReadOnly(true);
        platform::SetControlId(shown, id);
        form->addRow(Text(label), shown);
    }
    from_row_ = MakeRow({IDC_EXTRACT_FROM_YEAR, IDC_EXTRACT_FROM_MONTH, IDC_EXTRACT_FROM_DAY, IDC_EXTRACT_FROM_HOUR,
                         IDC_EXTRACT_FROM_MINUTE, IDC_EXTRACT_FROM_SECOND});
    to_row_ = MakeRow({IDC_EXTRACT_TO_YEAR, IDC_EXTRACT_TO_MONTH, IDC_EXTRACT_TO_DAY, IDC_EXTRACT_TO_HOUR,
                       IDC_EXTRACT_TO_MINUTE, IDC_EXTRACT_TO_SECOND});
    const DateOrder order = OrderOf(GetAppContext().GetDateOrder());
    // The separator the grid's dates show.
    const std::string separator = FormatDateText(2000, 1, 2, true).substr(2, 1);
    for (auto [row, label, buttonId, buttonText] :
         {std::tuple{&from_row_, IDS_EXTRACT_FROM_TIME, IDC_EXTRACT_FROM_DAY_START, IDS_EXTRACT_FROM_DAY_START},
          std::tuple{&to_row_, IDS_EXTRACT_TO_TIME, IDC_EXTRACT_TO_DAY_START, IDS_EXTRACT_TO_DAY_START}}) {
        auto* line = new QHBoxLayout;
        for (std::size_t i = 0; i < order.fields.size(); ++i) {
            if (i > 0) {
                line->addWidget(new QLabel(platform::ToQString(separator), this));
            }
            line->addWidget(row->edits[static_cast<std::size_t>(order.fields[i])]);
        }
        line->addSpacing(12);
        for (const Field field : {kHour, kMinute, kSecond}) {
            if (field != kHour) {
                line->addWidget(new QLabel(":", this));
            }
            line->addWidget(row->edits[static_cast<std::size_t>(field)]);
        }
        auto* button = new QPushButton(Text(buttonText), this);
        platform::SetControlId(button, buttonId);
        // The buttons set only the time of their own row: 0:00:01 for the start, 0:00:00 for the end.
        const int second = row == &from_row_ ? 1 : 0;
        Row* target = row;
        connect(button, &QPushButton::clicked, this, [target, second] {
            target->edits[kHour]->setText("0");
            target->edits[kMinute]->setText("00");
            target->edits[kSecond]->setText(QString::asprintf("%02d", second));
        });
        line->addWidget(button);
        form->addRow(Text(label), line);
    }
    auto* hint = new QLabel(order.hint, this);
    platform::SetControlId(hint, IDC_EXTRACT_DATE_HINT);
    form->addRow(QString(), hint);
    form->addRow(MakeOkCancelButtons(this));
}

CDialogExtractDataByDate::Row CDialogExtractDataByDate::MakeRow(const std::array<int, 6>& ids) {
    Row row;
    for (std::size_t i = 0; i < ids.size(); ++i) {
        row.edits[i] = new QLineEdit(this);
        platform::SetControlId(row.edits[i], ids[i]);
        row.edits[i]->setMaxLength(i == kYear ? year_digits_ : 2);
        row.edits[i]->setMaximumWidth(row.edits[i]->fontMetrics().horizontalAdvance("00000") + 8);
    }
    return row;
}

CDialogExtractDataByDate::Fields CDialogExtractDataByDate::FieldsOf(std::optional<double> date) {
    Fields fields;
    const std::optional<std::tm> time = date ? platform::FromOleDate(*date) : std::nullopt;
    if (time) {
        fields.values = {time->tm_year + 1900, time->tm_mon + 1, time->tm_mday, time->tm_hour, time->tm_min,
                         time->tm_sec};
    }
    return fields;
}

std::optional<double> CDialogExtractDataByDate::FieldsToDate(int year, int month, int day, int hour, int minute,
                                                             int second) {
    year = ExpandTwoDigitYear(year);
    return year > 9999 ? std::nullopt : OleDateFromFields(year, month, day, hour, minute, second);
}

unsigned CDialogExtractDataByDate::CheckRange(std::optional<double> from, std::optional<double> to, double first,
                                              double last) {
    if (!from) {
        return IDS_EXTRACT_FROM_INVALID;
    }
    if (!to) {
        return IDS_EXTRACT_TO_INVALID;
    }
    if (*from > *to || Same(*from, *to)) {
        return IDS_EXTRACT_FROM_NOT_BEFORE_TO;
    }
    if (*from < first - kSameTimeStamp) {
        return IDS_EXTRACT_FROM_TOO_EARLY;
    }
    if (*to > last + kSameTimeStamp) {
        return IDS_EXTRACT_TO_TOO_LATE;
    }
    return 0;
}

bool CDialogExtractDataByDate::OnInitDialog() {
    if (!first_ || !last_) {
        ShowMessageBoxId(IDS_EXTRACT_FILE_TIMES_INVALID, MB_OK | MB_ICONEXCLAMATION, true);
        EndDialog(IDCANCEL);
        return false;
    }
    return platform::Dialog::OnInitDialog();
}

void CDialogExtractDataByDate::ExchangeRow(platform::DataExchange& exchange, Row& row, Fields& fields) {
    for (std::size_t i = 0; i < row.edits.size(); ++i) {
        int& value = fields.values[i];
        if (!exchange.saving()) {
            const bool twoDigits = i == kMinute || i == kSecond || (i == kYear && year_digits_ == 2);
            const int shown = i == kYear && year_digits_ == 2 ? value % 100 : value;
            row.edits[i]->setText(twoDigits ? QString::asprintf("%02d", shown)
                                            : i == kYear ? QString::asprintf("%04d", shown)
                                                         : QString::number(shown));
            continue;
        }
        platform::ExchangeInt(exchange, row.edits[i], value);
    }
}

void CDialogExtractDataByDate::DoDataExchange(platform::DataExchange& exchange) {
    ExchangeRow(exchange, from_row_, from_fields_);
    ExchangeRow(exchange, to_row_, to_fields_);
}

void CDialogExtractDataByDate::OnOK() {
    if (!UpdateData(true)) {
        return;
    }
    const auto& f = from_fields_.values;
    const auto& t = to_fields_.values;
    from_ = FieldsToDate(f[kYear], f[kMonth], f[kDay], f[kHour], f[kMinute], f[kSecond]);
    to_ = FieldsToDate(t[kYear], t[kMonth], t[kDay], t[kHour], t[kMinute], t[kSecond]);
    const bool unchanged = from_ && to_ && Same(*from_, *first_) && Same(*to_, *last_);
    if (!unchanged) {
        if (const unsigned refusal = CheckRange(from_, to_, *first_, *last_); refusal != 0) {
            ShowMessageBoxId(refusal, MB_OK | MB_ICONEXCLAMATION, true);
            return;
        }
    }
    EndDialog(IDOK);
}
