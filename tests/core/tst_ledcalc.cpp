// The LED page's rule: the series resistor, its two-digit rounding, unit,
// usable range and band digits, and every input it refuses.

#include "pages/led/ledcalc.h"
#include "pages/led/significant.h"

#include <QTest>

using namespace Qt::StringLiterals;
using led::Calculation;
using led::Input;
using led::InputProblem;
using led::InputRefusal;

Q_DECLARE_METATYPE(led::Input)
Q_DECLARE_METATYPE(led::InputProblem)

class tst_LedCalc : public QObject {
    Q_OBJECT

private slots:
    void shown_data();
    void shown();
    void refusedValue_data();
    void refusedValue();
    void refusedInput_data();
    void refusedInput();
    void unknownTolerance();
    void roundToSignificant_data();
    void roundToSignificant();

private:
    static void addShownColumns();
};

namespace {

Calculation calculated(const QString &supply, const QString &led, const QString &current,
                       const QString &tolerance)
{
    const led::Outcome outcome = led::calculateLed(supply, led, current, tolerance);
    if (const auto *c = std::get_if<Calculation>(&outcome))
        return *c;
    qWarning("inputs were refused");
    return {};
}

} // namespace

void tst_LedCalc::addShownColumns()
{
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("led");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QString>("value");
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::addColumn<int>("first");
    QTest::addColumn<int>("second");
    QTest::addColumn<int>("exponent");
}

