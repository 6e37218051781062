// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/ListingValues.h"

#include <QRegularExpression>
#include <QTimeZone>

#include <algorithm>
#include <cstdlib>
#include <iterator>

namespace {

constexpr qint64 kDaySeconds = 24 * 60 * 60;
// Start and end may differ by an hour from whole days where the clocks change between them.
constexpr qint64 kSlackSeconds = 60 * 60;

// Zones as the pages write them, by their minutes ahead of UTC.
struct Zone {
    const char* name;
    int minutesAhead;
};
constexpr Zone kZones[] = {
    {"UTC", 0},     {"GMT", 0},    {"Z", 0},      {"PST", -480}, {"PDT", -420}, {"MST", -420},
    {"MDT", -360},  {"CST", -360}, {"CDT", -300}, {"EST", -300}, {"EDT", -240}, {"AKST", -540},
    {"AKDT", -480}, {"HST", -600}, {"BST", 60},   {"CET", 60},   {"CEST", 120}, {"EET", 120},
    {"EEST", 180},  {"AEST", 600}, {"AEDT", 660},
};

constexpr const char* kMonths[] = {"jan", "feb", "mar", "apr", "may", "jun",
                                   "jul", "aug", "sep", "oct", "nov", "dec"};

// The zone of a time, or nothing when it names none known here; an empty name is local time.
std::optional<QTimeZone> ZoneOf(const QString& name) {
    if (name.isEmpty())
        return QTimeZone(QTimeZone::systemTimeZoneId());
    for (const Zone& zone : kZones) {
        if (name.compare(QLatin1String(zone.name), Qt::CaseInsensitive) == 0)
            return QTimeZone(zone.minutesAhead * 60);
    }
    // "+01:00", "-0800".
    static const QRegularExpression offset(QStringLiteral("^([+-])(\\d{2}):?(\\d{2})$"));
    const QRegularExpressionMatch match = offset.match(name);
    if (!match.hasMatch())
        return std::nullopt;
    const int minutes = match.captured(2).toInt() * 60 + match.captured(3).toInt();
    if (minutes > 14 * 60)
        return std::nullopt;
    return QTimeZone((match.captured(1) == QLatin1String("-") ? -minutes : minutes) * 60);
}

QDateTime TimeIn(QDate date, QTime time, const QString& zoneName) {
    const std::optional<QTimeZone> zone = ZoneOf(zoneName);
    if (!zone || !date.isValid() || !time.isValid())
        return QDateTime();
    return QDateTime(date, time, *zone);
}

QTime TimeOfDay(const QString& hours, const QString& minutes, const QString& seconds) {
    return QTime(hours.toInt(), minutes.toInt(), seconds.isEmpty() ? 0 : seconds.toInt());
}

QString Shown(QStringView text) {
    return QLatin1Char('"') + text.toString() + QLatin1Char('"');
}

}  // namespace

std::optional<QString> ListingValues::Amount(QStringView text) {
    static const QRegularExpression amount(
        QStringLiteral(
            "^\\s*(?:US)?\\s*[$\u00a3\u20ac\u00a5]?\\s*(\\d{1,3}(?:,\\d{3})+|\\d+)(\\.\\d+)?\\s*$"),
        QRegularExpression::CaseInsensitiveOption);
    const QRegularExpressionMatch match = amount.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    QString number = match.captured(1);
    number.remove(QLatin1Char(','));
    return number + match.captured(2);
}

bool ListingValues::IsPositive(const QString& amount) {
    return amount.toDouble() > 0;
}

int ListingValues::Compare(const QString& a, const QString& b) {
    const double x = a.toDouble();
    const double y = b.toDouble();
    return x < y ? -1 : (x > y ? 1 : 0);
}

QDateTime ListingValues::TimeOf(QStringView text) {
    static const QRegularExpression pageForm(
        QStringLiteral("^\\s*([A-Za-z]{3})-(\\d{1,2})-(\\d{2}|\\d{4})\\s+(\\d{1,2}):(\\d{2})"
                       "(?::(\\d{2}))?(?:\\s+([A-Za-z]{1,5}))?\\s*$"));
    static const QRegularExpression isoForm(
        QStringLiteral("^\\s*(\\d{4})-(\\d{2})-(\\d{2})[T ](\\d{2}):(\\d{2})(?::(\\d{2}))?"
                       "\\s*(Z|[+-]\\d{2}:?\\d{2}|[A-Za-z]{2,5})?\\s*$"));
    if (const QRegularExpressionMatch match = pageForm.match(text); match.hasMatch()) {
        const QString month = match.captured(1).toLower();
        const auto found =
            std::find_if(std::begin(kMonths), std::end(kMonths),
                         [&month](const char* m) { return month == QLatin1String(m); });
        if (found == std::end(kMonths))
            return QDateTime();
        int year = match.captured(3).toInt();
        if (match.captured(3).size() == 2)
            year += 2000;
        const QDate date(year, int(found - std::begin(kMonths)) + 1, match.captured(2).toInt());
        return TimeIn(date, TimeOfDay(match.captured(4), match.captured(5), match.captured(6)),
                      match.captured(7));
    }
    if (const QRegularExpressionMatch match = isoForm.match(text); match.hasMatch()) {
        const QDate date(match.captured(1).toInt(), match.captured(2).toInt(),
                         match.captured(3).toInt());
        return TimeIn(date, TimeOfDay(match.captured(4), match.captured(5), match.captured(6)),
                      match.captured(7));
    }
    return QDateTime();
}

int ListingValues::Duration(QStringView start, QStringView end) {
    const QDateTime from = TimeOf(start);
    const QDateTime to = TimeOf(end);
    if (!from.isValid() || !to.isValid())
        return 0;
    const qint64 seconds = from.secsTo(to);
    const qint64 days = (seconds + kDaySeconds / 2) / kDaySeconds;
    if (seconds <= 0 || std::abs(seconds - days * kDaySeconds) > kSlackSeconds)
        return 0;
    const bool allowed = std::find(std::begin(AllowedDurations), std::end(AllowedDurations),
                                   days) != std::end(AllowedDurations);
    return allowed ? int(days) : 0;
}

QString ListingValues::ScheduleTime(QStringView start, const QDateTime& now) {
    const QDateTime from = TimeOf(start);
    if (!from.isValid() || from <= now)
        return QString();
    return from.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString ListingValues::DurationProblem(QStringView start, QStringView end) {
    if (Duration(start, end) > 0)
        return QString();
    const QString forms = QStringLiteral(
        "a time such as Nov-25-02 10:33:39 PST or "
        "2026-12-20 18:00");
    const QDateTime from = TimeOf(start);
    const QDateTime to = TimeOf(end);
    if (!from.isValid())
        return start.trimmed().isEmpty() ? QStringLiteral("the start time is empty")
                                         : QStringLiteral("the start time %1 cannot be read as %2")
                                               .arg(Shown(start), forms);
    if (!to.isValid())
        return end.trimmed().isEmpty()
                   ? QStringLiteral("the end time is empty")
                   : QStringLiteral("the end time %1 cannot be read as %2").arg(Shown(end), forms);
    const qint64 seconds = from.secsTo(to);
    if (seconds <= 0)
        return QStringLiteral("the end time is not after the start time");
    const qint64 hours = (seconds + 1800) / 3600;
    const QString span =
        hours % 24 == 0 ? QStringLiteral("%1 days").arg(hours / 24)
                        : QStringLiteral("%1 days and %2 hours").arg(hours / 24).arg(hours % 24);
    return QStringLiteral("the auction would run %1; eBay's auctions run 1, 3, 5, 7 or 10 days")
        .arg(span);
}
