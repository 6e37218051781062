// SPDX-License-Identifier: GPL-3.0-or-later
#include "listings/ListingValues.h"

#include "listings/ListingSite.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <cstdlib>
#include <iterator>
#include <limits>

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

// Reads a time's text from its start: ASCII digits, letters and blanks, as the two forms
// of times are written. Each reading moves on only where it succeeds.
class TimeText {
public:
    explicit TimeText(QStringView text) : m_text(text) {}

    bool AtEnd() const { return m_at == m_text.size(); }
    // Passes over blanks; whether there were any.
    bool Blanks() {
        const qsizetype from = m_at;
        while (m_at < m_text.size() && IsBlank(m_text[m_at]))
            ++m_at;
        return m_at > from;
    }
    bool Take(char c) {
        if (m_at == m_text.size() || m_text[m_at] != QLatin1Char(c))
            return false;
        ++m_at;
        return true;
    }
    // From `least` to `most` digits, as many as there are; -1 when fewer, or more.
    int Digits(int least, int most, int* count = nullptr) {
        int value = 0;
        int read = 0;
        while (m_at + read < m_text.size() && IsDigit(m_text[m_at + read])) {
            value = value * 10 + m_text[m_at + read].unicode() - '0';
            if (++read > most)
                return -1;
        }
        if (read < least)
            return -1;
        m_at += read;
        if (count)
            *count = read;
        return value;
    }
    // From `least` to `most` letters; empty when fewer, or more.
    QStringView Letters(int least, int most) {
        qsizetype read = 0;
        while (m_at + read < m_text.size() && IsLetter(m_text[m_at + read]))
            ++read;
        if (read < least || read > most)
            return QStringView();
        m_at += read;
        return m_text.sliced(m_at - read, read);
    }
    QStringView Rest() const { return m_text.sliced(m_at); }
    void Skip(qsizetype count) { m_at += count; }

private:
    static bool IsBlank(QChar c) {
        return c == QLatin1Char(' ') || (c >= QLatin1Char('\t') && c <= QLatin1Char('\r'));
    }
    static bool IsDigit(QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); }
    static bool IsLetter(QChar c) {
        return (c >= QLatin1Char('a') && c <= QLatin1Char('z')) ||
               (c >= QLatin1Char('A') && c <= QLatin1Char('Z'));
    }

    QStringView m_text;
    qsizetype m_at = 0;
};

// "Nov-25-02 10:33:39 PST": month, day, year of two or four digits, hours and minutes,
// seconds and a zone optional.
QDateTime PageFormTime(QStringView text) {
    TimeText read(text);
    read.Blanks();
    const QStringView month = read.Letters(3, 3);
    if (month.isEmpty() || !read.Take('-'))
        return QDateTime();
    const int day = read.Digits(1, 2);
    int yearDigits = 0;
    int year = day >= 0 && read.Take('-') ? read.Digits(2, 4, &yearDigits) : -1;
    if (year < 0 || yearDigits == 3 || !read.Blanks())
        return QDateTime();
    const int hours = read.Digits(1, 2);
    const int minutes = hours >= 0 && read.Take(':') ? read.Digits(2, 2) : -1;
    if (minutes < 0)
        return QDateTime();
    int seconds = 0;
    if (read.Take(':') && (seconds = read.Digits(2, 2)) < 0)
        return QDateTime();
    QStringView zone;
    if (read.Blanks() && !read.AtEnd()) {
        zone = read.Letters(1, 5);
        read.Blanks();
    }
    if (!read.AtEnd())
        return QDateTime();
    const auto found =
        std::find_if(std::begin(kMonths), std::end(kMonths), [&month](const char* m) {
            return month.compare(QLatin1String(m), Qt::CaseInsensitive) == 0;
        });
    if (found == std::end(kMonths))
        return QDateTime();
    // Two digits are a year from 1970 to 2069, as the pages' times have always been read.
    if (yearDigits == 2)
        year += year < 70 ? 2000 : 1900;
    return TimeIn(QDate(year, int(found - std::begin(kMonths)) + 1, day),
                  QTime(hours, minutes, seconds), zone);
}

