// SPDX-License-Identifier: GPL-3.0-or-later
#include "catalogue/SpreadsheetNumberFormat.h"

#include <QDate>

#include <cmath>

namespace {

const char* const kMonths[] = {"January",   "February", "March",    "April",
                               "May",       "June",     "July",     "August",
                               "September", "October",  "November", "December"};
const char* const kDays[] = {"Monday", "Tuesday",  "Wednesday", "Thursday",
                             "Friday", "Saturday", "Sunday"};

bool StartsWithNoCase(const QString& code, qsizetype at, QLatin1String word) {
    return QStringView(code).mid(at).startsWith(word, Qt::CaseInsensitive);
}

QString Padded(qint64 number, int width) {
    return QStringLiteral("%1").arg(number, width, 10, QLatin1Char('0'));
}

// Splits a code at the ";" that separate its sections, not at those in quotes or brackets.
QStringList Sections(const QString& code) {
    QStringList sections;
    QString current;
    bool quoted = false;
    bool bracket = false;
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i);
        if (c == QLatin1Char('\\') && !quoted && i + 1 < code.size()) {
            current += c;
            current += code.at(++i);
            continue;
        }
        if (c == QLatin1Char('"') && !bracket)
            quoted = !quoted;
        else if (c == QLatin1Char('[') && !quoted)
            bracket = true;
        else if (c == QLatin1Char(']') && !quoted)
            bracket = false;
        else if (c == QLatin1Char(';') && !quoted && !bracket) {
            sections << current;
            current.clear();
            continue;
        }
        current += c;
    }
    sections << current;
    return sections;
}

}  // namespace

QString SpreadsheetNumberFormat::BuiltInCode(int id) {
    switch (id) {
        case 1: return QStringLiteral("0");
        case 2: return QStringLiteral("0.00");
        case 3: return QStringLiteral("#,##0");
        case 4: return QStringLiteral("#,##0.00");
        case 5: return QStringLiteral("\"$\"#,##0_);(\"$\"#,##0)");
        case 6: return QStringLiteral("\"$\"#,##0_);[Red](\"$\"#,##0)");
        case 7: return QStringLiteral("\"$\"#,##0.00_);(\"$\"#,##0.00)");
        case 8: return QStringLiteral("\"$\"#,##0.00_);[Red](\"$\"#,##0.00)");
        case 9: return QStringLiteral("0%");
        case 10: return QStringLiteral("0.00%");
        case 11: return QStringLiteral("0.00E+00");
        case 12: return QStringLiteral("# ?/?");
        case 13: return QStringLiteral("# ?\?/?\?");
        // Excel shows its short date in the system's form; this is the one of a US system.
        case 14: return QStringLiteral("m/d/yyyy");
        case 15: return QStringLiteral("d-mmm-yy");
        case 16: return QStringLiteral("d-mmm");
        case 17: return QStringLiteral("mmm-yy");
        case 18: return QStringLiteral("h:mm AM/PM");
        case 19: return QStringLiteral("h:mm:ss AM/PM");
        case 20: return QStringLiteral("h:mm");
        case 21: return QStringLiteral("h:mm:ss");
        case 22: return QStringLiteral("m/d/yyyy h:mm");
        case 37: return QStringLiteral("#,##0_);(#,##0)");
        case 38: return QStringLiteral("#,##0_);[Red](#,##0)");
        case 39: return QStringLiteral("#,##0.00_);(#,##0.00)");
        case 40: return QStringLiteral("#,##0.00_);[Red](#,##0.00)");
        case 45: return QStringLiteral("mm:ss");
        case 46: return QStringLiteral("[h]:mm:ss");
        case 47: return QStringLiteral("mm:ss.0");
        case 48: return QStringLiteral("##0.0E+0");
        case 49: return QStringLiteral("@");
        default: return QString();
    }
}

