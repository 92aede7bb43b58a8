// Time per call of each rule of the core library (goal: under 2 µs each).
// Run by `make bench`; QtTest prints the time per iteration.

#include "colorcode/numbertext.h"
#include "pages/color_to_value/readout.h"
#include "pages/led/ledadvice.h"
#include "pages/led/ledcalc.h"
#include "pages/value_to_color/encoder.h"

#include <QTest>

using namespace Qt::StringLiterals;

class bench_Rules : public QObject {
    Q_OBJECT

private slots:
    void readout_data();
    void readout();
    void encoder_data();
    void encoder();
    void ledCalculation_data();
    void ledCalculation();
    void ledAdvice();
    void numberText_data();
    void numberText();
    void parseNumber();
};

void bench_Rules::readout_data()
{
    QTest::addColumn<bool>("five");
    QTest::newRow("4-band 4.7KΩ") << false;
    QTest::newRow("5-band 272KΩ") << true;
}

void bench_Rules::readout()
{
    QFETCH(bool, five);
    const auto bands = five ? colorcode::BandCount::Five : colorcode::BandCount::Four;
    QBENCHMARK
    {
        auto r = colortovalue::resistanceReadout(bands, u"2", u"7", u"2", u"3");
        Q_UNUSED(r);
    }
}

void bench_Rules::encoder_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("unit");
    QTest::newRow("4.7 KΩ") << u"4.7"_s << u"K\u2126"_s;
    QTest::newRow("471 Ω refused") << u"471"_s << u"\u2126"_s;
}

void bench_Rules::encoder()
{
    QFETCH(QString, entry);
    QFETCH(QString, unit);
    QBENCHMARK
    {
        auto r = valuetocolor::encodeValue(entry, unit, u"±5%");
        Q_UNUSED(r);
    }
}

void bench_Rules::ledCalculation_data()
{
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("led");
    QTest::addColumn<QString>("current");
    QTest::newRow("9 V, 2.1 V, 20 mA") << u"9"_s << u"2.1"_s << u"20"_s;
    QTest::newRow("230 V, 2 V, 0.02 mA") << u"230"_s << u"2"_s << u"0.02"_s;
}

void bench_Rules::ledCalculation()
{
    QFETCH(QString, supply);
    QFETCH(QString, led);
    QFETCH(QString, current);
    QBENCHMARK
    {
        auto r = led::calculateLed(supply, led, current, u"±5%");
        Q_UNUSED(r);
    }
}

// The learner's notes on their own: the larger part of a LED calculation.
void bench_Rules::ledAdvice()
{
    QBENCHMARK
    {
        auto r = led::adviseLed(6.9, 350, 345);
        Q_UNUSED(r);
    }
}

void bench_Rules::numberText_data()
{
    QTest::addColumn<double>("value");
    QTest::newRow("4.465") << 4.7 - 0.235;
    QTest::newRow("11550000") << 11.55e6;
}

void bench_Rules::numberText()
{
    QFETCH(double, value);
    QBENCHMARK
    {
        QString t = colorcode::numberText(value);
        Q_UNUSED(t);
    }
}

void bench_Rules::parseNumber()
{
    QBENCHMARK
    {
        auto v = colorcode::parseNumber(u" 4.465 ");
        Q_UNUSED(v);
    }
}

QTEST_GUILESS_MAIN(bench_Rules)
#include "bench_rules.moc"