// "2026-12-20 18:00": a "T" in place of the blank, seconds, "Z", an offset or a zone
// optional.
QDateTime IsoFormTime(QStringView text) {
    TimeText read(text);
    read.Blanks();
    const int year = read.Digits(4, 4);
    const int month = year >= 0 && read.Take('-') ? read.Digits(2, 2) : -1;
    const int day = month >= 0 && read.Take('-') ? read.Digits(2, 2) : -1;
    if (day < 0 || !(read.Take('T') || read.Take(' ')))
        return QDateTime();
    const int hours = read.Digits(2, 2);
    const int minutes = hours >= 0 && read.Take(':') ? read.Digits(2, 2) : -1;
    if (minutes < 0)
        return QDateTime();
    int seconds = 0;
    if (read.Take(':') && (seconds = read.Digits(2, 2)) < 0)
        return QDateTime();
    read.Blanks();
    QStringView zone;
    const QStringView rest = read.Rest();
    if (!rest.isEmpty() && (rest[0] == QLatin1Char('+') || rest[0] == QLatin1Char('-'))) {
        // "+01:00" or "+0100".
        const qsizetype length = rest.size() >= 6 && rest[3] == QLatin1Char(':') ? 6 : 5;
        const auto digit = [&rest](qsizetype at) {
            return at < rest.size() && rest[at] >= QLatin1Char('0') && rest[at] <= QLatin1Char('9');
        };
        if (!digit(1) || !digit(2) || !digit(length - 2) || !digit(length - 1))
            return QDateTime();
        zone = rest.first(length);
        read.Skip(length);
    } else if (read.Take('Z')) {
        zone = QStringView(u"Z");
    } else if (!read.AtEnd()) {
        zone = read.Letters(2, 5);
        if (zone.isEmpty())
            return QDateTime();
    }
    read.Blanks();
    if (!read.AtEnd())
        return QDateTime();
    return TimeIn(QDate(year, month, day), QTime(hours, minutes, seconds), zone);
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

// An amount of at most two decimals and eBay's range in cents.
qint64 Cents(const QString& amount) {
    const Decimal decimal(amount);
    if (decimal.whole.size() > 12)
        return std::numeric_limits<qint64>::max() / 200;
    qint64 cents = decimal.whole.isEmpty() ? 0 : decimal.whole.toLongLong() * 100;
    for (qsizetype k = 0; k < 2; ++k)
        cents += (k < decimal.fraction.size() ? decimal.fraction[k].digitValue() : 0) *
                 (k == 0 ? 10 : 1);
    return cents;
}

// The signs and codes of currencies as sellers write them beside an amount, and the
// currency each stands for ("$" alone: whichever dollars the site has).
struct CurrencyMark {
    const char16_t* mark;
    const char* currency;
    const char* name;
};
// The names are the ones ListingSite translates, for the check to name the currency.
constexpr CurrencyMark kCurrencyMarks[] = {
    {u"$", "$", QT_TRANSLATE_NOOP("ListingSite", "dollars")},
    {u"US $", "USD", QT_TRANSLATE_NOOP("ListingSite", "US dollars")},
    {u"US$", "USD", QT_TRANSLATE_NOOP("ListingSite", "US dollars")},
    {u"USD", "USD", QT_TRANSLATE_NOOP("ListingSite", "US dollars")},
    {u"AU $", "AUD", QT_TRANSLATE_NOOP("ListingSite", "Australian dollars")},
    {u"AU$", "AUD", QT_TRANSLATE_NOOP("ListingSite", "Australian dollars")},
    {u"A$", "AUD", QT_TRANSLATE_NOOP("ListingSite", "Australian dollars")},
    {u"AUD", "AUD", QT_TRANSLATE_NOOP("ListingSite", "Australian dollars")},
    {u"C $", "CAD", QT_TRANSLATE_NOOP("ListingSite", "Canadian dollars")},
    {u"C$", "CAD", QT_TRANSLATE_NOOP("ListingSite", "Canadian dollars")},
    {u"CA$", "CAD", QT_TRANSLATE_NOOP("ListingSite", "Canadian dollars")},
    {u"CAD", "CAD", QT_TRANSLATE_NOOP("ListingSite", "Canadian dollars")},
    {u"\u00A3", "GBP", QT_TRANSLATE_NOOP("ListingSite", "pounds")},
    {u"GBP", "GBP", QT_TRANSLATE_NOOP("ListingSite", "pounds")},
    {u"\u20AC", "EUR", QT_TRANSLATE_NOOP("ListingSite", "euros")},
    {u"EUR", "EUR", QT_TRANSLATE_NOOP("ListingSite", "euros")},
    {u"\u00A5", "JPY", QT_TRANSLATE_NOOP("ListingSite", "yen")},
    {u"JPY", "JPY", QT_TRANSLATE_NOOP("ListingSite", "yen")},
};

bool IsAsciiDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// The number of an amount as a site writes it, as a plain number: whole digits, in groups
// of three after the first where they are separated (by commas, or by dots or blanks on a
// site of decimal commas), then the site's decimal mark and the fraction's digits.
// Nothing when the text is no such number.
std::optional<QString> PlainNumber(QStringView number, bool decimalComma) {
    const QChar mark = QLatin1Char(decimalComma ? ',' : '.');
    const auto separates = [decimalComma](QChar c) {
        return decimalComma ? c == QLatin1Char('.') || c == QLatin1Char(' ') ||
                                  c == QChar(0x00A0) || c == QChar(0x202F)
                            : c == QLatin1Char(',');
    };
    QString plain;
    plain.reserve(number.size());
    qsizetype at = 0;
    int group = 0;
    bool separated = false;
    for (; at < number.size(); ++at) {
        const QChar c = number[at];
        if (IsAsciiDigit(c)) {
            plain += c;
            ++group;
        } else if (separates(c)) {
            if (group == 0 || (separated ? group != 3 : group > 3))
                return std::nullopt;
            separated = true;
            group = 0;
        } else {
            break;
        }
    }
    if (plain.isEmpty() || (separated && group != 3))
        return std::nullopt;
    if (at == number.size())
        return plain;
    if (number[at] != mark || at + 1 == number.size())
        return std::nullopt;
    plain += QLatin1Char('.');
    for (++at; at < number.size(); ++at) {
        if (!IsAsciiDigit(number[at]))
            return std::nullopt;
        plain += number[at];
    }
    return plain;
}

QString Shown(QStringView text) {
    return QLatin1Char('"') + text.toString() + QLatin1Char('"');
}

}  // namespace