QString SpreadsheetNumberFormat::General(double value) {
    if (!std::isfinite(value))
        return QStringLiteral("#NUM!");
    if (value == 0)
        return QStringLiteral("0");
    // Fifteen significant digits, as the spreadsheet programs show: 0.1 + 0.2 shows 0.3.
    QString text = QString::number(value, 'g', 15);
    const qsizetype e = text.indexOf(QLatin1Char('e'));
    if (e < 0)
        return text;
    const double magnitude = std::fabs(value);
    if (magnitude >= 1e-10 && magnitude < 1e15) {
        const int decimals = 14 - int(std::floor(std::log10(magnitude)));
        text = QString::number(value, 'f', decimals);
        while (text.endsWith(QLatin1Char('0')))
            text.chop(1);
        if (text.endsWith(QLatin1Char('.')))
            text.chop(1);
        return text;
    }
    // Beyond those, the exponent in the form LibreOffice shows it: 1E+020.
    const QString mantissa = text.left(e);
    const int exponent = QStringView(text).mid(e + 1).toInt();
    return mantissa + (exponent < 0 ? QLatin1String("E-") : QLatin1String("E+")) +
           Padded(std::abs(exponent), 3);
}

SpreadsheetNumberFormat::SpreadsheetNumberFormat(const QString& code) {
    if (code.isEmpty())
        return;
    for (const QString& text : Sections(code)) {
        m_sections.push_back(Parse(text));
        if (!m_sections.back().date && !m_sections.back().fraction)
            Lay(m_sections.back());
    }
}

