#include "colorcode/numbertext.h"
#include "colorcode/resistance.h"

#include <QLocale>
#include <QTest>

#include <cfloat>
#include <clocale>
#include <cmath>
#include <limits>

using namespace Qt::StringLiterals;
using colorcode::numberText;
using colorcode::parseNumber;

class tst_NumberText : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void toText_data();
    void toText();
    void fromText_data();
    void fromText();
    void roundTrip_data();
    void roundTrip();
    void extremes_data();
    void extremes();
    void enteredOhms_data();
    void enteredOhms();
};

// Every test runs with a locale whose decimal separator is a comma: the
// number text must still use ".".
void tst_NumberText::initTestCase()
{
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    for (const char *name : {"de_DE.UTF-8", "de_DE.utf8", "de_DE", "fr_FR.UTF-8", "ko_KR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name))
            break;
    }
}

void tst_NumberText::cleanupTestCase()
{
    std::setlocale(LC_ALL, "C");
    QLocale::setDefault(QLocale::c());
}

void tst_NumberText::toText_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("text");

    QTest::newRow("99 x 0.1") << 99 * 0.1 << u"9.9"_s;
    QTest::newRow("999 x 0.1") << 999 * 0.1 << u"99.9"_s;
    QTest::newRow("475 x 0.01") << 475 * 0.01 << u"4.75"_s;
    QTest::newRow("47 x 0.1") << 47 * 0.1 << u"4.7"_s;
    QTest::newRow("4.7 - 0.235") << 4.7 - 0.235 << u"4.465"_s;
    QTest::newRow("0.1 + 0.2") << 0.1 + 0.2 << u"0.3"_s;
    QTest::newRow("below 1 keeps its zero") << 0.95 << u"0.95"_s;
    QTest::newRow("whole number, no point") << 150.0 << u"150"_s;
    QTest::newRow("zero") << 0.0 << u"0"_s;
    QTest::newRow("negative zero") << -0.0 << u"0"_s;
    QTest::newRow("negative") << -2.5 << u"-2.5"_s;
    QTest::newRow("999 mega-ohm") << 999e6 << u"999000000"_s;
    QTest::newRow("giga-ohm range") << 1.5e11 << u"150000000000"_s;
    QTest::newRow("large, no exponent") << 1e21 << u"1000000000000000000000"_s;
    QTest::newRow("15 digits kept") << 123456789012345.0 << u"123456789012345"_s;
    QTest::newRow("16th digit rounded") << 1234567890123456.0 << u"1234567890123460"_s;
    QTest::newRow("rounding carries") << 9.9999999999999999 << u"10"_s;
    QTest::newRow("tiny, no exponent") << 0.000001 << u"0.000001"_s;
    QTest::newRow("milliampere") << 0.02 << u"0.02"_s;
    QTest::newRow("very tiny") << 1.5e-12 << u"0.0000000000015"_s;
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN() << QString();
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity() << QString();
}

void tst_NumberText::toText()
{
    QFETCH(double, value);
    QFETCH(QString, text);
    QCOMPARE(numberText(value), text);
}

void tst_NumberText::fromText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("isNumber");
    QTest::addColumn<double>("value");

    QTest::newRow("plain") << u"4.7"_s << true << 4.7;
    QTest::newRow("whole") << u"150"_s << true << 150.0;
    QTest::newRow("leading zeros") << u"047"_s << true << 47.0;
    QTest::newRow("blanks around") << u"  4.7 "_s << true << 4.7;
    QTest::newRow("tab around") << u"\t5\t"_s << true << 5.0;
    QTest::newRow("point first") << u".5"_s << true << 0.5;
    QTest::newRow("point last") << u"5."_s << true << 5.0;
    QTest::newRow("minus") << u"-3"_s << true << -3.0;
    QTest::newRow("plus") << u"+3"_s << true << 3.0;
    QTest::newRow("decimal comma") << u"4,7"_s << false << 0.0;
    QTest::newRow("thousands separator") << u"1,000"_s << false << 0.0;
    QTest::newRow("exponent") << u"1e3"_s << false << 0.0;
    QTest::newRow("two points") << u"1.2.3"_s << false << 0.0;
    QTest::newRow("point alone") << u"."_s << false << 0.0;
    QTest::newRow("sign alone") << u"-"_s << false << 0.0;
    QTest::newRow("sign after digits") << u"3-"_s << false << 0.0;
    QTest::newRow("blank inside") << u"4 7"_s << false << 0.0;
    QTest::newRow("empty") << QString() << false << 0.0;
    QTest::newRow("blanks only") << u"   "_s << false << 0.0;
    QTest::newRow("letters") << u"abc"_s << false << 0.0;
    QTest::newRow("unit attached") << u"4.7K"_s << false << 0.0;
    QTest::newRow("full-width digit") << u"\uFF15"_s << false << 0.0;
    QTest::newRow("Arabic-Indic digit") << u"\u0665"_s << false << 0.0;
    QTest::newRow("hexadecimal") << u"0x10"_s << false << 0.0;
    QTest::newRow("infinity word") << u"inf"_s << false << 0.0;
    QTest::newRow("too large for a double") << (u"1"_s + QString(400, u'0')) << false << 0.0;
}

