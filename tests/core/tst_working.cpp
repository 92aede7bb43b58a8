// The learner's working lines: each says how the shown result came about,
// with the numbers the page shows, and after a refusal how to get a code.

#include "colorcode/readingworking.h"
#include "pages/led/ledworking.h"
#include "pages/value_to_color/working.h"

#include <QTest>

using namespace Qt::StringLiterals;

Q_DECLARE_METATYPE(colorcode::Resistance)

class tst_Working : public QObject {
    Q_OBJECT

private slots:
    void reading_data();
    void reading();
    void encoding_data();
    void encoding();
    void led_data();
    void led();
    void significantDigits_data();
    void significantDigits();
};

void tst_Working::reading_data()
{
    QTest::addColumn<colorcode::Resistance>("value");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QString>("working");
    QTest::newRow("4-band 4.7 k\u2126")
        << colorcode::Resistance{47, 2, 2} << u"±5%"_s
        << u"노랑 4, 보라 7, 적색 ×10² → 47 × 10² = 4700\u2126 = 4.7K\u2126, 허용오차 ±5%"_s;
    QTest::newRow("5-band 272 k\u2126")
        << colorcode::Resistance{272, 3, 3} << u"±1%"_s
        << u"적색 2, 보라 7, 적색 2, 주황 ×10³ → 272 × 10³ = 272000\u2126 = 272K\u2126, "
           "허용오차 ±1%"_s;
    QTest::newRow("black first band, no unit to change")
        << colorcode::Resistance{5, 2, 0} << u"±20%"_s
        << u"검정 0, 초록 5, 검정 ×10⁰ → 05 × 10⁰ = 5\u2126, 허용오차 ±20%"_s;
    QTest::newRow("megaohms")
        << colorcode::Resistance{999, 3, 6} << u"±0.05%"_s
        << u"백색 9, 백색 9, 백색 9, 파랑 ×10⁶ → 999 × 10⁶ = 999000000\u2126 = 999M\u2126, "
           "허용오차 ±0.05%"_s;
}

void tst_Working::reading()
{
    QFETCH(colorcode::Resistance, value);
    QFETCH(QString, tolerance);
    QFETCH(QString, working);
    QCOMPARE(colorcode::readingWorking(value, tolerance), working);
}

void tst_Working::encoding_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("working");
    const QString ohm = u"\u2126"_s;
    QTest::newRow("4.7 k\u2126")
        << u"4.7"_s << u"K\u2126"_s
        << u"4.7K\u2126 = 4700\u2126 = 47 × 10² → 노랑, 보라, 적색, 금색(±5%)"_s;
    QTest::newRow("R1: three significant digits")
        << u"471"_s << ohm
        << u"471\u2126은 유효숫자가 세 자리라 4색 코드가 없습니다. 5색 저항이라면: 노랑, "
           "보라, 갈색, 검정"_s;
    QTest::newRow("R1: a fraction of ten ohms")
        << u"4.7"_s << ohm
        << u"4.7\u2126처럼 10\u2126 미만의 소수는 금색·은색 승수가 필요해 여기서는 나타낼 수 "
           "없습니다. 실제 저항에는 노랑, 보라, 금색"_s;
    QTest::newRow("R2: a whole value typed long")
        << u"1000"_s << ohm
        << u"네 글자 이상은 읽지 않습니다. 같은 값을 1K\u2126으로 입력하세요."_s;
    QTest::newRow("R2: 4700 \u2126") << u"4700"_s << ohm
                                     << u"네 글자 이상은 읽지 않습니다. 같은 값을 4.7K\u2126으로 "
                                        "입력하세요."_s;
    QTest::newRow("R2: three digits typed long")
        << u"4710"_s << u"K\u2126"_s
        << u"네 글자 이상은 읽지 않습니다. 유효숫자가 세 자리라 4색 코드가 없습니다. 5색 "
           "저항이라면: 노랑, 보라, 갈색, 노랑"_s;
    QTest::newRow("R2: no code at all")
        << u"12345"_s << ohm
        << u"네 글자 이상은 읽지 않습니다. 4.7처럼 세 글자 이하로 입력하세요."_s;
    QTest::newRow("silent clear") << u"4.0"_s << ohm
                                  << u"4.0\u2126은 4\u2126과 같습니다. \"4\"를 입력하세요."_s;
    QTest::newRow("not a digit") << u"4x"_s << ohm
                                 << u"색띠는 0부터 9까지의 숫자만 나타냅니다. 4.7처럼 숫자와 "
                                    "소수점 하나로 입력하세요."_s;
    QTest::newRow("empty entry") << QString() << ohm << u"저항값을 입력하세요. 예: 4.7K\u2126"_s;
    QTest::newRow("a unit of no list")
        << u"47"_s << u"k\u2126"_s << u"단위는 \u2126, K\u2126, M\u2126 가운데 하나를 고르세요."_s;
}

void tst_Working::encoding()
{
    QFETCH(QString, entry);
    QFETCH(QString, unit);
    QFETCH(QString, working);
    const auto result = valuetocolor::encodeValue(entry, unit, u"±5%"_s);
    QCOMPARE(valuetocolor::encodingWorking(entry, unit, u"±5%"_s, result), working);
}