SpreadsheetNumberFormat::Section SpreadsheetNumberFormat::Parse(const QString& code) {
    Section section;
    std::vector<Token>& tokens = section.tokens;
    auto literal = [&tokens](const QString& text) {
        if (!tokens.empty() && tokens.back().type == Token::Literal)
            tokens.back().text += text;
        else
            tokens.push_back({Token::Literal, text});
    };
    for (qsizetype i = 0; i < code.size(); ++i) {
        const QChar c = code.at(i);
        const char l = c.toLower().toLatin1();
        if (c == QLatin1Char('"')) {
            const qsizetype end = code.indexOf(QLatin1Char('"'), i + 1);
            const qsizetype stop = end < 0 ? code.size() : end;
            literal(code.mid(i + 1, stop - i - 1));
            i = stop;
        } else if (c == QLatin1Char('\\')) {
            if (i + 1 < code.size())
                literal(code.at(++i));
        } else if (c == QLatin1Char('_')) {
            // Room as wide as the next character, to line up with a ")" in another section.
            ++i;
            literal(QStringLiteral(" "));
        } else if (c == QLatin1Char('*')) {
            ++i;  // fills the column with the next character: no text of its own
        } else if (c == QLatin1Char('[')) {
            const qsizetype end = code.indexOf(QLatin1Char(']'), i + 1);
            const qsizetype stop = end < 0 ? code.size() : end;
            const QString inside = code.mid(i + 1, stop - i - 1);
            i = stop;
            const QString lower = inside.toLower();
            if (inside.startsWith(QLatin1Char('$'))) {
                // [$€-407]: a currency symbol and the locale it belongs to; [$-409] a locale.
                const qsizetype dash = inside.indexOf(QLatin1Char('-'), 1);
                literal(inside.mid(1, dash < 0 ? -1 : dash - 1));
            } else if (!lower.isEmpty() && lower.count(lower.at(0)) == lower.size() &&
                       (lower.at(0) == QLatin1Char('h') || lower.at(0) == QLatin1Char('m') ||
                        lower.at(0) == QLatin1Char('s'))) {
                const Token::Type type = lower.at(0) == QLatin1Char('h')   ? Token::ElapsedHours
                                         : lower.at(0) == QLatin1Char('m') ? Token::ElapsedMinutes
                                                                           : Token::ElapsedSeconds;
                tokens.push_back({type, QString(), int(lower.size())});
                section.date = true;
            }
            // Anything else in brackets is a colour, a condition or a locale: nothing shown.
        } else if (c == QLatin1Char('0') || c == QLatin1Char('#') || c == QLatin1Char('?')) {
            tokens.push_back({Token::Digit, QString(c)});
        } else if (c == QLatin1Char('.')) {
            tokens.push_back({Token::Point, QString(c)});
        } else if (c == QLatin1Char(',')) {
            tokens.push_back({Token::Comma, QString(c)});
        } else if (c == QLatin1Char('%')) {
            tokens.push_back({Token::Percent, QString(c)});
        } else if (c == QLatin1Char('/')) {
            // A fraction ("# ?/?") when digits come before it; a date's separator otherwise.
            if (!tokens.empty() && tokens.back().type == Token::Digit && !section.fraction) {
                tokens.push_back({Token::Slash, QString(c)});
                section.fraction = true;
            } else {
                literal(QString(c));
            }
        } else if (l == 'e' && i + 1 < code.size() &&
                   (code.at(i + 1) == QLatin1Char('+') || code.at(i + 1) == QLatin1Char('-'))) {
            tokens.push_back({Token::Exponent, code.mid(i, 2)});
            ++i;
        } else if (StartsWithNoCase(code, i, QLatin1String("general"))) {
            tokens.push_back({Token::General, QString()});
            i += 6;
        } else if (c == QLatin1Char('@')) {
            tokens.push_back({Token::Text, QString()});
        } else if (StartsWithNoCase(code, i, QLatin1String("am/pm"))) {
            tokens.push_back({Token::AmPm, code.mid(i, 5)});
            section.date = true;
            i += 4;
        } else if (StartsWithNoCase(code, i, QLatin1String("a/p"))) {
            tokens.push_back({Token::AmPm, code.mid(i, 3)});
            section.date = true;
            i += 2;
        } else if (l == 'y' || l == 'm' || l == 'd' || l == 'h' || l == 's') {
            int count = 1;
            while (i + 1 < code.size() && code.at(i + 1).toLower() == c.toLower()) {
                ++count;
                ++i;
            }
            const Token::Type type = l == 'y'   ? Token::Year
                                     : l == 'm' ? Token::Month
                                     : l == 'd' ? Token::Day
                                     : l == 'h' ? Token::Hour
                                                : Token::Second;
            tokens.push_back({type, QString(), count});
            section.date = true;
        } else {
            literal(QString(c));
        }
    }
    if (!section.date)
        return section;
    // In a date, "m" after the hours or before the seconds is minutes, and ".0" after the
    // seconds their fraction.
    int previous = -1;
    for (size_t i = 0; i < tokens.size(); ++i) {
        Token& token = tokens[i];
        if (token.type == Token::Month) {
            bool minute = previous >= 0 && (tokens[previous].type == Token::Hour ||
                                            tokens[previous].type == Token::ElapsedHours);
            for (size_t next = i + 1; next < tokens.size() && !minute; ++next) {
                const Token::Type type = tokens[next].type;
                if (type == Token::Second || type == Token::ElapsedSeconds)
                    minute = true;
                if (type != Token::Literal)
                    break;
            }
            if (minute)
                token.type = Token::Minute;
        } else if (token.type == Token::Point && previous >= 0 &&
                   (tokens[previous].type == Token::Second ||
                    tokens[previous].type == Token::ElapsedSeconds)) {
            token.type = Token::FractionSecond;
            token.count = 0;
            while (i + 1 < tokens.size() && tokens[i + 1].type == Token::Digit) {
                tokens.erase(tokens.begin() + qsizetype(i) + 1);
                ++token.count;
            }
        }
        if (token.type != Token::Literal)
            previous = int(i);
    }
    return section;
}

QString SpreadsheetNumberFormat::Show(double value, bool date1904) const {
    if (m_sections.empty() || !std::isfinite(value))
        return General(value);
    const Section* section = &m_sections[0];
    QString sign;
    double shown = value;
    // The negative section shows the number without its sign: it has its own if it wants one.
    if (value < 0 && m_sections.size() >= 2 && !m_sections[1].tokens.empty() &&
        m_sections[1].tokens[0].type != Token::Text) {
        section = &m_sections[1];
        shown = -value;
    } else if (value == 0 && m_sections.size() >= 3) {
        section = &m_sections[2];
    } else if (value < 0) {
        sign = QStringLiteral("-");
        shown = -value;
    }
    if (section->fraction && !section->date)
        return sign + ShowFraction(*section, shown);
    if (section->date)
        return value < 0 ? General(value) : ShowDate(*section, value, date1904);
    return sign + ShowNumber(*section, shown);
}

