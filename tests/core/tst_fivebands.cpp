// The 5-band code of a typed value on the value-to-colour page: the bands at
// the edges of its range, each refusal, and the working line.

#include "pages/value_to_color/fivebands.h"
#include "pages/value_to_color/working.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace valuetocolor;
using colorcode::ColorCode;

Q_DECLARE_METATYPE(FiveBandRefusal)
Q_DECLARE_METATYPE(ToleranceFill)

namespace {

constexpr ColorCode kBlack = 0x000000;
constexpr ColorCode kBrown = 0x004080;
constexpr ColorCode kYellow = 0x00FFFF;
constexpr ColorCode kGreen = 0x00C000;
constexpr ColorCode kBlue = 0xC00000;
constexpr ColorCode kViolet = 0x800080;
constexpr ColorCode kWhite = colorcode::kWindowBackground;
constexpr ColorCode kGold = 0x00C0C0;
constexpr ColorCode kSilver = 0xE0E0E0;

const QString kO = u"\u2126"_s;
const QString kK = u"K\u2126"_s;
const QString kM = u"M\u2126"_s;

QStringList readouts(const FiveBands &b)
{
    return {b.first.readout, b.second.readout, b.third.readout, b.multiplier.readout};
}

QList<quint32> colours(const FiveBands &b)
{
    return {b.first.color, b.second.color, b.third.color, b.multiplier.color};
}

} // namespace

class tst_FiveBands : public QObject {
    Q_OBJECT

private slots:
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void messages();
    void nearestE96();
    void multiplierBelowOne();
    void working_data();
    void working();
    void tolerances_data();
    void tolerances();
};

void tst_FiveBands::accepted_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QStringList>("readouts");
    QTest::addColumn<QList<quint32>>("colours");

    QTest::newRow("1 \u2126, the lowest: silver")
        << u"1"_s << kO << QStringList{u"1"_s, u"0"_s, u"0"_s, u"-2"_s}
        << QList<quint32>{kBrown, kBlack, kBlack, kSilver};
    QTest::newRow("10 \u2126: gold")
        << u"10"_s << kO << QStringList{u"1"_s, u"0"_s, u"0"_s, u"-1"_s}
        << QList<quint32>{kBrown, kBlack, kBlack, kGold};
    QTest::newRow("4.75 k\u2126") << u"4.75"_s << kK << QStringList{u"4"_s, u"7"_s, u"5"_s, u"1"_s}
                                  << QList<quint32>{kYellow, kViolet, kGreen, kBrown};
    QTest::newRow("999 M\u2126, the highest")
        << u"999"_s << kM << QStringList{u"9"_s, u"9"_s, u"9"_s, u"6"_s}
        << QList<quint32>{kWhite, kWhite, kWhite, kBlue};
    // Read as numbers: trailing zeros and blanks do not count as digits.
    QTest::newRow("4.700 k\u2126 is 470 × 10¹")
        << u" 4.700"_s << kK << QStringList{u"4"_s, u"7"_s, u"0"_s, u"1"_s}
        << QList<quint32>{kYellow, kViolet, kBlack, kBrown};
}

void tst_FiveBands::accepted()
{
    QFETCH(QString, entry);
    QFETCH(QString, unit);
    QFETCH(QStringList, readouts);
    QFETCH(QList<quint32>, colours);
    const auto result = encodeFiveBands(entry, unit, u"±1%"_s);
    const auto *bands = std::get_if<FiveBands>(&result);
    QVERIFY(bands);
    QCOMPARE(::readouts(*bands), readouts);
    QCOMPARE(::colours(*bands), colours);
    QCOMPARE(bands->value.digitCount, 3);
    QCOMPARE(bands->toleranceFill, ToleranceFill::Filled);
    QCOMPARE(bands->toleranceColor, kBrown);
    QCOMPARE(bands->label, entry + unit + u"±1%"_s);
}

void tst_FiveBands::refused_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<FiveBandRefusal>("refusal");
    QTest::newRow("empty") << QString() << kO << FiveBandRefusal::Empty;
    QTest::newRow("comma") << u"4,7"_s << kK << FiveBandRefusal::NotANumber;
    QTest::newRow("lower-case unit") << u"4.7"_s << u"k\u2126"_s << FiveBandRefusal::NoUnit;
    QTest::newRow("just under 1 \u2126") << u"0.999"_s << kO << FiveBandRefusal::OutOfRange;
    QTest::newRow("negative") << u"-4.7"_s << kK << FiveBandRefusal::OutOfRange;
    QTest::newRow("just over 999 M\u2126") << u"999.5"_s << kM << FiveBandRefusal::OutOfRange;
    QTest::newRow("four digits") << u"4.753"_s << kK << FiveBandRefusal::TooManyDigits;
}