void tst_LedCalc::shown_data()
{
    addShownColumns();
    // The worked rows of the page.
    QTest::newRow("5 V, 2 V, 20 mA") << u"5"_s << u"2"_s << u"20"_s << u"±5%"_s << u"150\u2126"_s
                                     << u"142.5\u2126"_s << u"157.5\u2126"_s << 1 << 5 << 1;
    QTest::newRow("12 V, 2 V, 20 mA") << u"12"_s << u"2"_s << u"20"_s << u"±5%"_s << u"500\u2126"_s
                                      << u"475\u2126"_s << u"525\u2126"_s << 5 << 0 << 1;
    QTest::newRow("345 \u2126 rounds up")
        << u"9"_s << u"2.1"_s << u"20"_s << u"±5%"_s << u"350\u2126"_s << u"332.5\u2126"_s
        << u"367.5\u2126"_s << 3 << 5 << 1;
    QTest::newRow("1035 \u2126") << u"24"_s << u"3.3"_s << u"20"_s << u"±5%"_s << u"1K\u2126"_s
                                 << u"0.95K\u2126"_s << u"1.05K\u2126"_s << 1 << 0 << 2;
    QTest::newRow("20 k\u2126, ±2%") << u"12"_s << u"2"_s << u"0.5"_s << u"±2%"_s << u"20K\u2126"_s
                                     << u"19.6K\u2126"_s << u"20.4K\u2126"_s << 2 << 0 << 3;
    QTest::newRow("11.4 M\u2126") << u"230"_s << u"2"_s << u"0.02"_s << u"±5%"_s << u"11M\u2126"_s
                                  << u"10.45M\u2126"_s << u"11.55M\u2126"_s << 1 << 1 << 6;
    QTest::newRow("100 M\u2126") << u"12"_s << u"2"_s << u"0.0001"_s << u"±5%"_s << u"100M\u2126"_s
                                 << u"95M\u2126"_s << u"105M\u2126"_s << 1 << 0 << 7;
    QTest::newRow("1.5 \u2126 cut to 1")
        << u"5"_s << u"2"_s << u"2000"_s << u"±5%"_s << u"1\u2126"_s << u"0.95\u2126"_s
        << u"1.05\u2126"_s << 0 << 1 << 0;
    QTest::newRow("±10%") << u"5"_s << u"2"_s << u"20"_s << u"±10%"_s << u"150\u2126"_s
                          << u"135\u2126"_s << u"165\u2126"_s << 1 << 5 << 1;
    QTest::newRow("±1%") << u"5"_s << u"2"_s << u"20"_s << u"±1%"_s << u"150\u2126"_s
                         << u"148.5\u2126"_s << u"151.5\u2126"_s << 1 << 5 << 1;
    QTest::newRow("LED at the supply: 0 \u2126")
        << u"3"_s << u"3"_s << u"20"_s << u"±5%"_s << u"0\u2126"_s << u"0\u2126"_s << u"0\u2126"_s
        << 0 << 0 << 0;
    QTest::newRow("blanks around numbers")
        << u" 5 "_s << u"  2"_s << u"20  "_s << u"±5%"_s << u"150\u2126"_s << u"142.5\u2126"_s
        << u"157.5\u2126"_s << 1 << 5 << 1;

    // No ohm lost to binary rounding: the cut is of the decimal quotient.
    QTest::newRow("1.3 V / 20 mA is 65 \u2126, ±20%")
        << u"3.3"_s << u"2"_s << u"20"_s << u"±20%"_s << u"65\u2126"_s << u"52\u2126"_s
        << u"78\u2126"_s << 6 << 5 << 0;
    QTest::newRow("2.1 V / 20 mA is 105 \u2126")
        << u"3.3"_s << u"1.2"_s << u"20"_s << u"±5%"_s << u"110\u2126"_s << u"104.5\u2126"_s
        << u"115.5\u2126"_s << 1 << 1 << 1;
    QTest::newRow("0.4 V / 4 mA is 100 \u2126")
        << u"3.3"_s << u"2.9"_s << u"4"_s << u"±5%"_s << u"100\u2126"_s << u"95\u2126"_s
        << u"105\u2126"_s << 1 << 0 << 1;

    // A carry out of 9 at scale 10 is 1 of the next unit.
    QTest::newRow("996 \u2126 shown as 1 k\u2126")
        << u"5"_s << u"0.02"_s << u"5"_s << u"±5%"_s << u"1K\u2126"_s << u"0.95K\u2126"_s
        << u"1.05K\u2126"_s << 1 << 0 << 2;

    // Every scale, with and without a carry: R = supply k\u2126 at 1 mA.
    struct Row {
        const char *name;
        const char16_t *supply;
        const char16_t *value;
        int first, second, exponent;
    };
    const Row rows[] = {
        {"1 \u2126", u"0.001", u"1\u2126", 0, 1, 0},
        {"9 \u2126", u"0.009", u"9\u2126", 0, 9, 0},
        {"10 \u2126", u"0.01", u"10\u2126", 1, 0, 0},
        {"99 \u2126", u"0.099", u"99\u2126", 9, 9, 0},
        {"100 \u2126", u"0.1", u"100\u2126", 1, 0, 1},
        {"994 \u2126", u"0.994", u"990\u2126", 9, 9, 1},
        {"carry at 995 \u2126", u"0.995", u"1K\u2126", 1, 0, 2},
        {"carry at 999 \u2126", u"0.999", u"1K\u2126", 1, 0, 2},
        {"1 k\u2126", u"1", u"1K\u2126", 1, 0, 2},
        {"4949 \u2126 looks at the third digit only", u"4.949", u"4.9K\u2126", 4, 9, 2},
        {"4950 \u2126", u"4.95", u"5K\u2126", 5, 0, 2},
        {"9.9 k\u2126", u"9.9", u"9.9K\u2126", 9, 9, 2},
        {"carry at 9.95 k\u2126", u"9.95", u"10K\u2126", 1, 0, 3},
        {"99 k\u2126", u"99", u"99K\u2126", 9, 9, 3},
        {"carry at 99.5 k\u2126", u"99.5", u"100K\u2126", 1, 0, 4},
        {"990 k\u2126", u"990", u"990K\u2126", 9, 9, 4},
        {"carry at 995 k\u2126", u"995", u"1M\u2126", 1, 0, 5},
        {"carry just under 1 M\u2126", u"999.999", u"1M\u2126", 1, 0, 5},
        {"1 M\u2126", u"1000", u"1M\u2126", 1, 0, 5},
        {"9.9 M\u2126", u"9900", u"9.9M\u2126", 9, 9, 5},
        {"carry at 9.95 M\u2126", u"9950", u"10M\u2126", 1, 0, 6},
        {"99 M\u2126", u"99000", u"99M\u2126", 9, 9, 6},
        {"carry at 99.5 M\u2126", u"99500", u"100M\u2126", 1, 0, 7},
        {"990 M\u2126", u"990000", u"990M\u2126", 9, 9, 7},
        {"carry at 995 M\u2126", u"995000", u"1G\u2126", 1, 0, 8},
        {"carry just under 1 G\u2126", u"999999.999", u"1G\u2126", 1, 0, 8},
        {"1 G\u2126", u"1000000", u"1G\u2126", 1, 0, 8},
        {"4.7 G\u2126", u"4700000", u"4.7G\u2126", 4, 7, 8},
        {"9.9 G\u2126", u"9900000", u"9.9G\u2126", 9, 9, 8},
        {"carry at 9.95 G\u2126", u"9950000", u"10G\u2126", 1, 0, 9},
        {"47 G\u2126", u"47000000", u"47G\u2126", 4, 7, 9},
        {"99 G\u2126", u"99000000", u"99G\u2126", 9, 9, 9},
        {"99.4 G\u2126", u"99499999.999", u"99G\u2126", 9, 9, 9},
    };
    for (const Row &r : rows) {
        const QString value = QString::fromUtf16(r.value);
        // Only the value and its bands are checked here; the ranges above.
        QTest::newRow(r.name) << QString::fromUtf16(r.supply) << u"0"_s << u"1"_s << u"±20%"_s
                              << value << QString() << QString() << r.first << r.second
                              << r.exponent;
    }
}

