#include "pages/value_to_color/encoder.h"

#include <QTest>

using namespace Qt::StringLiterals;
using namespace valuetocolor;
using colorcode::ColorCode;

Q_DECLARE_METATYPE(Refusal)
Q_DECLARE_METATYPE(ToleranceFill)

namespace {

constexpr ColorCode kBlack = 0x000000;
constexpr ColorCode kBrown = 0x004080;
constexpr ColorCode kRed = 0x0000FF;
constexpr ColorCode kOrange = 0x0080FF;
constexpr ColorCode kYellow = 0x00FFFF;
constexpr ColorCode kGreen = 0x00C000;
constexpr ColorCode kBlue = 0xC00000;
constexpr ColorCode kViolet = 0x800080;
constexpr ColorCode kGrey = 0xC0C0C0;
constexpr ColorCode kWhite = colorcode::kWindowBackground;
constexpr ColorCode kGold = 0x00C0C0;
constexpr ColorCode kSilver = 0xE0E0E0;

const QString kO = u"\u2126"_s;
const QString kK = u"K\u2126"_s;
const QString kM = u"M\u2126"_s;

} // namespace

class tst_Encoder : public QObject {
    Q_OBJECT

private slots:
    void accepted_data();
    void accepted();
    void refused_data();
    void refused();
    void sweep_data();
    void sweep();
    void messages();
    void descriptions_data();
    void descriptions();
};

