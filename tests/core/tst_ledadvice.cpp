// The learner's notes of the LED page: the real current, the resistor's
// power and rating, and the E24 values to buy.

#include "colorcode/series.h"
#include "pages/led/ledadvice.h"
#include "pages/led/ledcalc.h"

#include <QTest>

#include <cmath>

using namespace Qt::StringLiterals;

class tst_LedAdvice : public QObject {
    Q_OBJECT

private slots:
    void pageRows_data();
    void pageRows();
    void rating_data();
    void rating();
    void powerSentence_data();
    void powerSentence();
    void e24_data();
    void e24();
    void nothingForZeroOhms();
    void noAdviceWithoutShownValue_data();
    void noAdviceWithoutShownValue();
};

void tst_LedAdvice::pageRows_data()
{
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("led");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("drawn");
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("rating"); // empty: above 5 W
    QTest::addColumn<QString>("buy");
    QTest::addColumn<QString>("buyCurrent");

    // The value to buy is the smallest E24 value at or above the exact
    // resistance, so the LED never draws more than was asked.
    QTest::newRow("150 \u2126, E24 already")
        << u"5"_s << u"2"_s << u"20"_s << u"20mA"_s << u"60mW"_s << u"1/8W"_s << u"150\u2126"_s
        << u"20mA"_s;
    QTest::newRow("500 \u2126") << u"12"_s << u"2"_s << u"20"_s << u"20mA"_s << u"200mW"_s
                                << u"1/2W"_s << u"510\u2126"_s << u"19.6mA"_s;
    QTest::newRow("345 \u2126 exact, 350 \u2126 shown")
        << u"9"_s << u"2.1"_s << u"20"_s << u"19.7mA"_s << u"136mW"_s << u"1/2W"_s << u"360\u2126"_s
        << u"19.2mA"_s;
    QTest::newRow("1 k\u2126 from 1035 \u2126")
        << u"24"_s << u"3.3"_s << u"20"_s << u"20.7mA"_s << u"428mW"_s << u"1W"_s << u"1.1K\u2126"_s
        << u"18.8mA"_s;
    QTest::newRow("20 k\u2126") << u"12"_s << u"2"_s << u"0.5"_s << u"0.5mA"_s << u"5mW"_s
                                << u"1/8W"_s << u"20K\u2126"_s << u"0.5mA"_s;
    QTest::newRow("11 M\u2126 from 11.4 M\u2126")
        << u"230"_s << u"2"_s << u"0.02"_s << u"0.0207mA"_s << u"4.73mW"_s << u"1/8W"_s
        << u"12M\u2126"_s << u"0.019mA"_s;
    QTest::newRow("100 M\u2126") << u"12"_s << u"2"_s << u"0.0001"_s << u"0.0001mA"_s
                                 << u"0.001mW"_s << u"1/8W"_s << u"100M\u2126"_s << u"0.0001mA"_s;
    QTest::newRow("65 \u2126") << u"3.3"_s << u"2"_s << u"20"_s << u"20mA"_s << u"26mW"_s
                               << u"1/8W"_s << u"68\u2126"_s << u"19.1mA"_s;
    QTest::newRow("1 \u2126 shown, 1.5 \u2126 exact: 9 W, more than one resistor bears")
        << u"5"_s << u"2"_s << u"2000"_s << u"3000mA"_s << u"9W"_s << QString() << u"1.5\u2126"_s
        << u"2000mA"_s;
    QTest::newRow("1 k\u2126 from 996 \u2126")
        << u"5"_s << u"0.02"_s << u"5"_s << u"4.98mA"_s << u"24.8mW"_s << u"1/8W"_s << u"1K\u2126"_s
        << u"4.98mA"_s;
    QTest::newRow("4 \u2126, tenths of an ohm to buy")
        << u"0.1"_s << u"0.02"_s << u"20"_s << u"20mA"_s << u"1.6mW"_s << u"1/8W"_s
        << u"4.3\u2126"_s << u"18.6mA"_s;
}

void tst_LedAdvice::pageRows()
{
    QFETCH(QString, supply);
    QFETCH(QString, led);
    QFETCH(QString, current);
    QFETCH(QString, drawn);
    QFETCH(QString, power);
    QFETCH(QString, rating);
    QFETCH(QString, buy);
    QFETCH(QString, buyCurrent);

    const led::Outcome outcome = led::calculateLed(supply, led, current, u"±5%"_s);
    const auto *c = std::get_if<led::Calculation>(&outcome);
    QVERIFY(c);
    QVERIFY(c->advice);
    QCOMPARE(c->advice->current, drawn);
    QCOMPARE(c->advice->power, power);
    QCOMPARE(c->advice->rating.value_or(QString()), rating);
    QCOMPARE(c->advice->buy, buy);
    QCOMPARE(c->advice->buyCurrent, buyCurrent);
}

