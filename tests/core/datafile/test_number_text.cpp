#include "common/test_registry.h"
#include "core/datafile/sample_support.h"

#include "core/datafile/data_file.h"
#include "core/datafile/layout.h"
#include "core/datafile/number_text.h"

#include <QTest>

#include <array>
#include <bit>
#include <clocale>
#include <limits>
#include <cmath>
#include <random>

using namespace vw::datafile;

class NumberTextTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void shownNumbers_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<double>("readBack");
        const QChar point('.'), comma(',');
        QTest::newRow("0.75 with ','") << 0.75 << comma << "0,75" << 0.75;
        QTest::newRow("0.75 with '.'") << 0.75 << point << "0.75" << 0.75;
        QTest::newRow("negative with ','") << -2.5 << comma << "-2,5" << -2.5;
        QTest::newRow("whole number") << 12.0 << comma << "12" << 12.0;
        QTest::newRow("large") << 1e20 << point << "1e+20" << 1e20;
        QTest::newRow("small with ','") << 1.5e-7 << comma << "1,5e-07" << 1.5e-7;
        QTest::newRow("15 digits") << 123456.789012345 << comma << "123456,789012345" << 123456.789012345;
        // 15 significant digits: the shown text reads back as the text's value.
        QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << point << "0.3" << 0.3;
        QTest::newRow("a third") << 1.0 / 3 << comma << "0,333333333333333" << 0.333333333333333;
        // What the editor shows for values that are no numbers reads back to them.
        QTest::newRow("infinity") << HUGE_VAL << comma << "INF" << HUGE_VAL;
        QTest::newRow("minus infinity") << -HUGE_VAL << point << "-INF" << -HUGE_VAL;
        QTest::newRow("not a number") << std::nan("") << comma << "NAN" << std::nan("");
    }
    void shownNumbers()
    {
        QFETCH(double, value);
        QFETCH(QChar, separator);
        QFETCH(QString, shown);
        QFETCH(double, readBack);
        QCOMPARE(formatNumber(value, separator), shown);
        QCOMPARE(readNumber(shown, separator), readBack);
        QVERIFY(isCompleteNumber(shown, separator));
        QCOMPARE(formatNumber(readNumber(shown, separator), separator), shown);
    }

    // Whatever double is shown, reading the text back gives the value the
    // text stands for, and showing that again gives the same text.
    void everyShownNumberReadsBack_data()
    {
        QTest::addColumn<QChar>("separator");
        QTest::newRow("'.'") << QChar('.');
        QTest::newRow("','") << QChar(',');
    }
    void everyShownNumberReadsBack()
    {
        QFETCH(QChar, separator);
        std::mt19937_64 rng(5);
        for (int n = 0; n < 2000; ++n) {
            double value = std::bit_cast<double>(rng());
            if (!std::isfinite(value))
                continue;
            if (n % 2) // also values of everyday size
                value = std::ldexp(value, -std::ilogb(value) + int(rng() % 40) - 20);
            const QString shown = formatNumber(value, separator);
            const double read = readNumber(shown, separator);
            QCOMPARE(read, QString(shown).replace(separator, QLatin1Char('.')).toDouble());
            QCOMPARE(formatNumber(read, separator), shown);
        }
    }

    // The fast read-back agrees bit for bit with reading the shown text, for
    // random bit patterns (subnormals and non-finite values included).
    void shownValueIsTheShownTextReadBack()
    {
        std::mt19937_64 rng(11);
        for (int n = 0; n < 20000; ++n) {
            double value = n < 3 ? std::array{std::numeric_limits<double>::denorm_min(), -0.0, 2.2250738585072e-308}[n]
                                 : std::bit_cast<double>(rng());
            if (n > 2 && n % 2 && std::isfinite(value) && value != 0)
                value = std::ldexp(value, -std::ilogb(value) + int(rng() % 40) - 20);
            const double expected = readNumber(formatNumber(value));
            const double fast = shownValue(value);
            QVERIFY2(std::bit_cast<quint64>(fast) == std::bit_cast<quint64>(expected), qPrintable(formatNumber(value)));
        }
        QCOMPARE(shownValue(0.1 + 0.2), 0.3);
    }

    void numberGrammar_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QChar>("separator");
        QTest::addColumn<double>("value");
        QTest::addColumn<bool>("complete");
        const QChar point('.'), comma(',');
        QTest::newRow("empty") << "" << point << 0.0 << true;
        QTest::newRow("blanks") << "   " << point << 0.0 << true;
        QTest::newRow("leading blanks") << " \t 42" << point << 42.0 << true;
        QTest::newRow("trailing blanks") << "42  " << point << 42.0 << true;
        QTest::newRow("plus") << "+3.5" << point << 3.5 << true;
        QTest::newRow("minus") << "-3.5" << point << -3.5 << true;
        QTest::newRow("exponent") << "1e3" << point << 1000.0 << true;
        QTest::newRow("signed exponent") << "-2.5E-2" << point << -0.025 << true;
        QTest::newRow("no integer part") << ".5" << point << 0.5 << true;
        QTest::newRow("no fraction") << "5." << point << 5.0 << true;
        QTest::newRow("trailing letters") << "12abc" << point << 12.0 << false;
        QTest::newRow("lone minus") << "-" << point << 0.0 << false;
        QTest::newRow("lone plus") << "+" << point << 0.0 << false;
        QTest::newRow("lone point") << "." << point << 0.0 << false;
        QTest::newRow("letters") << "abc" << point << 0.0 << false;
        QTest::newRow("exponent without digits") << "2e" << point << 2.0 << false;
        QTest::newRow("exponent with sign only") << "2e+" << point << 2.0 << false;
        QTest::newRow("exponent alone") << "e5" << point << 0.0 << false;
        QTest::newRow("two points") << "1.2.3" << point << 1.2 << false;
        QTest::newRow("two signs") << "--5" << point << 0.0 << false;
        QTest::newRow("blank after sign") << "- 5" << point << 0.0 << false;
        QTest::newRow("comma when '.' is the separator") << "0,75" << point << 0.0 << false;
        QTest::newRow("comma separator") << "0,75" << comma << 0.75 << true;
        QTest::newRow("point also with ','") << "1.5" << comma << 1.5 << true;
        QTest::newRow("beyond the doubles") << "-1.5e999" << point << -HUGE_VAL << true;
        QTest::newRow("many digits, no exponent") << QString(400, '9') << point << HUGE_VAL << true;
        QTest::newRow("below the doubles") << "0.001e-322" << point << 0.0 << true;
        QTest::newRow("huge exponent, tiny mantissa") << "0.0001e99999999999999999999" << point << HUGE_VAL << true;
    }
    void numberGrammar()
    {
        QFETCH(QString, text);
        QFETCH(QChar, separator);
        QFETCH(double, value);
        QFETCH(bool, complete);
        QCOMPARE(readNumber(text, separator), value);
        QCOMPARE(isCompleteNumber(text, separator), complete);
    }

    // Qt sets the C library's locale from the environment; under a decimal
    // comma a locale-bound conversion reads "1.5" as 1 and shows 2,25.
    void numbersIgnoreTheSystemLocale()
    {
        const QByteArray before = setlocale(LC_ALL, nullptr);
        const bool comma = setlocale(LC_ALL, "ru_RU.UTF-8") && *localeconv()->decimal_point == ',';
        const std::pair seen(readNumber(QStringLiteral("1.5")), formatNumber(2.25));
        setlocale(LC_ALL, before.constData());
        if (!comma)
            QSKIP("the decimal-comma locale ru_RU.UTF-8 is not installed");
        QCOMPARE(seen, std::pair(1.5, QStringLiteral("2.25")));
    }

    void readInteger_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<qint64>("value"); // with fallback -99
        QTest::newRow("blanks around") << " 42 " << true << qint64(42);
        QTest::newRow("plus") << "+7" << true << qint64(7);
        QTest::newRow("minus") << "-13" << true << qint64(-13);
        QTest::newRow("largest") << "9223372036854775807" << true << std::numeric_limits<qint64>::max();
        QTest::newRow("too large") << "9223372036854775808" << false << qint64(-99);
        QTest::newRow("empty") << "" << false << qint64(-99);
        QTest::newRow("lone sign") << "-" << false << qint64(-99);
        QTest::newRow("fraction") << "4.2" << false << qint64(-99);
        QTest::newRow("exponent") << "1e3" << false << qint64(-99);
        QTest::newRow("trailing letters") << "12abc" << false << qint64(-99);
        QTest::newRow("hexadecimal") << "0x10" << false << qint64(-99);
    }
    void readInteger()
    {
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(qint64, value);
        bool parsed = !ok;
        QCOMPARE(vw::datafile::readInteger(text, -99, &parsed), value);
        QCOMPARE(parsed, ok);
    }

    void roundHalfEven_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<double>("rounded");
        QTest::newRow("2.5") << 2.5 << 2.0;
        QTest::newRow("3.5") << 3.5 << 4.0;
        QTest::newRow("-2.5") << -2.5 << -2.0;
        QTest::newRow("-3.5") << -3.5 << -4.0;
        QTest::newRow("0.5") << 0.5 << 0.0;
        QTest::newRow("1.5") << 1.5 << 2.0;
        QTest::newRow("below half") << 2.4999999 << 2.0;
        QTest::newRow("above half") << 2.5000001 << 3.0;
        QTest::newRow("large half") << 1e15 + 0.5 << 1e15;
    }
    void roundHalfEven()
    {
        QFETCH(double, value);
        QFETCH(double, rounded);
        QCOMPARE(vw::datafile::roundHalfEven(value), rounded);
    }

    // Fixed-width texts: cut to the width, the rest of the field zeroed (also
    // what an earlier, longer text left), shown trimmed of codes 0..32.
    void fixedWidthTexts_data()
    {
        QTest::addColumn<QString>("written");
        QTest::addColumn<QByteArray>("field");
        QTest::addColumn<QString>("shown");
        QTest::newRow("short") << "Hobby" << QByteArray("Hobby\0\0\0", 8) << "Hobby";
        QTest::newRow("exact width") << "Kestrel2" << QByteArray("Kestrel2") << "Kestrel2";
        QTest::newRow("cut to width") << "Sparrowhawk" << QByteArray("Sparrowh") << "Sparrowh";
        QTest::newRow("blanks trimmed, inner kept") << " a b\t" << QByteArray(" a b\t\0\0\0", 8) << "a b";
        QTest::newRow("empty") << "" << QByteArray(8, '\0') << "";
        QTest::newRow("latin-1") << QStringLiteral("K\u00e4fer") << QByteArray("K\xe4" "fer\0\0\0", 8)
                                 << QStringLiteral("K\u00e4fer");
    }
    void fixedWidthTexts()
    {
        QFETCH(QString, written);
        QFETCH(QByteArray, field);
        QFETCH(QString, shown);
        QCOMPARE(fixedTextBytes(written, 8), field);
        QCOMPARE(trimFieldText(field), shown);

        // Through the file: the old text is overwritten whole, the byte behind
        // the field is left alone.
        QByteArray bytes(200, '\x21');
        DataFile file = DataFile::fromBytes(bytes, false);
        const qint64 at = directoryEntryOffset(1) + 8;
        file.writeText(at, 8, written);
        QCOMPARE(file.bytes(at, 8), field);
        QCOMPARE(file.text(at, 8), shown);
        QCOMPARE(file.u8(at + 8), quint8(0x21));
        QCOMPARE(file.u8(at - 1), quint8(0x21));
    }

    void trimmingStopsAtCode33()
    {
        QCOMPARE(trimFieldText(QByteArray("\x01\x1f \x20!x!\x20\0", 9)), QStringLiteral("!x!"));
        QCOMPARE(trimFieldText(QByteArray("\0\0\0", 3)), QString());
    }
};

VW_TEST(NumberTextTest)
#include "test_number_text.moc"