void tst_Encoder::accepted_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<QString>("tolerance");
    QTest::addColumn<QStringList>("readouts");
    QTest::addColumn<QList<quint32>>("colours"); // first, second, multiplier
    QTest::addColumn<ToleranceFill>("fill");
    QTest::addColumn<quint32>("toleranceColour");
    QTest::addColumn<QString>("label");

    const auto filled = ToleranceFill::Filled;
    const QString five = u"±5%"_s;
    const auto row = [&](const char *name, const QString &entry, const QString &unit,
                         const QString &tolerance, const QStringList &readouts,
                         const QList<quint32> &colours, ToleranceFill fill,
                         quint32 toleranceColour) {
        QTest::newRow(name) << entry << unit << tolerance << readouts << colours << fill
                            << toleranceColour << entry + unit + tolerance;
    };

    // The worked results.
    row("47 ohm", u"47"_s, kO, five, {u"4"_s, u"7"_s, u"0"_s}, {kYellow, kViolet, kBlack}, filled,
        kGold);
    row("5 ohm", u"5"_s, kO, five, {u"0"_s, u"5"_s, u"0"_s}, {kBlack, kGreen, kBlack}, filled,
        kGold);
    row("470 ohm", u"470"_s, kO, five, {u"4"_s, u"7"_s, u"1"_s}, {kYellow, kViolet, kBrown}, filled,
        kGold);
    row("1 kilo-ohm", u"1"_s, kK, five, {u"1"_s, u"0"_s, u"2"_s}, {kBrown, kBlack, kRed}, filled,
        kGold);
    row("4.7 kilo-ohm, silver", u"4.7"_s, kK, u"±10%"_s, {u"4"_s, u"7"_s, u"2"_s},
        {kYellow, kViolet, kRed}, filled, kSilver);
    row("470 kilo-ohm", u"470"_s, kK, five, {u"4"_s, u"7"_s, u"4"_s}, {kYellow, kViolet, kYellow},
        filled, kGold);
    row("2.2 mega-ohm", u"2.2"_s, kM, five, {u"2"_s, u"2"_s, u"5"_s}, {kRed, kRed, kGreen}, filled,
        kGold);
    row("100 mega-ohm, no tolerance band", u"100"_s, kM, u"±20%"_s, {u"1"_s, u"0"_s, u"7"_s},
        {kBrown, kBlack, kViolet}, ToleranceFill::Unfilled, kBlack);

    // The edge cases and the rest of the decoding table.
    row("100 kilo-ohm: third character 0", u"100"_s, kK, five, {u"1"_s, u"0"_s, u"4"_s},
        {kBrown, kBlack, kYellow}, filled, kGold);
    row("0.5 kilo-ohm", u"0.5"_s, kK, five, {u"0"_s, u"5"_s, u"2"_s}, {kBlack, kGreen, kRed},
        filled, kGold);
    row("89 ohm: grey and white of the encoder palette", u"89"_s, kO, five,
        {u"8"_s, u"9"_s, u"0"_s}, {kGrey, kWhite, kBlack}, filled, kGold);
    row("47 kilo-ohm", u"47"_s, kK, five, {u"4"_s, u"7"_s, u"3"_s}, {kYellow, kViolet, kOrange},
        filled, kGold);
    row("47 mega-ohm", u"47"_s, kM, five, {u"4"_s, u"7"_s, u"6"_s}, {kYellow, kViolet, kBlue},
        filled, kGold);
    row("1 mega-ohm", u"1"_s, kM, five, {u"1"_s, u"0"_s, u"5"_s}, {kBrown, kBlack, kGreen}, filled,
        kGold);
    row("4.7 mega-ohm", u"4.7"_s, kM, five, {u"4"_s, u"7"_s, u"5"_s}, {kYellow, kViolet, kGreen},
        filled, kGold);
    row("0 ohm", u"0"_s, kO, five, {u"0"_s, u"0"_s, u"0"_s}, {kBlack, kBlack, kBlack}, filled,
        kGold);
    row("070 ohm", u"070"_s, kO, five, {u"0"_s, u"7"_s, u"1"_s}, {kBlack, kViolet, kBrown}, filled,
        kGold);
    row("brown tolerance", u"47"_s, kO, u"±1%"_s, {u"4"_s, u"7"_s, u"0"_s},
        {kYellow, kViolet, kBlack}, filled, kBrown);
    row("red tolerance", u"47"_s, kO, u"±2%"_s, {u"4"_s, u"7"_s, u"0"_s},
        {kYellow, kViolet, kBlack}, filled, kRed);

    // Nothing decoded, nothing refused: the value bands are unset.
    row("empty entry", QString(), kO, five, {QString(), QString(), QString()},
        {kBlack, kBlack, kBlack}, filled, kGold);
    row("typed lower-case unit", u"47"_s, u"k\u2126"_s, five, {QString(), QString(), QString()},
        {kBlack, kBlack, kBlack}, filled, kGold);
    row("unit with the Greek omega", u"47"_s, u"K\u03A9"_s, five, {QString(), QString(), QString()},
        {kBlack, kBlack, kBlack}, filled, kGold);
    row("unit with a trailing blank", u"4.7"_s, u"K\u2126 "_s, five,
        {QString(), QString(), QString()}, {kBlack, kBlack, kBlack}, filled, kGold);
    row("empty unit", u"5"_s, QString(), five, {QString(), QString(), QString()},
        {kBlack, kBlack, kBlack}, filled, kGold);

    // A tolerance text that is none of the list's leaves the band's fill as it was.
    row("typed tolerance", u"47"_s, kO, u"±7%"_s, {u"4"_s, u"7"_s, u"0"_s},
        {kYellow, kViolet, kBlack}, ToleranceFill::Unchanged, kBlack);
    row("tolerance with a trailing blank", u"47"_s, kO, u"±5% "_s, {u"4"_s, u"7"_s, u"0"_s},
        {kYellow, kViolet, kBlack}, ToleranceFill::Unchanged, kBlack);
    row("page 0 tolerance", u"47"_s, kO, u"±0.5%"_s, {u"4"_s, u"7"_s, u"0"_s},
        {kYellow, kViolet, kBlack}, ToleranceFill::Unchanged, kBlack);
}

