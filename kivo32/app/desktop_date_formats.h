// CDesktopDateFormats: the desktop's regional date and time formats (QLocale) supplied to the program's
// date and time helpers, and supplied again when the desktop's locale changes while the program runs.
#pragma once

#include <QLocale>
#include <QObject>

#include "shared/common/date_time_format_helper.h"

// The short date format, the time format with seconds (its time zone left out, its AM/PM marker
// written "tt") and the separators of each, as the date and time helpers read them. A short date the
// helpers cannot follow (month names, blanks between the fields, as in the C locale) gives way to
// "dd/MM/yyyy".
CRegionalFormats RegionalFormatsOf(const QLocale& locale);

class CDesktopDateFormats : public QObject {
public:
    // Supplies the formats of the program's locale (QLocale()) and watches the application for a
    // change of it; needs the QApplication.
    CDesktopDateFormats();
    // The helpers go back to their defaults.
    ~CDesktopDateFormats() override;
    CDesktopDateFormats(const CDesktopDateFormats&) = delete;
    CDesktopDateFormats& operator=(const CDesktopDateFormats&) = delete;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
