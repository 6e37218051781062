// SPDX-License-Identifier: GPL-3.0-or-later
#include "pages/ListingValues.h"

#include <QRegularExpression>

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

// The minutes a zone is ahead of UTC, or nothing when it names none known here. Times are
// made in UTC from this offset: a time zone object for each would cost more than the
// rest of the reading.
std::optional<int> MinutesAhead(QStringView name) {
    for (const Zone& zone : kZones) {
        if (name.compare(QLatin1String(zone.name), Qt::CaseInsensitive) == 0)
            return zone.minutesAhead;
    }
    // "+01:00", "-0800".
    const bool colon = name.size() == 6 && name[3] == QLatin1Char(':');
    if ((name.size() != 5 && !colon) ||
        (name[0] != QLatin1Char('+') && name[0] != QLatin1Char('-')))
        return std::nullopt;
    bool hoursOk = false;
    bool minutesOk = false;
    const int hours = name.mid(1, 2).toInt(&hoursOk);
    const int minutes = name.mid(colon ? 4 : 3, 2).toInt(&minutesOk);
    if (!hoursOk || !minutesOk || minutes > 59 || hours * 60 + minutes > 14 * 60)
        return std::nullopt;
    return (name[0] == QLatin1Char('-') ? -1 : 1) * (hours * 60 + minutes);
}

QDateTime TimeIn(QDate date, QTime time, QStringView zoneName) {
    if (!date.isValid() || !time.isValid())
        return QDateTime();
    if (zoneName.isEmpty())
        return QDateTime(date, time, Qt::LocalTime);
    const std::optional<int> ahead = MinutesAhead(zoneName);
    if (!ahead)
        return QDateTime();
    return QDateTime(date, time, Qt::UTC).addSecs(-qint64(*ahead) * 60);
}

int Number(const QRegularExpressionMatch& match, int group) {
    return match.capturedView(group).toInt();
}

QTime TimeOfDay(const QRegularExpressionMatch& match, int first) {
    return QTime(Number(match, first), Number(match, first + 1), Number(match, first + 2));
}

// The digits of a plain amount's whole part without leading zeros, and of its fraction
// without trailing zeros, so that equal amounts have equal parts.
struct Decimal {
    QStringView whole;
    QStringView fraction;
    explicit Decimal(QStringView amount) {
        const qsizetype point = amount.indexOf(QLatin1Char('.'));
        whole = point < 0 ? amount : amount.left(point);
        fraction = point < 0 ? QStringView() : amount.mid(point + 1);
        while (!whole.isEmpty() && whole.front() == QLatin1Char('0'))
            whole = whole.mid(1);
        while (!fraction.isEmpty() && fraction.back() == QLatin1Char('0'))
            fraction.chop(1);
    }
};

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
    QString number;
    const QStringView whole = match.capturedView(1);
    number.reserve(whole.size() + match.capturedLength(2));
    for (const QChar c : whole) {
        if (c != QLatin1Char(','))
            number += c;
    }
    return number + match.capturedView(2);
}

bool ListingValues::IsPositive(const QString& amount) {
    const Decimal decimal(amount);
    return !decimal.whole.isEmpty() || !decimal.fraction.isEmpty();
}

QString ListingValues::AmountProblem(const QString& amount) {
    // eBay takes prices from 0.01 to 99,999,999.99 in any of its currencies.
    const Decimal decimal(amount);
    if (decimal.fraction.size() > 2)
        return QStringLiteral("has more than two decimals");
    if (decimal.whole.isEmpty() && Compare(amount, QStringLiteral("0.01")) < 0)
        return QStringLiteral("is less than 0.01");
    if (Compare(amount, QStringLiteral("99999999.99")) > 0)
        return QStringLiteral("is more than 99,999,999.99");
    return QString();
}

int ListingValues::Compare(const QString& a, const QString& b) {
    // Plain amounts compare digit by digit: the longer whole part is the larger, then the
    // first digit that differs decides, the fraction's missing digits counting as zeros.
    const Decimal x(a);
    const Decimal y(b);
    if (x.whole.size() != y.whole.size())
        return x.whole.size() < y.whole.size() ? -1 : 1;
    if (const int whole = x.whole.compare(y.whole); whole != 0)
        return whole < 0 ? -1 : 1;
    const int fraction = x.fraction.compare(y.fraction);
    return fraction < 0 ? -1 : (fraction > 0 ? 1 : 0);
}

QDateTime ListingValues::TimeOf(QStringView text) {
    static const QRegularExpression pageForm(
        QStringLiteral("^\\s*([A-Za-z]{3})-(\\d{1,2})-(\\d{2}|\\d{4})\\s+(\\d{1,2}):(\\d{2})"
                       "(?::(\\d{2}))?(?:\\s+([A-Za-z]{1,5}))?\\s*$"));
    static const QRegularExpression isoForm(
        QStringLiteral("^\\s*(\\d{4})-(\\d{2})-(\\d{2})[T ](\\d{2}):(\\d{2})(?::(\\d{2}))?"
                       "\\s*(Z|[+-]\\d{2}:?\\d{2}|[A-Za-z]{2,5})?\\s*$"));
    if (const QRegularExpressionMatch match = pageForm.match(text); match.hasMatch()) {
        const QStringView month = match.capturedView(1);
        const auto found =
            std::find_if(std::begin(kMonths), std::end(kMonths), [&month](const char* m) {
                return month.compare(QLatin1String(m), Qt::CaseInsensitive) == 0;
            });
        if (found == std::end(kMonths))
            return QDateTime();
        // Two digits are a year from 1970 to 2069, as the pages' times have always been read.
        int year = Number(match, 3);
        if (match.capturedLength(3) == 2)
            year += year < 70 ? 2000 : 1900;
        const QDate date(year, int(found - std::begin(kMonths)) + 1, Number(match, 2));
        return TimeIn(date, TimeOfDay(match, 4), match.capturedView(7));
    }
    if (const QRegularExpressionMatch match = isoForm.match(text); match.hasMatch()) {
        const QDate date(Number(match, 1), Number(match, 2), Number(match, 3));
        return TimeIn(date, TimeOfDay(match, 4), match.capturedView(7));
    }
    return QDateTime();
}

int ListingValues::DurationBetween(const QDateTime& from, const QDateTime& to) {
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

QString ListingValues::ScheduleTime(const QDateTime& start, const QDateTime& now) {
    if (!start.isValid() || start <= now)
        return QString();
    return start.toUTC().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

QString ListingValues::DurationProblem(QStringView start, QStringView end) {
    const QDateTime from = TimeOf(start);
    const QDateTime to = TimeOf(end);
    if (DurationBetween(from, to) > 0)
        return QString();
    const QString forms = QStringLiteral(
        "a time such as Nov-25-02 10:33:39 PST or "
        "2026-12-20 18:00");
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