void tst_Encoder::accepted()
{
    QFETCH(QString, entry);
    QFETCH(QString, unit);
    QFETCH(QString, tolerance);
    QFETCH(QStringList, readouts);
    QFETCH(QList<quint32>, colours);
    QFETCH(ToleranceFill, fill);
    QFETCH(quint32, toleranceColour);
    QFETCH(QString, label);

    const auto result = encodeValue(entry, unit, tolerance);
    const FourBands *bands = std::get_if<FourBands>(&result);
    QVERIFY2(bands, "refused");
    QCOMPARE((QStringList{bands->first.readout, bands->second.readout, bands->multiplier.readout}),
             readouts);
    QCOMPARE((QList<quint32>{bands->first.color, bands->second.color, bands->multiplier.color}),
             colours);
    QCOMPARE(bands->toleranceFill, fill);
    QCOMPARE(bands->toleranceColor, toleranceColour);
    QCOMPARE(bands->label, label);
}

void tst_Encoder::refused_data()
{
    QTest::addColumn<QString>("entry");
    QTest::addColumn<QString>("unit");
    QTest::addColumn<Refusal>("refusal");

    const auto r1 = Refusal::NoFourBandCode;
    const auto r2 = Refusal::TooManyCharacters;
    const auto r3 = Refusal::SilentlyCleared;
    const auto digit = Refusal::NotADigit;

    QTest::newRow("471 ohm") << u"471"_s << kO << r1;
    QTest::newRow("4.7 ohm: a fraction") << u"4.7"_s << kO << r1;
    QTest::newRow("999 mega-ohm") << u"999"_s << kM << r1;
    QTest::newRow("471 kilo-ohm") << u"471"_s << kK << r1;
    QTest::newRow("007 ohm") << u"007"_s << kO << r1;
    QTest::newRow("1000 ohm") << u"1000"_s << kO << r2;
    QTest::newRow("4.70 kilo-ohm") << u"4.70"_s << kK << r2;
    QTest::newRow("1000, typed unit") << u"1000"_s << u"k\u2126"_s << r2;
    QTest::newRow("four letters") << u"abcd"_s << kO << r2;
    QTest::newRow("four points") << u"...."_s << kM << r2;
    QTest::newRow("4.0 ohm") << u"4.0"_s << kO << r3;
    QTest::newRow("0.0 ohm") << u"0.0"_s << kO << r3;

    // A character where a digit is read, or a point where none can stand.
    QTest::newRow("5. ohm") << u"5."_s << kO << digit;
    QTest::newRow("5. kilo-ohm") << u"5."_s << kK << digit;
    QTest::newRow(".5 ohm") << u".5"_s << kO << digit;
    QTest::newRow(".5 mega-ohm") << u".5"_s << kM << digit;
    QTest::newRow("40. ohm, never 400") << u"40."_s << kO << digit;
    QTest::newRow("40. kilo-ohm") << u"40."_s << kK << digit;
    QTest::newRow("4.. kilo-ohm") << u"4.."_s << kK << digit;
    QTest::newRow("4.. ohm") << u"4.."_s << kO << digit;
    QTest::newRow(".47 kilo-ohm") << u".47"_s << kK << digit;
    QTest::newRow("point alone") << u"."_s << kO << digit;
    QTest::newRow("point alone, kilo-ohm") << u"."_s << kK << digit;
    QTest::newRow("letter") << u"a"_s << kO << digit;
    QTest::newRow("letter then digit") << u"k5"_s << kK << digit;
    QTest::newRow("blank") << u" "_s << kO << digit;
    QTest::newRow("blank before digit") << u" 5"_s << kO << digit;
    QTest::newRow("blank after digit") << u"5 "_s << kM << digit;
    QTest::newRow("minus five") << u"-5"_s << kO << digit;
    QTest::newRow("plus five") << u"+5"_s << kK << digit;
    QTest::newRow("Arabic-Indic five") << u"\u0665"_s << kO << digit;
    QTest::newRow("full-width five") << u"\uFF15"_s << kK << digit;
    QTest::newRow("Korean") << u"오"_s << kO << digit;
    QTest::newRow("letter after point, ohm") << u"4.x"_s << kO << digit;
    QTest::newRow("letter before digits, ohm") << u"x51"_s << kO << digit;
    QTest::newRow("letter before point and zero, ohm") << u"x.0"_s << kO << digit;
    QTest::newRow("comma as separator") << u"4,7"_s << kK << digit;
    QTest::newRow("exponent") << u"1e3"_s << kO << digit;
    // Counted as the user sees them: one character outside the BMP, not two.
    QTest::newRow("emoji pair is two characters") << u"\U0001F600\U0001F600"_s << kO << digit;
}