void tst_LedAdvice::rating_data()
{
    QTest::addColumn<double>("drop");
    QTest::addColumn<int>("ohms");
    QTest::addColumn<QString>("power");
    QTest::addColumn<QString>("rating");
    QTest::newRow("exactly 62.5 mW") << 2.5 << 100 << u"62.5mW"_s << u"1/8W"_s;
    QTest::newRow("just above 62.5 mW") << 2.51 << 100 << u"63mW"_s << u"1/4W"_s;
    QTest::newRow("exactly 125 mW") << 2.5 << 50 << u"125mW"_s << u"1/4W"_s;
    QTest::newRow("exactly 250 mW") << 5.0 << 100 << u"250mW"_s << u"1/2W"_s;
    QTest::newRow("just above 250 mW") << 5.01 << 100 << u"251mW"_s << u"1W"_s;
    QTest::newRow("exactly 500 mW") << 5.0 << 50 << u"500mW"_s << u"1W"_s;
    QTest::newRow("just under 1 W shows in watts") << 9.9995 << 100 << u"1W"_s << u"2W"_s;
    QTest::newRow("exactly 1 W") << 10.0 << 100 << u"1W"_s << u"2W"_s;
    QTest::newRow("exactly 1.5 W") << 15.0 << 150 << u"1.5W"_s << u"3W"_s;
    QTest::newRow("exactly 2.5 W") << 5.0 << 10 << u"2.5W"_s << u"5W"_s;
    // Past twice the margin the largest rating still bears the heat itself.
    QTest::newRow("just above 2.5 W, 5 W without the margin")
        << 5.01 << 10 << u"2.51W"_s << u"5W"_s;
    QTest::newRow("exactly 5 W") << 5.0 << 5 << u"5W"_s << u"5W"_s;
    QTest::newRow("just above 5 W") << 5.01 << 5 << u"5.02W"_s << QString();
    QTest::newRow("a binary 1.3 V") << 3.3 - 2 << 27 << u"62.6mW"_s << u"1/4W"_s;
}

void tst_LedAdvice::rating()
{
    QFETCH(double, drop);
    QFETCH(int, ohms);
    QFETCH(QString, power);
    QFETCH(QString, rating);
    const std::optional<led::Advice> advice = led::adviseLed(drop, std::uint64_t(ohms), ohms);
    QVERIFY(advice);
    QCOMPARE(advice->power, power);
    QCOMPARE(advice->rating.value_or(QString()), rating);
}

void tst_LedAdvice::powerSentence_data()
{
    QTest::addColumn<double>("drop");
    QTest::addColumn<int>("ohms");
    QTest::addColumn<QString>("sentence");
    QTest::newRow("twice the margin") << 3.0 << 150 << u"저항의 발열: 60mW → 1/8W 저항을 쓰세요"_s;
    // 5 V, 2 V and 1000 mA: 3 Ω, 3 W. It is no more than a 5 W resistor
    // bears, so the sentence names it rather than refusing.
    QTest::newRow("3 W, under the largest rating")
        << 3.0 << 3 << u"저항의 발열: 3W → 5W 저항을 쓰세요(여유가 적어 뜨거워집니다)"_s;
    QTest::newRow("9 W, over the largest rating")
        << 3.0 << 1 << u"저항의 발열: 9W → 5W를 넘어 저항 하나로는 감당할 수 없습니다"_s;
}

void tst_LedAdvice::powerSentence()
{
    QFETCH(double, drop);
    QFETCH(int, ohms);
    QFETCH(QString, sentence);
    const std::optional<led::Advice> advice = led::adviseLed(drop, std::uint64_t(ohms), ohms);
    QVERIFY(advice);
    QCOMPARE(led::powerAdvice(*advice), sentence);
}

