#include "number_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <limits>

namespace vw::datafile {

QString formatNumber(double value, QChar separator)
{
    if (std::isnan(value))
        return QStringLiteral("NAN");
    if (std::isinf(value))
        return value > 0 ? QStringLiteral("INF") : QStringLiteral("-INF");
    QString text = QString::number(value, 'g', 15);
    if (separator != QLatin1Char('.'))
        text.replace(QLatin1Char('.'), separator);
    return text;
}

namespace {

struct Scan {
    qsizetype end = 0;     // one past the last character of the number
    bool complete = false; // the whole text (blanks aside) is the number
    double value = 0;
};

// The value of a text the scanner has checked against the grammar, with "."
// as its point. Read without the C library's locale, which Qt sets from the
// environment: under a locale with a decimal comma strtod would stop at the
// point and read "1.5" as 1.
double valueOf(const QByteArray &ascii)
{
    const char *begin = ascii.constData();
    const char *end = begin + ascii.size();
    const bool negative = *begin == '-';
    if (*begin == '+' || *begin == '-')
        ++begin; // from_chars takes no plus sign; the minus is put back below
    double value = 0;
    if (std::from_chars(begin, end, value).ec == std::errc::result_out_of_range) {
        // Beyond the doubles: infinity for a huge text, zero for a tiny one.
        // The decimal exponent of the first non-zero digit tells which.
        const qsizetype e = ascii.indexOf('e');
        const QByteArray mantissa = e < 0 ? QByteArray(begin, end - begin) : QByteArray(begin, ascii.constData() + e - begin);
        const QByteArray exponentText = e < 0 ? QByteArray() : ascii.mid(e + 1);
        const qsizetype point = mantissa.contains('.') ? mantissa.indexOf('.') : mantissa.size();
        const qsizetype first = std::distance(mantissa.begin(), std::find_if(mantissa.begin(), mantissa.end(),
                                                                            [](char c) { return c >= '1' && c <= '9'; }));
        // Only a huge or a tiny magnitude is out of range, so an exponent held
        // to the int range still tells which.
        bool ok = false;
        qint64 exponent = exponentText.toLongLong(&ok);
        if (!ok && !exponentText.isEmpty())
            exponent = exponentText.startsWith('-') ? std::numeric_limits<int>::min() : std::numeric_limits<int>::max();
        exponent = std::clamp<qint64>(exponent, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
        const qint64 magnitude = exponent + (first < point ? point - first - 1 : point - first);
        value = magnitude > 0 ? std::numeric_limits<double>::infinity() : 0.0;
    }
    return negative ? -value : value;
}

bool isPoint(QChar c, QChar separator)
{
    return c == QLatin1Char('.') || c == separator;
}

Scan scanNumber(const QString &text, QChar separator)
{
    Scan scan;
    const qsizetype n = text.size();
    qsizetype i = 0;
    while (i < n && text.at(i).unicode() <= 32)
        ++i;
    if (i == n) { // empty or blank text reads as 0
        scan.complete = true;
        return scan;
    }
    // Special values the editor itself shows for non-finite doubles.
    const QString rest = text.mid(i).trimmed().toUpper();
    if (rest == QLatin1String("NAN") || rest == QLatin1String("INF")
        || rest == QLatin1String("-INF") || rest == QLatin1String("+INF")) {
        scan.complete = true;
        scan.end = n;
        scan.value = rest == QLatin1String("NAN") ? std::numeric_limits<double>::quiet_NaN()
                     : rest.startsWith(QLatin1Char('-')) ? -std::numeric_limits<double>::infinity()
                                                         : std::numeric_limits<double>::infinity();
        return scan;
    }
    QByteArray ascii;
    qsizetype j = i;
    if (j < n && (text.at(j) == QLatin1Char('+') || text.at(j) == QLatin1Char('-')))
        ascii += char(text.at(j++).unicode());
    qsizetype digits = 0;
    while (j < n && text.at(j).isDigit() && text.at(j).unicode() < 128) {
        ascii += char(text.at(j++).unicode());
        ++digits;
    }
    qsizetype valid = digits ? j : i;
    QByteArray validAscii = digits ? ascii : QByteArray();
    if (j < n && isPoint(text.at(j), separator)) {
        QByteArray withPoint = ascii + '.';
        qsizetype k = j + 1;
        qsizetype fraction = 0;
        while (k < n && text.at(k).isDigit() && text.at(k).unicode() < 128) {
            withPoint += char(text.at(k++).unicode());
            ++fraction;
        }
        if (digits + fraction > 0) {
            ascii = withPoint;
            j = k;
            digits += fraction;
            valid = j;
            validAscii = ascii;
        }
    }
    if (digits > 0 && j < n && (text.at(j) == QLatin1Char('e') || text.at(j) == QLatin1Char('E'))) {
        QByteArray withExp = ascii + 'e';
        qsizetype k = j + 1;
        if (k < n && (text.at(k) == QLatin1Char('+') || text.at(k) == QLatin1Char('-')))
            withExp += char(text.at(k++).unicode());
        qsizetype expDigits = 0;
        while (k < n && text.at(k).isDigit() && text.at(k).unicode() < 128) {
            withExp += char(text.at(k++).unicode());
            ++expDigits;
        }
        if (expDigits > 0) {
            valid = k;
            validAscii = withExp;
        }
    }
    scan.end = valid;
    scan.value = validAscii.isEmpty() ? 0.0 : valueOf(validAscii);
    qsizetype tail = valid;
    while (tail < n && text.at(tail).unicode() <= 32)
        ++tail;
    scan.complete = !validAscii.isEmpty() && tail == n;
    return scan;
}

} // namespace

double readNumber(const QString &text, QChar separator)
{
    return scanNumber(text, separator).value;
}

bool isCompleteNumber(const QString &text, QChar separator)
{
    return scanNumber(text, separator).complete;
}

double shownValue(double value)
{
    if (std::isnan(value))
        return std::numeric_limits<double>::quiet_NaN(); // shown as "NAN", whatever its sign or payload
    if (std::isinf(value))
        return value;
    if (value == 0)
        return 0.0; // -0 is shown as "0"
    // A value whose shortest exact text has at most 15 significant digits
    // shows as that text, which reads back to the value itself.
    char text[48];
    {
        const auto shortest = std::to_chars(text, text + sizeof text, value, std::chars_format::scientific);
        int significant = 0;
        for (const char *c = text; c < shortest.ptr && *c != 'e'; ++c)
            significant += *c >= '0' && *c <= '9';
        if (significant <= 15)
            return value;
    }
    // 20 correctly rounded significant digits tell the 15 shown ones, except
    // when digits 16..20 are 50000: an exact tie, which the shown text rounds
    // away from zero, or a value too close to one to tell. Those take the text.
    const auto sci = std::to_chars(text, text + sizeof text, std::fabs(value), std::chars_format::scientific, 19);
    *sci.ptr = '\0';
    // text: "d.ddddddddddddddddddde+XX"
    if (text[16] == '5' && std::memcmp(text + 17, "0000", 4) == 0)
        return readNumber(formatNumber(value));
    std::uint64_t digits = std::uint64_t(text[0] - '0');
    for (int i = 2; i <= 15; ++i)
        digits = digits * 10 + std::uint64_t(text[i] - '0');
    if (text[16] >= '5')
        ++digits;
    const int exponent = std::atoi(text + 22) - 14;
    char shown[48] = {};
    const auto mantissa = std::to_chars(shown, shown + 24, digits); // at most 16 digits
    if (mantissa.ec != std::errc())
        return readNumber(formatNumber(value));
    shown[mantissa.ptr - shown] = 'e';
    const auto last = std::to_chars(mantissa.ptr + 1, shown + sizeof shown, exponent).ptr;
    double back = 0;
    if (std::from_chars(shown, last, back).ec != std::errc())
        return readNumber(formatNumber(value)); // subnormal results
    return value < 0 ? -back : back;
}

qint64 readInteger(const QString &text, qint64 fallback, bool *ok)
{
    bool parsed = false;
    const QString trimmed = text.trimmed();
    qint64 value = 0;
    // Only plain decimal digits with an optional sign count as an integer.
    bool plain = !trimmed.isEmpty();
    for (qsizetype i = 0; i < trimmed.size() && plain; ++i) {
        const QChar c = trimmed.at(i);
        if (i == 0 && (c == QLatin1Char('+') || c == QLatin1Char('-')) && trimmed.size() > 1)
            continue;
        plain = c.unicode() >= '0' && c.unicode() <= '9';
    }
    if (plain)
        value = trimmed.toLongLong(&parsed, 10);
    if (ok)
        *ok = parsed;
    return parsed ? value : fallback;
}

double roundHalfEven(double value)
{
    // nearbyint rounds in the current rounding mode, which is to-nearest-even.
    return std::nearbyint(value);
}

QString trimFieldText(const QByteArray &raw)
{
    qsizetype begin = 0;
    qsizetype end = raw.size();
    while (begin < end && quint8(raw.at(begin)) <= 32)
        ++begin;
    while (end > begin && quint8(raw.at(end - 1)) <= 32)
        --end;
    return QString::fromLatin1(raw.constData() + begin, end - begin);
}

QString readFixedText(const std::uint8_t *bytes, int width)
{
    return trimFieldText(QByteArray(reinterpret_cast<const char *>(bytes), width));
}

QByteArray fixedTextBytes(const QString &text, int width)
{
    QByteArray bytes(width, '\0');
    const QByteArray latin = text.left(width).toLatin1();
    std::copy(latin.begin(), latin.end(), bytes.begin());
    return bytes;
}

} // namespace vw::datafile