void tst_Working::led_data()
{
    QTest::addColumn<QString>("supply");
    QTest::addColumn<QString>("ledVoltage");
    QTest::addColumn<QString>("current");
    QTest::addColumn<QString>("working");
    QTest::newRow("9 V, 2.1 V, 20 mA")
        << u"9"_s << u"2.1"_s << u"20"_s
        << u"(9V − 2.1V) ÷ 20mA = 345\u2126 → 유효숫자 두 자리: 350\u2126 → 주황, 초록, 갈색"_s;
    QTest::newRow("blanks around the numbers")
        << u" 5 "_s << u"2"_s << u"20"_s
        << u"(5V − 2V) ÷ 20mA = 150\u2126 → 유효숫자 두 자리: 150\u2126 → 갈색, 초록, 갈색"_s;
    QTest::newRow("carry into kilo-ohms")
        << u"5"_s << u"0.02"_s << u"5"_s
        << u"(5V − 0.02V) ÷ 5mA = 996\u2126 → 유효숫자 두 자리: 1K\u2126 → 갈색, 검정, 적색"_s;
    QTest::newRow("missing") << QString() << u"2"_s << u"20"_s
                             << u"공급전압, LED전압, LED전류를 모두 입력해야 저항값을 구할 수 "
                                "있습니다."_s;
    QTest::newRow("not a number") << u"5"_s << u"2,1"_s << u"20"_s
                                  << u"LED전압 값이 숫자가 아니라서 계산하지 않았습니다."_s;
    QTest::newRow("no current") << u"5"_s << u"2"_s << u"0"_s
                                << u"LED전류가 0보다 커야 저항값을 구할 수 있습니다."_s;
    QTest::newRow("LED above the supply")
        << u"2"_s << u"5"_s << u"20"_s
        << u"LED전압이 공급전압보다 높으면 저항에 걸릴 전압이 없어 저항값이 없습니다."_s;
    // Below 10 Ω the page's bands stay two digits, black first; the working
    // adds the code a resistor one buys carries.
    QTest::newRow("3 \u2126, a real resistor's gold multiplier")
        << u"5"_s << u"2"_s << u"1000"_s
        << u"(5V − 2V) ÷ 1000mA = 3\u2126 → 유효숫자 두 자리: 3\u2126 → 검정, 주황, 검정(실제 "
           "저항에는 주황, 검정, 금색)"_s;
    QTest::newRow("no room: LED at the supply")
        << u"5"_s << u"5"_s << u"20"_s
        << u"(5V − 5V) ÷ 20mA = 0\u2126 → 공급전압과 LED전압이 같아 저항에 걸릴 전압이 "
           "없습니다. 저항을 넣으려면 공급전압이 LED전압보다 높아야 합니다."_s;
    QTest::newRow("no room: a current far too large")
        << u"5"_s << u"2"_s << u"99999999"_s
        << u"(5V − 2V) ÷ 99999999mA = 0.0000300000003\u2126 → 전류가 너무 커서 저항값이 "
           "1\u2126보다 작습니다. LED전류는 보통 20mA 안팎입니다. 1\u2126보다 작은 저항은 "
           "색띠로 나타낼 수 없습니다."_s;
    QTest::newRow("no room: the supply barely above the LED")
        << u"2.01"_s << u"2"_s << u"20"_s
        << u"(2.01V − 2V) ÷ 20mA = 0.5\u2126 → 공급전압이 LED전압보다 조금밖에 높지 않아 "
           "저항값이 1\u2126보다 작습니다. 1\u2126보다 작은 저항은 색띠로 나타낼 수 "
           "없습니다."_s;
    QTest::newRow("100 G\u2126: no code")
        << u"99500000"_s << u"0"_s << u"1"_s
        << u"(99500000V − 0V) ÷ 1mA = 99500000000\u2126 → 100G\u2126 이상은 4색 코드로 나타낼 "
           "수 없습니다."_s;
}

void tst_Working::led()
{
    QFETCH(QString, supply);
    QFETCH(QString, ledVoltage);
    QFETCH(QString, current);
    QFETCH(QString, working);
    const led::Outcome outcome = led::calculateLed(supply, ledVoltage, current, u"±5%"_s);
    QCOMPARE(led::ledWorking(supply, ledVoltage, current, outcome), working);
}

void tst_Working::significantDigits_data()
{
    QTest::addColumn<double>("ohms");
    QTest::addColumn<int>("digits");
    QTest::addColumn<QString>("text"); // empty: needs more digits
    QTest::newRow("4700 in two") << 4700.0 << 2 << u"4.7K\u2126"_s;
    QTest::newRow("4.7 in two") << 4.7 << 2 << u"4.7\u2126"_s;
    QTest::newRow("471 in two") << 471.0 << 2 << QString();
    QTest::newRow("471 in three") << 471.0 << 3 << u"471\u2126"_s;
    QTest::newRow("0 in two") << 0.0 << 2 << u"0\u2126"_s;
    QTest::newRow("1 G\u2126 in two") << 1e9 << 2 << u"1G\u2126"_s;
    QTest::newRow("negative") << -47.0 << 2 << QString();
}

void tst_Working::significantDigits()
{
    QFETCH(double, ohms);
    QFETCH(int, digits);
    QFETCH(QString, text);
    const std::optional<colorcode::Resistance> value = colorcode::resistanceOf(ohms, digits);
    QCOMPARE(value ? value->text() : QString(), text);
}

QTEST_GUILESS_MAIN(tst_Working)
#include "tst_working.moc"
