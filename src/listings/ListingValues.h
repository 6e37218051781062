// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QDateTime>
#include <QString>
#include <QStringView>

#include <optional>

struct ListingSite;

// What a listing on eBay makes of the catalogue's texts: amounts as plain numbers, read as
// the site's sellers write them, and the start and end times as a listing's duration and
// scheduled start.
class ListingValues {
public:
    // The durations, in days, that an auction on eBay may run.
    static constexpr int AllowedDurations[] = {1, 3, 5, 7, 10};
    // The duration of a fixed price listing, which runs until it sells or is ended; eBay
    // takes no other for one.
    static constexpr const char* UntilCancelled = "GTC";
    // How far ahead eBay schedules a listing's start, in days.
    static constexpr int MostDaysAhead = 21;
    // A Buy It Now price must be at least this much of the start price, in per cent.
    static constexpr int BuyItNowPercent = 130;

    // An amount as the catalogue holds it, read for a site.
    struct Amount {
        // The amount as a plain number, "1234.50", when the text is one in the site's
        // currency.
        std::optional<QString> plain;
        // The currency the text names when it is not the site's ("pounds"); empty otherwise.
        QString otherCurrency;
    };
    // Reads an amount as the site's sellers write it: the site's currency sign or code before
    // or after it, or none ("$1,250.00", "US $1250", "£40.00", "GBP 40", "1.234,50 €" and
    // "EUR 1 234,50" on a site of decimal commas), thousands separated as the site separates
    // them. A sign or code of another currency names it; "1,234.50" on a site of decimal
    // commas, or "ask", is no amount.
    static Amount ReadAmount(QStringView text, const ListingSite& site);
    // The amount of a text as a plain number, where it is one in the site's currency that eBay
    // takes (zero too: free shipping); empty otherwise.
    static QString PlainAmount(QStringView text, const ListingSite& site);
    // Whether a plain amount is more than zero.
    static bool IsPositive(const QString& amount);
    // Why eBay would not take a plain amount above zero as a price ("has more than two
    // decimals", "is less than 0.01", "is more than 99,999,999.99"), or empty.
    static QString AmountProblem(const QString& amount);
    // -1, 0 or 1 as amount a is less than, equal to or more than amount b.
    static int Compare(const QString& a, const QString& b);
    // Whether a plain price is a Buy It Now price eBay takes beside the start price: at
    // least BuyItNowPercent of it. Both amounts are ones AmountProblem finds nothing in.
    static bool TakesBuyItNow(const QString& price, const QString& start);

    // A time as the pages show it: "Nov-25-02 10:33:39 PST" (month, day, year in two or four
    // digits, two giving 1970 to 2069, seconds optional, a zone such as PST, PDT, EST, GMT or UTC),
    // or ISO "2026-12-20 18:00" (a "T" in place of the blank, seconds, "Z" or "+01:00" optional).
    // A time without a zone is the computer's local time. Invalid when it is neither, or
    // names a zone not known here.
    static QDateTime TimeOf(QStringView text);
    // The whole days between two times read by TimeOf when they are one of
    // AllowedDurations, within an hour's slack for a change of clocks; 0 when the times give
    // no allowed duration or either is invalid.
    static int DurationBetween(const QDateTime& from, const QDateTime& to);
    // A start time as TimeOf reads it, in UTC ("2026-12-20 17:00:00"), when it lies after
    // now; empty when it does not or was not read.
    static QString ScheduleTime(const QDateTime& start, const QDateTime& now);
    // Why the times give no duration, as the end of a sentence ("the end time ... cannot be
    // read"); empty when they give one.
    static QString DurationProblem(QStringView start, QStringView end);
    // The same of times already read from those texts.
    static QString DurationProblem(QStringView start, QStringView end, const QDateTime& from,
                                   const QDateTime& to);
};