void tst_LedAdvice::e24_data()
{
    QTest::addColumn<double>("ohms");
    QTest::addColumn<QString>("above");
    struct Row {
        const char *name;
        double ohms;
        const char16_t *above;
    };
    const Row rows[] = {
        {"4.35 \u2126 exact", 4.35, u"4.7\u2126"},
        {"150.5 \u2126 exact", 150.5, u"160\u2126"},
        {"0.5 \u2126 exact", 0.5, u"0.51\u2126"},
        {"1 \u2126", 1, u"1\u2126"},
        {"4 \u2126", 4, u"4.3\u2126"},
        {"5 \u2126", 5, u"5.1\u2126"},
        {"9 \u2126", 9, u"9.1\u2126"},
        {"10 \u2126", 10, u"10\u2126"},
        {"14 \u2126", 14, u"15\u2126"},
        {"95 \u2126 into the next decade", 95, u"100\u2126"},
        {"350 \u2126", 350, u"360\u2126"},
        {"640 \u2126", 640, u"680\u2126"},
        {"1.4 k\u2126", 1400, u"1.5K\u2126"},
        {"9.5 k\u2126", 9500, u"10K\u2126"},
        {"14 k\u2126", 14000, u"15K\u2126"},
        {"950 k\u2126", 950000, u"1M\u2126"},
        {"5 M\u2126", 5000000, u"5.1M\u2126"},
        {"95 M\u2126", 95000000, u"100M\u2126"},
        {"950 M\u2126", 950000000, u"1G\u2126"},
        {"4.5 G\u2126", 4500000000, u"4.7G\u2126"},
        {"91 G\u2126", 91000000000, u"91G\u2126"},
        {"99 G\u2126", 99000000000, u"100G\u2126"},
        // Far beyond any value the page can show, the search for the next
        // decade once overflowed and never ended.
        {"1.8e18 \u2126", 1.8e18, u"1800000000G\u2126"},
        {"largest 64-bit count", double(UINT64_MAX), u"20000000000G\u2126"},
    };
    for (const Row &r : rows)
        QTest::newRow(r.name) << double(r.ohms) << QString::fromUtf16(r.above);

    // Every E24 value, in a decade of its own each time, is its own buy.
    const int e24[] = {10, 11, 12, 13, 15, 16, 18, 20, 22, 24, 27, 30,
                       33, 36, 39, 43, 47, 51, 56, 62, 68, 75, 82, 91};
    const char16_t *shown[] = {
        u"1\u2126",    u"11\u2126",   u"120\u2126",  u"1.3K\u2126", u"15K\u2126",  u"160K\u2126",
        u"1.8M\u2126", u"20M\u2126",  u"220M\u2126", u"2.4G\u2126", u"27G\u2126",  u"3\u2126",
        u"33\u2126",   u"360\u2126",  u"3.9K\u2126", u"43K\u2126",  u"470K\u2126", u"5.1M\u2126",
        u"56M\u2126",  u"620M\u2126", u"6.8G\u2126", u"75G\u2126",  u"8.2\u2126",  u"91\u2126"};
    const int exponents[] = {-1, 0, 1, 2, 3, 4, 5, 6, 7, 8, 9,  -1,
                             0,  1, 2, 3, 4, 5, 6, 7, 8, 9, -1, 0};
    for (int i = 0; i < 24; ++i) {
        const double ohms = e24[i] * std::pow(10.0, exponents[i]);
        const QString text = QString::fromUtf16(shown[i]);
        QTest::addRow("E24 %s", qPrintable(text)) << double(ohms) << text;
    }
}

void tst_LedAdvice::e24()
{
    QFETCH(double, ohms);
    QFETCH(QString, above);
    QCOMPARE(colorcode::seriesAtOrAbove(colorcode::Series::E24, ohms)->text(colorcode::kUnits),
             above);
}

void tst_LedAdvice::nothingForZeroOhms()
{
    QVERIFY(!led::adviseLed(0, 0, 0));
    const led::Outcome outcome = led::calculateLed(u"3"_s, u"3"_s, u"20"_s, u"±5%"_s);
    const auto *c = std::get_if<led::Calculation>(&outcome);
    QVERIFY(c);
    QCOMPARE(c->texts->value, u"0\u2126");
    QVERIFY(!c->advice);
}

void tst_LedAdvice::noAdviceWithoutShownValue_data()
{
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("tolerance");
    QTest::newRow("100 G\u2126 refused") << u"99500000"_s << u"±5%"_s;
    QTest::newRow("twelve digits refused") << u"100000000"_s << u"±5%"_s;
    QTest::newRow("tolerance not in the list") << u"5"_s << u"±3%"_s;
}

void tst_LedAdvice::noAdviceWithoutShownValue()
{
    QFETCH(QString, supply);
    QFETCH(QString, tolerance);
    const led::Outcome outcome = led::calculateLed(supply, u"0"_s, u"1"_s, tolerance);
    const auto *c = std::get_if<led::Calculation>(&outcome);
    QVERIFY(c);
    QVERIFY(!c->advice);
}

QTEST_GUILESS_MAIN(tst_LedAdvice)
#include "tst_ledadvice.moc"