void SpreadsheetNumberFormat::Lay(Section& section) {
    std::vector<Token>& tokens = section.tokens;
    Layout& layout = section.layout;
    // Where the integer digits, the decimals and the exponent are, and what the commas do.
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        if (token.type == Token::Point && layout.point < 0 && layout.exponent < 0)
            layout.point = qsizetype(i);
        else if (token.type == Token::Exponent && layout.exponent < 0)
            layout.exponent = qsizetype(i);
        else if (token.type == Token::Percent)
            layout.factor *= 100;
        else if (token.type == Token::Digit) {
            if (layout.exponent >= 0)
                ++layout.exponentDigits;
            else if (layout.point >= 0)
                ++layout.decimals;
            else {
                ++layout.integerDigits;
                layout.lastIntegerDigit = qsizetype(i);
                layout.hashInInteger = layout.hashInInteger || token.text != QLatin1String("0");
            }
        }
    }
    // A comma among the integer digits separates thousands; commas right after the last digit
    // scale by a thousand each: "0.0,," shows millions. Neither shows as a comma.
    qsizetype lastDigit = -1;
    for (size_t i = 0; i < tokens.size(); ++i)
        if (tokens[i].type == Token::Digit &&
            (layout.exponent < 0 || qsizetype(i) < layout.exponent))
            lastDigit = qsizetype(i);
    bool scaling = true;
    for (size_t i = 0; i < tokens.size(); ++i) {
        if (tokens[i].type != Token::Comma || lastDigit < 0)
            continue;
        if (qsizetype(i) < layout.lastIntegerDigit && layout.integerDigits > 0) {
            layout.thousands = true;
            tokens[i].count = 1;
        } else if (qsizetype(i) > lastDigit &&
                   (layout.exponent < 0 || qsizetype(i) < layout.exponent)) {
            for (qsizetype back = qsizetype(i) - 1; back > lastDigit; --back)
                scaling = scaling && tokens[back].type == Token::Comma;
            if (scaling) {
                layout.factor /= 1000;
                tokens[i].count = 1;
            }
        }
    }
}

