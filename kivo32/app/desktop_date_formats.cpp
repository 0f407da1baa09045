// CDesktopDateFormats: the desktop's date and time formats for the program's date and time helpers.
#include "kivo32/app/desktop_date_formats.h"

#include <QCoreApplication>
#include <QEvent>
#include <QRegularExpression>

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

}  // namespace

CRegionalFormats RegionalFormatsOf(const QLocale& locale) {
    const QString date = locale.dateFormat(QLocale::ShortFormat);
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