void tst_Encoder::refused()
{
    QFETCH(QString, entry);
    QFETCH(QString, unit);
    QFETCH(Refusal, refusal);

    for (const QString &tolerance : {u"±5%"_s, u"±20%"_s, u"whatever"_s}) {
        const auto result = encodeValue(entry, unit, tolerance);
        const Refusal *got = std::get_if<Refusal>(&result);
        QVERIFY2(got, qPrintable(u"accepted with %1"_s.arg(tolerance)));
        QCOMPARE(*got, refusal);
    }
}

void tst_Encoder::sweep_data()
{
    QTest::addColumn<QString>("unit");
    QTest::addColumn<int>("unitExponent");
    QTest::newRow("ohm") << kO << 0;
    QTest::newRow("kilo-ohm") << kK << 3;
    QTest::newRow("mega-ohm") << kM << 6;
}

void tst_Encoder::sweep()
{
    // Every entry of one to three characters over the digits and the point:
    // an accepted entry's bands spell exactly the value typed, and a refused
    // one is refused for a reason the rules give.
    QFETCH(QString, unit);
    QFETCH(int, unitExponent);

    const QString alphabet = u"0123456789."_s;
    QStringList entries;
    for (QChar a : alphabet) {
        entries << QString(a);
        for (QChar b : alphabet) {
            entries << QString(a) + b;
            for (QChar c : alphabet)
                entries << QString(a) + b + c;
        }
    }
    QCOMPARE(entries.size(), 11 + 121 + 1331);

    int acceptedCount = 0;
    for (const QString &entry : std::as_const(entries)) {
        const auto result = encodeValue(entry, unit, u"±5%"_s);
        const int points = int(entry.count(u'.'));
        const bool pointSecondOfThree = entry.size() == 3 && entry[1] == u'.';
        const bool wellFormed = points == 0 || (points == 1 && pointSecondOfThree);

        if (const Refusal *refusal = std::get_if<Refusal>(&result)) {
            QString why;
            if (!wellFormed)
                why = *refusal == Refusal::NotADigit ? QString() : u"not a misplaced point"_s;
            else if (*refusal == Refusal::SilentlyCleared)
                why = unitExponent == 0 && pointSecondOfThree && entry[2] == u'0'
                          ? QString()
                          : u"not ohms d.0"_s;
            else if (*refusal == Refusal::NoFourBandCode)
                why = entry.size() == 3 && entry[2] != u'0' &&
                              (unitExponent == 0 || !pointSecondOfThree)
                          ? QString()
                          : u"the third character is no digit above 0, or a point stands second"_s;
            else
                why = u"no reason for this refusal"_s;
            QVERIFY2(why.isEmpty(), qPrintable(u"%1%2: %3"_s.arg(entry, unit, why)));
            continue;
        }
        QVERIFY2(wellFormed, qPrintable(u"%1%2 accepted"_s.arg(entry, unit)));
        ++acceptedCount;
        const FourBands &bands = std::get<FourBands>(result);

        // The value typed, as an exact integer number of ohms.
        QString digits = entry;
        digits.remove(u'.');
        const int decimals = pointSecondOfThree ? 1 : 0;
        const int exponent = unitExponent - decimals;
        QVERIFY2(exponent >= 0, qPrintable(entry + unit));
        qint64 typed = digits.toLongLong();
        for (int i = 0; i < exponent; ++i)
            typed *= 10;

        // The value the bands spell: two digits and a power of ten.
        bool ok1 = false, ok2 = false, ok3 = false;
        const int d1 = bands.first.readout.toInt(&ok1);
        const int d2 = bands.second.readout.toInt(&ok2);
        const int m = bands.multiplier.readout.toInt(&ok3);
        QVERIFY(ok1 && ok2 && ok3);
        QVERIFY(m >= 0 && m <= 7);
        qint64 shown = d1 * 10 + d2;
        for (int i = 0; i < m; ++i)
            shown *= 10;
        QVERIFY2(shown == typed, qPrintable(u"%1%2 shows %3 ohms"_s.arg(entry, unit).arg(shown)));

        // The colours are those of the readouts in the encoder palette.
        QCOMPARE(bands.first.color, colorcode::kBandColors[d1].encoderColor);
        QCOMPARE(bands.second.color, colorcode::kBandColors[d2].encoderColor);
        QCOMPARE(bands.multiplier.color, colorcode::kBandColors[m].encoderColor);
        QCOMPARE(bands.label, entry + unit + u"±5%"_s);
    }
    // Every one- and two-digit entry, three-digit ones ending in 0, and for
    // kilo- and mega-ohms the d.d entries.
    QCOMPARE(acceptedCount, 10 + 100 + 100 + (unitExponent > 0 ? 100 : 0));
}