void tst_LedCalc::shown()
{
    QFETCH(QString, supply);
    QFETCH(QString, led);
    QFETCH(QString, current);
    QFETCH(QString, tolerance);
    QFETCH(QString, value);
    QFETCH(QString, low);
    QFETCH(QString, high);
    QFETCH(int, first);
    QFETCH(int, second);
    QFETCH(int, exponent);

    const Calculation c = calculated(supply, led, current, tolerance);
    QVERIFY(!c.refused);
    QVERIFY(c.texts);
    QCOMPARE(c.texts->value, value);
    if (!low.isEmpty()) {
        QCOMPARE(c.texts->low, low);
        QCOMPARE(c.texts->high, high);
    }
    QCOMPARE(c.value.digit(0), first);
    QCOMPARE(c.value.digit(1), second);
    QCOMPARE(c.value.exponent, exponent);
    QVERIFY(c.tolerance);
    QCOMPARE(c.tolerance->text, QStringView(tolerance));
}

void tst_LedCalc::refusedValue_data()
{
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("led");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("value"); // while the message is open
    QTest::addColumn<QString>("low");
    QTest::addColumn<QString>("high");
    QTest::newRow("carry at 99.5 G\u2126 is 100 G\u2126")
        << u"99500000"_s << u"0"_s << u"1"_s << u"100G\u2126"_s << u"95G\u2126"_s
        << u"105G\u2126"_s;
    QTest::newRow("100 G\u2126, twelve digits")
        << u"100000000"_s << u"0"_s << u"1"_s << u"0"_s << u"0"_s << u"0"_s;
    QTest::newRow("a tiny current")
        << u"12"_s << u"2"_s << u"0.000000001"_s << u"0"_s << u"0"_s << u"0"_s;
    QTest::newRow("an overflowing quotient")
        << (u"1"_s + QString(300, u'0')) << u"0"_s << (u"0."_s + QString(300, u'0') + u"1"_s)
        << u"0"_s << u"0"_s << u"0"_s;
}

void tst_LedCalc::refusedValue()
{
    QFETCH(QString, supply);
    QFETCH(QString, led);
    QFETCH(QString, current);
    QFETCH(QString, value);
    QFETCH(QString, low);
    QFETCH(QString, high);
    const Calculation c = calculated(supply, led, current, u"±5%"_s);
    QVERIFY(c.refused);
    QVERIFY(c.texts);
    QCOMPARE(c.texts->value, value);
    QCOMPARE(c.texts->low, low);
    QCOMPARE(c.texts->high, high);
    // No band digits: the value bands are painted black.
    QCOMPARE(c.value.digit(0), 0);
    QCOMPARE(c.value.digit(1), 0);
    QCOMPARE(c.value.exponent, 0);
    QVERIFY(c.tolerance);
    QCOMPARE(c.tolerance->text, u"±5%");
}

