// CDesktopDateFormats: the desktop's date and time formats for the program's date and time helpers.
#include "kivo32/app/desktop_date_formats.h"

#include <QCoreApplication>
#include <QEvent>
#include <QRegularExpression>
#include <algorithm>

#include "shared/common/program_date_formats.h"

namespace {

// The first character of a picture that is no field letter: the separator of its fields.
std::string SeparatorOf(const QString& picture) {
    for (const QChar c : picture) {
        if (!c.isLetter() && c != u'\'') {
            return QString(c).toStdString();
        }
    }
    return {};
}

// Qt's time picture in the form the helpers read: "AP"/"ap" (and their one-letter forms) is the AM/PM
// marker "tt"; "t", the time zone, has no place in a logger's local time.
QString HelperTimePicture(QString picture) {
    picture.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b")));
    picture.replace(QRegularExpression(QStringLiteral("\\b(AP|ap|A|a)\\b")), QStringLiteral("tt"));
    return picture.trimmed();
}

// The short date where the desktop gives none that the helpers can follow (the C locale, LANG unset):
// day, month, year, "/" between them, four-digit years.
constexpr const char* kFallbackShortDate = "dd/MM/yyyy";

// A short date the helpers can follow: the day, a month number and the year, each once, parted by one
// separator that is no blank ("d MMM yyyy" names the month and parts the fields with blanks).
bool IsUsableShortDate(const QString& picture) {
    static const QRegularExpression numeric(
        QStringLiteral("^(d{1,2}|M{1,2}|y{2}|y{4})([/.-])(d{1,2}|M{1,2}|y{2}|y{4})"
                       "\\2(d{1,2}|M{1,2}|y{2}|y{4})$"));
    const QRegularExpressionMatch match = numeric.match(picture);
    if (!match.hasMatch()) {
        return false;
    }
    QString letters;
    for (const int field : {1, 3, 4}) {
        letters += match.captured(field).front();
    }
    std::sort(letters.begin(), letters.end());
    return letters == QStringLiteral("Mdy");
}

}  // namespace

CRegionalFormats RegionalFormatsOf(const QLocale& locale) {
    QString date = locale.dateFormat(QLocale::ShortFormat);
    if (!IsUsableShortDate(date)) {
        date = QString::fromLatin1(kFallbackShortDate);
    }
    const QString time = HelperTimePicture(locale.timeFormat(QLocale::LongFormat));
    return CRegionalFormats{SeparatorOf(date), date.toStdString(), SeparatorOf(time), time.toStdString()};
}

CDesktopDateFormats::CDesktopDateFormats() {
    SetProgramFormatSource([] { return RegionalFormatsOf(QLocale()); });
    QCoreApplication::instance()->installEventFilter(this);
}

CDesktopDateFormats::~CDesktopDateFormats() {
    SetProgramFormatSource({});
}

bool CDesktopDateFormats::eventFilter(QObject* watched, QEvent* event) {
    if (watched == QCoreApplication::instance() && event->type() == QEvent::LocaleChange) {
        ReloadProgramFormats();
    }
    return QObject::eventFilter(watched, event);
}