void tst_NumberText::fromText()
{
    QFETCH(QString, text);
    QFETCH(bool, isNumber);
    QFETCH(double, value);
    const std::optional<double> parsed = parseNumber(text);
    QCOMPARE(parsed.has_value(), isNumber);
    if (isNumber)
        QCOMPARE(*parsed, value);
}

// A number's text reads back as the same number, and a text already in
// shortest form is written back unchanged.
void tst_NumberText::roundTrip_data()
{
    QTest::addColumn<QString>("text");
    for (const char *text : {"0", "0.95", "4.7", "4.465", "9.9", "99.9", "142.5", "157.5",
                             "999000000", "0.0005", "123456789.123456", "0.000000001"})
        QTest::newRow(text) << QString::fromLatin1(text);
}

void tst_NumberText::roundTrip()
{
    QFETCH(QString, text);
    const std::optional<double> value = parseNumber(text);
    QVERIFY(value);
    QCOMPARE(numberText(*value), text);
}

void tst_NumberText::extremes_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<int>("length");
    QTest::addColumn<bool>("readsBack");

    // Found by fuzzing: the largest double rounds to 15 digits past itself,
    // so its text is a number too large to read back; it is refused as such,
    // not turned into infinity.
    QTest::newRow("-DBL_MAX") << -DBL_MAX << 310 << false;
    QTest::newRow("1e300") << 1e300 << 301 << true;
    QTest::newRow("smallest subnormal") << 4.9406564584124654e-324 << 340 << true;
}

void tst_NumberText::extremes()
{
    QFETCH(double, value);
    QFETCH(int, length);
    QFETCH(bool, readsBack);
    const QString text = numberText(value);
    QCOMPARE(text.size(), length);
    QVERIFY(!text.contains(u'e'));
    const std::optional<double> back = parseNumber(text);
    QCOMPARE(back.has_value(), readsBack);
    if (readsBack)
        QCOMPARE(*back, value);
}

// A typed number and a list's unit, as every page and the practice read
// them.
void tst_NumberText::enteredOhms_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<std::optional<double>>("ohms");
    QTest::newRow("kilo-ohm") << u"4.7"_s << u"K\u2126"_s << std::optional(4700.0);
    QTest::newRow("zero is a value") << u"0"_s << u"\u2126"_s << std::optional(0.0);
    QTest::newRow("not a number") << u"4.7K"_s << u"K\u2126"_s << std::optional<double>();
    QTest::newRow("Greek omega: no unit of the list")
        << u"4.7"_s << u"K\u03A9"_s << std::optional<double>();
    QTest::newRow("gigaohms: no unit of the list")
        << u"4.7"_s << u"G\u2126"_s << std::optional<double>();
    QTest::newRow("below zero") << u"-47"_s << u"K\u2126"_s << std::optional<double>();
}

void tst_NumberText::enteredOhms()
{
    QFETCH(QString, entry);
    QFETCH(QString, unit);
    QFETCH(std::optional<double>, ohms);
    QCOMPARE(colorcode::enteredOhms(entry, unit), ohms);
}

QTEST_GUILESS_MAIN(tst_NumberText)
#include "tst_numbertext.moc"