ListingValues::Amount ListingValues::ReadAmount(QStringView text, const ListingSite& site) {
    Amount amount;
    QStringView number = text.trimmed();
    // The currency's sign or code, before or after the number; the longest that fits.
    const CurrencyMark* mark = nullptr;
    // Most amounts are a sign and digits, or digits alone: only the marks that can stand
    // there are compared.
    const bool marked =
        !number.isEmpty() && (!IsAsciiDigit(number.front()) || !IsAsciiDigit(number.back()));
    const QChar first = marked ? number.front().toUpper() : QChar();
    const QChar last = marked ? number.back().toUpper() : QChar();
    for (const CurrencyMark& candidate : kCurrencyMarks) {
        if (!marked)
            break;
        const QStringView sign(candidate.mark);
        if ((sign.front() == first && number.startsWith(sign, Qt::CaseInsensitive)) ||
            (sign.back() == last && number.endsWith(sign, Qt::CaseInsensitive))) {
            if (!mark || sign.size() > QStringView(mark->mark).size())
                mark = &candidate;
        }
    }
    if (mark) {
        const QStringView sign(mark->mark);
        number = (number.startsWith(sign, Qt::CaseInsensitive) ? number.sliced(sign.size())
                                                               : number.chopped(sign.size()))
                     .trimmed();
        // A bare dollar sign is the site's dollars, where the site has them.
        const bool dollars = QLatin1String(mark->currency) == QLatin1String("$");
        const bool siteDollars = site.currency.endsWith(QLatin1String("D"));
        if (dollars ? !siteDollars : site.currency != QLatin1String(mark->currency)) {
            amount.otherCurrency = QLatin1String(mark->name);
            return amount;
        }
    }
    amount.plain = PlainNumber(number, site.decimalComma);
    return amount;
}