void tst_Encoder::messages()
{
    QCOMPARE(refusalMessage(Refusal::NoFourBandCode),
             u"4색 칼라코드로 표현할 수 없는 값입니다. 다시 입력하세요!"_s);
    QCOMPARE(refusalMessage(Refusal::TooManyCharacters),
             u"칼라코드로 표현할 수 없는 값입니다. 다시 입력하세요!"_s);
    QCOMPARE(refusalMessage(Refusal::SilentlyCleared), std::nullopt);
    const std::optional<QString> notADigit = refusalMessage(Refusal::NotADigit);
    QVERIFY(notADigit && !notADigit->isEmpty());
}

void tst_Encoder::descriptions_data()
{
    QTest::addColumn<QString>("role");
    QTest::addColumn<quint32>("colour");
    QTest::addColumn<bool>("filled");
    QTest::addColumn<QString>("text");
    QTest::newRow("yellow first band")
        << u"제1색띠"_s << quint32(kYellow) << true << u"제1색띠: 노랑"_s;
    QTest::newRow("red multiplier") << u"승수"_s << quint32(kRed) << true << u"승수: 적색"_s;
    QTest::newRow("gold tolerance")
        << u"허용오차"_s << quint32(kGold) << true << u"허용오차: 금색"_s;
    QTest::newRow("silver tolerance")
        << u"허용오차"_s << quint32(kSilver) << true << u"허용오차: 은색"_s;
    QTest::newRow("brown tolerance")
        << u"허용오차"_s << quint32(kBrown) << true << u"허용오차: 갈색"_s;
    QTest::newRow("encoder grey") << u"제2색띠"_s << quint32(kGrey) << true << u"제2색띠: 회색"_s;
    QTest::newRow("window-background white")
        << u"제2색띠"_s << quint32(kWhite) << true << u"제2색띠: 백색"_s;
    QTest::newRow("black") << u"제1색띠"_s << quint32(kBlack) << true << u"제1색띠: 검정"_s;
    QTest::newRow("unfilled") << u"제1색띠"_s << quint32(kYellow) << false << u"제1색띠: 없음"_s;
}

void tst_Encoder::descriptions()
{
    QFETCH(QString, role);
    QFETCH(quint32, colour);
    QFETCH(bool, filled);
    QFETCH(QString, text);
    // The page describes its bands in the words of its own palette.
    QCOMPARE(colorcode::bandDescription(role, colour, filled, colorcode::Palette::Encoder), text);
}

QTEST_GUILESS_MAIN(tst_Encoder)
#include "tst_encoder.moc"