QString SpreadsheetNumberFormat::ShowNumber(const Section& section, double value) {
    const std::vector<Token>& tokens = section.tokens;
    const Layout& layout = section.layout;
    const qsizetype point = layout.point;
    const qsizetype exponent = layout.exponent;
    const int integerDigits = layout.integerDigits;
    const int decimals = layout.decimals;
    const int exponentDigits = layout.exponentDigits;
    const bool thousands = layout.thousands;
    const bool hashInInteger = layout.hashInInteger;
    // General in a code shows the number itself, not as the digit placeholders round it.
    const double unrounded = value;
    value *= layout.factor;

    int power = 0;
    if (exponent >= 0 && value != 0) {
        power = int(std::floor(std::log10(value)));
        const int step = std::max(1, integerDigits);
        if (step > 1 && hashInInteger)
            power = int(std::floor(double(power) / step)) * step;
        else
            power -= step - 1;
        value /= std::pow(10.0, power);
        // Rounding may carry the mantissa into one more digit: 9.999 with "0.00E+00".
        if (QString::number(value, 'f', decimals).indexOf(QLatin1Char('.')) >
                std::max(1, integerDigits) &&
            !(step > 1 && hashInInteger)) {
            value /= 10;
            ++power;
        }
    }
    // Halves round away from zero, as the spreadsheet programs do, also where the binary
    // value falls just short of the half: 2.5 with "0" shows 3, 1.005 with "0.00" shows 1.01.
    double scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    const double scaled = value * scale;
    if (scaled < 1e15) {
        double rounded = std::floor(scaled);
        if (scaled - rounded >= 0.5 - 1e-12 * std::max(1.0, scaled))
            rounded += 1;
        value = rounded / scale;
    }
    const QString digits = QString::number(value, 'f', decimals);
    const qsizetype dot = digits.indexOf(QLatin1Char('.'));
    QString integer = dot < 0 ? digits : digits.left(dot);
    const QString fraction = dot < 0 ? QString() : digits.mid(dot + 1);
    if (integer == QLatin1String("0"))
        integer.clear();
    const qsizetype length = integer.size();

    qsizetype lastShownDecimal = fraction.size() - 1;
    while (lastShownDecimal >= 0 && fraction.at(lastShownDecimal) == QLatin1Char('0'))
        --lastShownDecimal;

    QString out;
    int integerPlaceholder = 0;
    int decimalPlaceholder = 0;
    bool inExponent = false;
    int exponentPlaceholder = 0;
    auto integerPart = [&](const QString& placeholder) {
        // Placeholders take the digits from the right; the first one takes all that are left.
        const int fromRight = integerDigits - 1 - integerPlaceholder;
        const qsizetype highest =
            integerPlaceholder == 0 ? std::max(length - 1, qsizetype(fromRight)) : fromRight;
        for (qsizetype position = highest; position >= fromRight; --position) {
            QChar shown;
            if (position < length)
                shown = integer.at(length - 1 - position);
            else if (placeholder == QLatin1String("0"))
                shown = QLatin1Char('0');
            else if (placeholder == QLatin1String("?"))
                shown = QLatin1Char(' ');
            if (shown.isNull())
                continue;
            out += shown;
            if (thousands && shown.isDigit() && position > 0 && position % 3 == 0)
                out += QLatin1Char(',');
        }
        ++integerPlaceholder;
    };
    for (size_t i = 0; i < tokens.size(); ++i) {
        const Token& token = tokens[i];
        switch (token.type) {
            case Token::Digit:
                if (inExponent) {
                    const QString text = QString::number(std::abs(power));
                    const int width = exponentDigits;
                    if (exponentPlaceholder++ == 0)
                        out += text.size() < width
                                   ? QString(width - text.size(), QLatin1Char('0')) + text
                                   : text;
                } else if (point >= 0 && qsizetype(i) > point) {
                    if (decimalPlaceholder <= lastShownDecimal)
                        out += fraction.at(decimalPlaceholder);
                    else if (token.text == QLatin1String("0"))
                        out += QLatin1Char('0');
                    else if (token.text == QLatin1String("?"))
                        out += QLatin1Char(' ');
                    ++decimalPlaceholder;
                } else {
                    integerPart(token.text);
                }
                break;
            case Token::Point:
                // Without an integer placeholder the integer digits still show, before the point.
                if (qsizetype(i) == point && integerDigits == 0)
                    out += integer;
                out += QLatin1Char('.');
                break;
            case Token::Comma:
                if (token.count == 0)
                    out += QLatin1Char(',');
                break;
            case Token::Exponent:
                out += token.text.at(0);
                if (power < 0)
                    out += QLatin1Char('-');
                else if (token.text.at(1) == QLatin1Char('+'))
                    out += QLatin1Char('+');
                inExponent = true;
                break;
            case Token::General:
            case Token::Text: out += General(unrounded); break;
            default: out += token.text; break;
        }
    }
    return out;
}