void tst_FiveBands::refused()
{
    QFETCH(QString, entry);
    QFETCH(QString, unit);
    QFETCH(FiveBandRefusal, refusal);
    const auto result = encodeFiveBands(entry, unit, u"±5%"_s);
    QVERIFY(std::holds_alternative<FiveBandRefusal>(result));
    QCOMPARE(std::get<FiveBandRefusal>(result), refusal);
}

void tst_FiveBands::messages()
{
    QSet<QString> seen;
    for (FiveBandRefusal r :
         {FiveBandRefusal::Empty, FiveBandRefusal::NotANumber, FiveBandRefusal::NoUnit,
          FiveBandRefusal::OutOfRange, FiveBandRefusal::TooManyDigits})
        seen.insert(fiveBandRefusalMessage(r));
    QCOMPARE(seen.size(), 5);
    QVERIFY(
        fiveBandRefusalMessage(FiveBandRefusal::OutOfRange).contains(u"1\u2126부터 999M\u2126"));
}

void tst_FiveBands::nearestE96()
{
    const auto ohms = [](double v) { return nearestFiveBandE96(v).value().ohms(); };
    QCOMPARE(ohms(4753), 4750.0);
    // Halfway between 100 and 102 goes up.
    QCOMPARE(ohms(101), 102.0);
    // 1 GΩ is the nearer E96 value, but no 5-band code reaches it.
    QCOMPARE(ohms(998.7e6), 976e6);
    QVERIFY(!nearestFiveBandE96(0));
}

void tst_FiveBands::multiplierBelowOne()
{
    using colorcode::Palette;
    QCOMPARE(colorcode::multiplierColor(-1, Palette::Encoder), std::optional(kGold));
    QCOMPARE(colorcode::multiplierColor(-2, Palette::Encoder), std::optional(kSilver));
    QCOMPARE(colorcode::multiplierColor(-2, Palette::Selector), std::optional(0xC0C0C0u));
    QCOMPARE(colorcode::multiplierColor(-3, Palette::Encoder), std::nullopt);
    const QStringView role = colorcode::kMultiplierRole;
    QCOMPARE(colorcode::bandLabel(role, kGold, true, Palette::Encoder), u"×0.1"_s);
    QCOMPARE(colorcode::bandLabel(role, kSilver, true, Palette::Encoder), u"×0.01"_s);
    QCOMPARE(colorcode::bandLabel(role, kBlue, true, Palette::Encoder), u"×10⁶"_s);
}

void tst_FiveBands::working_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("working");
    QTest::newRow("4.75 k\u2126")
        << u"4.75"_s << kK
        << u"4.75K\u2126 = 4750\u2126 = 475 × 10¹ → 노랑, 보라, 초록, 갈색, 갈색(±1%)"_s;
    QTest::newRow("four digits: the nearest E96 value")
        << u"1.005"_s << kO
        << u"1.005\u2126은 유효숫자가 4자리 이상입니다. 색띠와 표시는 유효숫자 3자리까지 "
           "나타냅니다. 가장 가까운 E96 값: 1\u2126 → 갈색, 검정, 검정, 은색"_s;
    QTest::newRow("out of range: the range")
        << u"0.5"_s << kO
        << u"5색 코드로 나타낼 수 있는 값은 1\u2126부터 999M\u2126까지입니다. "
           "0.5\u2126은 그 범위 밖입니다."_s;
    QTest::newRow("not a number") << u"4..7"_s << kO
                                  << u"색띠는 0부터 9까지의 숫자만 나타냅니다. 4.75처럼 숫자와 "
                                     "소수점 하나로 입력하세요."_s;
}

void tst_FiveBands::working()
{
    QFETCH(QString, entry);
    QFETCH(QString, unit);
    QFETCH(QString, working);
    const auto result = encodeFiveBands(entry, unit, u"±1%"_s);
    QCOMPARE(fiveBandWorking(entry, unit, u"±1%"_s, result), working);
}

void tst_FiveBands::tolerances_data()
{
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<ToleranceFill>("fill");
    QTest::addColumn<quint32>("colour");
    QTest::newRow("±0.05%, the tightest") << u"±0.05%"_s << ToleranceFill::Filled << 0x0080FFu;
    // A 5-band code carries only the precision tolerances: ±20% has no band
    // in it.
    QTest::newRow("±20%: not a 5-band tolerance") << u"±20%"_s << ToleranceFill::Unchanged << 0u;
}

void tst_FiveBands::tolerances()
{
    QFETCH(QString, tolerance);
    QFETCH(ToleranceFill, fill);
    QFETCH(quint32, colour);
    const auto result = encodeFiveBands(u"4.75"_s, kK, tolerance);
    const auto *bands = std::get_if<FiveBands>(&result);
    QVERIFY(bands);
    QCOMPARE(bands->toleranceFill, fill);
    QCOMPARE(bands->toleranceColor, colour);
}

QTEST_GUILESS_MAIN(tst_FiveBands)
#include "tst_fivebands.moc"