void tst_LedCalc::refusedInput_data()
{
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("led");
    QTest::addColumn<QString>("current");
    QTest::addColumn<InputProblem>("problem");
    QTest::addColumn<Input>("input");
    const auto missing = InputProblem::Missing;
    const auto nan = InputProblem::NotANumber;
    QTest::newRow("supply empty") << u""_s << u"2"_s << u"20"_s << missing << Input::Supply;
    QTest::newRow("LED voltage empty, reported at the supply")
        << u"5"_s << u""_s << u"20"_s << missing << Input::Supply;
    QTest::newRow("current empty") << u"5"_s << u"2"_s << u""_s << missing << Input::Supply;
    QTest::newRow("empty beats not a number")
        << u"x"_s << u""_s << u"20"_s << missing << Input::Supply;
    QTest::newRow("supply of blanks") << u"   "_s << u"2"_s << u"20"_s << nan << Input::Supply;
    QTest::newRow("supply with letters") << u"5V"_s << u"2"_s << u"20"_s << nan << Input::Supply;
    QTest::newRow("decimal comma") << u"5"_s << u"2,1"_s << u"20"_s << nan << Input::LedVoltage;
    QTest::newRow("exponent") << u"5"_s << u"2"_s << u"1e999"_s << nan << Input::Current;
    QTest::newRow("overflowing digits")
        << QString(400, u'9') << u"2"_s << u"20"_s << nan << Input::Supply;
    QTest::newRow("two points") << u"5"_s << u"2"_s << u"2.0.0"_s << nan << Input::Current;
    QTest::newRow("current of blanks") << u"5"_s << u"2"_s << u" "_s << nan << Input::Current;
    QTest::newRow("zero current") << u"5"_s << u"2"_s << u"0"_s << InputProblem::CurrentNotPositive
                                  << Input::Current;
    QTest::newRow("negative current")
        << u"5"_s << u"2"_s << u"-20"_s << InputProblem::CurrentNotPositive << Input::Current;
    QTest::newRow("LED above the supply")
        << u"3"_s << u"3.1"_s << u"20"_s << InputProblem::LedAboveSupply << Input::LedVoltage;
}

void tst_LedCalc::refusedInput()
{
    QFETCH(QString, supply);
    QFETCH(QString, led);
    QFETCH(QString, current);
    QFETCH(InputProblem, problem);
    QFETCH(Input, input);
    const led::Outcome outcome = led::calculateLed(supply, led, current, u"±5%"_s);
    const auto *refusal = std::get_if<InputRefusal>(&outcome);
    QVERIFY(refusal);
    QCOMPARE(refusal->problem, problem);
    QCOMPARE(refusal->input, input);
}

void tst_LedCalc::unknownTolerance()
{
    // Texts are left as they stand; the value bands are still worked out.
    for (const QString &tolerance : {u"±3%"_s, u"±5% "_s, u""_s}) {
        const Calculation c = calculated(u"5"_s, u"2"_s, u"20"_s, tolerance);
        QVERIFY(!c.texts);
        QVERIFY(!c.tolerance);
        QVERIFY(!c.refused);
        QCOMPARE(c.value.digit(0), 1);
        QCOMPARE(c.value.digit(1), 5);
        QCOMPARE(c.value.exponent, 1);
    }
}

void tst_LedCalc::roundToSignificant_data()
{
    QTest::addColumn<double>("v");
    QTest::addColumn<int>("digits");
    QTest::addColumn<double>("rounded");
    QTest::newRow("binary just below 65") << (3.3 - 2) / 20 * 1000 << 12 << 65.0;
    QTest::newRow("a true fraction stays") << 64.5 << 12 << 64.5;
    QTest::newRow("decimal half rounds up") << 1.235 << 3 << 1.24;
    QTest::newRow("carry into a new digit") << 9.996 << 3 << 10.0;
    QTest::newRow("small") << 0.019714285 << 3 << 0.0197;
    QTest::newRow("negative") << -2.345 << 2 << -2.3;
    QTest::newRow("zero") << 0.0 << 3 << 0.0;
}

void tst_LedCalc::roundToSignificant()
{
    QFETCH(double, v);
    QFETCH(int, digits);
    QFETCH(double, rounded);
    QCOMPARE(led::roundToSignificant(v, digits), rounded);
}

QTEST_GUILESS_MAIN(tst_LedCalc)
#include "tst_ledcalc.moc"