QString SpreadsheetNumberFormat::ShowFraction(const Section& section, double value) {
    const std::vector<Token>& tokens = section.tokens;
    qsizetype slash = 0;
    while (tokens[slash].type != Token::Slash)
        ++slash;
    // The numerator's placeholders stand right before the slash, the whole number's before
    // them, apart; the denominator's after it, or a fixed denominator written out ("# ?/8").
    qsizetype numeratorStart = slash;
    while (numeratorStart > 0 && tokens[numeratorStart - 1].type == Token::Digit)
        --numeratorStart;
    qsizetype integerEnd = numeratorStart;
    while (integerEnd > 0 && tokens[integerEnd - 1].type != Token::Digit)
        --integerEnd;
    qsizetype integerStart = integerEnd;
    while (integerStart > 0 && tokens[integerStart - 1].type == Token::Digit)
        --integerStart;
    const bool whole = integerEnd > 0;
    QString numeratorPlaceholders;
    for (qsizetype i = numeratorStart; i < slash; ++i)
        numeratorPlaceholders += tokens[i].text;
    QString denominatorPlaceholders;
    QString fixed;
    qsizetype after = slash + 1;
    QString suffixStart;  // what is left of a literal the fixed denominator began
    for (; after < qsizetype(tokens.size()); ++after) {
        const Token& token = tokens[after];
        if (token.type == Token::Digit && fixed.isEmpty()) {
            denominatorPlaceholders += token.text;
        } else if (token.type == Token::Digit && token.text == QLatin1String("0")) {
            fixed += token.text;
        } else if (token.type == Token::Literal && denominatorPlaceholders.isEmpty() &&
                   !token.text.isEmpty() && token.text.at(0).isDigit()) {
            qsizetype digits = 0;
            while (digits < token.text.size() && token.text.at(digits).isDigit())
                ++digits;
            fixed += token.text.left(digits);
            if (digits < token.text.size()) {
                suffixStart = token.text.mid(digits);
                ++after;
                break;
            }
        } else {
            break;
        }
    }

    double integer = whole ? std::floor(value) : 0;
    const double fractional = value - integer;
    qint64 numerator = 0;
    qint64 denominator = 1;
    if (!fixed.isEmpty()) {
        denominator = std::max(1, fixed.toInt());
        numerator = qint64(std::nearbyint(fractional * double(denominator)));
    } else {
        // The nearest fraction whose denominator has no more digits than the placeholders.
        const int digits = std::min(int(denominatorPlaceholders.size()), 4);
        qint64 largest = 1;
        for (int i = 0; i < digits; ++i)
            largest *= 10;
        largest = std::max<qint64>(1, largest - 1);
        double best = 2;
        for (qint64 d = 1; d <= largest; ++d) {
            const qint64 n = std::llround(fractional * double(d));
            const double error = std::fabs(fractional - double(n) / double(d));
            if (error < best - 1e-12) {
                best = error;
                numerator = n;
                denominator = d;
            }
        }
    }
    if (whole && numerator == denominator) {
        integer += 1;
        numerator = 0;
    }

    auto padded = [](const QString& number, const QString& placeholders, bool left) -> QString {
        QString padding;
        const qsizetype missing = placeholders.size() - number.size();
        for (qsizetype i = 0; i < missing; ++i) {
            const QChar placeholder = placeholders.at(left ? i : number.size() + i);
            if (placeholder == QLatin1Char('0'))
                padding += QLatin1Char('0');
            else if (placeholder == QLatin1Char('?'))
                padding += QLatin1Char(' ');
        }
        return left ? padding + number : number + padding;
    };
    QString out;
    for (qsizetype i = 0; i < integerStart; ++i)
        if (tokens[i].type == Token::Literal)
            out += tokens[i].text;
    if (whole) {
        QString integerPlaceholders;
        for (qsizetype i = integerStart; i < integerEnd; ++i)
            integerPlaceholders += tokens[i].text;
        // A whole number shows even when it is 0, if there is no fraction beside it.
        const QString digits =
            integer == 0 && numerator != 0 ? QString() : QString::number(qint64(integer));
        out += padded(digits, integerPlaceholders, true);
        QString between;
        for (qsizetype i = integerEnd; i < numeratorStart; ++i)
            if (tokens[i].type == Token::Literal)
                between += tokens[i].text;
        if (numerator == 0) {
            // No fraction: blanks where it would stand, so that the whole numbers line up.
            const qsizetype width = between.size() + numeratorPlaceholders.size() + 1 +
                                    (fixed.isEmpty() ? denominatorPlaceholders.size() : 0);
            out += QString(width, QLatin1Char(' '));
        } else {
            out += between;
        }
    }
    if (!whole || numerator != 0) {
        out += padded(QString::number(numerator), numeratorPlaceholders, true);
        out += QLatin1Char('/');
        out += fixed.isEmpty()
                   ? padded(QString::number(denominator), denominatorPlaceholders, false)
                   : QString::number(denominator);
    }
    out += suffixStart;
    for (qsizetype i = after; i < qsizetype(tokens.size()); ++i)
        if (tokens[i].type == Token::Literal)
            out += tokens[i].text;
    return out;
}