QString ListingValues::PlainAmount(QStringView text, const ListingSite& site) {
    const Amount amount = ReadAmount(text, site);
    if (!amount.plain || (IsPositive(*amount.plain) && !AmountProblem(*amount.plain).isEmpty()))
        return QString();
    return *amount.plain;
}

bool ListingValues::IsPositive(const QString& amount) {
    const Decimal decimal(amount);
    return !decimal.whole.isEmpty() || !decimal.fraction.isEmpty();
}

QString ListingValues::AmountProblem(const QString& amount) {
    // eBay takes prices from 0.01 to 99,999,999.99 in any of its currencies.
    const Decimal decimal(amount);
    if (decimal.fraction.size() > 2)
        return QCoreApplication::translate("ListingValues", "has more than two decimals");
    if (decimal.whole.isEmpty() && Compare(amount, QStringLiteral("0.01")) < 0)
        return QCoreApplication::translate("ListingValues", "is less than 0.01");
    if (Compare(amount, QStringLiteral("99999999.99")) > 0)
        return QCoreApplication::translate("ListingValues", "is more than 99,999,999.99");
    return QString();
}

bool ListingValues::TakesBuyItNow(const QString& price, const QString& start) {
    return Cents(price) * 100 >= Cents(start) * BuyItNowPercent;
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
    const QDateTime page = PageFormTime(text);
    return page.isValid() ? page : IsoFormTime(text);
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
    return DurationProblem(start, end, TimeOf(start), TimeOf(end));
}

QString ListingValues::DurationProblem(QStringView start, QStringView end, const QDateTime& from,
                                       const QDateTime& to) {
    if (DurationBetween(from, to) > 0)
        return QString();
    const QString forms = QCoreApplication::translate("ListingValues",
                                                      "a time such as Nov-25-02 10:33:39 PST or "
                                                      "2026-12-20 18:00");
    if (!from.isValid())
        return start.trimmed().isEmpty()
                   ? QCoreApplication::translate("ListingValues", "the start time is empty")
                   : QCoreApplication::translate("ListingValues",
                                                 "the start time %1 cannot be read as %2")
                         .arg(Shown(start), forms);
    if (!to.isValid())
        return end.trimmed().isEmpty()
                   ? QCoreApplication::translate("ListingValues", "the end time is empty")
                   : QCoreApplication::translate("ListingValues",
                                                 "the end time %1 cannot be read as %2")
                         .arg(Shown(end), forms);
    const qint64 seconds = from.secsTo(to);
    if (seconds <= 0)
        return QCoreApplication::translate("ListingValues",
                                           "the end time is not after the start time");
    const qint64 hours = (seconds + 1800) / 3600;
    const QString span =
        hours % 24 == 0 ? QCoreApplication::translate("ListingValues", "%1 days").arg(hours / 24)
                        : QCoreApplication::translate("ListingValues", "%1 days and %2 hours")
                              .arg(hours / 24)
                              .arg(hours % 24);
    return QCoreApplication::translate(
               "ListingValues",
               "the auction would run %1; eBay's auctions run 1, 3, 5, 7 or 10 days")
        .arg(span);
}