QString SpreadsheetNumberFormat::ShowDate(const Section& section, double value, bool date1904) {
    if (value >= 2958466)  // after 9999-12-31
        return General(value);
    int fractionDigits = 0;
    bool twelveHours = false;
    for (const Token& token : section.tokens) {
        if (token.type == Token::FractionSecond)
            fractionDigits = std::max(fractionDigits, std::min(token.count, 3));
        if (token.type == Token::AmPm)
            twelveHours = true;
    }
    const qint64 unitsPerSecond = qint64(std::pow(10, fractionDigits));
    const qint64 unitsPerDay = 86400 * unitsPerSecond;
    const qint64 units = std::llround(value * double(unitsPerDay));
    const qint64 days = units / unitsPerDay;
    const qint64 withinDay = units % unitsPerDay;
    const qint64 seconds = withinDay / unitsPerSecond;
    const qint64 fraction = withinDay % unitsPerSecond;
    const int hour = int(seconds / 3600);
    const int minute = int(seconds / 60 % 60);
    const int second = int(seconds % 60);

    int year = 0;
    int month = 0;
    int day = 0;
    int weekday = 0;  // 1 Monday .. 7 Sunday
    if (date1904) {
        const QDate date = QDate(1904, 1, 1).addDays(days);
        date.getDate(&year, &month, &day);
        weekday = date.dayOfWeek();
    } else if (days == 60) {
        // Excel counts a 29 February 1900 that never was, as Lotus 1-2-3 did before it.
        year = 1900;
        month = 2;
        day = 29;
        weekday = 3;
    } else {
        const QDate date = QDate(1899, 12, days < 60 ? 31 : 30).addDays(days);
        date.getDate(&year, &month, &day);
        weekday = date.dayOfWeek();
    }

    QString out;
    for (const Token& token : section.tokens) {
        switch (token.type) {
            case Token::Year:
                out += token.count <= 2 ? Padded(year % 100, 2) : Padded(year, 4);
                break;
            case Token::Month:
                if (token.count <= 2)
                    out += Padded(month, token.count);
                else if (token.count == 3)
                    out += QLatin1String(kMonths[month - 1]).left(3);
                else if (token.count == 4)
                    out += QLatin1String(kMonths[month - 1]);
                else
                    out += QLatin1Char(kMonths[month - 1][0]);
                break;
            case Token::Day:
                if (token.count <= 2)
                    out += Padded(day, token.count);
                else if (token.count == 3)
                    out += QLatin1String(kDays[weekday - 1]).left(3);
                else
                    out += QLatin1String(kDays[weekday - 1]);
                break;
            case Token::Hour: {
                int shown = hour;
                if (twelveHours) {
                    shown = hour % 12;
                    if (shown == 0)
                        shown = 12;
                }
                out += Padded(shown, std::min(token.count, 2));
                break;
            }
            case Token::Minute: out += Padded(minute, std::min(token.count, 2)); break;
            case Token::Second: out += Padded(second, std::min(token.count, 2)); break;
            case Token::FractionSecond:
                out += QLatin1Char('.');
                out += Padded(fraction, fractionDigits).left(token.count);
                break;
            case Token::AmPm: {
                const bool pm = hour >= 12;
                if (token.text.size() == 3)  // A/P
                    out += token.text.at(pm ? 2 : 0);
                else if (token.text.at(0).isLower())
                    out += pm ? QLatin1String("pm") : QLatin1String("am");
                else
                    out += pm ? QLatin1String("PM") : QLatin1String("AM");
                break;
            }
            case Token::ElapsedHours: out += Padded(days * 24 + hour, token.count); break;
            case Token::ElapsedMinutes:
                out += Padded((days * 24 + hour) * 60 + minute, token.count);
                break;
            case Token::ElapsedSeconds:
                out += Padded(((days * 24 + hour) * 60 + minute) * 60 + second, token.count);
                break;
            case Token::General:
            case Token::Text: out += General(value); break;
            case Token::Point: out += QLatin1Char('.'); break;
            case Token::Digit:
            case Token::Slash:
            case Token::Comma:
            case Token::Percent:
            case Token::Exponent:
            case Token::Literal: out += token.text; break;
        }
    }
    return out;
}
